// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/PortableMode.h"

#include <QCoreApplication>
#include <QFile>

namespace vsm::PortableMode {

bool isPortable(const AppFolder& folder) { return QFile::exists(folder.portableMarker()); }

void runSetup(ProcessLauncher& launcher, const AppFolder& folder) {
    launcher.startDetached(QStringLiteral("/bin/sh"), {folder.portableSetupScript()},
                           folder.root);
    QCoreApplication::processEvents();
}

static QStringList cleanupArguments(const AppFolder& folder) {
    return {QStringLiteral("/u"), QStringLiteral("/s"), folder.imagingComponent()};
}

QString cleanupCommand(const AppFolder& folder) {
    return QStringLiteral("regsvr32 ") + cleanupArguments(folder).join(QLatin1Char(' '));
}

void runCleanup(ProcessLauncher& launcher, const AppFolder& folder) {
    launcher.startDetached(QStringLiteral("regsvr32"), cleanupArguments(folder), folder.root);
}

}  // namespace vsm::PortableMode
