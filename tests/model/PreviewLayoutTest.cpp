// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/SessionFixture.h"

#include <gtest/gtest.h>

using namespace vsm;

TEST(ModelScale, FollowsOrientationAndWindowHeight) {
    test::SessionFixture f;
    const struct {
        int model, height, scale;
        PrinterOrientation printer;
    } cases[] = {
        {3, 7290, 18, PrinterOrientation::Portrait},  // 18.5 rounds to the even 18
        {0, 7290, 24, PrinterOrientation::Landscape}, // 24.5 rounds to 24
        {3, 8019, 20, PrinterOrientation::Portrait},  // 110 %: 20.35
        {0, 8019, 27, PrinterOrientation::Landscape}, // 110 %: 26.95
    };
    for (const auto& c : cases) {
        f.inner.height = c.height;
        const Session& s = f.refresh(c.model);
        EXPECT_EQ(s.model.previewScale, c.scale) << c.model << " at " << c.height;
        EXPECT_EQ(s.model.printerOrientation, c.printer);
        EXPECT_EQ(s.model.scaledZone1Width, c.scale * s.catalogue.model(c.model)->zone1Width);
    }
}

TEST(ModelScale, NoSelectionOrAnOverflowKeepsTheOldValues) {
    test::SessionFixture f;
    f.refresh(3);
    f.refresh(-1);
    EXPECT_EQ(f.session.model.previewScale, 18);
    EXPECT_EQ(f.session.model.scaledZone1Width, 18 * 121);
    EXPECT_EQ(f.session.model.currentOrientation, kPortrait);
    f.session.catalogue.model(3)->zone1Width = 2'000'000'000;
    f.refresh(3);
    EXPECT_EQ(f.session.model.scaledZone1Width, 18 * 121);
    EXPECT_EQ(f.session.model.scaledZone1Height, 18 * 120);
}

TEST(ModelScale, AnUnknownOrientationScalesLikeLandscapeButDrawsAPortraitSheet) {
    test::SessionFixture f;
    f.session.catalogue.model(3)->orientation = "verticale";
    const Session& s = f.refresh(3);
    EXPECT_EQ(s.model.previewScale, 24);
    EXPECT_EQ(s.model.printerOrientation, PrinterOrientation::Landscape);
    EXPECT_EQ(s.preview.label3.twips.size(), QSizeF(24 * 210, 24 * 297));
}

TEST(PreviewLayout, WorkedExample) {
    test::SessionFixture f;
    CoverModel& m = *f.session.catalogue.model(4);
    m.orientation = kPortrait;
    m.zone1Width = 150;
    m.zone1Height = 100;
    m.zone2Width = 0;
    const PreviewControls& p = f.refresh(4).preview;
    EXPECT_EQ(f.session.model.previewScale, 18);
    EXPECT_EQ(p.label3.twips, QRectF(3075, 972, 3780, 5346));
    EXPECT_EQ(p.bordo.twips, QRectF(3075, 972, 3790, 5356));
    EXPECT_EQ(p.image1.rect.twips, QRectF(3615, 1172, 2700, 1800));
    EXPECT_TRUE(p.image1.visible);
    EXPECT_EQ(p.shape1.rect.twips, p.image1.rect.twips);
    EXPECT_FALSE(p.image2.visible);
    EXPECT_FALSE(p.shape2.visible);
    EXPECT_FALSE(p.image3.visible);
}

TEST(PreviewLayout, ZoneTopsAndSecondAndThirdZones) {
    test::SessionFixture f;
    const PreviewControls& book = f.refresh(8).preview;
    EXPECT_EQ(book.image1.rect.twips.top(), book.label3.twips.top() + 100);
    const PreviewControls& vhs = f.refresh(9).preview;
    EXPECT_EQ(vhs.image1.rect.twips.top(), vhs.label3.twips.top() + 200);

    const PreviewControls& cd = f.refresh(3).preview;  // 121x120 + 151x118 at scale 18
    EXPECT_EQ(cd.image2.rect.twips, QRectF((9930 - 18 * 151) / 2.0, cd.image1.rect.twips.top() + 18 * 120 + 200,
                                     18 * 151, 18 * 118));
    EXPECT_TRUE(cd.image2.visible && cd.shape2.visible);
    EXPECT_FALSE(cd.image3.visible || cd.shape3.visible);

    const PreviewControls& three = f.refresh(14).preview;  // three 80 mm faces
    const double y1 = three.image1.rect.twips.top(), h = 18 * 80;
    EXPECT_EQ(three.image2.rect.twips.top(), y1 + h + 200);
    EXPECT_EQ(three.image3.rect.twips, QRectF((9930 - h) / 2, y1 + 2 * h + 400, h, h));
    for (const OutlineControl* o : {&three.shape1, &three.shape2, &three.shape3}) {
        EXPECT_TRUE(o->visible);
        EXPECT_EQ(o->form, OutlineControl::Form::Circle);
    }
    EXPECT_EQ(f.refresh(13).preview.image3.visible, false);
    EXPECT_EQ(f.refresh(0).preview.shape1.form, OutlineControl::Form::Rectangle);
}

TEST(PreviewLayout, OutlineColoursFollowTheSwitch) {
    test::SessionFixture f;
    f.session.outlineOn = true;
    const PreviewControls& dark = f.refresh(3).preview;
    EXPECT_EQ(dark.shape1.colour, kDarkOutline);
    EXPECT_EQ(dark.shape2.colour, kDarkOutline);
    EXPECT_EQ(dark.shape2.style, OutlineControl::Style::Solid);
    f.session.outlineOn = false;
    const PreviewControls& light = f.refresh(3).preview;
    EXPECT_EQ(light.shape1.colour, kLightOutline);
    EXPECT_EQ(light.shape2.colour, kLightOutline);
}

TEST(PreviewLayout, SlimModelsShowThreePiecesCutFromAFullBoxPicture) {
    test::SessionFixture f;
    f.session.outlineOn = true;
    const struct {
        int model, backMm, spineMm;
    } cases[] = {{1, 130, 7}, {2, 130, 9}, {19, 126, 5}, {20, 126, 7}, {21, 126, 9}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model);
        const PreviewControls& p = f.refresh(c.model).preview;
        const double scale = f.session.model.previewScale;
        EXPECT_EQ(scale, 24);
        EXPECT_EQ(p.image4.rect.twips, QRectF(p.image1.rect.twips.left(), p.image1.rect.twips.top(),
                                        c.backMm * scale, p.image1.rect.twips.height()));
        EXPECT_EQ(p.image6.rect.twips.left(), p.image4.rect.twips.right() - 15);
        EXPECT_EQ(p.image6.rect.twips.width(), c.spineMm * scale);
        EXPECT_EQ(p.image7.rect.twips.left(), p.image6.rect.twips.right() - 15);
        EXPECT_EQ(p.image7.rect.twips.width(), p.image4.rect.twips.width());
        EXPECT_TRUE(p.image4.visible && p.image6.visible && p.image7.visible);
        EXPECT_FALSE(p.image1.visible || p.image2.visible || p.image3.visible);
        EXPECT_EQ(p.shape2.rect.twips, p.image6.rect.twips);
        EXPECT_EQ(p.shape2.style, OutlineControl::Style::Dotted);
        EXPECT_EQ(p.shape2.colour, kLightOutline);
        EXPECT_EQ(p.shape1.colour, kDarkOutline);
        EXPECT_EQ(p.shape1.rect.twips.right(), p.image7.rect.twips.right());
        EXPECT_FALSE(p.shape3.visible);
        // The pieces: 129.8 mm at each side and the 14 mm middle strip of a
        // picture 274 mm wide.
        const int w = f.session.pictureSlots.master.width(), h = f.session.pictureSlots.master.height();
        const int t = qRound(w / 274.0 * 129.8), u = qRound(w / 274.0 * 14);
        EXPECT_EQ(p.image4.picture.crop(), QRect(0, 0, t, h));
        EXPECT_EQ(p.image6.picture.crop(), QRect((w - u) / 2, 0, u, h));
        EXPECT_EQ(p.image7.picture.crop(), QRect(w - t, 0, t, h));
    }
    const PreviewControls& standard = f.refresh(0).preview;
    EXPECT_TRUE(standard.image1.visible);
    EXPECT_FALSE(standard.image4.visible || standard.image6.visible || standard.image7.visible);
    EXPECT_EQ(standard.shape2.style, OutlineControl::Style::Solid);
}

TEST(PreviewLayout, ASheetBeyondSixteenBitsKeepsItsSize) {
    test::SessionFixture f;
    f.refresh(3);
    const QSizeF before = f.session.preview.label3.twips.size();
    f.inner.height = 7290 * 7;  // scale 18.5 * 7 = 129.5 -> 130; 130 * 297 > 32767
    f.refresh(3);
    EXPECT_EQ(f.session.model.previewScale, 130);
    // 130 x 210 still fits and is taken; 130 x 297 does not, the height stays.
    EXPECT_EQ(f.session.preview.label3.twips.size(), QSizeF(130 * 210, before.height()));
}
