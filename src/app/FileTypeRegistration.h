#pragma once

#include "app/AppFolder.h"

namespace vsm {

// Registers the project file type (*.vsm) so that opening a project from the
// desktop starts the program with it. Runs on every start in installed mode.
void RegisterFileType(const AppFolder& folder);

}  // namespace vsm
