// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/PrintValue.h"

#include <QString>
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

// Prints a cover on the current printer with that printer's stored correction
// (Printers.ini in dataFilesFolder): the window's print command and
// vessomar-render --printer both go this way.
CorrectedJobResult printCorrectedCover(PrinterSystem* printers, const QString& dataFilesFolder,
                                       const UiText& texts, const PrintValue& cover,
                                       const CorrectedJobCalls& calls);

}  // namespace vsm
