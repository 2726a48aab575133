// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/PrintValue.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace vsm {

class PrinterSystem;
class UiText;

// What a cover job asks of whoever started it.
struct CorrectedJobCalls {
    // The cover reaches outside the printable area: the warning text; true prints anyway.
    std::function<bool(const QString& warning)> printAnyway;
    // Something the user should know: the paper used instead of A4.
    std::function<void(const QString& notice)> notify;
    // A hand-edited Printers.ini value that was ignored.
    std::function<void(const QString& warning)> fileWarning;
    // A print step failed (once per step).
    std::function<void()> stepFailed;
};

enum class CorrectedJobResult { Sent, Cancelled };

// The cover as the current printer must be told it, with that queue's stored
// correction (Printers.ini in dataFilesFolder): what a job prints and the preview
// shows. Unchanged without a printer. Ignored hand-edited values go to warnings.
PrintValue correctedForCurrentPrinter(PrinterSystem* printers, const QString& dataFilesFolder,
                                      const PrintValue& cover, QStringList* warnings);

// Prints a cover on the current printer with that printer's stored correction
// (Printers.ini in dataFilesFolder): the window's print command and
// vessomar-render --printer both go this way.
CorrectedJobResult printCorrectedCover(PrinterSystem* printers, const QString& dataFilesFolder,
                                       const UiText& texts, const PrintValue& cover,
                                       const CorrectedJobCalls& calls);

enum class CalibrationPageResult { Printed, NoPage, StepFailed };

// Prints the calibration page on the current printer, uncorrected, from the
// paper's edges: the calibration dialog and vessomar-render --calibration-page
// --printer both go this way.
CalibrationPageResult printCalibrationPage(PrinterSystem& printers, const UiText& texts);

}  // namespace vsm
