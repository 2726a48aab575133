// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <sys/stat.h>

namespace vsm::TextFile {

namespace {

// Windows-1252 code points for bytes 0x80..0x9F; 0 marks the five unassigned bytes,
// which are taken as the C1 control of the same value.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

QChar cp1252ToChar(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F && kCp1252High[byte - 0x80] != 0)
        return QChar(kCp1252High[byte - 0x80]);
    return QChar(byte);
}

std::optional<char> charToCp1252(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == u && u != 0) return static_cast<char>(0x80 + i);
    if (u >= 0x80 && u <= 0x9F && kCp1252High[u - 0x80] == 0) return static_cast<char>(u);
    return std::nullopt;
}

QString decodeCp1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char b : bytes) text.append(cp1252ToChar(static_cast<unsigned char>(b)));
    return text;
}

}  // namespace

bool isRegularFile(const QString& path) {
    struct stat st {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0) return false;
    return S_ISREG(st.st_mode);
}

QString decode(const QByteArray& bytes) {
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF")) body.remove(0, 3);
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(body);
    if (!utf8.hasError()) return text;
    return decodeCp1252(bytes);
}

namespace {

bool isAscii(const QByteArray& bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
}

bool isValidUtf8(const QByteArray& bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    [[maybe_unused]] const QString ignored = utf8.decode(bytes);
    return !utf8.hasError();
}

// UTF-8 that reads back as written: a text that itself begins with a byte-order
// mark gets one more, since reading drops the first.
QByteArray utf8ThatReadsBack(const QString& text) {
    QByteArray out = text.toUtf8();
    if (out.startsWith("\xEF\xBB\xBF")) out.prepend("\xEF\xBB\xBF");
    return out;
}

}  // namespace

QByteArray encode(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const auto b = charToCp1252(c);
        if (!b) return utf8ThatReadsBack(text);
        out.append(*b);
    }
    // Windows-1252 bytes that happen to form valid UTF-8 ("Ã©") would be read
    // back as UTF-8 and change; such a text is written in UTF-8 instead.
    if (!isAscii(out) && isValidUtf8(out)) return utf8ThatReadsBack(text);
    return out;
}

std::optional<QString> read(const QString& path) {
    if (!isRegularFile(path)) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.read(kMaxReadBytes);
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return decode(bytes);
}

QStringList splitLines(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    return lines;
}

std::optional<QStringList> readLines(const QString& path) {
    const auto text = read(path);
    if (!text) return std::nullopt;
    return splitLines(*text);
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (info.exists() && (!info.isFile() || !info.isWritable())) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool writeLines(const QString& path, const QStringList& lines) {
    QString text;
    for (const QString& line : lines) text += line + QStringLiteral("\r\n");
    return writeBytes(path, encode(text));
}

}  // namespace vsm::TextFile
