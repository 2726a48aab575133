// SPDX-License-Identifier: GPL-3.0-or-later
// Fit modes: the padded pictures Fit makes, the fitting in the refresh, the slim
// pieces cut from the fitted picture and the printed-resolution figure.
#include "model/CaseKinds.h"
#include "model/PictureFit.h"
#include "model/SlimPieces.h"
#include "support/Pictures.h"
#include "support/SessionFixture.h"

#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>

using namespace vsm;

namespace {

const QColor kQuarters[4] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};

bool isWhite(QRgb p) { return qRed(p) > 250 && qGreen(p) > 250 && qBlue(p) > 250; }

// A picture as a slot holds it, its path a user's file.
void putPicture(Session& s, int slot, const QImage& image, FitMode mode) {
    s.pictureSlots.put(slot, image, QStringLiteral("/home/user/photo.jpg"));
    s.pictureSlots[slot].mode = mode;
}

}  // namespace

// A frame inside the source is a crop; one reaching beyond it renders the
// source in its share of the size and white around it, with the titles kept on
// the picture's own pixels.
TEST(PaddedPicture, RendersWhiteOutsideTheSourceAndKeepsTitlesInPlace) {
    const ComposedPicture picture(test::quarteredPicture(200, 100, kQuarters));
    EXPECT_EQ(picture.framed(QRect(20, 10, 100, 50)).render(QSize(100, 50)),
              picture.cropped(QRect(20, 10, 100, 50)).render(QSize(100, 50)));
    EXPECT_FALSE(picture.framed(QRect(20, 10, 100, 50)).isPadded());

    const ComposedPicture padded = picture.framed(QRect(0, -50, 200, 200));
    ASSERT_TRUE(padded.isPadded());
    EXPECT_EQ(QSize(padded.width(), padded.height()), QSize(200, 200));
    EXPECT_EQ(padded.pixelCrop(), QRect(0, -50, 200, 200));
    // A photo kept with fewer pixels: the frame in kept pixels, for the print to
    // send the padded picture at the kept density.
    const ComposedPicture thinned(test::quarteredPicture(200, 100, kQuarters), QSize(400, 200));
    EXPECT_EQ(thinned.framed(QRect(0, -100, 400, 400)).pixelCrop(), QRect(0, -50, 200, 200));
    EXPECT_FALSE(padded == picture.framed(QRect(0, -40, 200, 200)));
    const QImage out = padded.render(QSize(100, 100));
    EXPECT_TRUE(isWhite(out.pixel(50, 10)));
    EXPECT_TRUE(isWhite(out.pixel(50, 90)));
    EXPECT_EQ(out.pixel(10, 30), QColor(Qt::red).rgb());
    EXPECT_EQ(out.pixel(90, 70), QColor(Qt::yellow).rgb());

    // A title drawn on the padded picture stays where it was put when the frame is
    // cut again, as the slim cut does.
    TitleStroke title;
    title.text = QStringLiteral("X");
    title.position = QPoint(30, 60);
    const ComposedPicture cut = padded.withStroke(title).cropped(QRect(0, 20, 100, 160));
    EXPECT_EQ(cut.strokes().first().position, QPoint(30, 40));
    EXPECT_EQ(cut.crop(), QRect(0, -30, 100, 160));
    const QImage band = cut.withoutStrokes().render(QSize(100, 160));
    EXPECT_TRUE(isWhite(band.pixel(50, 10)));
    EXPECT_EQ(band.pixel(20, 50), QColor(Qt::red).rgb());
}

TEST(FittedPicture, FillCutsCentredAndFitFramesCentredOnWhite) {
    const ComposedPicture picture(test::quarteredPicture(400, 300, kQuarters));
    const QSizeF square(120, 120);
    EXPECT_EQ(fittedPicture(picture, FitMode::Stretch, square), picture);
    EXPECT_EQ(fittedPicture(picture, FitMode::Fill, square).crop(), QRect(50, 0, 300, 300));
    EXPECT_EQ(fittedPicture(picture, FitMode::Fit, square).crop(), QRect(0, -50, 400, 400));
    const QSizeF wide(240, 60);
    EXPECT_EQ(fittedPicture(picture, FitMode::Fill, wide).crop(), QRect(0, 100, 400, 100));
    EXPECT_EQ(fittedPicture(picture, FitMode::Fit, wide).crop(), QRect(-400, 0, 1200, 300));

    // A hand-edited catalogue can give a zone any shape: a frame never outgrows a
    // pixel count, and the picture still renders.
    const ComposedPicture huge(test::solidPicture(600, 10, Qt::gray), QSize(600000, 10000));
    for (const FitMode mode : {FitMode::Fill, FitMode::Fit}) {
        const ComposedPicture thin = fittedPicture(huge, mode, QSizeF(1, 32767));
        ASSERT_FALSE(thin.isNull()) << int(mode);
        EXPECT_GT(thin.width(), 0);
        EXPECT_GT(thin.height(), 0);
        EXPECT_FALSE(thin.render(QSize(4, 400)).isNull()) << int(mode);
    }
}

// The zones hold the fitted pictures before the titles are drawn: the cover title
// is centred on the picture as it prints, bands included.
TEST(FitRefresh, ZonesTakeTheFittedPicturesAndTitlesAreCentredOnThem) {
    test::SessionFixture f;
    Session& s = f.session;
    s.titles.coverTitleText = QStringLiteral("Title");
    putPicture(s, 1, test::quarteredPicture(400, 300, kQuarters), FitMode::Fit);
    putPicture(s, 2, test::quarteredPicture(400, 300, kQuarters), FitMode::Fill);
    f.refresh(3);  // CD tray: a 121 x 120 front, a 151 x 118 back with spine strips
    const ComposedPicture& front = s.preview.image1.picture;
    EXPECT_EQ(front.crop(), QRect(0, -49, 400, 397));
    ASSERT_EQ(front.strokes().size(), 1);
    const TitleStroke& title = front.strokes().first();
    const int titleWidth = QFontMetrics(title.font()).horizontalAdvance(title.text);
    EXPECT_NEAR(title.position.x(), (front.width() - titleWidth) / 2.0, 1);
    EXPECT_EQ(s.preview.image2.picture.crop(), QRect(8, 0, 384, 300));
    EXPECT_EQ(s.preview.image8.picture.crop(), s.preview.image2.picture.crop());

    // Stretch, the default, leaves the slot's picture as it is.
    s.pictureSlots[1].mode = FitMode::Stretch;
    f.refresh(3);
    EXPECT_EQ(s.preview.image1.picture.crop(), QRect(0, 0, 400, 300));
}

// Slim pieces are cut from the fitted box picture: with Fill the spine piece is
// still the picture's middle, and every piece prints undistorted at the slim
// model's sizes.
TEST(FitRefresh, SlimPiecesAreCutFromTheFittedBoxPicture) {
    test::SessionFixture f;
    Session& s = f.session;
    // A tall picture for the 274 x 183 box, with a black stripe down its middle.
    QImage box = test::solidPicture(800, 800, Qt::white);
    QPainter(&box).fillRect(395, 0, 10, 800, Qt::black);
    putPicture(s, 1, box, FitMode::Fill);
    f.refresh(1);
    const CoverModel& slim = *s.catalogue.model(1);
    const SlimCut& cut = *caseKind(1).slim;
    const ZoneControl* pieces[] = {&s.preview.image4, &s.preview.image7};
    for (const ZoneControl* piece : pieces) {
        const double pixelShape = double(piece->picture.width()) / piece->picture.height();
        const double printShape = (slim.zone1Width - cut.frontOffset) / double(slim.zone1Height);
        EXPECT_NEAR(pixelShape / printShape, 1, 0.01);
    }
    const QImage spine = s.preview.image6.picture.withoutStrokes().render(QSize(40, 100));
    EXPECT_LT(qGray(spine.pixel(20, 50)), 40);
    EXPECT_GT(qGray(spine.pixel(2, 50)), 200);

    s.pictureSlots[1].mode = FitMode::Stretch;
    f.refresh(1);
    EXPECT_EQ(s.preview.image4.picture.height(), 800);
    EXPECT_EQ(s.preview.image4.picture.width(), qRound(800 * kSlimPieceMm / 274));
}

// The printed figure: the file's pixels in use over the printed inches, the lower axis.
TEST(PrintedResolution, FiguresAndWhichSlotsWarn) {
    test::SessionFixture f;
    Session& s = f.session;
    const ComposedPicture vga(test::solidPicture(640, 480, Qt::gray));
    const QSizeF dvd(274, 183);
    const struct {
        FitMode mode;
        int figure;  // whole pixels per inch
    } cases[] = {{FitMode::Stretch, 59}, {FitMode::Fill, 59}, {FitMode::Fit, 66}};
    for (const auto& c : cases)
        EXPECT_EQ(int(printedPixelsPerInch(vga, c.mode, dvd)), c.figure) << int(c.mode);
    // A large photo kept with fewer pixels is judged by the file's own.
    const ComposedPicture thinned(test::solidPicture(640, 480, Qt::gray), QSize(6400, 4800));
    EXPECT_EQ(int(printedPixelsPerInch(thinned, FitMode::Stretch, dvd)), 593);

    f.refresh(0);
    putPicture(s, 1, vga.source(), FitMode::Stretch);
    putPicture(s, 2, vga.source(), FitMode::Stretch);  // the DVD box has no zone 2
    s.pictureSlots.put(3, test::solidPicture(64, 48, Qt::gray),
                       s.folder.path("/Modelli/CD-DVD/01 Empty Smile.jpg"));  // a template
    const auto soft = softPictures(s, 0);
    ASSERT_EQ(soft.size(), 1u);
    EXPECT_EQ(soft[0].slot, 1);
    EXPECT_EQ(soft[0].pixelsPerInch, 59);
    s.uiText.set(132, QStringLiteral("Picture %1 prints at %2 pixels per inch"));
    EXPECT_EQ(softPictureWarnings(s, 0), QStringList{"Picture 1 prints at 59 pixels per inch"});

    s.pictureSlots.put(1, blankPicture(), QString());
    EXPECT_TRUE(softPictures(s, 0).empty());
    putPicture(s, 1, test::solidPicture(2000, 1400, Qt::gray), FitMode::Fit);
    EXPECT_TRUE(softPictures(s, 0).empty());  // 185 pixels per inch
    // The third zone of the one model that has it, at zone 2's size (80 x 80 mm).
    putPicture(s, 3, test::solidPicture(320, 240, Qt::gray), FitMode::Stretch);
    EXPECT_TRUE(softPictures(s, 0).empty());
    const auto discs = softPictures(s, 14);
    ASSERT_EQ(discs.size(), 1u);  // 640 x 480 in zone 2 gives 152
    EXPECT_EQ(discs[0].slot, 3);
    EXPECT_EQ(discs[0].pixelsPerInch, 76);
}

TEST(FitModeChange, KeptAcrossPicturesAndReportedOnlyWhenItChanges) {
    Session s;
    EXPECT_TRUE(setFitMode(s, 2, FitMode::Fill));
    EXPECT_FALSE(setFitMode(s, 2, FitMode::Fill));
    EXPECT_FALSE(setFitMode(s, 4, FitMode::Fit));
    s.pictureSlots.put(2, test::solidPicture(10, 10, Qt::red), QStringLiteral("/a.png"));
    EXPECT_EQ(s.pictureSlots[2].mode, FitMode::Fill);
}
