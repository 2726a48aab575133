// SPDX-License-Identifier: GPL-3.0-or-later
// Fit modes and the soft-picture note as vessomar-render prints them: a project
// file with a real picture, the program run as a process, the page it writes.
#include "model/CoverCatalogue.h"
#include "print/PainterPrintSurface.h"
#include "support/PageMeasure.h"
#include "support/TempAppFolder.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace vsm;

namespace {

constexpr double kDpi = 200;
constexpr double kPxPerMm = kDpi / 25.4;

struct RenderRun {
    int exit = -1;
    QString err;
    QImage page;
};

class RenderFixture {
public:
    RenderFixture() {
        program_ = dir_.path("/vessomar-render");
        QFile::copy(test::buildFolder() + "/vessomar-render", program_);
        QFile::setPermissions(program_, QFile::permissions(program_) | QFile::ExeOwner);
        catalogue_.load(dir_.path("/Files/Covers.ini"));
    }

    QString picture(const QImage& image) {
        const QString path = dir_.path("/photo.png");
        image.save(path);
        return path;
    }

    // A project holding the picture in slot 1, with the mode lines given (none: a
    // 15-line file), rendered to a PNG page.
    RenderRun render(const QString& picturePath, int model, const QString& modeLines) {
        const QString project = picturePath + "\r\n\r\n\r\n 0 \r\n\r\n\r\nLiberation Sans\r\n16\r\n"
                                " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 1 \r\n 1 \r\n " +
                                QString::number(model) + " \r\n" + modeLines;
        dir_.write("/p.vsm", project.toUtf8());
        QProcess p;
        p.start(program_,
                {dir_.path("/p.vsm"), dir_.path("/p.png"), "--dpi", QString::number(kDpi)});
        p.waitForFinished(120000);
        return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardError()),
                QImage(dir_.path("/p.png"))};
    }

    // Zone 1 of a model on the page, in page pixels.
    QRect zone1(int model) const {
        const QRectF mm = test::expectedOutlines(catalogue_, model).front().mm;
        return QRect(QPoint(qRound(mm.left() * kPxPerMm), qRound(mm.top() * kPxPerMm)),
                     QPoint(qRound(mm.right() * kPxPerMm) - 1, qRound(mm.bottom() * kPxPerMm) - 1));
    }

private:
    test::TempAppFolder dir_;
    QString program_;
    CoverCatalogue catalogue_;
};

// A 4:3 picture: grey, a black circle in the middle, red strips at both ends.
QImage circlePicture() {
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(QColor(160, 160, 160));
    QPainter p(&image);
    p.fillRect(0, 0, 40, 600, Qt::red);
    p.fillRect(760, 0, 40, 600, Qt::red);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(400, 300), 250, 250);
    return image;
}

// The black pixels' bounding box inside an area of the page.
QRect blackIn(const QImage& page, const QRect& area) {
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(page.pixel(x, y)) > 60) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

bool isRed(QRgb p) { return qRed(p) > 200 && qGreen(p) < 60; }
bool isWhite(QRgb p) { return qGray(p) > 250; }

}  // namespace

// On the CD front (121 x 120 mm) a 4:3 picture's circle is squashed when stretched
// and round with Fill and Fit; Fill cuts the picture's ends off evenly, Fit shows
// them with white bands above and below.
TEST(FitPrint, CircleStaysRoundOnTheCdFrontWithFillAndFit) {
    RenderFixture f;
    const QString picture = f.picture(circlePicture());
    const QRect zone = f.zone1(3);
    const QPoint middle = zone.center();
    const int mm = qRound(kPxPerMm);
    const struct {
        const char* name;
        QString lines;
        bool round;
        bool endsShow;
        bool bands;
    } cases[] = {
        {"stretch", "", false, true, false},
        {"fill", " 1 \r\n 0 \r\n 0 \r\n", true, false, false},
        {"fit", " 2 \r\n 0 \r\n 0 \r\n", true, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RenderRun run = f.render(picture, 3, c.lines);
        ASSERT_EQ(run.exit, 0) << run.err.toStdString();
        ASSERT_FALSE(run.page.isNull());
        const QRect circle = blackIn(run.page, zone.adjusted(mm, mm, -mm, -mm));
        ASSERT_FALSE(circle.isNull());
        const double shape = double(circle.width()) / circle.height();
        if (c.round) EXPECT_NEAR(shape, 1, 0.01);
        else EXPECT_LT(shape, 0.8);
        // The circle stays in the middle of the zone in every mode.
        EXPECT_NEAR(circle.center().x(), middle.x(), mm);
        EXPECT_NEAR(circle.center().y(), middle.y(), mm);
        EXPECT_EQ(isRed(run.page.pixel(zone.left() + mm, middle.y())), c.endsShow);
        EXPECT_EQ(isRed(run.page.pixel(zone.right() - mm, middle.y())), c.endsShow);
        for (const int y : {zone.top() + 5 * mm, zone.bottom() - 5 * mm})
            EXPECT_EQ(isWhite(run.page.pixel(middle.x(), y)), c.bands) << y;
    }
}

// A VGA photo on the DVD box prints at 59 pixels per inch: vessomar-render says so
// and makes the cover all the same; a large enough photo gets no note.
TEST(FitPrint, ASoftPictureIsNotedOnStandardErrorAndTheCoverIsMade) {
    RenderFixture f;
    QImage vga(640, 480, QImage::Format_RGB32);
    vga.fill(Qt::gray);
    const RenderRun soft = f.render(f.picture(vga), 0, "");
    EXPECT_EQ(soft.exit, 0);
    EXPECT_FALSE(soft.page.isNull());
    EXPECT_TRUE(soft.err.contains(QRegularExpression("\\b(59|60)\\b"))) << soft.err.toStdString();

    QImage large(2000, 1400, QImage::Format_RGB32);
    large.fill(Qt::gray);
    const RenderRun sharp = f.render(f.picture(large), 0, "");
    EXPECT_EQ(sharp.exit, 0);
    EXPECT_FALSE(sharp.err.contains("pixels per inch")) << sharp.err.toStdString();
    EXPECT_FALSE(sharp.err.contains(QRegularExpression("\\b(59|60)\\b")));
}

// A fitted picture is sent to the page at the density its own pixels keep, bands
// included: one-pixel stripes survive the trip.
TEST(FitPrint, AFittedPictureIsSentAtItsOwnDensity) {
    QImage stripes(200, 100, QImage::Format_RGB32);
    for (int y = 0; y < 100; ++y) {
        auto* line = reinterpret_cast<QRgb*>(stripes.scanLine(y));
        std::fill(line, line + 200, y % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    }
    const ComposedPicture fitted = ComposedPicture(stripes).framed(QRect(0, -50, 200, 200));
    QImage page(300, 300, QImage::Format_RGB32);
    page.fill(Qt::white);
    page.setDotsPerMeterX(10000);  // 10 pixels a millimetre
    page.setDotsPerMeterY(10000);
    {
        PainterPrintSurface surface(&page);
        ASSERT_TRUE(surface.paintPicture(fitted, MmRect::of(0, 0, 20, 20)));
        ASSERT_TRUE(surface.endDoc());
    }
    int changes = 0;
    for (int y = 51; y < 149; ++y)
        changes += (qGray(page.pixel(100, y)) < 128) != (qGray(page.pixel(100, y + 1)) < 128);
    EXPECT_GT(changes, 90);
    EXPECT_TRUE(isWhite(page.pixel(100, 20)));
}
