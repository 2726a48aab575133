// SPDX-License-Identifier: GPL-3.0-or-later
// vessomar-render's command line: help, the calibration page and printing on a queue.
#include "support/CupsPdfOutput.h"
#include "support/PageMeasure.h"
#include "support/TempAppFolder.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>

using namespace vsm;

namespace {

struct Outcome {
    int exit = -1;
    QString out, err;
};

Outcome render(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(VESSOMAR_BUILD_DIR "/vessomar-render"), args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

// Centres of the dark runs along one row or column of a page, in millimetres.
std::vector<double> runs(const QImage& page, double dpi, bool alongX, double atMm) {
    std::vector<double> centres;
    const int n = alongX ? page.width() : page.height();
    const int fixed = int(atMm * dpi / 25.4);
    int start = -1;
    for (int i = 0; i <= n; ++i) {
        const bool dark = i < n && qGray(alongX ? page.pixel(i, fixed) : page.pixel(fixed, i)) < 128;
        if (dark && start < 0) start = i;
        if (!dark && start >= 0) {
            centres.push_back((start + i) / 2.0 * 25.4 / dpi);
            start = -1;
        }
    }
    return centres;
}

// Whether cups-pdf writes a cover on Letter paper (85 x 110 pixels at 10 dpi) after
// start. Through a PostScript driver cups-pdf names the file after the title
// alone, which other tests' covers share, so the page size tells ours apart.
bool letterCoverSince(const QDateTime& start) {
    QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        const QDir folder(test::cupsPdfFolder());
        for (const QFileInfo& pdf : folder.entryInfoList({QStringLiteral("Vessomar_cover*.pdf")})) {
            if (pdf.lastModified() < start) continue;
            QThread::msleep(500);  // let the backend finish writing
            if (test::rasterisePdf(pdf.filePath(), 10).size() == QSize(85, 110)) return true;
        }
        QThread::msleep(200);
    }
    return false;
}

}  // namespace

TEST(RenderCommand, HelpVersionAndUsageErrors) {
    const Outcome help = render({"--help"});
    EXPECT_EQ(help.exit, 0) << help.err.toStdString();
    for (const char* option : {"--model", "--outline", "--dpi", "--margins", "--printer", "--copies",
                               "--quality", "--orientation", "--calibration-page", "--help", "--version"})
        EXPECT_TRUE(help.out.contains(option)) << option;
    const Outcome version = render({"--version"});
    EXPECT_EQ(version.exit, 0);
    EXPECT_TRUE(version.out.startsWith("vessomar-render Vessomar ")) << version.out.toStdString();
    EXPECT_TRUE(version.err.isEmpty()) << "no runtime-folder warning: " << version.err.toStdString();

    const struct {
        QStringList args;
        const char* says;
    } wrong[] = {
        {{"--bogus"}, "bogus"},
        {{"a.vsm"}, "file names"},
        {{"a.vsm", "b.pdf", "--copies", "2"}, "--printer"},
        {{"a.vsm", "--printer", "Q", "--orientation", "sideways"}, "sideways"},
        {{"a.vsm", "--printer", "Q", "--quality", "-9"}, "--quality"},
        {{"a.vsm", "--printer", "Q", "--copies", "0"}, "--copies"},
        {{"--calibration-page", "--printer", "No-Such-Queue"}, "No-Such-Queue"},
    };
    for (const auto& w : wrong) {
        const Outcome r = render(w.args);
        EXPECT_EQ(r.exit, 2) << w.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(w.says)) << r.err.toStdString();
    }
}

// The page a user measures: crosses and rulers at their places from the paper's
// corner, whatever margins the printable area starts at.
TEST(RenderCommand, CalibrationPageRulersAreTrueSize) {
    test::TempAppFolder dir;
    constexpr double kDpi = 600;
    QImageReader::setAllocationLimit(1024);  // an A4 page at 600 dpi
    for (const char* margins : {"0", "5"}) {
        SCOPED_TRACE(margins);
        const QString png = dir.path("/cal.png");
        const Outcome r = render({"--calibration-page", png, "--dpi", "600", "--margins", margins});
        ASSERT_EQ(r.exit, 0) << r.err.toStdString();
        const QImage page(png);
        ASSERT_FALSE(page.isNull());
        // Only the 10 mm ticks reach 5 mm above the X ruler's line at 70 mm.
        const auto x = runs(page, kDpi, true, 65);
        ASSERT_EQ(x.size(), 11u);
        EXPECT_NEAR(x.front(), 40, 0.1);
        EXPECT_NEAR(x.back() - x.front(), 100, 0.1);
        // Beside the Y ruler, away from the first cross's arm.
        auto y = runs(page, kDpi, false, 35);
        y.erase(std::remove_if(y.begin(), y.end(), [](double mm) { return mm < 80 || mm > 200; }),
                y.end());
        ASSERT_EQ(y.size(), 11u);
        EXPECT_NEAR(y.front(), 90, 0.1);
        EXPECT_NEAR(y.back() - y.front(), 100, 0.1);
    }
}

// A job the scheduler takes is reported by its id; one it refuses fails with the
// scheduler's reason. tools/start-cups.sh makes Vessomar-Refuses refuse jobs.
TEST(RenderCommand, PrintingReportsTheJobOrTheRefusal) {
    const Outcome queues = [] {
        QProcess p;
        p.start(QStringLiteral("lpstat"), {QStringLiteral("-a")});
        p.waitForFinished(10000);
        return Outcome{p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput()), {}};
    }();
    if (!queues.out.contains("Vessomar-PDF ") || !queues.out.contains("Vessomar-Refuses "))
        GTEST_SKIP() << "no CUPS scheduler with the test queues (tools/start-cups.sh)";

    const Outcome taken = render({"--calibration-page", "--printer", "Vessomar-PDF"});
    EXPECT_EQ(taken.exit, 0) << taken.err.toStdString();
    EXPECT_TRUE(QRegularExpression("^job Vessomar-PDF-\\d+\\s*$").match(taken.out).hasMatch())
        << taken.out.toStdString();

    const Outcome refused = render({"--calibration-page", "--printer", "Vessomar-Refuses"});
    EXPECT_EQ(refused.exit, 3);
    EXPECT_TRUE(refused.err.contains("refused")) << refused.err.toStdString();
    EXPECT_TRUE(refused.out.isEmpty()) << refused.out.toStdString();
}

// A queue whose driver offers no A4 prints the cover on its own paper, at true
// size, and says which. tools/start-cups.sh makes Vessomar-Letter-Only.
TEST(RenderCommand, AQueueWithoutA4PrintsOnItsDefaultPaperAndSaysSo) {
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-a")});
    lpstat.waitForFinished(10000);
    if (!QString::fromLocal8Bit(lpstat.readAllStandardOutput()).contains("Vessomar-Letter-Only "))
        GTEST_SKIP() << "no CUPS scheduler with the test queues (tools/start-cups.sh)";

    test::TempAppFolder dir;
    const QString project = dir.path("/cd.vsm");
    QFile file(project);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\r\n\r\n\r\n 1 \r\n\r\n\r\nLiberation Sans\r\n14\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"
               " 0 \r\n 0 \r\n 3 \r\n");
    file.close();
    const QDateTime start = QDateTime::currentDateTime().addSecs(-1);
    const Outcome r = render({project, "--printer", "Vessomar-Letter-Only"});
    ASSERT_EQ(r.exit, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("A4") && r.err.contains("Letter")) << r.err.toStdString();
    EXPECT_TRUE(QRegularExpression("^job Vessomar-Letter-Only-\\d+\\s*$").match(r.out).hasMatch())
        << r.out.toStdString();
    EXPECT_TRUE(letterCoverSince(start)) << "no Letter page from cups-pdf";
}
