// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace vsm {

// The file dialogs and the small path functions the commands build their
// arguments with. Folders are separated by "/".
namespace CommDlgs {

// Filters are pairs of description and pattern joined by NUL characters:
// "Pictures\0*.jpg\0All files\0*". An "all files" pattern "*.*" becomes "*".
QString joinFilter(const QStringList& descriptionsAndPatterns);
QList<FileFilter> parseFilter(const QString& filter);

// The open dialog for one existing file. Only mode 1 shows it; any other mode, a
// cancel or a failure gives an empty text. The first filter is preselected.
QString ShowOpenDialog(FileDialogs& dialogs, QWidget* owner, int mode, const QString& title,
                       const QString& fileName, const QString& filter,
                       const QString& initialFolder, const QString& defaultExtension);

constexpr std::uint32_t kAllowMultiSelect = 0x200;

// Every argument of the general dialog may be left as it is.
struct FileDialogArguments {
    std::uint32_t* flags = nullptr;  // in and out, when given
    QString initialFolder;           // empty: the current folder
    QString filter;
    int filterIndex = 1;  // counted from 1
    QString defaultExtension;
    QString fileName;  // proposed name, at most 256 characters
    QString title;
    QWidget* owner = nullptr;
    bool openMode = false;  // false: save dialog
};

// One chosen file as a text, or with multi-selection a list of full paths.
struct FileDialogChoice {
    QString text;
    QStringList list;
    bool isList = false;
};

FileDialogChoice ShowFileDialog(FileDialogs& dialogs, const FileDialogArguments& arguments);

// The folder part of a path: the text before the last "/". A file at the root
// gives "/" and a text without "/" an empty text.
QString TrovaPath(const QString& path);

// The folder when it names an existing one, else the fallback.
QString existingFolderOr(const QString& folder, const QString& fallback);

// The text with "/" appended unless it ends with one; an empty text gives "/".
QString AddTrailingBackslash(const QString& text);

// The text up to its first NUL character.
QString TrimAtNul(const QString& text);

}  // namespace CommDlgs

}  // namespace vsm
