// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/AppFolder.h"
#include "platform/HelperRunner.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace vsm {

class UiText;

// Where the registration writes: the key store, the user's data folder
// (XDG_DATA_HOME) and the runner of the desktop's helper programs.
struct RegistrationTargets {
    QString registryFile;
    QString dataHome;
    HelperRunner runHelper;

    static RegistrationTargets forCurrentUser(HelperRunner runHelper);
};

inline const QString kProjectMimeType = QStringLiteral("application/x-vessomar-project");

// Registers the project file type (*.vsm) so that opening a project from the
// desktop starts the program with it. Runs on every start in installed mode; every
// failure is silent. With the interface texts loaded it also registers the
// language's "open project" verb.
void RegisterFileType(const AppFolder& folder, const UiText* ui,
                      const RegistrationTargets& targets);

// The command the file type starts: the quoted program path, then " %1".
QString registrationCommand(const AppFolder& folder);

// The desktop entry's Exec value, quoted and escaped for a desktop entry file.
QString desktopExecValue(const AppFolder& folder);

QByteArray desktopEntry(const AppFolder& folder);
QByteArray mimePackage();

}  // namespace vsm
