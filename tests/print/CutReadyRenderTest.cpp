// SPDX-License-Identifier: GPL-3.0-or-later
// vessomar-render's covers for cutting, measured on its rasterised PDF: the bleed,
// the crop marks and the disc faces clipped to the disc.
#include "model/CoverCatalogue.h"
#include "support/PageMeasure.h"
#include "support/Pictures.h"
#include "support/TempAppFolder.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <cmath>

using namespace vsm;

namespace {

constexpr double kDpi = 300;
constexpr double kPx = kDpi / 25.4;
constexpr int kGrey = 128;

struct CutRender : ::testing::Test {
    test::TempAppFolder dir;
    CoverCatalogue catalogue;
    QString error;

    void SetUp() override {
        QImageReader::setAllocationLimit(1024);
        const QString program = dir.path("/vessomar-render");
        ASSERT_TRUE(QFile::copy(test::buildFolder() + "/vessomar-render", program));
        QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner);
        test::solidPicture(1500, 1500, QColor(kGrey, kGrey, kGrey)).save(dir.path("/grey.png"));
        catalogue.load(dir.folder().catalogueFile());
    }

    // The project's page rendered to PDF and rasterised; null when the run failed.
    QImage render(int model, const QStringList& options, int* exit = nullptr) {
        const QString grey = dir.path("/grey.png");
        const QStringList lines = {grey,
                                   grey,
                                   grey,
                                   " 0 ",
                                   "",
                                   "",
                                   "Liberation Sans",
                                   "12",
                                   " 0 ",
                                   " 0 ",
                                   " 0 ",
                                   " 0 ",
                                   " 0 ",
                                   " 0 ",
                                   QStringLiteral(" %1 ").arg(model)};
        dir.write("/cover.vsm", (lines.join("\r\n") + "\r\n").toUtf8());
        QProcess p;
        p.start(dir.path("/vessomar-render"),
                QStringList{dir.path("/cover.vsm"), dir.path("/cover.pdf")} + options);
        p.waitForFinished(60000);
        error = QString::fromLocal8Bit(p.readAllStandardError());
        if (exit) *exit = p.exitCode();
        if (p.exitCode() != 0) return {};
        return test::rasterisePdf(dir.path("/cover.pdf"), kDpi);
    }

    std::vector<QRectF> trims(int model) const {
        std::vector<QRectF> out;
        for (const auto& o : test::expectedOutlines(catalogue, model)) out.push_back(o.mm);
        return out;
    }
};

double darkness(const QImage& page, int x, int y) {
    if (x < 0 || y < 0 || x >= page.width() || y >= page.height()) return 0;
    return std::clamp((255.0 - qGray(page.pixel(x, y))) / (255.0 - kGrey), 0.0, 1.0);
}

// How far the grey reaches past one trim edge, in millimetres, through the middle
// of the side: the darkness summed along a few lines across the edge, less the
// part inside the trim. side: 0 left, 1 top, 2 right, 3 bottom.
double greyPast(const QImage& page, const QRectF& trim, int side) {
    const bool across = side == 0 || side == 2;  // the line runs across the page
    const double sign = side < 2 ? -1 : 1;
    const double edge = side == 0   ? trim.left()
                        : side == 1 ? trim.top()
                        : side == 2 ? trim.right()
                                    : trim.bottom();
    const double middle = across ? trim.center().y() : trim.center().x();
    const int inner = int(std::floor((edge - sign * 1.0) * kPx));
    const int outer = int(std::floor((edge + sign * 4.5) * kPx));
    double sum = 0;
    const int lines = 5;
    for (int l = 0; l < lines; ++l) {
        const int fixed = int((middle + (l - 2) * 2.0) * kPx);
        for (int i = std::min(inner, outer); i <= std::max(inner, outer); ++i)
            sum += across ? darkness(page, i, fixed) : darkness(page, fixed, i);
    }
    // Pixels from inner on are counted whole; the trim edge lies within them.
    const double innerEdge = sign < 0 ? (inner + 1) / kPx : inner / kPx;
    return sum / lines / kPx - std::abs(innerEdge - edge);
}

// The darkest grey near a point: a thin mark may spread over two pixels.
int darkest(const QImage& page, QPointF mm) {
    int d = 255;
    const int cx = int(mm.x() * kPx), cy = int(mm.y() * kPx);
    for (int y = cy - 2; y <= cy + 2; ++y)
        for (int x = cx - 2; x <= cx + 2; ++x)
            if (x >= 0 && y >= 0 && x < page.width() && y < page.height())
                d = std::min(d, qGray(page.pixel(x, y)));
    return d;
}

}  // namespace

// Each picture reaches 3 mm past each outer trim edge the page holds, slim covers
// included; crop marks stand at every trim corner of the tray card and the two discs.
TEST_F(CutRender, BleedAndCropMarksOnTheRealPage) {
    for (int model : {0, 1, 3, 11}) {
        SCOPED_TRACE(model);
        const QImage page = render(model, {"--bleed", "3", "--crop-marks"});
        ASSERT_FALSE(page.isNull()) << error.toStdString();
        const QSizeF pageMm(page.width() / kPx, page.height() / kPx);
        int measured = 0;
        for (const QRectF& trim : trims(model)) {
            const double room[] = {trim.left(), trim.top(), pageMm.width() - trim.right(),
                                   pageMm.height() - trim.bottom()};
            for (int side = 0; side < 4; ++side) {
                if (room[side] < 3.5) continue;  // the page does not hold it
                EXPECT_NEAR(greyPast(page, trim, side), 3.0, 0.1) << "side " << side;
                ++measured;
            }
        }
        EXPECT_GE(measured, 3);
        if (model != 3 && model != 11) continue;
        for (const QRectF& trim : trims(model))
            for (const QPointF c :
                 {trim.topLeft(), trim.topRight(), trim.bottomLeft(), trim.bottomRight()}) {
                const QPointF out(c.x() < trim.center().x() ? -1 : 1,
                                  c.y() < trim.center().y() ? -1 : 1);
                for (const QPointF along : {QPointF(out.x(), 0), QPointF(0, out.y())}) {
                    EXPECT_LT(darkest(page, c + along * 7.5), 160)
                        << "a mark at " << c.x() << "," << c.y();
                    EXPECT_GT(darkest(page, c + along * 4), 235) << "the gap beyond the bleed";
                }
            }
    }
}

// Without the options nothing reaches past the trim, and no marks are drawn.
TEST_F(CutRender, NoBleedNorMarksByDefault) {
    const QImage page = render(3, {});
    ASSERT_FALSE(page.isNull()) << error.toStdString();
    for (const QRectF& trim : trims(3)) {
        for (int side = 0; side < 4; ++side) EXPECT_NEAR(greyPast(page, trim, side), 0, 0.1);
        EXPECT_GT(darkest(page, trim.topLeft() - QPointF(7.5, 0)), 235);
    }
}

// Clipped, a disc face prints nothing in the hole or off the disc; with a bleed
// the disc grows by it and the hole shrinks by it.
TEST_F(CutRender, DiscFacesAreClippedToTheDisc) {
    for (double bleed : {0.0, 3.0}) {
        SCOPED_TRACE(bleed);
        const QImage page =
            render(11, {"--clip-discs", "--hole", "41", "--bleed", QString::number(bleed)});
        ASSERT_FALSE(page.isNull()) << error.toStdString();
        for (const QRectF& trim : trims(11)) {
            const QPointF c(trim.center().x(), trim.top() + trim.width() / 2);
            const double disc = trim.width() / 2 + bleed, hole = 41.0 / 2 - bleed;
            int inHole = 0, offDisc = 0, onDisc = 0, ring = 0;
            const QRectF area = trim.adjusted(-bleed - 1, -bleed - 1, bleed + 1, bleed + 1);
            for (int y = int(area.top() * kPx); y < int(area.bottom() * kPx); y += 2)
                for (int x = int(area.left() * kPx); x < int(area.right() * kPx); x += 2) {
                    const double r = std::hypot((x + 0.5) / kPx - c.x(), (y + 0.5) / kPx - c.y());
                    const bool ink = qGray(page.pixel(x, y)) < 235;
                    if (r < hole - 0.25)
                        inHole += ink;
                    else if (r > disc + 0.25)
                        offDisc += ink;
                    else if (r > hole + 0.25 && r < disc - 0.25)
                        onDisc += !ink, ++ring;
                }
            EXPECT_EQ(inHole, 0);
            EXPECT_EQ(offDisc, 0);
            EXPECT_EQ(onDisc, 0) << "of " << ring << " on the disc";
        }
    }
}

TEST_F(CutRender, TheHelpNamesTheOptions) {
    QProcess p;
    p.start(dir.path("/vessomar-render"), {"--help"});
    p.waitForFinished(60000);
    const QString help = QString::fromLocal8Bit(p.readAllStandardOutput());
    for (const char* option : {"--bleed", "--crop-marks", "--no-crop-marks", "--clip-discs",
                               "--no-clip-discs", "--hole", "Output.ini"})
        EXPECT_TRUE(help.contains(option)) << option;
}

// Output.ini beside the settings chooses, as in the window; the command line
// has the last word, and a value out of range stops with its reason.
TEST_F(CutRender, OutputIniAndTheCommandLine) {
    dir.write("/Files/Output.ini", "[Output]\r\nBleed=2\r\nCropMarks=1\r\n");
    const QRectF trim = trims(3).front();
    QImage page = render(3, {});
    ASSERT_FALSE(page.isNull()) << error.toStdString();
    EXPECT_NEAR(greyPast(page, trim, 1), 2.0, 0.1);
    EXPECT_LT(darkest(page, trim.topLeft() - QPointF(6.5, 0)), 160);
    page = render(3, {"--bleed", "0"});
    EXPECT_NEAR(greyPast(page, trim, 1), 0, 0.1);
    EXPECT_LT(darkest(page, trim.topLeft() - QPointF(4.5, 0)), 160) << "the file's crop marks";
    page = render(3, {"--no-crop-marks"});
    EXPECT_NEAR(greyPast(page, trim, 1), 2.0, 0.1);
    EXPECT_GT(darkest(page, trim.topLeft() - QPointF(6.5, 0)), 240) << "no crop marks";

    dir.write("/Files/Output.ini", "Bleed=9\r\n");
    page = render(3, {});
    ASSERT_FALSE(page.isNull());
    EXPECT_NEAR(greyPast(page, trim, 1), 0, 0.1);
    EXPECT_TRUE(error.contains("Output.ini:1: the bleed 9 mm")) << error.toStdString();

    const struct {
        QStringList args;
        const char* says;
    } wrong[] = {{{"--bleed", "5.5"}, "--bleed: the bleed 5.5 mm is outside 0–5 mm"},
                 {{"--bleed", "thin"}, "--bleed needs a number"},
                 {{"--hole", "12"}, "--hole: the hole diameter 12 mm is outside 15–46 mm"},
                 {{"--crop-marks", "--no-crop-marks"}, "cannot both be given"}};
    for (const auto& w : wrong) {
        int exit = 0;
        render(3, w.args, &exit);
        EXPECT_EQ(exit, 2) << w.args.join(' ').toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf8(w.says))) << error.toStdString();
    }
}
