// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vsm {

// Reads comma-separated items from text without regard to line structure, the way
// the catalogue and the settings items are stored: blanks before an item are
// skipped; an item ends at a comma or at the end of its line; an item that begins
// with a double quote runs to the next double quote, which is dropped, so commas
// inside stay part of it. Inside quotes a doubled quote stands for one quote, so
// that any text the program writes reads back unchanged.
class ItemReader {
public:
    explicit ItemReader(QString text);

    // The next item; nothing at the end of the text.
    std::optional<QString> next();

    // Quotes a text item when it would not read back unchanged otherwise.
    static QString quoteIfNeeded(const QString& item);

private:
    std::optional<QString> readQuoted();
    QString readPlain();
    void finishItem();

    QString text_;
    int pos_ = 0;
};

// The first item of a single line (the rest of the line is ignored).
QString firstItemOfLine(const QString& line);

}  // namespace vsm
