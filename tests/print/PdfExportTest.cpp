// SPDX-License-Identifier: GPL-3.0-or-later
// File > Export PDF through the window's menu, against vessomar-render's PDF of
// the same project.
#include "support/AsOtherUser.h"
#include "support/MainWindow.h"
#include "support/Pictures.h"
#include "support/PageMeasure.h"

#include <QAction>
#include <algorithm>
#include <QDir>
#include <QPainter>
#include <QProcess>
#include <gtest/gtest.h>

using namespace vsm;

namespace {

constexpr double kDpi = 600;

QImage quarters(int w, int h) {
    const QColor colours[4] = {QColor(250, 250, 250), QColor(200, 220, 240), QColor(240, 230, 200), QColor(230, 240, 230)};
    return test::quarteredPicture(w, h, colours);
}

struct ExportWindow : test::MainWindow {
    ExportWindow() {
        quarters(800, 600).save(dir.path("/front.png"));
        quarters(600, 600).save(dir.path("/back.png"));
    }

    // A project with the pictures and the outlines on, for model m; its path.
    QString project(int model, const QString& name = "cover") {
        QDir().mkpath(dir.path("/projects"));
        const QStringList lines = {dir.path("/front.png"), dir.path("/back.png"),
                                   dir.path("/back.png"), " 1 ", "", "", "Liberation Sans", "12",
                                   " 0 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 ",
                                   QStringLiteral(" %1 ").arg(model)};
        const QString path = dir.path("/projects/" + name + ".vsm");
        dir.write("/projects/" + name + ".vsm", (lines.join("\r\n") + "\r\n").toUtf8());
        return path;
    }

    // Answers the save dialog with path and chooses File > Export PDF.
    void exportTo(const QString& path) {
        fakes.fileDialogs.nextAnswer = {path};
        child<QAction>("mnuFileEsportaPdf")->trigger();
    }

    // vessomar-render's PDF of the project, run from the program folder.
    QString render(const QString& project, const QString& out) {
        const QString program = dir.path("/vessomar-render");
        if (!QFileInfo::exists(program)) {
            QFile::copy(test::buildFolder() + "/vessomar-render", program);
            QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner);
        }
        QProcess p;
        p.start(program, {project, out});
        if (!p.waitForFinished(60000) || p.exitCode() != 0) {
            ADD_FAILURE() << p.readAllStandardError().constData();
            return {};
        }
        return out;
    }
};

}  // namespace

// The exported page and vessomar-render's page have the same zones at the same
// places, which are the catalogue's, on the same paper.
TEST(PdfExport, SameZoneGeometryAsVessomarRender) {
    ExportWindow w;
    for (int model : {0, 3, 14}) {
        SCOPED_TRACE(model);
        const QString project = w.project(model);
        w.form.projectCommands().OpenProject(project);
        ASSERT_EQ(w.form.currentModel(), model);
        ASSERT_TRUE(w.form.session().outlineOn);
        const QString exported = w.dir.path(QStringLiteral("/export%1.pdf").arg(model));
        w.exportTo(exported);
        EXPECT_TRUE(w.fakes.prompts.shown.empty());
        const QString rendered = w.render(project, w.dir.path(QStringLiteral("/render%1.pdf").arg(model)));
        const QImage a = test::rasterisePdf(exported, kDpi);
        const QImage b = test::rasterisePdf(rendered, kDpi);
        ASSERT_FALSE(a.isNull());
        ASSERT_FALSE(b.isNull());
        EXPECT_EQ(a.size(), b.size());
        const bool portrait = w.form.session().catalogue.model(model)->orientation == kPortrait;
        EXPECT_EQ(a.width() < a.height(), portrait);
        const auto expected = test::expectedOutlines(w.form.session().catalogue, model);
        ASSERT_FALSE(expected.empty());
        for (const test::ExpectedOutline& e : expected) {
            const auto fromExport = test::measureOutline(a, kDpi, e, {});
            const auto fromRender = test::measureOutline(b, kDpi, e, {});
            ASSERT_TRUE(fromExport && fromRender) << e.mm.x() << "," << e.mm.y();
            const test::OutlineError apart = test::outlineError(*fromExport, *fromRender);
            EXPECT_LE(apart.position, 0.1) << "zone at " << e.mm.x() << "," << e.mm.y();
            EXPECT_LE(apart.size, 0.1) << "zone at " << e.mm.x() << "," << e.mm.y();
            const test::OutlineError off = test::outlineError(*fromExport, e.mm);
            EXPECT_LE(off.position, 0.1) << "zone at " << e.mm.x() << "," << e.mm.y();
            EXPECT_LE(off.size, 0.1) << "zone at " << e.mm.x() << "," << e.mm.y();
        }
    }
}

// The exported page follows the cutting options: the pictures bleed past the trim
// and crop marks stand at the corners, as they do on a print.
TEST(PdfExport, FollowsTheCuttingOptions) {
    ExportWindow w;
    for (const char* name : {"/front.png", "/back.png"})
        test::solidPicture(800, 600, QColor(128, 128, 128)).save(w.dir.path(name));
    constexpr double kAt = 300;
    const auto grey = [&](const QImage& page, double xMm, double yMm) {
        return qGray(page.pixel(int(xMm * kAt / 25.4), int(yMm * kAt / 25.4)));
    };
    // Model 3's front card: trim from (40, 10), 121 mm wide.
    for (const bool cutting : {false, true}) {
        SCOPED_TRACE(cutting);
        w.form.session().output.bleedMm = cutting ? 3 : 0;
        w.form.session().output.cropMarks = cutting;
        w.form.projectCommands().OpenProject(w.project(3));
        const QString pdf = w.dir.path(cutting ? "/cutting.pdf" : "/plain.pdf");
        w.exportTo(pdf);
        const QImage page = test::rasterisePdf(pdf, kAt);
        ASSERT_FALSE(page.isNull());
        EXPECT_EQ(grey(page, 38.5, 70) < 200, cutting) << "the picture 1.5 mm left of the trim";
        EXPECT_GT(grey(page, 36, 70), 240) << "nothing beyond the bleed";
        int darkest = 255;  // the top-left corner's mark, along the top trim line
        for (int dy = -2; dy <= 2; ++dy)
            darkest = std::min(darkest, qGray(page.pixel(int(32.5 * kAt / 25.4),
                                                         int(10 * kAt / 25.4) + dy)));
        EXPECT_EQ(darkest < 128, cutting) << "crop mark at 32.5 mm, darkest " << darkest;
    }
}

// The first dialog opens in the project's folder and proposes its name; the next
// opens where the last PDF went, not where the project is.
TEST(PdfExport, DialogRemembersTheFolderOfTheLastExport) {
    ExportWindow w;
    w.form.projectCommands().OpenProject(w.project(0, "Summer"));
    QDir().mkpath(w.dir.path("/out"));
    w.exportTo(w.dir.path("/out/first.pdf"));
    w.exportTo(w.dir.path("/out/second.pdf"));
    w.fakes.fileDialogs.nextAnswer = {};
    w.child<QAction>("mnuFileEsportaPdf")->trigger();  // cancelled: nothing written
    const auto& asked = w.fakes.fileDialogs.requests;
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(w.fakes.fileDialogs.kinds[0], "save");
    EXPECT_EQ(asked[0].initialFolder, w.dir.path("/projects"));
    EXPECT_EQ(asked[0].proposedName, "Summer.pdf");
    EXPECT_EQ(asked[0].defaultExtension, "pdf");
    EXPECT_EQ(asked[0].filters.value(0).pattern, "*.pdf");
    EXPECT_EQ(asked[1].initialFolder, w.dir.path("/out"));
    EXPECT_EQ(asked[2].initialFolder, w.dir.path("/out"));
    EXPECT_TRUE(QFileInfo(w.dir.path("/out/first.pdf")).size() > 0);
    EXPECT_TRUE(QFileInfo(w.dir.path("/out/second.pdf")).size() > 0);
    EXPECT_EQ(QDir(w.dir.path("/out")).entryList(QDir::Files).size(), 2);
    EXPECT_TRUE(w.fakes.prompts.shown.empty());
}

// A PDF that cannot be written is named in a message and leaves no file, whole
// or partial, and an earlier export of the same name as it was.
TEST(PdfExport, UnwritableFolderGivesAMessageAndLeavesNothing) {
    ExportWindow w;
    w.form.projectCommands().OpenProject(w.project(0));
    const UiText& t = w.form.session().uiText;

    // A "folder" that is a file stops even the superuser.
    w.dir.write("/plain", "x");
    w.exportTo(w.dir.path("/plain/cover.pdf"));
    ASSERT_EQ(w.fakes.prompts.shown.size(), 1u);
    EXPECT_TRUE(w.fakes.prompts.shown[0].text.startsWith(t[130]));
    EXPECT_TRUE(w.fakes.prompts.shown[0].text.contains(w.dir.path("/plain/cover.pdf")));
    EXPECT_EQ(w.fakes.prompts.shown[0].icon, MessagePrompts::Icon::Exclamation);

    // A folder the user may only read, holding an earlier export.
    QDir().mkpath(w.dir.path("/locked"));
    w.dir.write("/locked/cover.pdf", "earlier");
    QFile::setPermissions(w.dir.path(""), QFile::permissions(w.dir.path("")) | QFile::ExeOther);
    QFile::setPermissions(w.dir.path("/locked"), QFile::ReadOwner | QFile::WriteOwner |
                                                     QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    const int shown = test::runUnprivileged([&] {
        w.fakes.questions.answerYes = true;  // replace it
        w.exportTo(w.dir.path("/locked/cover.pdf"));
        const auto& s = w.fakes.prompts.shown;
        return s.size() == 2 && s[1].text.startsWith(t[130]) ? 1 : 0;
    });
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(w.dir.read("/locked/cover.pdf"), QByteArray("earlier"));
    EXPECT_EQ(QDir(w.dir.path("/locked")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"cover.pdf"});
}
