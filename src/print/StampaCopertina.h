// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/PrintValue.h"

#include <QString>
#include <functional>

namespace vsm {

class PrintSurface;

// The fixed message a failing print step shows.
QString printFailureTitle();
QString printFailureText();

// Prints a cover at true size: each zone's picture in its rectangle, the cut
// outlines when they are on, a credit line, then ends the job. Each step that
// fails calls reportFailure once and the next step runs; a missing surface (no
// printer) fails every step.
void StampaCopertina(const PrintValue& cover, PrintSurface* surface,
                     const std::function<void()>& reportFailure);

}  // namespace vsm
