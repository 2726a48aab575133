#pragma once

#include <QString>
#include <functional>

namespace vsm {

class PrintSurface;
struct Session;

// The fixed message a failing print step shows.
QString printFailureTitle();
QString printFailureText();

// Prints the cover of model m at true size: each zone's picture at its catalogue
// position, the cut outlines when they are on, a credit line, then ends the job.
// Each step that fails calls reportFailure once and the next step runs; a missing
// surface (no printer) fails every step.
void StampaCopertina(const Session& session, int m, PrintSurface* surface,
                     const std::function<void()>& reportFailure);

}  // namespace vsm
