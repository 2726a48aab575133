// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/UiText.h"
#include "support/TempAppFolder.h"

#include <gtest/gtest.h>

using namespace vsm;

namespace {

QByteArray numberedLines(int count, const QByteArray& word) {
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += QByteArray::number(i).rightJustified(3, '0') + word + QByteArray::number(i) + "\r\n";
    return out;
}

}  // namespace

TEST(LanguageFile, PrefixAndShortLines) {
    test::TempAppFolder dir(false);
    dir.write("/a.lng", "000Open\r\n001  two spaces\r\n002\r\n03\r\nx\r\n\r\n006Six");
    UiText t;
    for (int i = 0; i < 7; ++i) t.set(i, QStringLiteral("old"));
    ASSERT_TRUE(t.readLanguageFile(dir.path("/a.lng")));
    EXPECT_EQ(t[0], "Open");
    EXPECT_EQ(t[1], "  two spaces");  // not trimmed
    EXPECT_EQ(t[2], "");               // exactly three characters
    EXPECT_EQ(t[3], "old");            // two characters: unchanged
    EXPECT_EQ(t[4], "old");            // one character
    EXPECT_EQ(t[5], "old");            // empty line
    EXPECT_EQ(t[6], "Six");            // no final line end
}

TEST(LanguageFile, LinesBeyond150AreIgnoredAndShortFilesKeepHigherEntries) {
    test::TempAppFolder dir(false);
    dir.write("/long.lng", numberedLines(200, "L"));
    dir.write("/109.lng", numberedLines(109, "A"));
    dir.write("/60.lng", numberedLines(60, "B"));
    UiText t;
    ASSERT_TRUE(t.readLanguageFile(dir.path("/long.lng")));
    EXPECT_EQ(t[150], "L150");
    EXPECT_EQ(t[151], "");
    t.readLanguageFile(dir.path("/109.lng"));
    t.readLanguageFile(dir.path("/60.lng"));
    EXPECT_EQ(t[59], "B59");
    EXPECT_EQ(t[60], "A60");
    EXPECT_EQ(t[108], "A108");
}

TEST(LanguageFile, Windows1252AndUtf8Texts) {
    test::TempAppFolder dir(false);
    dir.write("/it.lng", "000Perch\xE9\r\n");
    dir.write("/ru.lng", "000\xD0\x94\xD0\xB0\r\n");
    UiText t;
    t.readLanguageFile(dir.path("/it.lng"));
    EXPECT_EQ(t[0], QStringLiteral("Perché"));
    t.readLanguageFile(dir.path("/ru.lng"));
    EXPECT_EQ(t[0], QStringLiteral("Да"));
}

TEST(LanguageFile, MissingFileFallsBackToEnglishThenKeepsTexts) {
    test::TempAppFolder dir(false);
    UiText t;
    t.set(5, QStringLiteral("kept"));
    EXPECT_FALSE(readLanguageWithFallback(t, dir.path("/Lang"), "Klingon.lng"));
    EXPECT_EQ(t[5], "kept");
    dir.write("/Lang/English.lng", "000Add picture\r\n");
    EXPECT_TRUE(readLanguageWithFallback(t, dir.path("/Lang"), "Klingon.lng"));
    EXPECT_EQ(t[0], "Add picture");
    EXPECT_EQ(t[5], "kept");
}

TEST(LanguageFromLocale, LocaleTable) {
    test::TempAppFolder dir(false);
    const struct {
        QLocale locale;
        const char* name;
    } cases[] = {
        {QLocale(QLocale::Portuguese, QLocale::Brazil), "Brazilian.lng"},
        {QLocale(QLocale::Portuguese, QLocale::Portugal), "Portuguese.lng"},
        {QLocale(QLocale::Italian, QLocale::Italy), "Italiano.lng"},
        {QLocale(QLocale::Italian, QLocale::Switzerland), "Italiano.lng"},
        {QLocale(QLocale::Danish, QLocale::Denmark), "Danish.lng"},
        {QLocale(QLocale::Spanish, QLocale::Mexico), "Spanish.lng"},
        {QLocale(QLocale::German, QLocale::Austria), "Deutsch.lng"},
        {QLocale(QLocale::Russian, QLocale::Russia), "Russian.lng"},
        {QLocale(QLocale::Czech, QLocale::CzechRepublic), "Czech.lng"},
        {QLocale(QLocale::Swedish, QLocale::Sweden), "Swedish.lng"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "English.lng"},
        {QLocale(QLocale::Japanese, QLocale::Japan), "English.lng"},
        {QLocale::c(), "English.lng"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(languageFromLocale(c.locale, dir.path("/Lang")), c.name) << c.name;
}

TEST(LanguageFromLocale, FrenchTakesTheFirstFileThatExists) {
    test::TempAppFolder dir(false);
    const QLocale french(QLocale::French, QLocale::France);
    EXPECT_EQ(languageFromLocale(french, dir.path("/Lang")), "English.lng");
    dir.write("/Lang/French.lng", "000x\r\n");
    EXPECT_EQ(languageFromLocale(french, dir.path("/Lang")), "French.lng");
    dir.write("/Lang/Français.lng", "000x\r\n");
    EXPECT_EQ(languageFromLocale(french, dir.path("/Lang")), QStringLiteral("Français.lng"));
}
