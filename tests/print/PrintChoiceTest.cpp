// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/PrintChoice.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

using namespace vsm;
using Orientation = PrinterSystem::Orientation;

namespace {

struct PrintChoiceTest : ::testing::Test {
    test::FakePlatform fakes;
    test::FakePrinterSystem& printers = fakes.printers;
    PrintDialogState state;

    PrintChoiceTest() {
        printers.installed = {"Office", "Lab", "Plotter"};
        printers.defaultName = QStringLiteral("Office");
        state.firstNotificationSeen = true;  // as after the program's first opening
    }

    PrintChoice make(const char* modelOrientation = "Verticale") {
        return PrintChoice(fakes.services(), state, QString::fromLatin1(modelOrientation));
    }
};

}  // namespace

TEST_F(PrintChoiceTest, TheDefaultIsNamedBeforeTheFirstCommaOfTheTrimmedEntry) {
    const struct {
        const char *entry, *name;
    } cases[] = {{"Office", "Office"},
                 {"Office,winspool,Ne01:", "Office"},
                 {"  Plotter,drv,LPT1:  ", "Plotter"},
                 {" Lab ", "Lab"},
                 {"", ""}};
    for (const auto& c : cases) {
        printers.defaultName = QString::fromLatin1(c.entry);
        EXPECT_EQ(make().defaultPrinter(), c.name) << c.entry;
    }
}

TEST_F(PrintChoiceTest, TheBoxTextChoosesOnAnExactNameOrBlanksAndTheCurrentOneBecomesDefault) {
    const struct {
        const char* text;
        std::optional<QString> shows;
        const char* current;
    } cases[] = {
        {"Plotter", "Plotter", "Plotter"},
        {"plotter", std::nullopt, "Lab"},  // letter case counts here
        {"Nowhere", std::nullopt, "Lab"},
        {"  ", "Office", "Office"},  // blanks choose the first printer
        {"", "Office", "Office"},
    };
    for (const auto& c : cases) {
        PrintChoice choice = make();
        ASSERT_TRUE(choice.choosePrinter(QStringLiteral("Lab")));
        printers.madeDefault.clear();

        const PrintChoice::TextOutcome outcome = choice.printerTextChanged(c.text);
        EXPECT_FALSE(outcome.ignored) << c.text;
        EXPECT_EQ(outcome.shows, c.shows) << c.text;
        EXPECT_EQ(choice.chosenPrinter(), c.current) << c.text;
        EXPECT_EQ(printers.madeDefault, QStringList{c.current}) << c.text;
    }
}

TEST_F(PrintChoiceTest, OnlyTheProgramsVeryFirstBoxNotificationIsIgnored) {
    state.firstNotificationSeen = false;
    PrintChoice choice = make();
    const PrintChoice::TextOutcome first = choice.printerTextChanged(QStringLiteral("Lab"));
    EXPECT_TRUE(first.ignored);
    EXPECT_TRUE(printers.current.isEmpty()) << "an ignored notification chooses nothing";
    EXPECT_TRUE(printers.madeDefault.isEmpty());
    EXPECT_TRUE(state.firstNotificationSeen) << "kept for every later opening";

    EXPECT_FALSE(make().printerTextChanged(QStringLiteral("Lab")).ignored);
    EXPECT_EQ(printers.current, "Lab");
}

TEST_F(PrintChoiceTest, ProbingListsAcceptedCodesBestFirstAndSelectsTheRememberedPosition) {
    const struct {
        QList<int> accepted;
        int before, remembered;
        std::vector<int> listed;
        int selected, qualityAfter;
    } cases[] = {
        {{-4, -3, -2, -1}, -1, 0, {-4, -3, -2, -1}, 0, -4},
        {{-1, -3}, -4, 1, {-3, -1}, 1, -1},
        {{-2, -1}, -1, 3, {-2, -1}, -1, -1},  // a missing position selects nothing
        {{}, -3, 0, {}, -1, -3},
    };
    for (const auto& c : cases) {
        printers.acceptedQualities = c.accepted;
        printers.quality = c.before;
        state.printQualityIndex = std::int16_t(c.remembered);
        PrintChoice choice = make();
        choice.choosePrinter(QStringLiteral("Lab"));
        choice.probeQualities();
        EXPECT_EQ(choice.qualities(), c.listed) << c.remembered;
        EXPECT_EQ(choice.qualityIndex(), c.selected) << c.remembered;
        EXPECT_EQ(printers.quality, c.qualityAfter) << "probing puts the printer's own back";
        EXPECT_EQ(state.printQualityIndex, c.remembered);
    }
    EXPECT_EQ(PrintChoice::qualityTextNumber(-4), 95);
    EXPECT_EQ(PrintChoice::qualityTextNumber(-1), 98);
}

TEST_F(PrintChoiceTest, ChoosingAQualitySetsItAndRemembersItsPositionWithinTheList) {
    PrintChoice choice = make();
    choice.choosePrinter(QStringLiteral("Lab"));
    choice.probeQualities();
    choice.chooseQuality(2);
    EXPECT_EQ(printers.quality, -2);
    EXPECT_EQ(choice.qualityIndex(), 2);
    EXPECT_EQ(state.printQualityIndex, 2);

    for (int outside : {-1, 4}) {
        choice.chooseQuality(outside);
        EXPECT_EQ(printers.quality, -2) << outside;
        EXPECT_EQ(state.printQualityIndex, 2) << outside;
    }
}

TEST_F(PrintChoiceTest, OrientationStartsFromTheModelTogglesAndReachesTheJobOnlyWhenPrinting) {
    const struct {
        const char* model;
        Orientation start, toggled;
    } cases[] = {{"Verticale", Orientation::Portrait, Orientation::Landscape},
                 {"Orizzontale", Orientation::Landscape, Orientation::Portrait},
                 {"verticale", Orientation::Landscape, Orientation::Portrait}};
    for (const auto& c : cases) {
        printers.orientation.reset();
        PrintChoice choice = make(c.model);
        EXPECT_EQ(choice.orientation(), c.start) << c.model;
        choice.toggleOrientation();
        EXPECT_EQ(choice.orientation(), c.toggled) << c.model;
        EXPECT_FALSE(printers.orientation.has_value());
        choice.applyToJob(QStringLiteral("1"));
        EXPECT_EQ(printers.orientation, c.toggled) << c.model;
    }
}

TEST(PrintChoiceCopies, ALeadingNumberCountsWhenItRoundsToAtLeastOneAndFits) {
    const struct {
        const char* text;
        std::optional<int> copies;
    } cases[] = {
        {"1", 1},           {"+4 pages", 4}, {"1e2", 100},
        {"1.5", 2},         {"0.5", {}},      // rounds half to even, to 0
        {"32767.4", 32767}, {"32767.5", {}},  // rounds past the largest count
        {"-0.6", {}},       {"x3", {}},
    };
    for (const auto& c : cases) {
        const std::optional<std::int16_t> copies = PrintChoice::copiesFrom(c.text);
        EXPECT_EQ(copies ? std::optional<int>(*copies) : std::nullopt, c.copies) << c.text;
    }
}

TEST_F(PrintChoiceTest, PrintingLeavesTheJobsCopiesAloneWithoutACount) {
    PrintChoice choice = make();
    choice.applyToJob(QStringLiteral("3"));
    EXPECT_EQ(printers.copies, 3);
    choice.applyToJob(QStringLiteral("none"));
    EXPECT_EQ(printers.copies, 3);
}

TEST_F(PrintChoiceTest, AFailingChoiceIsReportedToTheOwnersPrompts) {
    printers.refused = QStringList{"Lab"};
    PrintChoice choice = make();
    EXPECT_FALSE(choice.choosePrinter(QStringLiteral("lab")));
    ASSERT_EQ(fakes.prompts.shown.size(), 1u);
    EXPECT_EQ(fakes.prompts.shown[0].text,
              "Error 482 (Printer error) in procedura ImpostaStampante di Modulo Stampanti");
}

TEST_F(PrintChoiceTest, APlatformWithoutPrintersOrPromptsChoosesNothingAndStaysQuiet) {
    printers.selectionThrows = QStringLiteral("spooler gone");
    Platform bare;
    PrintChoice choice(bare, state, QStringLiteral("Verticale"));
    EXPECT_TRUE(choice.installedPrinters().isEmpty());
    EXPECT_FALSE(choice.choosePrinter(QStringLiteral("Office")));
    EXPECT_FALSE(choice.printerTextChanged(QString()).shows.has_value());
    EXPECT_TRUE(choice.qualities().empty());
    choice.applyToJob(QStringLiteral("2"));

    Platform noPrompts = fakes.services();
    noPrompts.prompts = nullptr;
    EXPECT_FALSE(PrintChoice(noPrompts, state, QString()).choosePrinter(QStringLiteral("Lab")));
    EXPECT_TRUE(fakes.prompts.shown.empty());
}
