// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

#include <QString>

class QWidget;

namespace vsm {

struct Session;

// File > Export PDF: asks where to save, then writes the page vessomar-render
// writes for the model, so a cover can go to a print shop without a PDF printer.
// The save dialog opens in the last export's folder while the program runs.
class PdfExport {
public:
    explicit PdfExport(const Platform& platform) : platform_(platform) {}

    // False when the user cancels or the file cannot be written; the failure is
    // shown and no partial file is left behind.
    bool run(QWidget* owner, const Session& session, int model, const QString& projectPath);

    // Where the next export's dialog starts; empty until the first one.
    QString folder() const { return folder_; }

private:
    QString proposedName(const Session& session, const QString& projectPath) const;

    Platform platform_;
    QString folder_;
};

}  // namespace vsm
