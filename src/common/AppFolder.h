// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace vsm {

// Every data path is the program's folder followed by a fixed relative path.
struct AppFolder {
    QString root;
    // Where the settings and the catalogue are read and written: the program's own
    // Files folder, or the user's copies when that folder is read-only.
    QString writableFiles;

    QString path(const QString& relative) const { return root + relative; }
    QString filesFolder() const { return path(QStringLiteral("/Files")); }
    QString dataFilesFolder() const { return writableFiles.isEmpty() ? filesFolder() : writableFiles; }
    QString settingsFile() const { return dataFilesFolder() + QStringLiteral("/Vessomar.ini"); }
    QString catalogueFile() const { return dataFilesFolder() + QStringLiteral("/Covers.ini"); }
    QString langFolder() const { return path(QStringLiteral("/Files/Lang")); }
    QString portableMarker() const { return path(QStringLiteral("/Files/Portable.ini")); }
    // Installed with the package (cmake/Install.cmake), never in a build folder.
    QString installedMarker() const { return path(QStringLiteral("/Installed")); }
    QString portableSetupScript() const { return path(QStringLiteral("/Reg.bat")); }
    QString imagingComponent() const { return path(QStringLiteral("/GflAx.dll")); }
    QString templatesFolder() const { return path(QStringLiteral("/Modelli")); }
    // The interface sounds: a light tick when a button is hovered, a firmer one on a click.
    QString hoverSound() const { return path(QStringLiteral("/Files/Click1.wav")); }
    QString clickSound() const { return path(QStringLiteral("/Files/Click2.wav")); }
};

// An installed program folder (/opt/vessomar) is read-only for its users. Then
// each user keeps writable copies of the settings and the catalogue in
// userFolder, the catalogue seeded from the shipped one, and reads and writes
// those. Returns the folder with writableFiles set accordingly.
AppFolder withWritableFiles(AppFolder folder, bool programFilesWritable,
                            const QString& userFolder);

// Whether the program's own Files folder takes the settings and the catalogue. An
// installed folder never does, even where its user (root) could write it; for a
// portable or a build folder the file system decides.
bool programFilesWritable(const AppFolder& folder);

// The same, deciding with programFilesWritable and the user's data folder.
AppFolder withWritableFiles(AppFolder folder);

}  // namespace vsm
