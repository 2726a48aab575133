// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"
#include "platform/PrintSurface.h"
#include "print/PrintValue.h"

#include <QImage>
#include <QString>
#include <functional>

class QPaintDevice;

namespace vsm {

struct Session;

// Pictures in a PDF are sent at this resolution unless asked otherwise.
constexpr int kPdfPictureDpi = 300;

// An A4 sheet with equal margins on every side, as a printer would report it.
PaperArea a4Paper(bool portrait, double marginsMm = 0);

// Whether model m prints on upright paper.
bool printsPortrait(const Session& session, int m);

// What a page is drawn with: the cover or the calibration page, on a surface whose
// origin is the printable area's corner, which lies at printableOrigin (mm) from
// the paper's corner. Returns the number of drawing steps that failed.
using PageDrawing = std::function<int(PrintSurface& surface, QPointF printableOrigin)>;

// Draws on a device that holds the whole sheet and ends the page (finish runs
// then, as PainterPrintSurface's). Returns the number of steps that failed.
int drawPage(const PaperArea& paper, QPaintDevice* device, double pictureDpi,
             const PageDrawing& draw, std::function<bool()> finish = {});

// The cover's composition as a page drawing.
PageDrawing coverDrawing(const PrintValue& cover);

// Draws the cover on a device that holds the whole sheet, placed in the sheet's
// printable area, and ends the page (finish runs then, as PainterPrintSurface's).
// Returns the number of print steps that failed.
int drawCover(const PrintValue& cover, const PaperArea& paper, QPaintDevice* device,
              double pictureDpi, std::function<bool()> finish = {});

// What writing a page to a file came to.
struct PageWrite {
    bool written = false;  // the file is complete; when false nothing was left behind
    int failedSteps = 0;
    QString fileError;  // why the file could not be written
};

// A one-page PDF of the sheet at its paper size, written atomically.
PageWrite writePdf(const PaperArea& paper, double pictureDpi, const QString& path,
                   const PageDrawing& draw);
PageWrite writeCoverPdf(const PrintValue& cover, const PaperArea& paper, double pictureDpi,
                        const QString& path);

// A white picture of the sheet at dpi that knows its resolution; null when too large.
QImage blankPage(const PaperArea& paper, double dpi);

// The cover drawn on blankPage(paper, dpi).
QImage coverImage(const PrintValue& cover, const PaperArea& paper, double dpi,
                  int* failedSteps = nullptr);

}  // namespace vsm
