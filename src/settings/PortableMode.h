// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/AppFolder.h"
#include "platform/Platform.h"

namespace vsm::PortableMode {

// Portable mode: a marker file beside the program. It is tested at start and again
// when the window closes, so adding or removing it meanwhile changes only the
// clean-up.
bool isPortable(const AppFolder& folder);

// Starts Reg.bat from the program folder with /bin/sh, hidden and not awaited.
void runSetup(ProcessLauncher& launcher, const AppFolder& folder);

// Starts "regsvr32 /u /s <folder>/GflAx.dll", not awaited; on a machine without
// such a program nothing is started.
void runCleanup(ProcessLauncher& launcher, const AppFolder& folder);

// The command text of the clean-up, as it is started.
QString cleanupCommand(const AppFolder& folder);

}  // namespace vsm::PortableMode
