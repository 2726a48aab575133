// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/CorrectedJob.h"
#include "print/PrinterCalibration.h"

#include <QString>
#include <array>
#include <optional>

namespace vsm {

class LocaleSource;
class PrinterSystem;
class UiText;

// The calibration dialog without its window: the figures measured on the printed
// page, read in the user's number format, turned into the current printer's
// correction and kept in Printers.ini for its queue.
class CalibrationEdit {
public:
    enum Field { Cross1Left, Cross1Top, Cross2Left, Cross2Top, RulerX, RulerY };
    static constexpr int kFields = 6;
    using Texts = std::array<QString, kFields>;

    struct Outcome {
        bool accepted = false;
        QString problem;  // why the figures were refused
    };

    // Numbers are read in the locale's format; without one, in the default locale's.
    CalibrationEdit(PrinterSystem* printers, const LocaleSource* locale, QString dataFilesFolder);

    // The queue the correction is for: the print dialog's choice, which is the
    // current printer. Empty without one.
    QString queue() const;

    // What a field starts with: where the page drew it, which a perfect printer measures.
    QString startText(Field field) const;
    std::optional<double> number(const QString& text) const;

    // Reads the figures, computes the correction and stores it for the queue.
    Outcome accept(const Texts& texts);
    // Removes the queue's correction; why it could not, or empty.
    QString reset();
    std::optional<PrinterCorrection> stored() const;

    CalibrationPageResult printPage(const UiText& texts);

private:
    QString file() const;
    QString write(const PrinterCalibrations& store) const;

    PrinterSystem* printers_;
    const LocaleSource* locale_;
    QString dataFilesFolder_;
    CalibrationLayout layout_;
};

}  // namespace vsm
