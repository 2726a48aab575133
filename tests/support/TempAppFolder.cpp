// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TempAppFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace vsm::test {

namespace {

void copyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(source, target);
    }
}

}  // namespace

QString buildFolder() { return QStringLiteral(VESSOMAR_BUILD_DIR); }

TempAppFolder::TempAppFolder(bool withData) {
    if (withData) copyTree(QStringLiteral(VESSOMAR_SOURCE_DIR "/data"), dir_.path());
}

void TempAppFolder::write(const QString& relative, const QByteArray& bytes) const {
    const QString target = path(relative);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile file(target);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

QByteArray TempAppFolder::read(const QString& relative) const {
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace vsm::test
