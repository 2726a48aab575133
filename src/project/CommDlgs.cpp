// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/CommDlgs.h"

#include <QDir>
#include <QFileInfo>

namespace vsm::CommDlgs {

namespace {

constexpr int kOpenNameLength = 250;
constexpr int kFileNameLength = 256;

// "*.*" is the customary "all files" pattern, but here it would hide every file
// without an extension; "*" shows them all.
QString patternForAllFiles(const QString& pattern) {
    return pattern == QStringLiteral("*.*") ? QStringLiteral("*") : pattern;
}

}  // namespace

QString joinFilter(const QStringList& parts) { return parts.join(QChar(0)); }

QList<FileFilter> parseFilter(const QString& filter) {
    QString body = filter;
    while (body.endsWith(QChar(0))) body.chop(1);  // the terminating NULs
    const QStringList parts = body.isEmpty() ? QStringList() : body.split(QChar(0));
    QList<FileFilter> filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        if (!parts[i].isEmpty() || !parts[i + 1].isEmpty())
            filters.append({parts[i], patternForAllFiles(parts[i + 1])});
    return filters;
}

QString ShowOpenDialog(FileDialogs& dialogs, QWidget* owner, int mode, const QString& title,
                       const QString& fileName, const QString& filter,
                       const QString& initialFolder, const QString& defaultExtension) {
    if (mode != 1) return {};
    FileDialogRequest request{owner, title, parseFilter(filter), 0, initialFolder,
                              fileName.left(kOpenNameLength), defaultExtension};
    return TrimAtNul(dialogs.openFile(request));
}

FileDialogChoice ShowFileDialog(FileDialogs& dialogs, const FileDialogArguments& a) {
    const std::uint32_t flags = a.flags ? *a.flags : 0;
    FileDialogRequest request{a.owner,
                              a.title,
                              parseFilter(a.filter),
                              std::max(0, a.filterIndex - 1),
                              a.initialFolder.isEmpty() ? QDir::currentPath() : a.initialFolder,
                              a.fileName.left(kFileNameLength),
                              a.defaultExtension};
    FileDialogChoice choice;
    if (a.openMode && (flags & kAllowMultiSelect)) {
        const QStringList chosen = dialogs.openFiles(request);
        if (chosen.size() > 1) {
            choice.list = chosen;
            choice.isList = true;
        } else {
            choice.text = chosen.value(0);
        }
        return choice;
    }
    choice.text = TrimAtNul(a.openMode ? dialogs.openFile(request) : dialogs.saveFile(request));
    return choice;
}

QString TrovaPath(const QString& path) {
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0) return {};
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

QString existingFolderOr(const QString& folder, const QString& fallback) {
    return !folder.trimmed().isEmpty() && QFileInfo(folder).isDir() ? folder : fallback;
}

QString AddTrailingBackslash(const QString& text) {
    return text.endsWith(QLatin1Char('/')) ? text : text + QLatin1Char('/');
}

QString TrimAtNul(const QString& text) {
    const int nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

}  // namespace vsm::CommDlgs
