// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace vsm {

// Data files are 8-bit text with CR LF line ends. Files written on Windows come in
// Windows-1252; files written here may need UTF-8 for texts outside that code page.
namespace TextFile {

// Largest amount read from one data file; the program's files are a few KB, so a
// huge file is read only this far instead of filling memory.
constexpr qint64 kMaxReadBytes = 16 * 1024 * 1024;

// True when the path names a regular file (or a link to one). Folders, devices,
// FIFOs and sockets are never opened: reading them could block or never end.
bool isRegularFile(const QString& path);

// UTF-8 when the bytes are valid UTF-8 (a leading byte-order mark is dropped),
// otherwise Windows-1252.
QString decode(const QByteArray& bytes);

// Windows-1252 when every character fits, otherwise UTF-8.
QByteArray encode(const QString& text);

// The file's text, or nothing when it is not a readable regular file.
std::optional<QString> read(const QString& path);

// Splits text into lines; CR LF and LF alone both end a line. A final line end
// does not start another, empty line.
QStringList splitLines(const QString& text);

// Reads a file as lines; nothing when it cannot be read.
std::optional<QStringList> readLines(const QString& path);

// Writes every line followed by CR LF, atomically: the previous file stays as it
// was when the write fails. A read-only file is not replaced.
bool writeLines(const QString& path, const QStringList& lines);

// Writes bytes atomically, with the same rules as writeLines.
bool writeBytes(const QString& path, const QByteArray& bytes);

}  // namespace TextFile

}  // namespace vsm
