// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/AppFolder.h"
#include "app/FileTypeRegistration.h"
#include "platform/HelperRunner.h"
#include "platform/Platform.h"
#include "settings/PortableMode.h"

#include <functional>

namespace vsm {

namespace RegOCX {

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
