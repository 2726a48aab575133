// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/CoverPage.h"

#include <QString>
#include <QStringList>

namespace vsm {

// vessomar-render: prints a project's cover into a PDF or PNG file instead of a
// printer, the same way the print command does. Exit codes: 0 done, 1 the
// project or a picture cannot be read, 2 wrong usage or unknown model, 3 the output
// cannot be written or a print step failed.
struct RenderRequest {
    QString project;
    QString output;
    int model = -1;  // -1: the project's own
    bool outline = false;
    int dpi = kPdfPictureDpi;  // of a PNG page, and of the pictures in a PDF
    double marginsMm = 0;  // the printable area's offset from the paper's corner
};

// Parses the command line (without the program name); on failure error says why.
bool parseRenderArguments(const QStringList& arguments, RenderRequest& request, QString* error);

QString renderUsage();

// Renders with the program folder's catalogue and language; messages go to error.
int renderCover(const RenderRequest& request, const QString& appFolder, QString* error);

}  // namespace vsm
