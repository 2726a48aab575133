// SPDX-License-Identifier: GPL-3.0-or-later
// The calibration dialog's rules without its window: the figures read in the
// user's number format, the correction they give, where it is kept, and the page.
#include "print/CalibrationEdit.h"
#include "settings/UiText.h"
#include "support/FakePlatform.h"
#include "support/FakePrinterSystem.h"
#include "support/RecordingSurface.h"
#include "support/TempAppFolder.h"

#include <gtest/gtest.h>

using namespace vsm;

namespace {

struct Calibration {
    test::TempAppFolder dir;
    test::FakePrinterSystem printers;
    test::FakeLocale locale;
    CalibrationEdit edit{&printers, &locale, dir.folder().dataFilesFolder()};

    Calibration() {
        printers.installed = {"Office", "Lab"};
        printers.current = "Office";
    }
    QString file() const { return PrinterCalibrations::fileIn(dir.folder().dataFilesFolder()); }
    std::optional<PrinterCorrection> storedFor(const QString& queue) const {
        return PrinterCalibrations::read(file(), nullptr).find(queue);
    }
};

}  // namespace

// The fields start at what a perfect printer measures, in the user's format, and
// those figures store the correction that changes nothing.
TEST(CalibrationEdit, StartsAtThePagesOwnFiguresWhichChangeNothing) {
    Calibration c;
    c.locale.locale = QLocale(QLocale::German, QLocale::Germany);
    CalibrationEdit::Texts texts;
    for (int i = 0; i < CalibrationEdit::kFields; ++i)
        texts[i] = c.edit.startText(CalibrationEdit::Field(i));
    EXPECT_EQ(texts[CalibrationEdit::Cross2Top], "230");
    const CalibrationEdit::Outcome outcome = c.edit.accept(texts);
    EXPECT_TRUE(outcome.accepted) << outcome.problem.toStdString();
    EXPECT_EQ(c.storedFor("Office"), PrinterCorrection{});
}

// Accepted figures give the correction for the current printer only; refused ones
// name the reason and leave the file as it was.
TEST(CalibrationEdit, StoresAcceptedFiguresAndRefusesTheRest) {
    struct Case {
        const char* name;
        QLocale locale;
        CalibrationEdit::Texts texts;  // cross 1 left, top, cross 2 left, top, rulers X, Y
        std::optional<PrinterCorrection> stored;
        const char* problemHas;
    } cases[] = {
        {"moved right and down", QLocale(QLocale::English), {"31", "32", "151", "232", "100", "100"},
         PrinterCorrection{-1, -2, 100, 100}, ""},
        {"decimal comma", QLocale(QLocale::German), {"30,5", "30", "150,5", "230", "100", "100"},
         PrinterCorrection{-0.5, 0, 100, 100}, ""},
        {"stretched", QLocale(QLocale::English), {"30.6", "30", "153", "230", "102", "100"},
         PrinterCorrection{0, 0, 100 / 1.02, 100}, ""},
        {"not a number", QLocale(QLocale::English), {"31", "abc", "151", "232", "100", "100"},
         std::nullopt, "abc"},
        {"blank", QLocale(QLocale::English), {"31", "32", "", "232", "100", "100"},
         std::nullopt, "not a number"},
        {"ruler too short", QLocale(QLocale::English), {"30", "30", "150", "230", "80", "100"},
         std::nullopt, "scale"},
        {"far off", QLocale(QLocale::English), {"80", "30", "200", "230", "100", "100"},
         std::nullopt, "offset"},
        {"no length", QLocale(QLocale::English), {"30", "30", "150", "230", "0", "100"},
         std::nullopt, "ruler"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Calibration c;
        c.locale.locale = k.locale;
        PrinterCalibrations others;
        others.set("Lab", PrinterCorrection{1, 1, 100, 100});
        ASSERT_TRUE(others.write(c.file()));
        const CalibrationEdit::Outcome outcome = c.edit.accept(k.texts);
        EXPECT_EQ(outcome.accepted, k.stored.has_value());
        EXPECT_TRUE(outcome.problem.contains(QLatin1String(k.problemHas))) << outcome.problem.toStdString();
        const std::optional<PrinterCorrection> stored = c.storedFor("Office");
        ASSERT_EQ(stored.has_value(), k.stored.has_value());
        if (stored) {
            EXPECT_NEAR(stored->offsetXMm, k.stored->offsetXMm, 0.006);
            EXPECT_NEAR(stored->offsetYMm, k.stored->offsetYMm, 0.006);
            EXPECT_NEAR(stored->scaleXPercent, k.stored->scaleXPercent, 0.006);
            EXPECT_NEAR(stored->scaleYPercent, k.stored->scaleYPercent, 0.006);
        }
        EXPECT_EQ(c.storedFor("Lab"), (PrinterCorrection{1, 1, 100, 100}));
    }
}

// The crosses are measured from the paper's edges, so the printer's margins are
// not a misplacement.
TEST(CalibrationEdit, MeasuresFromThePaperEdgesAcrossTheMargins) {
    struct MarginPrinter : test::FakePrinterSystem {
        std::optional<QRectF> printableArea() override { return QRectF(4, 6, 200, 280); }
    } printers;
    printers.installed = {"Office"};
    printers.current = "Office";
    test::TempAppFolder dir;
    CalibrationEdit edit(&printers, nullptr, dir.folder().dataFilesFolder());
    EXPECT_TRUE(edit.accept({"30", "30", "150", "230", "100", "100"}).accepted);
    EXPECT_EQ(edit.stored(), PrinterCorrection{});
}

// Reset removes the current printer's correction and keeps the others'.
TEST(CalibrationEdit, ResetRemovesOnlyThatPrinter) {
    Calibration c;
    PrinterCalibrations store;
    store.set("Office", PrinterCorrection{2, 2, 100, 100});
    store.set("Lab", PrinterCorrection{1, 1, 100, 100});
    ASSERT_TRUE(store.write(c.file()));
    EXPECT_TRUE(c.edit.stored().has_value());
    EXPECT_EQ(c.edit.reset(), QString());
    EXPECT_FALSE(c.storedFor("Office").has_value());
    EXPECT_FALSE(c.edit.stored().has_value());
    EXPECT_TRUE(c.storedFor("Lab").has_value());
}

// Without a printer there is nothing to calibrate: nothing is written or printed.
TEST(CalibrationEdit, WithoutAPrinterNothingIsStoredOrPrinted) {
    Calibration c;
    c.printers.current.clear();
    c.printers.givesSurface = true;
    EXPECT_EQ(c.edit.queue(), QString());
    EXPECT_FALSE(c.edit.accept({"30", "30", "150", "230", "100", "100"}).accepted);
    EXPECT_FALSE(QFile::exists(c.file()));
    EXPECT_EQ(c.edit.printPage(UiText()), CalibrationPageResult::NoPage);
    EXPECT_EQ(c.printers.jobs, 0);
    CalibrationEdit none(nullptr, nullptr, c.dir.folder().dataFilesFolder());
    EXPECT_FALSE(none.accept({"30", "30", "150", "230", "100", "100"}).accepted);
}

// The page goes to the current printer, portrait, one copy, uncorrected by its
// stored correction, drawn as the calibration page is drawn.
TEST(CalibrationEdit, PrintsTheUncorrectedPageOnThePrinter) {
    Calibration c;
    c.printers.givesSurface = true;
    PrinterCalibrations store;
    store.set("Office", PrinterCorrection{5, 5, 101, 101});
    ASSERT_TRUE(store.write(c.file()));
    UiText texts;
    EXPECT_EQ(c.edit.printPage(texts), CalibrationPageResult::Printed);
    EXPECT_EQ(c.printers.jobs, 1);
    EXPECT_EQ(c.printers.orientation, PrinterSystem::Orientation::Portrait);
    EXPECT_EQ(c.printers.copies, 1);
    test::RecordingSurface expected;
    ASSERT_TRUE(drawCalibrationPage(expected, {}, texts));
    ASSERT_EQ(c.printers.surface.ops.size(), expected.ops.size());
    for (size_t i = 0; i < expected.ops.size(); ++i) {
        EXPECT_EQ(c.printers.surface.ops[i].kind, expected.ops[i].kind);
        EXPECT_EQ(c.printers.surface.ops[i].rect, expected.ops[i].rect);
    }
    c.printers.givesSurface = false;
    EXPECT_EQ(c.edit.printPage(texts), CalibrationPageResult::NoPage);
}
