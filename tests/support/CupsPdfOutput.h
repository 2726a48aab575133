// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDeadlineTimer>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QThread>
#include <pwd.h>
#include <unistd.h>

namespace vsm::test {

// Where cups-pdf writes the jobs of this user.
inline QString cupsPdfFolder() {
    const passwd* user = getpwuid(geteuid());
    return QStringLiteral("/var/spool/cups-pdf/") + QString::fromLocal8Bit(user ? user->pw_name : "");
}

inline QStringList pdfsIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
}

// The PDF cups-pdf writes for our job (named after its title), once complete.
inline QString waitForNewPdf(const QStringList& before, const QString& title) {
    QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        for (const QString& name : pdfsIn(cupsPdfFolder())) {
            if (before.contains(name) || !name.startsWith(title)) continue;
            QThread::msleep(500);  // let the backend finish writing
            return cupsPdfFolder() + QLatin1Char('/') + name;
        }
        QThread::msleep(200);
    }
    return {};
}

}  // namespace vsm::test
