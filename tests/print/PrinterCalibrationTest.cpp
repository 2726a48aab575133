// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/PrinterCalibration.h"
#include "print/StampaCopertina.h"

#include "settings/UiText.h"
#include "support/FakePrinterSystem.h"
#include "support/MainWindow.h"
#include "support/Pictures.h"
#include "support/RecordingSurface.h"

#include <gtest/gtest.h>
#include <QFile>

using namespace vsm;

namespace {

// A printer that misplaces by error and stretches by stretch about its printable
// corner: where a point drawn at p lands on the paper.
QPointF printed(QPointF p, QPointF origin, QPointF error, QPointF stretch) {
    return origin + error + QPointF(p.x() * stretch.x(), p.y() * stretch.y());
}

PrintValue twoZones() {
    PrintValue v;
    v.modelFound = true;
    PrintZone cover;
    cover.rect = MmRect::of(10, 20, 100, 50);
    cover.pieces.push_back({ComposedPicture(test::solidPicture(40, 20, Qt::red)), MmRect::of(10, 20, 60, 50)});
    cover.outline = OutlineShape::Rectangle;
    PrintZone disc;
    disc.rect = MmRect::of(120, 30, 40, 40);
    disc.outline = OutlineShape::Circle;
    v.zones = {cover, disc};
    return v;
}

}  // namespace

// Each row is a printer's error as measured on the calibration page; the
// correction must put the page back where it was drawn, or be refused.
TEST(PrinterCalibration, MeasurementsGiveTheCorrectionThatUndoesThePrinter) {
    const CalibrationLayout layout;
    const struct {
        const char* name;
        QPointF origin, error, stretch;
        std::optional<PrinterCorrection> expected;  // empty: refused
        const char* problem;
    } cases[] = {
        {"true printer", {4, 4}, {0, 0}, {1, 1}, PrinterCorrection{0, 0, 100, 100}, ""},
        {"shifted right and down", {4, 4}, {1.5, 2}, {1, 1}, PrinterCorrection{-1.5, -2, 100, 100}, ""},
        {"shifted left and up, no margins", {0, 0}, {-3, -0.5}, {1, 1}, PrinterCorrection{3, 0.5, 100, 100}, ""},
        {"stretched across, shrunk down", {4, 4}, {0, 0}, {1.01, 0.99}, PrinterCorrection{0, 0, 99.01, 101.01}, ""},
        {"both", {6.35, 4.23}, {2, -1}, {1.02, 1}, PrinterCorrection{-1.96, 1, 98.04, 100}, ""},
        {"offset beyond 20 mm", {4, 4}, {25, 0}, {1, 1}, std::nullopt, "X offset"},
        {"scale below 95 %", {4, 4}, {0, 0}, {1, 1.10}, std::nullopt, "Y scale"},
        {"scale above 105 %", {4, 4}, {0, 0}, {0.90, 1}, std::nullopt, "X scale"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CalibrationMeasurement m;
        m.cross1 = printed(layout.cross1 - c.origin, c.origin, c.error, c.stretch);
        m.cross2 = printed(layout.cross2 - c.origin, c.origin, c.error, c.stretch);
        m.rulerXMm = 100 * c.stretch.x();
        m.rulerYMm = 100 * c.stretch.y();
        const CorrectionResult r = correctionFromMeasurement(m, c.origin, layout);
        if (!c.expected) {
            EXPECT_FALSE(r.correction);
            EXPECT_TRUE(r.problem.contains(c.problem)) << r.problem.toStdString();
            continue;
        }
        ASSERT_TRUE(r.correction) << r.problem.toStdString();
        EXPECT_NEAR(r.correction->offsetXMm, c.expected->offsetXMm, 0.005);
        EXPECT_NEAR(r.correction->offsetYMm, c.expected->offsetYMm, 0.005);
        EXPECT_NEAR(r.correction->scaleXPercent, c.expected->scaleXPercent, 0.005);
        EXPECT_NEAR(r.correction->scaleYPercent, c.expected->scaleYPercent, 0.005);
        // A zone corrected and then printed lands where it was drawn.
        const PrintValue v = correctedPrintValue(twoZones(), *r.correction);
        const QRectF drawn = twoZones().zones[0].rect->mm, corrected = v.zones[0].rect->mm;
        const QPointF landed = printed(corrected.topLeft(), c.origin, c.error, c.stretch) - c.origin;
        EXPECT_NEAR(landed.x(), drawn.x(), 0.02);
        EXPECT_NEAR(landed.y(), drawn.y(), 0.02);
        EXPECT_NEAR(corrected.width() * c.stretch.x(), drawn.width(), 0.02);
    }
    CalibrationMeasurement noRuler;
    noRuler.rulerXMm = 0;
    EXPECT_TRUE(correctionFromMeasurement(noRuler, {}).problem.contains("positive"));
}

TEST(PrinterCalibration, PrintersIniRoundTripsAndResets) {
    test::TempAppFolder dir;
    const QString path = PrinterCalibrations::fileIn(dir.path("/Files"));
    QStringList warnings;
    EXPECT_FALSE(PrinterCalibrations::read(path, &warnings).find("Office"));  // no file yet
    EXPECT_TRUE(warnings.isEmpty());

    PrinterCalibrations store;
    EXPECT_TRUE(store.set("Office", {1.25, -0.5, 99.5, 100.75}));
    EXPECT_TRUE(store.set("Vessomar-PDF", {0, 2, 100, 100}));
    EXPECT_FALSE(store.set("Office", {21, 0, 100, 100})) << "out of range is refused";
    ASSERT_TRUE(store.write(path));
    const QByteArray text = dir.read("/Files/Printers.ini");
    EXPECT_TRUE(text.contains("[Office]\r\nOffsetX=1.25\r\nOffsetY=-0.5\r\nScaleX=99.5\r\nScaleY=100.75"))
        << text.constData();

    const PrinterCalibrations back = PrinterCalibrations::read(path, &warnings);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
    EXPECT_EQ(back.find("Office"), PrinterCorrection({1.25, -0.5, 99.5, 100.75}));
    EXPECT_EQ(back.find("Vessomar-PDF"), PrinterCorrection({0, 2, 100, 100}));
    EXPECT_EQ(back.forQueue("Other"), PrinterCorrection{});

    PrinterCalibrations reset = back;
    reset.reset("Office");
    ASSERT_TRUE(reset.write(path));
    EXPECT_FALSE(dir.read("/Files/Printers.ini").contains("Office"));
    EXPECT_FALSE(PrinterCalibrations::read(path, nullptr).find("Office"));
    EXPECT_TRUE(PrinterCalibrations::read(path, nullptr).find("Vessomar-PDF"));
}

// A user's edits that make no sense are skipped one by one, each with a warning
// naming the line; the good values around them still count.
TEST(PrinterCalibration, HandEditedBadValuesAreIgnoredWithAWarning) {
    test::TempAppFolder dir;
    dir.write("/Files/Printers.ini",
              "; edited by hand\n"
              "OffsetX=1\n"
              "[Office]\n"
              "OffsetX=1,5\n"
              "OffsetY=-2\n"
              "ScaleX=120\n"
              "ScaleY=101\n"
              "Colour=blue\n"
              "garbage\n"
              "[Empty]\n");
    QStringList warnings;
    const PrinterCalibrations store =
        PrinterCalibrations::read(PrinterCalibrations::fileIn(dir.path("/Files")), &warnings);
    EXPECT_EQ(store.find("Office"), PrinterCorrection({0, -2, 100, 101}));
    EXPECT_EQ(store.find("Empty"), PrinterCorrection{});
    ASSERT_EQ(warnings.size(), 5) << warnings.join('\n').toStdString();
    EXPECT_TRUE(warnings[0].contains(":2:"));
    EXPECT_TRUE(warnings[1].contains(":4:") && warnings[1].contains("\"1,5\""));
    EXPECT_TRUE(warnings[2].contains(":6:") && warnings[2].contains("X scale"));
    EXPECT_TRUE(warnings[3].contains("Colour"));
    EXPECT_TRUE(warnings[4].contains("garbage"));
}

TEST(PrinterCalibration, CorrectionScalesAboutTheCornerThenMoves) {
    const PrintValue v = twoZones();
    EXPECT_EQ(correctedPrintValue(v, {}).zones[0].rect, v.zones[0].rect);
    const PrintValue c = correctedPrintValue(v, {1, -2, 102, 98});
    EXPECT_EQ(c.zones[0].rect->mm, QRectF(10 * 1.02 + 1, 20 * 0.98 - 2, 102, 49));
    EXPECT_EQ(c.zones[0].pieces[0].rect->mm, QRectF(10 * 1.02 + 1, 20 * 0.98 - 2, 60 * 1.02, 49));
    EXPECT_EQ(c.zones[1].rect->mm, QRectF(120 * 1.02 + 1, 30 * 0.98 - 2, 40 * 1.02, 40 * 0.98));
    // The pictures go as they are; only where they are stretched to changes.
    EXPECT_EQ(c.zones[0].pieces[0].picture.source().cacheKey(),
              v.zones[0].pieces[0].picture.source().cacheKey());
    EXPECT_EQ(c.zones[1].outline, OutlineShape::Circle);

    // Scaled more across than down, a disc's cut line is stretched with its picture.
    const auto outlines = [](const PrintValue& value) {
        test::RecordingSurface surface;
        StampaCopertina(value, &surface, [] {});
        std::vector<test::RecordingSurface::Op> found;
        for (const auto& op : surface.ops)
            if (op.kind == "circle" || op.kind == "ellipse") found.push_back(op);
        return found;
    };
    const auto plain = outlines(v), stretched = outlines(c);
    ASSERT_EQ(plain.size(), 1u);
    ASSERT_EQ(stretched.size(), 1u);
    EXPECT_EQ(plain[0].kind, "circle");
    EXPECT_EQ(stretched[0].kind, "ellipse");
    EXPECT_EQ(stretched[0].rect, QRectF(120 * 1.02 + 1, 30 * 0.98 - 2, 40 * 1.02, 40 * 0.98));
}

TEST(PrinterCalibration, ZonesOutsideThePrintableAreaAreListedWithTheirOverrun) {
    PrintValue v = twoZones();
    const QSizeF area(200, 287);
    EXPECT_TRUE(zonesOutside(v, area).empty());
    // The disc zone moved 3 mm past the right edge; a cover piece 3 mm above the top.
    v.zones[1].rect = MmRect::of(163, 30, 40, 40);
    v.zones[0].pieces[0].rect = MmRect::of(10, -3, 60, 50);
    const auto outside = zonesOutside(v, area);
    ASSERT_EQ(outside.size(), 2u);
    EXPECT_EQ(outside[0].zone, 1);
    EXPECT_NEAR(outside[0].mm, 3, 1e-9);
    EXPECT_EQ(outside[1].zone, 2);
    EXPECT_NEAR(outside[1].mm, 3, 1e-9);
    UiText texts;
    texts.set(116, "Outside:");
    texts.set(117, "Zone %1: %2 mm outside");
    texts.set(118, "Print anyway?");
    EXPECT_EQ(overrunWarning(outside, texts),
              "Outside:\nZone 1: 3.0 mm outside\nZone 2: 3.0 mm outside\n\nPrint anyway?");
}

namespace {

struct AreaPrinters : test::FakePrinterSystem {
    std::optional<QRectF> area;
    std::optional<QRectF> printableArea() override { return area; }
};

}  // namespace

// The window's print command applies the chosen printer's correction, and asks
// before printing a cover that leaves the printable area.
TEST(PrinterCalibration, TheWindowPrintsCorrectedPerPrinterAndAsksAboutTheArea) {
    AreaPrinters printers;
    printers.installed = {"Office", "Plain"};
    printers.givesSurface = true;
    test::MainWindow::Start start;
    start.platform = [&](Platform& p) { p.printers = &printers; };
    test::MainWindow w(start);
    Form1& form = w.form;
    form.session().outlineOn = true;
    form.selectModel(3);
    PrinterCalibrations store;
    store.set("Office", {2, -1, 101, 99});
    ASSERT_TRUE(store.write(PrinterCalibrations::fileIn(form.session().folder.dataFilesFolder())));

    const auto boxesOn = [&](const QString& queue) {
        printers.setCurrentPrinter(queue);
        printers.surface = {};
        form.StampaCopertina();
        return printers.surface.all("box");
    };
    const auto plain = boxesOn("Plain");
    const auto office = boxesOn("Office");
    ASSERT_FALSE(plain.empty());
    ASSERT_EQ(office.size(), plain.size());
    for (size_t i = 0; i < plain.size(); ++i) {
        const QRectF p = plain[i].rect, o = office[i].rect;
        EXPECT_NEAR(o.x(), p.x() * 1.01 + 2, 1e-9);
        EXPECT_NEAR(o.y(), p.y() * 0.99 - 1, 1e-9);
        EXPECT_NEAR(o.width(), p.width() * 1.01, 1e-9);
        EXPECT_NEAR(o.height(), p.height() * 0.99, 1e-9);
    }
    EXPECT_TRUE(w.fakes.questions.asked.empty());

    // A printable area 3 mm narrower than the cover needs: the user is asked.
    printers.area = QRectF(5, 5, plain.front().rect.right() - 3, 280);
    w.fakes.questions.answerYes = false;
    EXPECT_TRUE(boxesOn("Plain").empty()) << "cancelled";
    ASSERT_EQ(w.fakes.questions.asked.size(), 1u);
    EXPECT_TRUE(w.fakes.questions.asked[0].second.contains("3.0 mm"))
        << w.fakes.questions.asked[0].second.toStdString();
    w.fakes.questions.answerYes = true;
    EXPECT_EQ(boxesOn("Plain").size(), plain.size()) << "printed anyway";
    EXPECT_TRUE(w.fakes.prompts.shown.empty());
}
