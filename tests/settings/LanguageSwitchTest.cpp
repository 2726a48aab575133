// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/HelpPages.h"
#include "settings/UiText.h"
#include "support/MainWindow.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <gtest/gtest.h>

using namespace vsm;

TEST(HelpPages, TableWithAnEnglishFallback) {
    const struct {
        const char *language, *page;
    } cases[] = {{"Français.lng", "fr"}, {"FRANCAIS.LNG", "fr"}, {"french.lng", "fr"},
                 {"Italiano.lng", "it"}, {"English.lng", "en"},  {"Portuguese.lng", "pt"},
                 {"brazilian.lng", "pt"}, {"Spanish.lng", "es"}, {"Hungarian.lng", "hu"},
                 {"Russian.lng", "ru"},   {"Deutsch.lng", "en"}, {"Swedish.lng", "en"},
                 {"", "en"}};
    for (const auto& c : cases)
        EXPECT_EQ(helpPageFor(c.language), QString("/Files/Help-%1.html").arg(c.page)) << c.language;
    EXPECT_EQ(languageNameFromPath("/opt/v/Files/Lang/Deutsch.lng", "English.lng"), "Deutsch.lng");
    EXPECT_EQ(languageNameFromPath("/a/Lang/b/Lang/sub/x.lng", "English.lng"), "sub/x.lng");
    EXPECT_EQ(languageNameFromPath("/home/u/x.lng", "English.lng"), "English.lng");
}

namespace {

struct Window : test::MainWindow {
    QString caption(const char* name) { return form.findChild<QMenu*>(name)->title(); }
};

}  // namespace

TEST(LanguageSwitch, ChoosingDeutschRetranslatesAndKeepsTheModel) {
    Window w;
    w.form.selectModel(7);
    w.fakes.fileDialogs.nextAnswer = {w.dir.path("/Files/Lang/Deutsch.lng")};
    w.form.ChooseLanguage();
    const FileDialogRequest& r = w.fakes.fileDialogs.requests.back();
    EXPECT_EQ(r.initialFolder, w.dir.path("/Files/Lang"));
    EXPECT_EQ(r.filters.value(0).pattern, "*.lng");
    EXPECT_EQ(w.form.session().settings.languageName, "Deutsch.lng");
    EXPECT_TRUE(w.dir.read("/Files/Vessomar.ini").startsWith("Deutsch.lng\r\n"));
    UiText german;
    german.readLanguageFile(w.dir.path("/Files/Lang/Deutsch.lng"));
    EXPECT_EQ(w.caption("mnuFile"), german[40]);
    EXPECT_EQ(w.form.findChild<QComboBox*>("Combo1")->itemText(0), german[53]);
    EXPECT_EQ(w.form.findChildren<QAction*>("mnuFormato1")[3]->text(), german[56]);
    EXPECT_EQ(w.form.currentModel(), 7);

    // A file outside any Lang folder re-applies the current language.
    w.fakes.fileDialogs.nextAnswer = {w.dir.path("/elsewhere.lng")};
    w.form.ChooseLanguage();
    EXPECT_EQ(w.form.session().settings.languageName, "Deutsch.lng");
    EXPECT_EQ(w.caption("mnuFile"), german[40]);
}

TEST(LanguageSwitch, HelpOpensThePageOfTheLanguage) {
    Window w;
    w.dir.write("/Files/Help-en.html", "<html></html>");
    w.form.session().settings.languageName = "Swedish.lng";
    w.form.OpenHelpPage();
    EXPECT_EQ(w.fakes.shell.opened.value(0), w.dir.path("/Files/Help-en.html"));
    w.fakes.shell.works = false;
    w.form.OpenHelpPage();  // a failing shell is ignored
    EXPECT_TRUE(w.fakes.prompts.shown.empty());
}

// Every shipped language is complete for the entries the program uses, and its
// menu captions carry exactly one access key.
TEST(ShippedLanguages, CompleteWithOneAccessKeyPerMenuCaption) {
    test::TempAppFolder dir;
    const QStringList files = QDir(dir.path("/Files/Lang")).entryList({"*.lng"});
    EXPECT_EQ(files.size(), 11) << files.join(", ").toStdString();
    QList<int> used = {14, 15, 16, 18, 19, 20, 21, 22, 23, 27};
    for (int i = 0; i <= 9; ++i) used << i;
    for (int i = 29; i <= 74; ++i) used << i;
    for (int i = 86; i <= 137; ++i) used << i;
    for (int i = 140; i <= 145; ++i) used << i;
    const QList<int> menuCaptions = {1, 3, 4, 5, 6, 8, 9, 17, 31, 32, 40, 41, 42, 43, 44, 52, 94, 99, 100, 101, 114, 126, 127, 133, 134, 135, 136};
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const QByteArray bytes = dir.read("/Files/Lang/" + file);
        EXPECT_GE(bytes.count("\r\n"), 109);
        UiText t;
        ASSERT_TRUE(t.readLanguageFile(dir.path("/Files/Lang/" + file)));
        for (int i : used) EXPECT_FALSE(t[i].trimmed().isEmpty()) << "entry " << i;
        for (int i : menuCaptions)
            EXPECT_EQ(t[i].count('&') - 2 * t[i].count("&&"), 1) << "entry " << i;
        EXPECT_FALSE(t[0].contains('&'));
    }
}
