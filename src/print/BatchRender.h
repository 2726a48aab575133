// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"
#include "print/CoverPage.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace vsm {

// vessomar-render: prints a project's cover into a PDF or PNG file, or onto a
// printer, the same way the print command does; or the printer calibration page.
// Exit codes: 0 done, 1 the project or a picture cannot be read, 2 wrong usage,
// unknown model, unknown printer or an option the printer refuses, 3 the output
// cannot be written, a print step failed or the printer refused the job.
struct RenderRequest {
    QString project;
    QString output;
    int model = -1;  // -1: the project's own
    bool outline = false;
    int dpi = kPdfPictureDpi;  // of a PNG page, and of the pictures in a PDF
    double marginsMm = 0;  // the printable area's offset from the paper's corner
    QString printer;  // a CUPS queue printed on instead of a file
    int copies = 1;
    std::optional<int> quality;  // -4 high .. -1 draft; the printer's own without
    std::optional<PrinterSystem::Orientation> orientation;  // the model's without
    bool calibrationPage = false;
    // Over Output.ini's choices: the bleed, crop marks, disc clipping and hole.
    std::optional<double> bleedMm;
    std::optional<bool> cropMarks;  // --crop-marks or --no-crop-marks
    std::optional<bool> clipDiscs;  // --clip-discs or --no-clip-discs
    std::optional<double> holeMm;
    bool help = false;
    bool version = false;
};

// Parses the command line (without the program name); on failure error says why.
bool parseRenderArguments(const QStringList& arguments, RenderRequest& request, QString* error);

// The --help text: usage and every option.
QString renderUsage();

// Renders with the program folder's catalogue and language; messages go to error,
// notes that do not stop the job (such as a cover outside the printable area)
// to notes. A printer request needs printers.
int renderCover(const RenderRequest& request, const QString& appFolder, QString* error,
                PrinterSystem* printers = nullptr, QStringList* notes = nullptr);

}  // namespace vsm
