// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/TextFile.h"
#include "support/AsOtherUser.h"
#include "support/TempAppFolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace vsm;

TEST(TextFileEncoding, DecodesUtf8OrWindows1252) {
    struct Case {
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"plain", QStringLiteral("plain")},
        {"Fran\xC3\xA7" "ais", QStringLiteral("Français")},          // valid UTF-8
        {"Fran\xE7" "ais", QStringLiteral("Français")},              // Windows-1252
        {"\x80 \x93quoted\x94", QStringLiteral("€ “quoted”")},  // cp1252 high range
        {"\xEF\xBB\xBFwith BOM", QStringLiteral("with BOM")},
        {"\xD0\x9F\xD1\x80\xD0\xB8", QStringLiteral("При")},
    };
    for (const auto& c : cases) EXPECT_EQ(TextFile::decode(c.bytes), c.text) << c.bytes.toHex().constData();
}

TEST(TextFileEncoding, WritesWindows1252WhenEveryCharacterFitsElseUtf8) {
    EXPECT_EQ(TextFile::encode(QStringLiteral("Français €")), QByteArray("Fran\xE7" "ais \x80"));
    EXPECT_EQ(TextFile::encode(QStringLiteral("Français При")),
              QStringLiteral("Français При").toUtf8());
    for (const QString& s : {QStringLiteral("àèìòù ÿ Œ —"), QStringLiteral("Привет, Čeština"),
                             QStringLiteral("Ã© looks like UTF-8 in Windows-1252"),
                             QStringLiteral("0ï»¿"), QStringLiteral("\uFEFFstarts with a mark")})
        EXPECT_EQ(TextFile::decode(TextFile::encode(s)), s);
}

TEST(TextFileLines, AcceptsCrLfAndLfAndWritesCrLf) {
    EXPECT_EQ(TextFile::splitLines("a\r\nb\nc"), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(TextFile::splitLines("a\r\n\r\n"), (QStringList{"a", ""}));
    EXPECT_EQ(TextFile::splitLines(""), QStringList());
    test::TempAppFolder dir(false);
    ASSERT_TRUE(TextFile::writeLines(dir.path("/f.txt"), {"one", "", "three"}));
    EXPECT_EQ(dir.read("/f.txt"), QByteArray("one\r\n\r\nthree\r\n"));
}

TEST(TextFileRead, RefusesWhatIsNotARegularFileWithoutBlocking) {
    test::TempAppFolder dir(false);
    const QString fifo = dir.path("/pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QElapsedTimer timer;
    timer.start();
    for (const QString& path : {fifo, dir.path(""), QStringLiteral("/dev/zero"),
                                dir.path("/missing")})
        EXPECT_FALSE(TextFile::read(path).has_value()) << path.toStdString();
    EXPECT_LT(timer.elapsed(), 1000);
}

TEST(TextFileRead, ReadsAHugeFileOnlyUpToTheLimit) {
    test::TempAppFolder dir(false);
    dir.write("/huge", QByteArray(TextFile::kMaxReadBytes + 4096, 'x'));
    const auto text = TextFile::read(dir.path("/huge"));
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->size(), TextFile::kMaxReadBytes);
}

TEST(TextFileWrite, FailedWriteLeavesThePreviousFile) {
    test::TempAppFolder dir(false);
    QFile::setPermissions(dir.path(""), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                             QFile::ReadOther | QFile::ExeOther);
    dir.write("/locked.txt", "old\r\n");
    // In a folder the user may not write to, and into a read-only file in a
    // folder the user may write to.
    EXPECT_EQ(test::runUnprivileged([&] {
                  return TextFile::writeLines(dir.path("/locked.txt"), {"new"}) ? 1 : 0;
              }),
              0);
    EXPECT_EQ(dir.read("/locked.txt"), QByteArray("old\r\n"));
    QFile::setPermissions(dir.path(""), QFile::permissions(dir.path("")) | QFile::WriteOther);
    QFile::setPermissions(dir.path("/locked.txt"), QFile::ReadOwner | QFile::ReadOther);
    EXPECT_EQ(test::runUnprivileged([&] {
                  return TextFile::writeLines(dir.path("/locked.txt"), {"new"}) ? 1 : 0;
              }),
              0);
    EXPECT_EQ(dir.read("/locked.txt"), QByteArray("old\r\n"));
}
