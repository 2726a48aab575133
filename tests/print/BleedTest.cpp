// SPDX-License-Identifier: GPL-3.0-or-later
// Covers made ready for cutting: pictures past the trim line and crop marks.
#include "print/Bleed.h"
#include "print/PrinterCalibration.h"
#include "print/SessionPrintValue.h"
#include "print/StampaCopertina.h"
#include "support/RecordingSurface.h"
#include "support/SessionFixture.h"

#include <gtest/gtest.h>

using namespace vsm;

namespace {

constexpr double kBleed = 3;

// Which sides of a piece's picture bleed: L, T, R and B.
QRectF grown(const QRectF& r, const QString& sides, double b) {
    return r.adjusted(sides.contains('L') ? -b : 0, sides.contains('T') ? -b : 0,
                      sides.contains('R') ? b : 0, sides.contains('B') ? b : 0);
}

void expectRect(const QRectF& got, const QRectF& want, const std::string& what) {
    EXPECT_NEAR(got.left(), want.left(), 1e-9) << what;
    EXPECT_NEAR(got.top(), want.top(), 1e-9) << what;
    EXPECT_NEAR(got.right(), want.right(), 1e-9) << what;
    EXPECT_NEAR(got.bottom(), want.bottom(), 1e-9) << what;
}

struct Bleeding : ::testing::Test {
    test::SessionFixture f;

    std::pair<PrintValue, PrintValue> plainAndBled(int model, double bleed = kBleed) {
        f.refresh(model);
        const PrintValue plain = printValue(f.session, model);
        f.session.output.bleedMm = bleed;
        PrintValue bled = printValue(f.session, model);
        f.session.output.bleedMm = 0;
        return {plain, bled};
    }

    // Model 11 with its second disc's top moved to top2 millimetres.
    void moveSecondDisc(int top2) {
        f.session.catalogue.model(11)->zone2Top = QString::number(top2);
    }
};

}  // namespace

// Every record of the catalogue: each picture against its trim, piece by piece.
// A full zone bleeds on all four sides; a slim cover's back, spine and front
// join where they did and bleed only on the cover's outer edges.
TEST_F(Bleeding, EveryModelsPicturesGrowOnTheirOuterEdgesOnly) {
    const QStringList slim{"LTB", "TB", "TRB"};
    const struct {
        int model;
        std::vector<QStringList> zones;  // per zone, per piece: the bleeding sides
    } table[] = {
        {0, {{"LTRB"}}},
        {1, {slim}},
        {2, {slim}},
        {3, {{"LTRB"}, {"LTRB"}}},
        {4, {{"LTRB"}, {"LTRB"}}},
        {5, {{"LTRB"}}},
        {6, {{"LTRB"}, {"LTRB"}}},
        {7, {{"LTRB"}, {"LTRB"}}},
        {8, {{"LTRB"}}},
        {9, {{"LTRB"}}},
        {10, {{"LTRB"}}},
        {11, {{"LTRB"}, {"LTRB"}}},
        {12, {{"LTRB"}}},
        {13, {{"LTRB"}, {"LTRB"}}},
        {14, {{"LTRB"}, {"LTRB"}, {"LTRB"}}},
        {15, {{"LTRB"}}},
        {16, {{"LTRB"}}},
        {17, {{"LTRB"}}},
        {18, {{"LTRB"}}},
        {19, {slim}},
        {20, {slim}},
        {21, {slim}},
    };
    for (const auto& row : table) {
        const auto [plain, bled] = plainAndBled(row.model);
        ASSERT_EQ(bled.zones.size(), row.zones.size()) << "model " << row.model;
        for (size_t z = 0; z < row.zones.size(); ++z) {
            const PrintZone &before = plain.zones[z], &after = bled.zones[z];
            ASSERT_EQ(after.pieces.size(), size_t(row.zones[z].size())) << "model " << row.model;
            expectRect(after.rect->mm, before.rect->mm, "the trim stays");
            for (size_t p = 0; p < after.pieces.size(); ++p) {
                const std::string what = "model " + std::to_string(row.model) + " zone " +
                                         std::to_string(z + 1) + " piece " + std::to_string(p);
                const QRectF trim = before.pieces[p].rect->mm;
                expectRect(after.pieces[p].rect->mm, grown(trim, row.zones[z][p], kBleed), what);
                expectRect(after.pieces[p].trim()->mm, trim, what + " trim");
            }
        }
    }
}

// Zones closer than twice the bleed share the gap; touching or overlapping ones
// do not bleed towards each other, and keep bleeding on their other sides.
TEST_F(Bleeding, CloseZonesBleedHalfTheGap) {
    const struct {
        int top2;  // the first disc ends at 127
        double bottom1, top2Bleed;
    } table[] = {{147, 3, 3}, {133, 3, 3}, {131, 2, 2}, {128, 0.5, 0.5}, {127, 0, 0}, {120, 0, 0}};
    for (const auto& row : table) {
        moveSecondDisc(row.top2);
        const auto [plain, bled] = plainAndBled(11);
        const QRectF one = bled.zones[0].pieces[0].rect->mm, two = bled.zones[1].pieces[0].rect->mm;
        const QRectF oneTrim = plain.zones[0].rect->mm, twoTrim = plain.zones[1].rect->mm;
        EXPECT_NEAR(one.bottom() - oneTrim.bottom(), row.bottom1, 1e-9) << row.top2;
        EXPECT_NEAR(twoTrim.top() - two.top(), row.top2Bleed, 1e-9) << row.top2;
        EXPECT_NEAR(oneTrim.top() - one.top(), kBleed, 1e-9) << row.top2;
        EXPECT_NEAR(two.bottom() - twoTrim.bottom(), kBleed, 1e-9) << row.top2;
        EXPECT_NEAR(oneTrim.left() - one.left(), kBleed, 1e-9) << row.top2;
    }
}

// What the printer is told keeps bleed and trim apart: the overrun check measures
// the trim, and a correction scales the bleed and moves the marks with the zones.
TEST_F(Bleeding, CalibrationCarriesTheBleedAndMarksAndMeasuresTheTrim) {
    f.session.output.cropMarks = true;
    const auto [plain, bled] = plainAndBled(0);
    const QRectF trim = plain.zones[0].rect->mm;
    EXPECT_TRUE(zonesOutside(bled, QSizeF(trim.right(), trim.bottom())).empty());
    EXPECT_FALSE(zonesOutside(bled, QSizeF(trim.right() - 1, trim.bottom())).empty());

    const PrinterCorrection c{2, -1, 102, 98};
    const PrintValue corrected = correctedPrintValue(bled, c);
    const QRectF zone = corrected.zones[0].rect->mm;
    expectRect(corrected.zones[0].pieces[0].trim()->mm, zone, "the corrected trim");
    EXPECT_NEAR(zone.left() - corrected.zones[0].pieces[0].rect->mm.left(), kBleed * 1.02, 1e-9);
    ASSERT_EQ(corrected.cropMarksMm.size(), bled.cropMarksMm.size());
    const QLineF m = bled.cropMarksMm[0], cm = corrected.cropMarksMm[0];
    EXPECT_NEAR(cm.p1().x(), m.p1().x() * 1.02 + 2, 1e-9);
    EXPECT_NEAR(cm.p1().y(), m.p1().y() * 0.98 - 1, 1e-9);
}

namespace {

struct CropMarks : Bleeding {
    test::RecordingSurface surface;

    std::vector<test::RecordingSurface::Op> printed(int model, bool marks, double bleed) {
        f.refresh(model);
        f.session.output = OutputOptions{};
        f.session.output.cropMarks = marks;
        f.session.output.bleedMm = bleed;
        surface.ops.clear();
        int failures = 0;
        StampaCopertina(printValue(f.session, model), &surface, [&] { ++failures; });
        EXPECT_EQ(failures, 0);
        return surface.all("line");
    }
};

// The corner a mark belongs to, and how far out it starts and ends along its trim line.
struct Placed {
    QPointF corner;
    double from = 0, to = 0;
};

// The mark's nearest corner, when the mark lies along one of its trim lines and
// points away from the zone.
std::optional<Placed> placed(const QLineF& mark, const QRectF& trim) {
    std::optional<Placed> best;
    for (const QPointF c :
         {trim.topLeft(), trim.topRight(), trim.bottomLeft(), trim.bottomRight()}) {
        const bool along = (mark.p1().y() == c.y() && mark.p2().y() == c.y()) ||
                           (mark.p1().x() == c.x() && mark.p2().x() == c.x());
        const double a = QLineF(c, mark.p1()).length(), b = QLineF(c, mark.p2()).length();
        const bool out = !trim.contains((mark.p1() + mark.p2()) / 2);
        if (along && out && (!best || std::min(a, b) < best->from))
            best = Placed{c, std::min(a, b), std::max(a, b)};
    }
    return best;
}

}  // namespace

// Eight marks a zone, two at each corner along the trim lines, from 2 mm beyond
// the bleed on, 0.25 pt wide; none unless switched on. The page draws those it holds.
TEST_F(CropMarks, StandAtEveryTrimCornerOutsideTheBleedOnlyWhenOn) {
    surface.page = QSizeF(297, 297);   // either orientation
    for (int model : {0, 1, 3, 11}) {  // zones far enough apart to keep every mark
        SCOPED_TRACE(model);
        EXPECT_TRUE(printed(model, false, kBleed).empty());
        const PrintValue plain = printValue(f.session, model);
        const auto lines = printed(model, true, kBleed);
        const std::vector<QLineF> marks = printValue(f.session, model).cropMarksMm;
        ASSERT_EQ(marks.size(), 8 * plain.zones.size());
        size_t held = 0;
        for (size_t i = 0; i < marks.size(); ++i) {
            const auto at = placed(marks[i], plain.zones[i / 8].rect->mm);
            ASSERT_TRUE(at) << "mark " << i;
            EXPECT_NEAR(at->from, kBleed + 2, 1e-9);
            EXPECT_NEAR(at->to, kBleed + 7, 1e-9);
            const QRectF ends = QRectF(marks[i].p1(), marks[i].p2()).normalized();
            held +=
                ends.left() >= 0 && ends.top() >= 0 && ends.right() <= 297 && ends.bottom() <= 297;
        }
        EXPECT_EQ(lines.size(), held);
        for (const auto& l : lines) EXPECT_NEAR(l.widthMm, 0.25 * 25.4 / 72, 1e-9);
    }
    EXPECT_EQ(printed(3, true, 0).size(), 16u) << "marks without a bleed";
}

// A mark the page cannot hold whole, or one that would print on another zone's
// picture, is left out.
TEST_F(CropMarks, LeftOutOffThePageAndOnAnotherPicture) {
    // Model 17 starts 1 mm from the left edge: its leftward marks would leave the page.
    surface.page = QSizeF(320, 210);
    const auto lines = printed(17, true, kBleed);
    EXPECT_EQ(lines.size(), 6u);
    for (const auto& l : lines) EXPECT_GE(std::min(l.rect.left(), l.rect.right()), 0);
    surface.page = QSizeF(297, 210);  // now the rightward ones too, from 288 + 5 to 298
    EXPECT_EQ(printed(17, true, kBleed).size(), 4u);

    // The second disc 10 mm below the first: the marks between them fall on the
    // other's bleed, the sideways ones stay.
    surface.page = QSizeF(210, 297);
    moveSecondDisc(137);
    const auto between = printed(11, true, kBleed);

    EXPECT_EQ(between.size(), 12u);
    for (const auto& l : between) {
        const double y1 = l.rect.top(), y2 = l.rect.bottom();
        EXPECT_FALSE(y1 != y2 && std::min(y1, y2) >= 127 && std::max(y1, y2) <= 137) << y1;
    }
}
