// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/SessionPrintValue.h"
#include "print/StampaCopertina.h"
#include "support/RecordingSurface.h"
#include "support/SessionFixture.h"

#include <gtest/gtest.h>

using namespace vsm;

namespace {

struct Printed : test::SessionFixture {
    test::RecordingSurface surface;
    int failures = 0;

    test::RecordingSurface& print(int model, bool outline = true) {
        session.outlineOn = outline;
        refresh(model);
        surface = {};
        StampaCopertina(printValue(session, model), &surface, [this] { ++failures; });
        return surface;
    }
};

}  // namespace

TEST(PrintComposition, SlimCoversPrintInThreePieces) {
    Printed p;
    const struct {
        int model;
        double back, spineStart, spineWidth, front;
    } cases[] = {{1, 130, 130, 7, 137},    {2, 130, 130, 9, 139},      {19, 133, 128, 5, 133},
                 {20, 125.5, 125.5, 7, 132.5}, {21, 125.5, 125.5, 9, 134.5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model);
        const CoverModel& m = *p.session.catalogue.model(c.model);
        const double l = m.zone1Left.toDouble(), t = m.zone1Top.toDouble();
        const double w = m.zone1Width, h = m.zone1Height;
        const auto pictures = p.print(c.model).all("picture");
        ASSERT_EQ(pictures.size(), 3u);
        EXPECT_EQ(pictures[0].rect, QRectF(l, t, w - c.front, h));
        EXPECT_EQ(pictures[1].rect, QRectF(l + c.spineStart, t, c.spineWidth, h));
        EXPECT_EQ(pictures[2].rect, QRectF(l + c.front, t, w - c.front, h));
        const PreviewControls& z = p.session.preview;
        EXPECT_EQ(pictures[0].pictureKey, z.image4.picture.source().cacheKey());
        EXPECT_EQ(pictures[1].titles, int(z.image6.picture.strokes().size()));
        // One outline around the whole cover.
        const auto boxes = p.surface.all("box");
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].rect, QRectF(l, t, w, h));
    }
    EXPECT_EQ(p.failures, 0);
}

TEST(PrintComposition, ZonesTwoAndThreeAndTheMirrorZone) {
    Printed p;
    p.session.titles.spineTitleText = "Spine";
    for (int model : {3, 6}) {
        const auto pictures = p.print(model).all("picture");
        ASSERT_EQ(pictures.size(), 2u);
        EXPECT_EQ(pictures[1].titles, 2);  // the mirror zone with both side-strip titles
        const CoverModel& m = *p.session.catalogue.model(model);
        EXPECT_EQ(pictures[1].rect, QRectF(m.zone2Left.toDouble(), m.zone2Top.toDouble(),
                                           m.zone2Width, m.zone2Height));
    }
    EXPECT_EQ(p.print(4).all("picture")[1].titles, 0);  // zone 2 itself elsewhere

    const auto three = p.print(14);
    const auto pictures = three.all("picture");
    ASSERT_EQ(pictures.size(), 3u);
    EXPECT_EQ(pictures[2].rect, QRectF(61, 190, 80, 80));
    const auto circles = three.all("circle");
    ASSERT_EQ(circles.size(), 3u);
    EXPECT_EQ(circles[0].rect, QRectF(61, 100, 80, 80));  // zone 2, drawn with its picture
    EXPECT_EQ(circles[2].rect, QRectF(61, 10, 80, 80));   // zone 1 last

    EXPECT_EQ(p.print(0).all("picture").size(), 1u);  // no zone 2
    EXPECT_EQ(p.failures, 0);
}

TEST(PrintComposition, OutlinesCirclesAndNoLinesWhenOff) {
    Printed p;
    p.session.catalogue.model(10)->zone1Height = 90;  // a circle uses the width only
    const auto disc = p.print(10).all("circle");
    ASSERT_EQ(disc.size(), 1u);
    EXPECT_EQ(disc[0].rect, QRectF(42, 10, 117, 117));
    for (int model : {0, 3, 10, 14, 20}) {
        const auto& s = p.print(model, false);
        EXPECT_TRUE(s.all("box").empty() && s.all("circle").empty()) << model;
    }
}

TEST(PrintComposition, CreditLineOnlyForPortraitOrLowLandscapeCovers) {
    Printed p;
    const struct {
        int model, height;
        bool credit;
    } cases[] = {{0, 180, true}, {0, 181, false}, {0, 183, false}, {3, 250, true}, {15, 148, true}};
    for (const auto& c : cases) {
        p.session.catalogue.model(c.model)->zone1Height = c.height;
        const auto texts = p.print(c.model).all("text");
        EXPECT_EQ(texts.size(), c.credit ? 1u : 0u) << c.model << " " << c.height;
        if (c.credit) {
            const QString line = texts[0].text;
            EXPECT_EQ(line, p.session.uiText[22] + " Vessomar 2.5.0.7 - " + p.session.uiText[23]);
            EXPECT_DOUBLE_EQ(texts[0].rect.y(), 297 - 4 - 5);
            EXPECT_DOUBLE_EQ(texts[0].rect.x(), (210 - line.size() * 1.5) / 2);
        }
    }
}

TEST(PrintComposition, PositionsAreWholeMillimetresHalvesToEven) {
    Printed p;
    const struct {
        const char *left, *top;
        double x, y;
    } cases[] = {{"12.5", "13.5", 12, 14}, {"", "abc", 0, 0}, {" 7.49mm", "-2.5", 7, -2}};
    for (const auto& c : cases) {
        p.session.catalogue.model(0)->zone1Left = c.left;
        p.session.catalogue.model(0)->zone1Top = c.top;
        EXPECT_EQ(p.print(0).all("picture")[0].rect.topLeft(), QPointF(c.x, c.y)) << c.left;
    }
}

TEST(PrintComposition, EveryFailingStepReportsOnceAndTheJobStillEnds) {
    Printed p;
    p.session.outlineOn = true;
    p.refresh(3);
    p.surface.failEverything = true;
    StampaCopertina(printValue(p.session, 3), &p.surface, [&] { ++p.failures; });
    // Scale, zone 1, zone 2, zone-1 outline, credit line and the end of the job
    // fail; reading the position texts does not need the printer.
    EXPECT_EQ(p.failures, 6);
    EXPECT_TRUE(p.surface.ended);

    p.failures = 0;
    StampaCopertina(printValue(p.session, 3), nullptr, [&] { ++p.failures; });
    EXPECT_EQ(p.failures, 7);  // without a printer every step fails

    p.failures = 0;
    p.session.model.previewScale = 0;
    p.surface = {};
    StampaCopertina(printValue(p.session, 3), &p.surface, [&] { ++p.failures; });
    EXPECT_EQ(p.failures, 3);  // the steps that need the scale
    EXPECT_TRUE(p.surface.ended);
}
