// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ItemReader.h"

namespace vsm {

namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool isLineEnd(QChar c) { return c == QLatin1Char('\n') || c == QLatin1Char('\r'); }

}  // namespace

ItemReader::ItemReader(QString text) : text_(std::move(text)) {}

std::optional<QString> ItemReader::next() {
    if (pos_ >= text_.size()) return std::nullopt;
    while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
    QString item;
    if (pos_ < text_.size() && text_[pos_] == QLatin1Char('"')) {
        item = readQuoted().value_or(QString());
    } else {
        item = readPlain();
    }
    finishItem();
    return item;
}

std::optional<QString> ItemReader::readQuoted() {
    ++pos_;  // opening quote
    QString item;
    while (pos_ < text_.size()) {
        const QChar c = text_[pos_++];
        if (c != QLatin1Char('"')) {
            item.append(c);
        } else if (pos_ < text_.size() && text_[pos_] == QLatin1Char('"')) {
            item.append(c);
            ++pos_;
        } else {
            return item;
        }
    }
    return item;  // unterminated: the rest of the text
}

QString ItemReader::readPlain() {
    const int start = pos_;
    while (pos_ < text_.size() && text_[pos_] != QLatin1Char(',') && !isLineEnd(text_[pos_]))
        ++pos_;
    return text_.mid(start, pos_ - start);
}

// Consumes what follows an item up to and including its separator: a comma, or a
// line end (CR LF, LF or CR).
void ItemReader::finishItem() {
    while (pos_ < text_.size() && text_[pos_] != QLatin1Char(',') && !isLineEnd(text_[pos_]))
        ++pos_;
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == QLatin1Char(',')) {
        ++pos_;
        // A comma directly before the line end closes the line with the item.
        if (pos_ < text_.size() && isLineEnd(text_[pos_])) finishItem();
        return;
    }
    if (text_[pos_] == QLatin1Char('\r')) ++pos_;
    if (pos_ < text_.size() && text_[pos_] == QLatin1Char('\n')) ++pos_;
}

QString ItemReader::quoteIfNeeded(const QString& item) {
    const bool plainSafe = !item.contains(QLatin1Char(',')) && !item.contains(QLatin1Char('"')) &&
                           (item.isEmpty() || (!isBlank(item.front()) && !isBlank(item.back())));
    if (plainSafe) return item;
    QString quoted = item;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString firstItemOfLine(const QString& line) {
    ItemReader reader(line);
    return reader.next().value_or(QString());
}

}  // namespace vsm
