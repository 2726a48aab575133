// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/AppFolder.h"
#include "support/FakePlatform.h"
#include "support/TempAppFolder.h"
#include "ui/Form1.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vsm;

// An installed, read-only program folder: settings and catalogue live in the
// user's copies and survive a restart; the program's own files stay as shipped.
TEST(InstalledMode, ChangesSurviveARestartInTheUsersCopies) {
    test::TempAppFolder program;
    QTemporaryDir user;
    const QByteArray shipped = program.read("/Files/Covers.ini");
    const AppFolder folder = withWritableFiles(program.folder(), false, user.path() + "/Files");
    EXPECT_EQ(folder.catalogueFile(), user.path() + "/Files/Covers.ini");
    EXPECT_EQ(folder.langFolder(), program.path("/Files/Lang"));  // read from the program

    {
        test::FakePlatform fakes;
        Form1 form(fakes.services(), folder, QString());
        ASSERT_TRUE(form.load());
        form.selectModel(12);
        form.session().catalogue.model(12)->zone1Left = "64";
        form.close();
    }
    EXPECT_FALSE(QFile::exists(program.path("/Files/Vessomar.ini")));
    EXPECT_EQ(program.read("/Files/Covers.ini"), shipped);

    // A second start keeps the user's copies rather than seeding them again.
    const AppFolder again = withWritableFiles(program.folder(), false, user.path() + "/Files");
    test::FakePlatform fakes;
    Form1 form(fakes.services(), again, QString());
    ASSERT_TRUE(form.load());
    EXPECT_EQ(form.currentModel(), 12);
    EXPECT_EQ(form.session().catalogue.model(12)->zone1Left, "64");

    // A writable program folder keeps everything beside the program.
    EXPECT_EQ(withWritableFiles(program.folder(), true, user.path()).catalogueFile(),
              program.path("/Files/Covers.ini"));
}

// Only the package's marker makes a folder installed; the file system decides
// for the others. Run as root every folder is writable, which is why the marker
// must win over writability.
TEST(InstalledMode, TheInstalledMarkerWinsOverAWritableFolder) {
    struct Case {
        bool marker;
        bool expectWritable;
    };
    for (const Case c : {Case{true, false}, Case{false, true}}) {
        test::TempAppFolder program;
        if (c.marker) program.write("/Installed", {});
        EXPECT_EQ(programFilesWritable(program.folder()), c.expectWritable) << c.marker;

        QTemporaryDir user;
        const AppFolder folder = withWritableFiles(
            program.folder(), programFilesWritable(program.folder()), user.path() + "/Files");
        const QString expectedFolder = c.marker ? user.path() + "/Files" : program.path("/Files");
        EXPECT_EQ(folder.settingsFile(), expectedFolder + "/Vessomar.ini") << c.marker;
        EXPECT_EQ(folder.catalogueFile(), expectedFolder + "/Covers.ini") << c.marker;
    }
}

// The build folder is a program folder too, and it must stay writable.
TEST(InstalledMode, TheBuildFolderHasNoInstalledMarker) {
    EXPECT_FALSE(QFile::exists(AppFolder{test::buildFolder()}.installedMarker()));
}
