// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged and oversized pictures on every way in: a drop, the chooser, a project
// opened in the window, and vessomar-render.
#include "support/DropWindow.h"
#include "support/Pictures.h"

#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QProcess>

using namespace vsm;

namespace {

// A JPEG cut off at 80 % of its bytes, in the middle of its picture data.
QByteArray cutJpeg() {
    const QByteArray whole = test::jpegBytes(test::noisyPicture(300, 200));
    return whole.left(whole.size() * 8 / 10);
}

// A small JPEG whose header claims 65500 x 65500 pixels.
QByteArray hugeClaimJpeg() {
    return test::claimingSize(test::jpegBytes(test::noisyPicture(8, 8)), 65500, 65500);
}

QByteArray projectNaming(const QString& picture) {
    return (picture +
            "\r\n\r\n\r\n 1 \r\nCover\r\nSpine\r\nLiberation Sans\r\n12\r\n 0 \r\n 0 \r\n"
            " 0 \r\n 255 \r\n 1 \r\n 1 \r\n 0 \r\n")
        .toUtf8();
}

struct Window : test::DropWindow {
    Window() { form.selectModel(0); }
    void expectDamagedWarning(const QString& path) {
        ASSERT_EQ(fakes.prompts.shown.size(), 1u);
        EXPECT_EQ(fakes.prompts.shown[0].title, form.session().uiText[110]);
        EXPECT_TRUE(fakes.prompts.shown[0].text.startsWith(form.session().uiText[109]));
        EXPECT_TRUE(fakes.prompts.shown[0].text.contains(path))
            << fakes.prompts.shown[0].text.toStdString();
        EXPECT_EQ(form.session().pictureSlots[1].path, path);
        EXPECT_EQ(form.session().pictureSlots[1].picture.sourceSize(), QSize(300, 200));
    }
};

}  // namespace

TEST(DamagedPicture, TheWindowShowsWhatWasReadAndNamesTheFile) {
    {
        Window w;
        w.dir.write("/cut.jpg", cutJpeg());
        w.drop({w.dir.path("/cut.jpg")}, w.centreOf("Image1"));
        w.expectDamagedWarning(w.dir.path("/cut.jpg"));
    }
    {
        Window w;
        w.dir.write("/cut.jpg", cutJpeg());
        w.fakes.fileDialogs.nextAnswer = {w.dir.path("/cut.jpg")};
        w.form.projectCommands().ChoosePicture(1);
        w.expectDamagedWarning(w.dir.path("/cut.jpg"));
    }
    {
        Window w;
        w.dir.write("/cut.jpg", cutJpeg());
        w.dir.write("/p.vsm", projectNaming(w.dir.path("/cut.jpg")));
        w.form.projectCommands().OpenProject(w.dir.path("/p.vsm"));
        w.expectDamagedWarning(w.dir.path("/cut.jpg"));
    }
}

TEST(DamagedPicture, AProjectNamingAHugeClaimGetsTheUnreadablePictureMessage) {
    Window w;
    w.dir.write("/huge.jpg", hugeClaimJpeg());
    w.dir.write("/p.vsm", projectNaming(w.dir.path("/huge.jpg")));
    QElapsedTimer timer;
    timer.start();
    w.form.projectCommands().OpenProject(w.dir.path("/p.vsm"));
    EXPECT_LT(timer.elapsed(), 5000);
    ASSERT_EQ(w.fakes.prompts.shown.size(), 1u);
    EXPECT_EQ(w.fakes.prompts.shown[0].title, w.form.session().uiText[105]);
    EXPECT_TRUE(w.fakes.prompts.shown[0].text.contains(w.dir.path("/huge.jpg")));
}

// vessomar-render prints no cover from a damaged or unholdable picture.
TEST(DamagedPicture, RenderRefusesAndNamesTheFile) {
    test::TempAppFolder dir;
    dir.write("/cut.jpg", cutJpeg());
    dir.write("/huge.jpg", hugeClaimJpeg());
    for (const char* name : {"/cut.jpg", "/huge.jpg"}) {
        SCOPED_TRACE(name);
        dir.write("/p.vsm", projectNaming(dir.path(name)));
        QProcess render;
        render.start(QStringLiteral(VESSOMAR_BUILD_DIR "/vessomar-render"),
                     {dir.path("/p.vsm"), dir.path("/out.pdf")});
        ASSERT_TRUE(render.waitForFinished(5000));
        EXPECT_EQ(render.exitCode(), 1);
        EXPECT_TRUE(QString::fromLocal8Bit(render.readAllStandardError()).contains(dir.path(name)));
        EXPECT_FALSE(QFile::exists(dir.path("/out.pdf")));
    }
}
