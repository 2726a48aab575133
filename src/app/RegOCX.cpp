// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RegOCX.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <exception>

namespace vsm::RegOCX {

bool entryRoutine(const Platform& platform, const AppFolder& folder,
                  const std::function<void(const HelperRunner&)>& registerFileType,
                  const std::function<bool()>& showMainWindow) {
    DeferredHelpers helpers;
    try {
        if (PortableMode::isPortable(folder))
            PortableMode::runSetup(*platform.launcher, folder);
        else
            registerFileType(helpers.runner());
        const bool shown = showMainWindow();
        helpers.startAll(*platform.launcher, QDir::homePath());
        return shown;
    } catch (const std::exception& error) {
        platform.prompts->message(nullptr, QStringLiteral("Error"),
                                  QString::fromLocal8Bit(error.what()),
                                  MessagePrompts::Icon::Exclamation);
        return false;
    }
}

}  // namespace vsm::RegOCX
