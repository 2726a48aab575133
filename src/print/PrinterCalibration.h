// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/PrintValue.h"

#include <QMap>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace vsm {

class PrintSurface;
class UiText;

// How far a printer misplaces and misscales what it prints, undone before each
// job: a rectangle at x with width w goes to x * scaleX / 100 + offsetX with width
// w * scaleX / 100, measured from the printable area's corner. Positive offsets
// move the print right and down. The default changes nothing.
struct PrinterCorrection {
    double offsetXMm = 0;
    double offsetYMm = 0;
    double scaleXPercent = 100;
    double scaleYPercent = 100;

    bool operator==(const PrinterCorrection& o) const {
        return offsetXMm == o.offsetXMm && offsetYMm == o.offsetYMm &&
               scaleXPercent == o.scaleXPercent && scaleYPercent == o.scaleYPercent;
    }
};

// Beyond these a figure is a mismeasurement, not a printer's error.
constexpr double kMaxCorrectionOffsetMm = 20;
constexpr double kMinCorrectionScalePercent = 95;
constexpr double kMaxCorrectionScalePercent = 105;

// Why a correction was refused; empty when it is usable.
QString correctionProblem(const PrinterCorrection& correction);

// What the calibration page prints, in millimetres from the paper's top-left
// corner: two crosses and the start of a 100 mm ruler across and one down.
struct CalibrationLayout {
    QPointF cross1{30, 30};
    QPointF cross2{150, 230};
    QPointF rulerXStart{40, 70};
    QPointF rulerYStart{30, 90};
    double rulerLengthMm = 100;
};

// What the user measured on the printed page, in millimetres: each cross's
// centre from the paper's left and top edges, and each ruler's printed length.
struct CalibrationMeasurement {
    QPointF cross1;
    QPointF cross2;
    double rulerXMm = 100;
    double rulerYMm = 100;
};

struct CorrectionResult {
    std::optional<PrinterCorrection> correction;
    QString problem;  // why there is none
};

// The correction that makes the printer put the page where it was drawn.
// printableOrigin is where the printer's printable area starts on the paper (its
// top-left margins) when the page was printed.
CorrectionResult correctionFromMeasurement(const CalibrationMeasurement& measured,
                                           QPointF printableOrigin,
                                           const CalibrationLayout& layout = {});

// The corrections of every printer, by CUPS queue name, as kept in Printers.ini.
class PrinterCalibrations {
public:
    static QString fileIn(const QString& dataFilesFolder);

    // A missing file reads as no corrections. A value that is not a number or is
    // out of range is skipped and described in warnings; the rest is kept.
    static PrinterCalibrations read(const QString& path, QStringList* warnings);
    // Atomically; false when the file cannot be written.
    bool write(const QString& path) const;

    std::optional<PrinterCorrection> find(const QString& queue) const;
    // The queue's correction, or the one that changes nothing.
    PrinterCorrection forQueue(const QString& queue) const;
    // False, leaving the store as it was, for a correction out of range.
    bool set(const QString& queue, const PrinterCorrection& correction);
    void reset(const QString& queue);

private:
    QMap<QString, PrinterCorrection> byQueue_;
};

// The print value as the corrected printer must be told it: every rectangle
// scaled about the printable area's corner, then moved. Pictures keep their pixels.
PrintValue correctedPrintValue(const PrintValue& value, const PrinterCorrection& correction);

// A zone of the cover that reaches outside the printable area, and by how much at
// its worst edge.
struct ZoneOverrun {
    int zone = 0;  // 1 for the first
    double mm = 0;
};

// The zones (their rectangles or pieces) outside a printable area of that size,
// measured from its corner.
std::vector<ZoneOverrun> zonesOutside(const PrintValue& value, QSizeF printableMm);

// The warning shown before such a print, ending in the question whether to print anyway.
QString overrunWarning(const std::vector<ZoneOverrun>& overruns, const UiText& texts);

// Draws the calibration page, uncorrected. printableOrigin is the printable
// area's corner on the paper, so the crosses and rulers land at the layout's
// places from the paper's edges. False when a step failed.
bool drawCalibrationPage(PrintSurface& surface, QPointF printableOrigin, const UiText& texts,
                         const CalibrationLayout& layout = {});

}  // namespace vsm
