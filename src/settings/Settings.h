// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

namespace vsm {

// Window states as stored in the settings file.
enum class StoredWindowState : std::int16_t { Normal = 0, Minimised = 1, Maximised = 2 };

// A folder the program remembers. Its name is one line of the settings file, so a
// name with a line break (CR or LF) would shift the lines after it: such a name
// is refused and the folder remembered before is kept.
class RememberedFolder {
public:
    RememberedFolder() = default;
    RememberedFolder& operator=(const QString& folder) {
        if (!folder.contains(QLatin1Char('\n')) && !folder.contains(QLatin1Char('\r')))
            folder_ = folder;
        return *this;
    }
    operator const QString&() const { return folder_; }
    const QString& text() const { return folder_; }
    qsizetype size() const { return folder_.size(); }
    bool isEmpty() const { return folder_.isEmpty(); }

    friend bool operator==(const RememberedFolder& a, const RememberedFolder& b) {
        return a.folder_ == b.folder_;
    }
    friend bool operator!=(const RememberedFolder& a, const RememberedFolder& b) {
        return !(a == b);
    }
    friend bool operator==(const RememberedFolder& a, const QString& b) { return a.folder_ == b; }
    friend bool operator!=(const RememberedFolder& a, const QString& b) { return !(a == b); }

private:
    QString folder_;
};

// The six values kept from one run to the next, one per line of Files/Vessomar.ini.
struct Settings {
    QString languageName;               // line 1: language file name, e.g. "Italiano.lng"
    std::int16_t savedModelIndex = 0;   // line 2: model list selection, -1 for none
    RememberedFolder lastProjectFolder;  // line 3
    RememberedFolder lastPictureFolder;  // line 4
    bool soundsOn = false;              // line 5, inverted: "0" means on
    std::int16_t savedWindowState = 0;  // line 6: 0 normal, 1 minimised, 2 maximised

    // Reads the file line by line; every value is read on its own, so a missing or
    // odd line leaves its default and the next value is still read. Sounds are on
    // unless line 5 says otherwise. Returns false when the file cannot be read.
    bool read(const QString& path);
    void readLines(const QStringList& lines);

    QStringList lines(int modelIndex, int windowState) const;

    // Writes the six lines; modelIndex and windowState are the current selection
    // and window state. A failed write leaves the previous file as it was.
    bool write(const QString& path, int modelIndex, int windowState) const;
};

}  // namespace vsm
