// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>

namespace vsm {

// The numbered interface texts, read from a language file in Files/Lang.
class UiText {
public:
    static constexpr int kSize = 151;
    static constexpr int kLastIndex = kSize - 1;
    static constexpr int kPrefixLength = 3;

    // Entry i; an empty text outside the table.
    QString operator[](int i) const;
    void set(int i, const QString& text);

    // Line n of the file holds entry n after a three-character prefix. A line of one
    // or two characters leaves its entry as it was; lines after 150 are ignored;
    // entries beyond the end of the file stay as they were. False when the file
    // cannot be read (then nothing changes).
    bool readLanguageFile(const QString& path);
    void readLines(const QStringList& lines);

private:
    std::array<QString, kSize> texts_{};
};

// The language file chosen from the user's locale, ".lng" included: the ISO 639-1
// language code picks the row, Brazilian Portuguese gives "br"; French takes the
// first of "Français.lng" and "French.lng" that exists in langFolder.
QString languageFromLocale(const QLocale& locale, const QString& langFolder);

// The two-letter key of the locale table for a locale.
QString localeKey(const QLocale& locale);

// Reads langFolder/languageName; when that file cannot be read, English.lng. When
// neither can, the texts stay as they were. Returns whether a file was read.
bool readLanguageWithFallback(UiText& text, const QString& langFolder,
                              const QString& languageName);

// A caption without its access-key marks: every "&" removed.
QString stripAmpersands(const QString& caption);

// A caption as a window or dialog title: the access-key marks removed, and each
// "&&", which a caption shows as a literal "&", kept as one "&".
QString dialogTitle(const QString& caption);

}  // namespace vsm
