// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ImagingEngine.h"
#include "support/SessionFixture.h"
#include "support/Pictures.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace vsm;

namespace {

QImage whitePicture(int w, int h) {
    return test::solidPicture(w, h, Qt::white);
}

// Bounding box of the pixels that are clearly coloured (the titles are red).
QRect inkBox(const QImage& image) {
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            if (qRed(p) - qGreen(p) > 80) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage full(const ComposedPicture& p) { return p.render(QSize(p.width(), p.height())); }

}  // namespace

TEST(ImagingEngine, TextAt270ReadsDownwardsLeftOfItsAnchor) {
    ImagingEngine e;
    ASSERT_TRUE(e.loadPicture(ComposedPicture(whitePicture(400, 400))));
    e.setFontName("Liberation Sans");
    e.setFontSize(40);
    e.setTextAngle(270);
    const QString text = "HHHH";
    const int tw = e.textWidth(text), th = e.textHeight(text);
    ASSERT_TRUE(e.drawText(text, 200, 50, 0x0000FF));
    const QRect ink = inkBox(full(e.getPicture()));
    ASSERT_FALSE(ink.isNull());
    EXPECT_GE(ink.left(), 200 - th - 1);
    EXPECT_LE(ink.right(), 200 + 1);
    EXPECT_GE(ink.top(), 50 - 1);
    EXPECT_LE(ink.bottom(), 50 + tw + 1);
    EXPECT_GT(ink.height(), 3 * ink.width());  // a column, not a row

    // Reading downwards: a lone first letter lands at the top of the column.
    ImagingEngine lone;
    lone.loadPicture(ComposedPicture(whitePicture(400, 400)));
    lone.setFontName("Liberation Sans");
    lone.setFontSize(40);
    lone.setTextAngle(270);
    lone.drawText("H          ", 200, 50, 0x0000FF);
    const QRect first = inkBox(full(lone.getPicture()));
    EXPECT_LT(first.bottom(), 50 + tw / 2);
}

TEST(ImagingEngine, TextAt0HasItsTopLeftAtTheAnchorAndFailuresKeepThePicture) {
    ImagingEngine e;
    EXPECT_FALSE(e.drawText("x", 0, 0, 0xFF));  // no picture yet
    EXPECT_FALSE(e.loadPicture(ComposedPicture()));
    e.loadPicture(ComposedPicture(whitePicture(300, 100)));
    e.setFontName("Liberation Sans");
    e.setFontSize(30);
    e.drawText("Title", 20, 10, 0x0000FF);
    const QRect ink = inkBox(full(e.getPicture()));
    EXPECT_GE(ink.left(), 20);
    EXPECT_LE(ink.left(), 24);
    EXPECT_GE(ink.top(), 10);
    EXPECT_LE(ink.bottom(), 10 + e.textHeight("Title"));
    EXPECT_FALSE(e.crop(400, 0, 10, 10));
    EXPECT_EQ(e.width(), 300);
    EXPECT_TRUE(e.crop(100, 0, 50, 100));
    EXPECT_EQ(e.getPicture().crop(), QRect(100, 0, 50, 100));
}

namespace {

struct Titled : test::SessionFixture {
    Titled() {
        session.titles.coverTitleText = "COVER";
        session.titles.spineTitleText = "SPINE TITLE";
        session.titles.fontName = "Liberation Sans";
    }
    void userPicture(int slot, int w, int h) {
        session.pictureSlots.put(slot, whitePicture(w, h), dir.path("/mine.jpg"));
    }
};

}  // namespace

TEST(TitleDrawing, FullCoverSpineOnTheMiddleLineAndCoverInTheRightHalf) {
    Titled f;
    f.userPicture(1, 2740, 1830);
    const ComposedPicture& p = f.refresh(0).preview.image1.picture;
    ASSERT_EQ(p.strokes().size(), 2);
    const TitleStroke& spine = p.strokes()[0];
    const TitleStroke& cover = p.strokes()[1];
    EXPECT_EQ(spine.angle, 270);
    EXPECT_EQ(spine.pixelSize, int(1830 / 311.0 * 15.75));
    EXPECT_EQ(cover.pixelSize, int(1830 / 311.0 * 17.75));
    const QImage image = full(p);
    // Render the two titles apart to measure each.
    const QRect spineInk = inkBox(full(ComposedPicture(whitePicture(2740, 1830)).withStroke(spine)));
    const QRect coverInk = inkBox(full(ComposedPicture(whitePicture(2740, 1830)).withStroke(cover)));
    EXPECT_NEAR(spineInk.center().x(), 1370, 6);
    EXPECT_NEAR(spineInk.center().y(), 915, 12);
    EXPECT_GT(spineInk.height(), spineInk.width());
    EXPECT_GT(coverInk.left(), 1370);
    EXPECT_NEAR(coverInk.center().x(), 1370 + 685, 6);
    EXPECT_NEAR(cover.position.y(), 1830 / 7.0, 0.5);
    EXPECT_TRUE(inkBox(image).contains(spineInk.united(coverInk).adjusted(1, 1, -1, -1)));
}

TEST(TitleDrawing, GroupsDrawWhereTheirCasesNeedThem) {
    Titled f;
    for (int model : {5, 8}) {
        const ComposedPicture& p = f.refresh(model).preview.image1.picture;
        ASSERT_EQ(p.strokes().size(), 1) << model;
        EXPECT_EQ(p.strokes()[0].angle, 0);
    }
    // Front cards: the cover title at one fifth of the height.
    const ComposedPicture& front = f.refresh(4).preview.image1.picture;
    ASSERT_EQ(front.strokes().size(), 1);
    EXPECT_EQ(front.strokes()[0].position.y(), qRound(front.height() / 5.0));
    // Tray cards of models 3 and 6: slot 2 stays undrawn, the mirror zone carries
    // the spine title twice, one in each 7/151 side strip.
    for (int model : {3, 6}) {
        const PreviewControls& p = f.refresh(model).preview;
        EXPECT_TRUE(p.image2.picture.strokes().isEmpty());
        EXPECT_TRUE(p.image8.visible);
        EXPECT_EQ(p.image8.rect, p.image2.rect);
        ASSERT_EQ(p.image8.picture.strokes().size(), 2);
        const int w = p.image8.picture.width();
        const double strip = qRound(7.0 / 151.0 * w);
        const QRect left = inkBox(full(ComposedPicture(whitePicture(w, p.image8.picture.height()))
                                           .withStroke(p.image8.picture.strokes()[0])));
        const QRect right = inkBox(full(ComposedPicture(whitePicture(w, p.image8.picture.height()))
                                            .withStroke(p.image8.picture.strokes()[1])));
        EXPECT_NEAR(left.center().x(), strip / 2, 3);
        EXPECT_NEAR(right.center().x(), w - strip / 2, 3);
    }
    EXPECT_FALSE(f.refresh(4).preview.image8.visible);
    // Slim: spine title on the spine piece, cover title on the front piece.
    const PreviewControls& slim = f.refresh(20).preview;
    ASSERT_EQ(slim.image6.picture.strokes().size(), 1);
    EXPECT_EQ(slim.image6.picture.strokes()[0].angle, 270);
    ASSERT_EQ(slim.image7.picture.strokes().size(), 1);
    EXPECT_TRUE(slim.image4.picture.strokes().isEmpty());
}

TEST(TitleDrawing, FontSizeFollowsThePictureHeight) {
    Titled f;
    f.userPicture(1, 600, 311);
    const int small = f.refresh(4).preview.image1.picture.strokes()[0].pixelSize;
    f.userPicture(1, 1200, 622);
    const int large = f.refresh(4).preview.image1.picture.strokes()[0].pixelSize;
    EXPECT_EQ(small, 17);  // floor(15.75 + 2)
    EXPECT_EQ(large, 35);  // floor(2 * 17.75)
}

TEST(TitleDrawing, SwitchesOffOrEmptyTitlesLeaveThePicturesAlone) {
    Titled f;
    f.session.model.coverTitleOn = 0;
    f.session.model.spineTitleOn = 0;
    for (int model : {0, 3, 10, 20}) {
        const PreviewControls& p = f.refresh(model).preview;
        for (const ZoneControl* z : {&p.image1, &p.image2, &p.image6, &p.image7, &p.image8})
            EXPECT_TRUE(z->picture.strokes().isEmpty()) << model;
    }
    f.session.model.coverTitleOn = 1;
    f.session.titles.coverTitleText.clear();
    const ComposedPicture& p = f.refresh(4).preview.image1.picture;
    ASSERT_EQ(p.strokes().size(), 1);
    EXPECT_EQ(p.strokes()[0].text, " ");
    EXPECT_EQ(full(p), full(p.withoutStrokes()));  // a space draws nothing visible
}

TEST(TitleDrawing, RepeatedRefreshesDoNotDrawTitlesOverThemselves) {
    Titled f;
    for (int i = 0; i < 5; ++i) f.refresh(11);
    const PreviewControls& p = f.session.preview;
    for (const ZoneControl* z : {&p.image1, &p.image2, &p.image3})
        EXPECT_EQ(z->picture.strokes().size(), 1);
}

// A 48-megapixel photo is kept with half its pixels. Titles and slim cuts are
// placed and sized from the photo's own size, so they come out as on the whole
// photo, and a print-size render puts the ink within a pixel of it.
TEST(TitleDrawing, AReducedPhotoTakesTheTitlesAndCutsOfTheWholePhoto) {
    Titled whole, reduced;
    whole.session.pictureSlots.put(1, whitePicture(8000, 6000), "/p/photo.jpg");
    reduced.session.pictureSlots.put(1, ComposedPicture(whitePicture(4000, 3000), QSize(8000, 6000)),
                                     "/p/photo.jpg");
    for (int model : {0, 20}) {
        SCOPED_TRACE(model);
        const PreviewControls& a = whole.refresh(model).preview;
        const PreviewControls& b = reduced.refresh(model).preview;
        for (auto zone : {&PreviewControls::image1, &PreviewControls::image4,
                          &PreviewControls::image6, &PreviewControls::image7}) {
            const ComposedPicture& p = (a.*zone).picture;
            const ComposedPicture& q = (b.*zone).picture;
            EXPECT_EQ(p.crop(), q.crop());
            ASSERT_EQ(p.strokes().size(), q.strokes().size());
            for (int i = 0; i < p.strokes().size(); ++i) {
                EXPECT_EQ(p.strokes()[i].pixelSize, q.strokes()[i].pixelSize);
                EXPECT_EQ(p.strokes()[i].position, q.strokes()[i].position);
            }
            if (p.strokes().isEmpty()) continue;
            // The zone at 300 dpi: a box cover is 273 mm wide, about 3220 pixels.
            const QSize print(p.width() * 3220 / 8000, p.height() * 3220 / 8000);
            const QRect inkA = inkBox(p.render(print)), inkB = inkBox(q.render(print));
            EXPECT_LE(std::abs(inkA.left() - inkB.left()), 1);
            EXPECT_LE(std::abs(inkA.top() - inkB.top()), 1);
            EXPECT_LE(std::abs(inkA.right() - inkB.right()), 1);
            EXPECT_LE(std::abs(inkA.bottom() - inkB.bottom()), 1);
        }
    }
}

// A part of a reduced picture shows the same pixels as that part of the whole.
TEST(ComposedPicture, PartsOfAReducedPictureShowTheSamePlaces) {
    const auto halfBlue = [](int w, int h) {
        QImage image = whitePicture(w, h);
        QPainter(&image).fillRect(0, 0, w / 2, h, Qt::blue);
        return image;
    };
    const ComposedPicture whole(halfBlue(800, 600));
    const ComposedPicture reduced(halfBlue(200, 150), QSize(800, 600));
    EXPECT_EQ(reduced.width(), 800);
    for (const QRect part : {QRect(0, 0, 800, 600), QRect(300, 0, 200, 600), QRect(360, 100, 80, 50)}) {
        SCOPED_TRACE(part.x());
        const QImage a = whole.cropped(part).render(part.size());
        const QImage b = reduced.cropped(part).render(part.size());
        for (int x : {0, part.width() / 2 - 6, part.width() / 2 + 6, part.width() - 1}) {
            const bool blueA = qBlue(a.pixel(x, 10)) > 200 && qRed(a.pixel(x, 10)) < 100;
            const bool blueB = qBlue(b.pixel(x, 10)) > 200 && qRed(b.pixel(x, 10)) < 100;
            EXPECT_EQ(blueA, blueB) << x;
        }
    }
}
