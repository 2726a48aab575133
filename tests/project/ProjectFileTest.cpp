// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/frmStampa.h"
#include "project/CommDlgs.h"
#include "project/ProjectFile.h"
#include "settings/frmOpzioni.h"
#include "support/MainWindow.h"
#include "title/frmTitolo.h"
#include "ui/Form1.h"
#include "ui/frmAbout2.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace vsm;

namespace {

struct Window : test::MainWindow {
    explicit Window(const QString& commandLine = QString()) : MainWindow(Start{commandLine}) {}
    Session& session() { return form.session(); }
    ProjectCommands& commands() { return form.projectCommands(); }
    QString picture(const char* name, QColor colour = Qt::green) {
        return MainWindow::picture(QString("pics/") + name, colour, QSize(400, 300), "JPEG");
    }
};

QByteArray projectBytes(const QStringList& lines) {
    QByteArray out;
    for (const QString& l : lines) out += l.toUtf8() + "\r\n";
    return out;
}

}  // namespace

TEST(ProjectWrite, FifteenLinesWithNumbersBetweenSpaces) {
    Window w;
    Session& s = w.session();
    s.pictureSlots[1].path = "/p/front.jpg";
    s.pictureSlots[2].path = "   ";
    s.outlineOn = true;
    s.titles = {"Cover", "Spine", "Liberation Serif", 8.25f, true, false, true, 0x00FF8040};
    s.model.coverTitleOn = 1;
    s.model.spineTitleOn = 0;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));  // decimal comma
    QString error;
    ASSERT_TRUE(ProjectFile::WriteProject(s, 7, w.dir.path("/a.vsm"), &error));
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(w.dir.read("/a.vsm"),
              QByteArray("/p/front.jpg\r\n   \r\n\r\n 1 \r\nCover\r\nSpine\r\nLiberation Serif\r\n"
                         "8.25\r\n 1 \r\n 0 \r\n 1 \r\n 16744512 \r\n 1 \r\n 0 \r\n 7 \r\n"));
    EXPECT_EQ(ProjectFile::numberItem(-1), "-1 ");
    s.titles.fontSize = 12;
    EXPECT_EQ(ProjectFile::lines(s, 0)[7], "12");
}

TEST(ProjectOpen, RestoresTheCompositionAndChangesModelLast) {
    Window w;
    const QString front = w.picture("front.jpg");
    w.dir.write("/p.vsm", projectBytes({front, "", "  ", " 1 ", "My Film", "Spine Text", "Arial",
                                        "8.25", " 1 ", " 0 ", " 1 ", " 65280 ", " 1 ", " 0 ",
                                        " 4 "}));
    w.commands().OpenProject(w.dir.path("/p.vsm"));
    Session& s = w.session();
    EXPECT_TRUE(w.fakes.prompts.shown.empty());
    EXPECT_EQ(s.pictureSlots[1].path, front);
    EXPECT_EQ(s.pictureSlots.master.source().size(), QSize(400, 300));
    // Blank slots take the model's template; a path of spaces is kept as it is.
    EXPECT_TRUE(s.pictureSlots[2].path.endsWith("CD-DVD Back/01 Empty Smile.jpg"));
    EXPECT_EQ(s.pictureSlots[3].path, "  ");
    EXPECT_TRUE(s.outlineOn);
    EXPECT_EQ(s.titles.coverTitleText, "My Film");
    EXPECT_EQ(s.titles.fontSize, 8.0f);  // read back as a whole number
    EXPECT_TRUE(s.titles.bold && !s.titles.italic && s.titles.underline);
    EXPECT_EQ(s.titles.colour, 0x00FF00u);
    EXPECT_EQ(s.model.spineTitleOn, 0);
    EXPECT_EQ(w.form.currentModel(), 4);
    EXPECT_EQ(w.commands().projectPath(), w.dir.path("/p.vsm"));
    EXPECT_EQ(w.form.findChild<QLineEdit*>("Text1")->text(), "My Film");
    EXPECT_TRUE(w.form.findChild<QCheckBox*>("Check1")->isChecked());
    EXPECT_EQ(s.preview.image1.picture.strokes().value(0).text, "My Film");
}

TEST(ProjectOpen, TheSameModelStillRefreshes) {
    Window w;
    w.form.selectModel(4);
    w.dir.write("/p.vsm", projectBytes({"", "", "", " 0 ", "Fresh", "", "Arial", "12", " 0 ",
                                        " 0 ", " 0 ", " 255 ", " 1 ", " 1 ", " 4 "}));
    w.commands().OpenProject(w.dir.path("/p.vsm"));
    EXPECT_EQ(w.session().preview.image1.picture.strokes().value(0).text, "Fresh");
}

TEST(ProjectOpen, FailuresKeepWhatCameBeforeAndForgetTheProjectPath) {
    Window w;
    const QString good = w.picture("good.jpg");
    const QStringList complete = {good, "", "", " 1 ", "Title", "", "Arial", "12", " 0 ", " 0 ",
                                  " 0 ", " 255 ", " 1 ", " 1 ", " 9 "};
    w.dir.write("/ok.vsm", projectBytes(complete));
    w.commands().OpenProject(w.dir.path("/ok.vsm"));
    ASSERT_EQ(w.commands().projectPath(), w.dir.path("/ok.vsm"));

    // Fewer than 15 lines: stops at the first missing line, keeping what it read.
    w.dir.write("/short.vsm", projectBytes(complete.mid(0, 6).replaceInStrings("Title", "Short")));
    w.commands().OpenProject(w.dir.path("/short.vsm"));
    ASSERT_EQ(w.fakes.prompts.shown.size(), 1u);
    EXPECT_EQ(w.fakes.prompts.shown[0].title, w.session().uiText[105]);
    EXPECT_TRUE(w.fakes.prompts.shown[0].text.contains("line 6"));
    EXPECT_EQ(w.session().titles.coverTitleText, "Short");
    EXPECT_EQ(w.form.findChild<QLineEdit*>("Text1")->text(), "Short");
    EXPECT_TRUE(w.commands().projectPath().isEmpty());
    EXPECT_EQ(w.form.currentModel(), 9);

    // A missing picture stops the restore at its slot.
    QStringList missing = complete;
    missing[1] = w.dir.path("/pics/gone.jpg");
    missing[4] = "Not restored";
    w.dir.write("/missing.vsm", projectBytes(missing));
    w.commands().OpenProject(w.dir.path("/missing.vsm"));
    EXPECT_EQ(w.fakes.prompts.shown.size(), 2u);
    EXPECT_EQ(w.session().pictureSlots[1].path, good);
    EXPECT_EQ(w.session().titles.coverTitleText, "Short");
    EXPECT_TRUE(w.commands().projectPath().isEmpty());

    // A model outside the list, and a line that is no number.
    for (auto [line, text] : {std::pair{14, " 40 "}, {14, " -2 "}, {3, "yes"}}) {
        QStringList bad = complete;
        bad[line] = text;
        w.dir.write("/bad.vsm", projectBytes(bad));
        w.commands().OpenProject(w.dir.path("/bad.vsm"));
        EXPECT_TRUE(w.commands().projectPath().isEmpty()) << text;
    }
    EXPECT_EQ(w.fakes.prompts.shown.size(), 5u);
    EXPECT_EQ(w.form.currentModel(), 9);

    // No file there: nothing happens and nothing is shown.
    w.commands().OpenProject(w.dir.path("/nothing.vsm"));
    EXPECT_EQ(w.fakes.prompts.shown.size(), 5u);
}

TEST(ProjectOpen, SaveAfterAFailedOpenAsksForANameAndTouchesNeitherFile) {
    Window w;
    const QStringList complete = {w.picture("good.jpg"), "", "", " 1 ", "Earlier", "", "Arial",
                                  "12", " 0 ", " 0 ", " 0 ", " 255 ", " 1 ", " 1 ", " 9 "};
    w.dir.write("/earlier.vsm", projectBytes(complete));
    w.commands().OpenProject(w.dir.path("/earlier.vsm"));
    QStringList broken = complete;
    broken[4] = "Half read";
    broken[7] = "large";
    w.dir.write("/broken.vsm", projectBytes(broken));
    w.commands().OpenProject(w.dir.path("/broken.vsm"));
    ASSERT_EQ(w.fakes.prompts.shown.size(), 1u);
    ASSERT_EQ(w.session().titles.coverTitleText, "Half read");

    const QByteArray earlier = w.dir.read("/earlier.vsm");
    const QByteArray brokenBytes = w.dir.read("/broken.vsm");
    w.commands().saveCommand();  // the user cancels the name dialog
    ASSERT_EQ(w.fakes.fileDialogs.kinds.size(), 1u);
    EXPECT_EQ(w.fakes.fileDialogs.kinds.back(), "save");
    EXPECT_EQ(w.dir.read("/earlier.vsm"), earlier);
    EXPECT_EQ(w.dir.read("/broken.vsm"), brokenBytes);
}

TEST(ProjectOpen, AProjectSavedWithNoModelOpensWithNone) {
    Window w;
    w.form.selectModel(-1);
    w.session().titles.coverTitleText = "No model yet";
    QDir().mkpath(w.dir.path("/out"));
    w.fakes.fileDialogs.nextAnswer = {w.dir.path("/out/none.vsm")};
    w.commands().saveAsCommand();
    ASSERT_TRUE(w.dir.read("/out/none.vsm").endsWith("\r\n-1 \r\n"));

    Window other;
    other.form.selectModel(4);
    other.commands().OpenProject(w.dir.path("/out/none.vsm"));
    EXPECT_TRUE(other.fakes.prompts.shown.empty());
    EXPECT_EQ(other.form.currentModel(), -1);
    EXPECT_EQ(other.session().titles.coverTitleText, "No model yet");
    EXPECT_EQ(other.commands().projectPath(), w.dir.path("/out/none.vsm"));
}

TEST(ProjectOpen, AWindows1252PathLine) {
    Window w;
    const QString path = w.picture("caffè.jpg");
    QByteArray bytes = projectBytes({"", "", "", " 0 ", "", "", "Arial", "12", " 0 ", " 0 ",
                                     " 0 ", " 255 ", " 1 ", " 1 ", " 0 "});
    bytes.prepend(path.toLatin1() + "\r\n");
    bytes.remove(bytes.indexOf("\r\n") + 2, 2);  // the first path line replaces line 1
    w.dir.write("/win.vsm", bytes);
    w.commands().OpenProject(w.dir.path("/win.vsm"));
    EXPECT_TRUE(w.fakes.prompts.shown.empty());
    EXPECT_EQ(w.session().pictureSlots[1].path, path);
}

TEST(ProjectSave, SaveAsAsksBeforeReplacingAndSaveReusesThePath) {
    Window w;
    w.session().settings.soundsOn = true;
    // Save without a project path acts as Save as; cancelling writes nothing but
    // still plays the click.
    w.commands().saveCommand();
    ASSERT_EQ(w.fakes.fileDialogs.kinds.back(), "save");
    const FileDialogRequest& r = w.fakes.fileDialogs.requests.back();
    EXPECT_EQ(r.proposedName, stripAmpersands(w.session().uiText[102]) + ".vsm");
    EXPECT_EQ(r.initialFolder, w.dir.path(""));
    EXPECT_EQ(r.filters.value(0).description, "File .vsm (Vessomar)");
    EXPECT_EQ(r.defaultExtension, "vsm");
    EXPECT_TRUE(w.commands().projectPath().isEmpty());
    EXPECT_EQ(w.fakes.sounds.played.size(), 1);

    QDir().mkpath(w.dir.path("/out"));
    w.fakes.fileDialogs.nextAnswer = {w.dir.path("/out/mine.vsm")};
    w.commands().saveAsCommand();
    EXPECT_EQ(w.dir.read("/out/mine.vsm").count("\r\n"), 15);
    EXPECT_EQ(w.commands().projectPath(), w.dir.path("/out/mine.vsm"));
    EXPECT_EQ(w.commands().saveFolder(), w.dir.path("/out"));
    EXPECT_TRUE(w.fakes.questions.asked.empty());

    // Replacing asks first; No writes nothing and changes nothing.
    w.dir.write("/out/other.vsm", "keep");
    w.fakes.questions.answerYes = false;
    w.fakes.fileDialogs.nextAnswer = {w.dir.path("/out/other.vsm")};
    w.commands().saveAsCommand();
    ASSERT_EQ(w.fakes.questions.asked.size(), 1u);
    EXPECT_EQ(w.fakes.questions.asked[0].first, w.session().uiText[18]);
    EXPECT_EQ(w.fakes.questions.asked[0].second,
              w.session().uiText[103] + "\n\n" + w.session().uiText[104]);
    EXPECT_EQ(w.dir.read("/out/other.vsm"), QByteArray("keep"));
    EXPECT_EQ(w.commands().projectPath(), w.dir.path("/out/mine.vsm"));

    // Save writes to the current project without a dialog; the next Save as
    // proposes it.
    w.session().titles.coverTitleText = "Second";
    const size_t dialogs = w.fakes.fileDialogs.requests.size();
    w.commands().saveCommand();
    EXPECT_EQ(w.fakes.fileDialogs.requests.size(), dialogs);
    EXPECT_TRUE(w.dir.read("/out/mine.vsm").contains("\r\nSecond\r\n"));
    w.commands().saveAsCommand();
    EXPECT_EQ(w.fakes.fileDialogs.requests.back().proposedName, w.dir.path("/out/mine.vsm"));
    EXPECT_EQ(w.fakes.fileDialogs.requests.back().initialFolder, w.dir.path("/out"));
}

TEST(ProjectOpen, OpenCommandRemembersTheFolderAndCommandLineOpensAtStart) {
    Window first;
    const QString front = first.picture("front.jpg");
    first.dir.write("/projects/p.vsm",
                    projectBytes({front, "", "", " 0 ", "From disk", "", "Arial", "12", " 0 ",
                                  " 0 ", " 0 ", " 255 ", " 1 ", " 1 ", " 15 "}));
    first.fakes.fileDialogs.nextAnswer = {first.dir.path("/projects/p.vsm")};
    first.commands().openCommand();
    EXPECT_EQ(first.session().settings.lastProjectFolder, first.dir.path("/projects"));
    EXPECT_TRUE(first.dir.read("/Files/Vessomar.ini").contains(first.dir.path("/projects").toUtf8()));
    EXPECT_EQ(first.form.currentModel(), 15);
    EXPECT_EQ(first.fakes.fileDialogs.requests.back().title, "Open project");

    // Named on the command line, a project opens at the end of start-up, after
    // the saved model was selected.
    Window fromCommandLine(first.dir.path("/projects/p.vsm"));
    EXPECT_EQ(fromCommandLine.session().titles.coverTitleText, "From disk");
    EXPECT_EQ(fromCommandLine.form.currentModel(), 15);
    EXPECT_EQ(fromCommandLine.session().pictureSlots[1].path, front);
    Window nothing("/no/such/project.vsm");
    EXPECT_TRUE(nothing.fakes.prompts.shown.empty());
}

// Captions become titles without their access-key marks; "&&" is a literal "&".
TEST(DialogTitles, CaptionsLoseTheirAccessKeyMarks) {
    Window w;
    UiText& t = w.session().uiText;
    const int captions[] = {15, 18, 19, 27, 38, 45, 50, 52, 101, 105};
    for (int i : captions) t.set(i, QString("&Caption && %1").arg(i));
    const auto expected = [](int i) { return QString("Caption & %1").arg(i); };
    const auto lastTitle = [&] { return w.fakes.fileDialogs.requests.back().title; };

    w.commands().openCommand();
    EXPECT_EQ(lastTitle(), expected(101));
    w.commands().ChoosePicture(2);
    EXPECT_EQ(lastTitle(), expected(19));
    w.form.ChooseLanguage();
    EXPECT_EQ(lastTitle(), expected(45));
    w.dir.write("/taken.vsm", "old");
    w.fakes.questions.answerYes = false;
    w.fakes.fileDialogs.nextAnswer = {w.dir.path("/taken.vsm")};
    w.commands().saveAsCommand();
    EXPECT_EQ(lastTitle(), expected(52));
    ASSERT_FALSE(w.fakes.questions.asked.empty());
    EXPECT_EQ(w.fakes.questions.asked.back().first, expected(18));
    w.dir.write("/broken.vsm", "not a project\r\n");
    w.commands().OpenProject(w.dir.path("/broken.vsm"));
    ASSERT_FALSE(w.fakes.prompts.shown.empty());
    EXPECT_EQ(w.fakes.prompts.shown.back().title, expected(105));

    const Platform p = w.fakes.services();
    PrintDialogState printState;
    EXPECT_EQ(frmStampa(p, w.session(), printState, [] {}).windowTitle(), expected(38));
    EXPECT_EQ(frmOpzioni(
                  p, w.session(), 0, [] {}, [] {})
                  .windowTitle(),
              expected(50));
    EXPECT_EQ(frmTitolo(p, w.session(), [] {}).windowTitle(), expected(15));
    EXPECT_EQ(frmAbout2(p, w.session(), "https://example.org", &w.form).windowTitle(),
              expected(27));
}

// A folder name with a line break would shift the settings file's lines, so that
// the next start read the sound switch as the window state: it is not kept.
TEST(RememberedFolders, ANameWithALineBreakKeepsThePreviousFolder) {
    for (const char* odd : {"/Pic\ntures", "/Pic\rtures", "/Pictures\r\n"}) {
        Window w;
        const QString earlier = w.picture("first.jpg");
        w.fakes.fileDialogs.nextAnswer = {earlier};
        w.commands().ChoosePicture(1);
        ASSERT_EQ(w.session().settings.lastPictureFolder, w.dir.path("/pics")) << odd;
        w.session().settings.soundsOn = false;

        QDir().mkpath(w.dir.path(odd));
        const QString later = w.dir.path(QString(odd) + "/second.jpg");
        QFile::copy(earlier, later);
        w.fakes.fileDialogs.nextAnswer = {later};
        w.commands().ChoosePicture(2);
        EXPECT_EQ(w.session().pictureSlots[2].path, later);  // the picture itself is taken
        EXPECT_EQ(w.session().settings.lastPictureFolder, w.dir.path("/pics"));
        const QByteArray file = w.dir.read("/Files/Vessomar.ini");
        EXPECT_EQ(file.count("\r\n"), 6);
        EXPECT_EQ(file.count('\n'), 6);
        Settings back;
        back.read(w.dir.path("/Files/Vessomar.ini"));
        EXPECT_EQ(back.lastPictureFolder, w.dir.path("/pics"));
        EXPECT_FALSE(back.soundsOn);
        EXPECT_EQ(back.savedWindowState, 0);
    }
}
