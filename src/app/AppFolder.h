#pragma once

#include <QString>

namespace vsm {

// Every data path is the program's folder followed by a fixed relative path.
struct AppFolder {
    QString root;

    QString path(const QString& relative) const { return root + relative; }
    QString filesFolder() const { return path(QStringLiteral("/Files")); }
    QString settingsFile() const { return path(QStringLiteral("/Files/Vessomar.ini")); }
    QString catalogueFile() const { return path(QStringLiteral("/Files/Covers.ini")); }
    QString langFolder() const { return path(QStringLiteral("/Files/Lang")); }
    QString portableMarker() const { return path(QStringLiteral("/Files/Portable.ini")); }
    QString portableSetupScript() const { return path(QStringLiteral("/Reg.bat")); }
    QString imagingComponent() const { return path(QStringLiteral("/GflAx.dll")); }
    QString templatesFolder() const { return path(QStringLiteral("/Modelli")); }
};

// The program's version and the caption built from it.
struct Version {
    static constexpr int kMajor = 2;
    static constexpr int kMinor = 5;
    static constexpr int kRevision = 7;
    static QString caption() {
        return QStringLiteral("Vessomar %1.%2.0.%3").arg(kMajor).arg(kMinor).arg(kRevision);
    }
};

}  // namespace vsm
