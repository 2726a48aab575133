#include "app/RegOCX.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <exception>

namespace vsm::RegOCX {

bool isPortable(const AppFolder& folder) { return QFile::exists(folder.portableMarker()); }

void runPortableSetup(ProcessLauncher& launcher, const AppFolder& folder) {
    launcher.startDetached(QStringLiteral("/bin/sh"), {folder.portableSetupScript()},
                           folder.root);
    QCoreApplication::processEvents();
}

static QStringList cleanupArguments(const AppFolder& folder) {
    return {QStringLiteral("/u"), QStringLiteral("/s"), folder.imagingComponent()};
}

QString portableCleanupCommand(const AppFolder& folder) {
    return QStringLiteral("regsvr32 ") + cleanupArguments(folder).join(QLatin1Char(' '));
}

void runPortableCleanup(ProcessLauncher& launcher, const AppFolder& folder) {
    launcher.startDetached(QStringLiteral("regsvr32"), cleanupArguments(folder), folder.root);
}

bool entryRoutine(const Platform& platform, const AppFolder& folder,
                  const std::function<void(const HelperRunner&)>& registerFileType,
                  const std::function<bool()>& showMainWindow) {
    DeferredHelpers helpers;
    try {
        if (isPortable(folder))
            runPortableSetup(*platform.launcher, folder);
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
