#pragma once

#include "common/AppFolder.h"
#include "app/FileTypeRegistration.h"
#include "platform/HelperRunner.h"
#include "platform/Platform.h"

#include <functional>

namespace vsm {

// Portable mode: a marker file beside the program. It is tested at start and again
// when the window closes, so adding or removing it meanwhile changes only the
// clean-up.
namespace RegOCX {

bool isPortable(const AppFolder& folder);

// Starts Reg.bat from the program folder with /bin/sh, hidden and not awaited.
void runPortableSetup(ProcessLauncher& launcher, const AppFolder& folder);

// Starts "regsvr32 /u /s <folder>/GflAx.dll", not awaited; on a machine without
// such a program nothing is started.
void runPortableCleanup(ProcessLauncher& launcher, const AppFolder& folder);

// The command text of the clean-up, as it is started.
QString portableCleanupCommand(const AppFolder& folder);

// The entry routine: portable set-up or file-type registration, then the main
// window is loaded and shown through showMainWindow. The desktop helpers the
// registration asks for through its runner can take seconds each: they start
// detached only after that, never awaited. Any error shows "Error" with its
// description; the result is false when the program must end.
bool entryRoutine(const Platform& platform, const AppFolder& folder,
                  const std::function<void(const HelperRunner&)>& registerFileType,
                  const std::function<bool()>& showMainWindow);

}  // namespace RegOCX

}  // namespace vsm
