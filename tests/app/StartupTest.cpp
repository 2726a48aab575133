// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RegOCX.h"
#include "support/FakePlatform.h"
#include "support/TempAppFolder.h"
#include "ui/Form1.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace vsm;

namespace {

struct Startup {
    test::TempAppFolder dir;
    test::FakePlatform fakes;
    std::unique_ptr<Form1> form;
    int registrations = 0;

    bool start() {
        return RegOCX::entryRoutine(
            fakes.services(), dir.folder(), [&](const HelperRunner&) { ++registrations; },
            [&] {
                form = std::make_unique<Form1>(fakes.services(), dir.folder(), QString());
                return form->load();
            });
    }
    QString caption(const char* name) const {
        if (auto* a = form->findChild<QAction*>(name)) return a->text();
        if (auto* m = form->findChild<QMenu*>(name)) return m->title();
        if (auto* l = form->findChild<QLabel*>(name)) return l->text();
        return "<missing>";
    }
    QComboBox* combo() const { return form->findChild<QComboBox*>("Combo1"); }
};

}  // namespace

TEST(Startup, InstalledModeRegistersAndLoadsTheWindow) {
    Startup s;
    ASSERT_TRUE(s.start());
    EXPECT_EQ(s.registrations, 1);
    EXPECT_TRUE(s.fakes.launcher.starts.empty());
    EXPECT_EQ(s.form->windowTitle(), "Vessomar 2.5.0.7");
    EXPECT_EQ(s.form->scaleWidth(), 9930);
    EXPECT_EQ(s.form->scaleHeight(), 7290);
    EXPECT_EQ(s.form->session().model.loadScaleHeight, 7290);
    EXPECT_EQ(s.form->session().modelCount, 22);
    // No settings file: the locale picks the language, the first model is chosen.
    EXPECT_EQ(s.form->session().settings.languageName, "English.lng");
    ASSERT_EQ(s.combo()->count(), 22);
    EXPECT_EQ(s.combo()->itemText(0), "DVD box (14 mm spine)");
    EXPECT_EQ(s.combo()->itemText(21), "Slim Blu-ray box (9 mm spine)");
    EXPECT_EQ(s.form->currentModel(), 0);
    EXPECT_TRUE(s.fakes.prompts.shown.empty());
}

TEST(Startup, EveryMenuEntryExistsWithItsCaption) {
    Startup s;
    s.fakes.locale.locale = QLocale(QLocale::Italian, QLocale::Italy);
    ASSERT_TRUE(s.start());
    const UiText& t = s.form->session().uiText;
    EXPECT_EQ(s.caption("mnuFileApri"), t[0] + " &1...");
    EXPECT_EQ(s.caption("mnuImg3"), t[0] + " &3...");
    EXPECT_EQ(s.caption("mnuApriDS"), t[101] + "...");
    EXPECT_EQ(s.caption("mnuFile"), t[40]);
    EXPECT_EQ(s.caption("mnuVersione"), t[100]);
    EXPECT_EQ(s.caption("Label1"), t[14]);
    EXPECT_FALSE(t[40].isEmpty());
    for (const char* name :
         {"mnuFile", "mnuApriDS", "mnuSalva", "mnuSalvaConNome", "mnuFileApri", "mnuImg2",
          "mnuFileStampa", "mnuFileEsci", "mnuFormato", "mnuStrumenti", "mnuOpzioni",
          "mnuTitolo", "mnuCercaCover", "mnuLingua", "mnuAggLingua", "mnuDonazioni",
          "mnuDonazioniFaiunadonazione", "mnuGuida", "mnuMenu1Guida", "mnuAggiornamenti",
          "mnuMenu1Informazioni", "Label5", "Label6"})
        EXPECT_NE(s.caption(name), "<missing>") << name;
    for (const char* separator : {"div", "sep", "sep2", "mnuFileMenu1", "mnuLinea", "rop", "s1",
                                  "mnuMenu1Menu2", "R1"})
        EXPECT_TRUE(s.form->findChild<QAction*>(separator)->isSeparator()) << separator;
    const auto formats = s.form->findChildren<QAction*>("mnuFormato1");
    ASSERT_EQ(formats.size(), 18);
    EXPECT_EQ(formats[17]->text(), t[70]);
    EXPECT_EQ(s.combo()->itemText(0), t[53]);
    EXPECT_EQ(s.form->findChild<QAction*>("mnuFileStampa")->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_F12));
    // A Format entry selects its model.
    formats[17]->trigger();
    EXPECT_EQ(s.form->currentModel(), 17);
}

TEST(Startup, SettingsFileChoosesLanguageModelAndWindowState) {
    Startup s;
    s.dir.write("/Files/Vessomar.ini", "Italiano.lng\r\n9\r\n\r\n\r\n1\r\n2\r\n");
    ASSERT_TRUE(s.start());
    EXPECT_EQ(s.form->currentModel(), 9);
    EXPECT_FALSE(s.form->session().settings.soundsOn);
    EXPECT_TRUE(s.form->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(s.form->storedWindowState(), 2);
    UiText italian;
    italian.readLanguageFile(s.dir.path("/Files/Lang/Italiano.lng"));
    EXPECT_EQ(s.combo()->itemText(9), italian[62]);
}

TEST(Startup, ASavedModelOutsideTheListSelectsNothing) {
    Startup s;
    s.dir.write("/Files/Vessomar.ini", "English.lng\r\n40\r\n");
    ASSERT_TRUE(s.start());
    EXPECT_EQ(s.form->currentModel(), -1);
    s.form->close();
    EXPECT_TRUE(s.dir.read("/Files/Vessomar.ini").startsWith("English.lng\r\n-1\r\n"));
}

TEST(Startup, MissingLanguageFallsBackToEnglish) {
    Startup s;
    s.dir.write("/Files/Vessomar.ini", "Klingon.lng\r\n0\r\n");
    ASSERT_TRUE(s.start());
    EXPECT_EQ(s.combo()->itemText(0), "DVD box (14 mm spine)");
    EXPECT_EQ(s.form->session().settings.languageName, "Klingon.lng");
}

TEST(Startup, ASecondCopyIsRefusedAndWritesNothing) {
    Startup s;
    s.fakes.instanceGuard.otherCopyRunning = true;
    s.dir.write("/Files/Vessomar.ini", "Italiano.lng\r\n3\r\n");
    const QByteArray before = s.dir.read("/Files/Covers.ini");
    EXPECT_FALSE(s.start());
    ASSERT_EQ(s.fakes.prompts.shown.size(), 1u);
    const UiText& t = s.form->session().uiText;
    EXPECT_EQ(s.fakes.prompts.shown[0].text, t[107]);
    EXPECT_EQ(s.fakes.prompts.shown[0].title, t[18]);
    EXPECT_FALSE(t[107].isEmpty());
    EXPECT_EQ(s.fakes.prompts.shown[0].icon, MessagePrompts::Icon::Exclamation);
    s.form.reset();
    EXPECT_EQ(s.dir.read("/Files/Vessomar.ini"), QByteArray("Italiano.lng\r\n3\r\n"));
    EXPECT_EQ(s.dir.read("/Files/Covers.ini"), before);
}

// A lock that cannot be taken (an unwritable runtime folder, a full disk) says
// nothing about other copies: the program starts and says why on stderr.
TEST(Startup, ALockThatCannotBeTakenStartsWithAWarning) {
    Startup s;
    s.fakes.instanceGuard.unavailable = "cannot take the lock file /run/x/vessomar.lock: full";
    testing::internal::CaptureStderr();
    const bool started = s.start();
    const std::string warning = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(started);
    EXPECT_TRUE(s.fakes.prompts.shown.empty());
    EXPECT_NE(warning.find("cannot take the lock file /run/x/vessomar.lock: full"),
              std::string::npos)
        << warning;
    EXPECT_EQ(s.form->currentModel(), 0);  // the load ran to its end
}

TEST(Shutdown, ClosingWritesSettingsThenCatalogueAndExitWritesNothing) {
    Startup closing;
    closing.dir.write("/Files/Covers.ini", "TAG,274,183,Orizzontale\r\n");
    ASSERT_TRUE(closing.start());
    closing.form->selectModel(4);
    closing.form->close();
    EXPECT_EQ(closing.dir.read("/Files/Vessomar.ini"),
              QByteArray("English.lng\r\n4\r\n\r\n\r\n0\r\n0\r\n"));
    EXPECT_EQ(closing.dir.read("/Files/Covers.ini").count("\r\n"), 266);

    Startup exiting;
    exiting.dir.write("/Files/Covers.ini", "TAG,274,183,Orizzontale\r\n");
    ASSERT_TRUE(exiting.start());
    exiting.form->findChild<QAction*>("mnuFileEsci")->trigger();
    exiting.form->close();
    EXPECT_FALSE(QFile::exists(exiting.dir.path("/Files/Vessomar.ini")));
    EXPECT_EQ(exiting.dir.read("/Files/Covers.ini"), QByteArray("TAG,274,183,Orizzontale\r\n"));
}

TEST(PortableMode, StartsRegBatAndUnregistersOnClose) {
    Startup s;
    s.dir.write("/Files/Portable.ini", "");
    ASSERT_TRUE(s.start());
    EXPECT_EQ(s.registrations, 0);
    ASSERT_EQ(s.fakes.launcher.starts.size(), 1u);
    EXPECT_EQ(s.fakes.launcher.starts[0].program, "/bin/sh");
    EXPECT_EQ(s.fakes.launcher.starts[0].arguments, QStringList{s.dir.path("/Reg.bat")});
    EXPECT_EQ(s.fakes.launcher.starts[0].workingFolder, s.dir.path(""));
    s.form->close();
    ASSERT_EQ(s.fakes.launcher.starts.size(), 2u);
    EXPECT_EQ(s.fakes.launcher.starts[1].commandText(),
              "regsvr32 /u /s " + s.dir.path("/GflAx.dll"));
    EXPECT_EQ(PortableMode::cleanupCommand(s.dir.folder()),
              "regsvr32 /u /s " + s.dir.path("/GflAx.dll"));
}

TEST(PortableMode, TheMarkerIsTestedAgainWhenClosing) {
    Startup s;
    ASSERT_TRUE(s.start());
    s.dir.write("/Files/Portable.ini", "");
    s.form->close();
    ASSERT_EQ(s.fakes.launcher.starts.size(), 1u);
    EXPECT_EQ(s.fakes.launcher.starts[0].program, "regsvr32");
}

TEST(EntryRoutine, AnErrorShowsItsDescriptionAndEnds) {
    test::TempAppFolder dir;
    test::FakePlatform fakes;
    const bool running = RegOCX::entryRoutine(
        fakes.services(), dir.folder(),
        [](const HelperRunner&) { throw std::runtime_error("disk on fire"); }, [] { return true; });
    EXPECT_FALSE(running);
    ASSERT_EQ(fakes.prompts.shown.size(), 1u);
    EXPECT_EQ(fakes.prompts.shown[0].title, "Error");
    EXPECT_EQ(fakes.prompts.shown[0].text, "disk on fire");
}
