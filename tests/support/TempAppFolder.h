// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/AppFolder.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace vsm::test {

// A throw-away program folder holding a copy of the shipped data files, so that
// tests may write settings and catalogue freely.
class TempAppFolder {
public:
    explicit TempAppFolder(bool withData = true);
    AppFolder folder() const { return {dir_.path()}; }
    QString path(const QString& relative) const { return dir_.path() + relative; }
    void write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;

private:
    QTemporaryDir dir_;
};

// The folder the build lays the program and its data into.
QString buildFolder();

}  // namespace vsm::test
