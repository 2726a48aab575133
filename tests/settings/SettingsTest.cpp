// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/TextFile.h"
#include "settings/Settings.h"
#include "support/AsOtherUser.h"
#include "support/TempAppFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace vsm;

namespace {

Settings readFrom(const QByteArray& bytes) {
    test::TempAppFolder dir(false);
    dir.write("/Vessomar.ini", bytes);
    Settings s;
    s.read(dir.path("/Vessomar.ini"));
    return s;
}

}  // namespace

TEST(SettingsRead, EachLineOnItsOwn) {
    struct Case {
        const char* name;
        QByteArray bytes;
        QString language;
        int model;
        QString projects, pictures;
        bool sounds;
        int windowState;
    } cases[] = {
        {"complete", "Italiano.lng\r\n5\r\n/p\r\n/q\r\n1\r\n2\r\n", "Italiano.lng", 5, "/p", "/q", false, 2},
        {"sound line 0 is on", "a\r\n0\r\n\r\n\r\n0\r\n0\r\n", "a", 0, "", "", true, 0},
        {"empty sound line is on", "a\r\n3\r\n\r\n\r\n\r\n1\r\n", "a", 3, "", "", true, 1},
        {"non-numeric sound line is on", "a\r\n3\r\n\r\n\r\nyes\r\n", "a", 3, "", "", true, 0},
        {"missing lines keep defaults", "Deutsch.lng\r\n", "Deutsch.lng", 0, "", "", true, 0},
        {"no model chosen", "a\r\n-1\r\n", "a", -1, "", "", true, 0},
        {"commas in folders survive", "a\r\n2,9\r\n/x,y/z\r\n/c, d\r\n1,0\r\n2,1\r\n", "a", 2,
         "/x,y/z", "/c, d", false, 2},
        {"LF line ends", "a\n4\n/p\n/q\n1\n1\n", "a", 4, "/p", "/q", false, 1},
        {"number beyond 16 bits keeps default", "a\r\n99999999999\r\n\r\n\r\n0\r\n70000\r\n", "a", 0, "", "", true, 0},
        {"leading number with decimals", "a\r\n2.5\r\n\r\n\r\n0.0\r\n1.6\r\n", "a", 2, "", "", true, 2},
        {"windows-1252 folder", "a\r\n1\r\n/Progetti/Caff\xE8\r\n", "a", 1, "/Progetti/Caffè", "", true, 0},
        {"binary junk", QByteArray("\x00\x01\xFF\xFE\r\n\x00", 7), QString::fromLatin1("\x00\x01\xFF\xFE", 4), 0, "", "", true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Settings s = readFrom(c.bytes);
        EXPECT_EQ(s.languageName, c.language);
        EXPECT_EQ(s.savedModelIndex, c.model);
        EXPECT_EQ(s.lastProjectFolder, c.projects);
        EXPECT_EQ(s.lastPictureFolder, c.pictures);
        EXPECT_EQ(s.soundsOn, c.sounds);
        EXPECT_EQ(s.savedWindowState, c.windowState);
    }
}

TEST(SettingsRead, MissingFileOrFolderGivesDefaultsWithSoundsOn) {
    test::TempAppFolder dir(false);
    QDir().mkpath(dir.path("/AFolder"));
    for (const QString& path : {dir.path("/missing.ini"), dir.path("/AFolder")}) {
        Settings s;
        EXPECT_FALSE(s.read(path));
        EXPECT_TRUE(s.soundsOn);
        EXPECT_EQ(s.savedModelIndex, 0);
        EXPECT_TRUE(s.languageName.isEmpty());
    }
}

TEST(SettingsRead, AMegabyteLineIsReadWhole) {
    const QByteArray longLine(1024 * 1024, 'f');
    const Settings s = readFrom("a\r\n1\r\n" + longLine + "\r\n/q\r\n1\r\n");
    EXPECT_EQ(s.lastProjectFolder.size(), longLine.size());
    EXPECT_EQ(s.lastPictureFolder, "/q");
    EXPECT_FALSE(s.soundsOn);
}

TEST(SettingsWrite, SixLinesWithTheInvertedSoundLineAndRoundTrip) {
    test::TempAppFolder dir(false);
    Settings s;
    s.languageName = QStringLiteral("Français.lng");
    s.lastProjectFolder = QStringLiteral("/home/u/Covers, old");
    s.lastPictureFolder = QStringLiteral("/home/u/Фото");
    s.soundsOn = true;
    ASSERT_TRUE(s.write(dir.path("/Vessomar.ini"), -1, 1));
    const QByteArray bytes = dir.read("/Vessomar.ini");
    EXPECT_EQ(bytes.count("\r\n"), 6);
    EXPECT_TRUE(bytes.contains("\r\n-1\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n0\r\n1\r\n"));
    Settings back;
    back.read(dir.path("/Vessomar.ini"));
    EXPECT_EQ(back.languageName, s.languageName);
    EXPECT_EQ(back.savedModelIndex, -1);
    EXPECT_EQ(back.lastProjectFolder, s.lastProjectFolder);
    EXPECT_EQ(back.lastPictureFolder, s.lastPictureFolder);
    EXPECT_TRUE(back.soundsOn);
    EXPECT_EQ(back.savedWindowState, 1);
    s.soundsOn = false;
    s.write(dir.path("/Vessomar.ini"), 3, 0);
    EXPECT_TRUE(dir.read("/Vessomar.ini").endsWith("\r\n1\r\n0\r\n"));
}

TEST(SettingsWrite, AnUnwritableFilesFolderKeepsThePreviousFile) {
    test::TempAppFolder dir(false);
    dir.write("/Files/Vessomar.ini", "English.lng\r\n4\r\n\r\n\r\n0\r\n0\r\n");
    QFile::setPermissions(dir.path(""), QFile::permissions(dir.path("")) | QFile::ExeOther);
    QFile::setPermissions(dir.path("/Files"), QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ExeOwner | QFile::ReadOther |
                                                  QFile::ExeOther);
    Settings s;
    EXPECT_EQ(test::runUnprivileged([&] { return s.write(dir.path("/Files/Vessomar.ini"), 9, 2); }), 0);
    EXPECT_EQ(dir.read("/Files/Vessomar.ini"), QByteArray("English.lng\r\n4\r\n\r\n\r\n0\r\n0\r\n"));
}

TEST(SettingsWrite, AFolderNameWithALineBreakIsNotStored) {
    for (const char* odd : {"/a\nb", "/a\rb", "/a\r\n", "\n"}) {
        Settings s;
        s.lastProjectFolder = QStringLiteral("/projects");
        s.lastPictureFolder = QStringLiteral("/pictures");
        s.lastProjectFolder = QString(odd);
        s.lastPictureFolder = QString(odd);
        EXPECT_EQ(s.lastProjectFolder, "/projects");
        EXPECT_EQ(s.lastPictureFolder, "/pictures");
        s.soundsOn = false;
        const QStringList lines = s.lines(2, 1);
        Settings back;
        back.readLines(TextFile::splitLines(lines.join("\r\n") + "\r\n"));
        EXPECT_FALSE(back.soundsOn) << odd;
        EXPECT_EQ(back.savedWindowState, 1) << odd;
        EXPECT_EQ(back.lastPictureFolder, "/pictures");
    }
}
