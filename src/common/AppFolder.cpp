// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/AppFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

namespace vsm {

AppFolder withWritableFiles(AppFolder folder, bool programFilesWritable,
                            const QString& userFolder) {
    if (programFilesWritable || userFolder.isEmpty()) return folder;
    folder.writableFiles = userFolder;
    QDir().mkpath(userFolder);
    const QString catalogue = folder.catalogueFile();
    if (!QFileInfo::exists(catalogue))
        QFile::copy(folder.filesFolder() + QStringLiteral("/Covers.ini"), catalogue);
    QFile::setPermissions(catalogue, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                         QFile::ReadOther);
    return folder;
}

bool programFilesWritable(const AppFolder& folder) {
    if (QFileInfo::exists(folder.installedMarker())) return false;
    // access() asks the system itself, which also knows read-only mounts.
    return ::access(QFile::encodeName(folder.filesFolder()).constData(), W_OK) == 0;
}

AppFolder withWritableFiles(AppFolder folder) {
    const bool writable = programFilesWritable(folder);
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                         QStringLiteral("/vessomar/Files");
    return withWritableFiles(std::move(folder), writable, user);
}

}  // namespace vsm
