// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/CommDlgs.h"
#include "settings/UiText.h"
#include "support/FakePlatform.h"
#include "support/TempAppFolder.h"
#include "support/MainWindow.h"

#include <QAction>
#include <QDir>

#include <gtest/gtest.h>

using namespace vsm;
using namespace vsm::CommDlgs;

TEST(PathFunctions, Table) {
    const struct {
        const char *path, *folder;
    } folders[] = {
        {"/home/u/Pictures/a.jpg", "/home/u/Pictures"},
        {"/a.jpg", "/"},  // a file at the root
        {"a.jpg", ""},    // no separator
        {"/home/u/dir/", "/home/u/dir"},
        {"", ""},
    };
    for (const auto& c : folders) EXPECT_EQ(TrovaPath(c.path), c.folder) << c.path;
    EXPECT_EQ(stripAmpersands("Salva con &nome..."), "Salva con nome...");
    EXPECT_EQ(stripAmpersands("Tom && Jerry"), "Tom  Jerry");
    EXPECT_EQ(stripAmpersands("plain"), "plain");
    EXPECT_EQ(AddTrailingBackslash("/tmp"), "/tmp/");
    EXPECT_EQ(AddTrailingBackslash("/tmp/"), "/tmp/");
    EXPECT_EQ(AddTrailingBackslash(""), "/");
    EXPECT_EQ(TrimAtNul(QString("abc") + QChar(0) + "junk"), "abc");
    EXPECT_EQ(TrimAtNul("abc"), "abc");
}

TEST(FileDialogs, OpenDialogArgumentsAndModes) {
    test::FakeFileDialogs dialogs;
    EXPECT_EQ(ShowOpenDialog(dialogs, nullptr, 0, "t", "", "", "/", "jpg"), "");
    EXPECT_TRUE(dialogs.requests.empty());  // nothing shown for a mode other than 1
    dialogs.nextAnswer = {"/pics/x.jpg"};
    const QString filter = joinFilter({"Pictures", "*.jpg", "All files", "*.*"});
    EXPECT_EQ(ShowOpenDialog(dialogs, nullptr, 1, "Choose", QString(301, 'n'), filter, "/pics", "jpg"),
              "/pics/x.jpg");
    const FileDialogRequest& r = dialogs.requests.back();
    EXPECT_EQ(r.title, "Choose");
    ASSERT_EQ(r.filters.size(), 2);
    EXPECT_EQ(r.filters[0].description, "Pictures");
    EXPECT_EQ(r.filters[1].pattern, "*");  // "*.*" would hide files without an extension
    EXPECT_EQ(r.preselectedFilter, 0);
    EXPECT_EQ(r.initialFolder, "/pics");
    EXPECT_EQ(r.defaultExtension, "jpg");
    EXPECT_EQ(r.proposedName.size(), 250);
    EXPECT_EQ(ShowOpenDialog(dialogs, nullptr, 1, "Choose", "", filter, "/", "jpg"), "");  // cancel
}

TEST(FileDialogs, GeneralDialogSingleTextOrListOfFullPaths) {
    test::FakeFileDialogs dialogs;
    FileDialogArguments save;
    save.fileName = QString(300, 'p');
    save.filter = joinFilter({"File .vsm (Vessomar)", "*.vsm"});
    dialogs.nextAnswer = {"/p/one.vsm"};
    const FileDialogChoice single = ShowFileDialog(dialogs, save);
    EXPECT_FALSE(single.isList);
    EXPECT_EQ(single.text, "/p/one.vsm");
    EXPECT_EQ(dialogs.kinds.back(), "save");
    EXPECT_EQ(dialogs.requests.back().proposedName.size(), 256);
    EXPECT_FALSE(dialogs.requests.back().initialFolder.isEmpty());  // the current folder

    std::uint32_t flags = kAllowMultiSelect;
    FileDialogArguments open;
    open.openMode = true;
    open.flags = &flags;
    dialogs.nextAnswer = {"/p/a.jpg", "/p/b.jpg", "/p/c.jpg"};
    const FileDialogChoice many = ShowFileDialog(dialogs, open);
    EXPECT_TRUE(many.isList);
    EXPECT_EQ(many.list, (QStringList{"/p/a.jpg", "/p/b.jpg", "/p/c.jpg"}));
    dialogs.nextAnswer = {"/p/a.jpg"};
    EXPECT_EQ(ShowFileDialog(dialogs, open).text, "/p/a.jpg");
    EXPECT_EQ(ShowFileDialog(dialogs, open).text, "");  // cancelled
}

// The picture and language choosers' "all files" entries show every file, those
// without an extension too.
TEST(FileDialogs, AllFilesShowsFilesWithoutAnExtension) {
    test::MainWindow w;
    Form1& form = w.form;
    test::FakePlatform& fakes = w.fakes;
    for (const char* entry : {"mnuFileApri", "mnuImg2", "mnuLingua"}) {
        form.findChild<QAction*>(entry)->trigger();  // the fake dialog cancels
        const QList<FileFilter>& filters = fakes.fileDialogs.requests.back().filters;
        ASSERT_EQ(filters.size(), 2) << entry;
        EXPECT_EQ(filters[1].description, form.session().uiText[21]);
        EXPECT_TRUE(QDir::match(filters[1].pattern, "Cover")) << entry;
        EXPECT_TRUE(QDir::match(filters[1].pattern, "cover.tiff")) << entry;
    }
}
