// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/CaseKinds.h"
#include "model/CoverCatalogue.h"
#include "settings/CatalogueEdit.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

using namespace vsm;
using F = CatalogueEdit::Field;

namespace {

constexpr int kBox = 0, kDisc = 1, kTwoDiscs = 2;

struct CatalogueEditTest : ::testing::Test {
    CoverCatalogue catalogue;
    test::FakeLocale locale;
    CatalogueEdit edit{catalogue, &locale};

    CatalogueEditTest() {
        CoverModel& box = catalogue.models[kBox];
        box.zone1Width = box.zone1Height = 100;
        box.zone2Width = box.zone2Height = 50;
        box.zone2Left = QStringLiteral("10");
        box.zone2Top = QStringLiteral("120");
        CoverModel& disc = catalogue.models[kDisc];
        disc.shape = QStringLiteral(" Cerchio ");
        disc.zone1Width = disc.zone1Height = 118;
        disc.zone2Height = 7;  // no zone 2: its sizes stay as they are
        CoverModel& twoDiscs = catalogue.models[kTwoDiscs];
        twoDiscs.shape = kCircle;
        twoDiscs.zone2Width = twoDiscs.zone2Height = 118;
        twoDiscs.zone2Top = QStringLiteral("130");
    }

    static CatalogueEdit::Texts texts(std::initializer_list<std::pair<int, const char*>> typed) {
        CatalogueEdit::Texts t;
        for (int i : {F::kWidth, F::kHeight, F::kZone2Width, F::kZone2Height}) t[i] = "1";
        for (const auto& [field, text] : typed) t[size_t(field)] = QString::fromLatin1(text);
        return t;
    }
};

}  // namespace

TEST_F(CatalogueEditTest, Zone2TopIsKeptNoHigherThanZone1TopAndNoHigherThan1mm) {
    const struct {
        const char *top1, *top2;
        std::optional<QString> corrected;
    } cases[] = {
        {"12", "5", "12"},   {"0.5", "0.2", "1"}, {"0.5", "-3", "1"}, {"12", "abc", "12"},
        {"10", "10", {}},    {"0", "0", {}},      {"5", "12", {}},    {"12", "12.0", {}},
        {"12x", "3", "12x"},  // the zone-1 text is copied as typed
    };
    for (const auto& c : cases) {
        const auto t = texts({{F::kZone1Top, c.top1}, {F::kZone2Top, c.top2}});
        EXPECT_EQ(edit.leave(F::kZone2Top, t), c.corrected) << c.top1 << " / " << c.top2;
        EXPECT_EQ(edit.leave(F::kZone1Top, t), std::nullopt) << "only leaving the zone-2 top";
    }
}

TEST_F(CatalogueEditTest, TheLastFieldLeftIsRememberedAndStartsAtTheFirst) {
    EXPECT_EQ(edit.lastFieldLeft(), 0);
    for (int field : {F::kZone2Top, F::kWidth, F::kZone1Left}) {
        edit.leave(field, texts({}));
        EXPECT_EQ(edit.lastFieldLeft(), field);
    }
}

TEST_F(CatalogueEditTest, SizesAreReadInTheUsersFormatAndRoundedHalfToEven) {
    const struct {
        QLocale locale;
        const char* typed;
        std::optional<int> stored;
    } cases[] = {
        {QLocale(QLocale::English), "130.5", 130}, {QLocale(QLocale::English), " 131.5 ", 132},
        {QLocale(QLocale::German), "130,5", 130},  {QLocale(QLocale::German), "131,5", 132},
        {QLocale(QLocale::English), "-2.5", -2},   {QLocale(QLocale::German), "130.5", {}},
        {QLocale(QLocale::English), "wide", {}},   {QLocale(QLocale::English), "", {}},
    };
    for (const auto& c : cases) {
        locale.locale = c.locale;
        catalogue.models[kBox].zone1Width = 100;
        edit.select(kBox);
        EXPECT_EQ(edit.store(kBox, texts({{F::kWidth, c.typed}})), c.stored.has_value()) << c.typed;
        EXPECT_EQ(catalogue.models[kBox].zone1Width, c.stored.value_or(100)) << c.typed;
    }
}

TEST_F(CatalogueEditTest, ADiscHasOneDiameterForEveryZoneItHas) {
    const auto typed = texts(
        {{F::kWidth, "40"}, {F::kHeight, "99"}, {F::kZone2Width, "98"}, {F::kZone2Height, "97"}});
    for (int model : {kDisc, kTwoDiscs}) {
        ASSERT_TRUE(edit.select(model));
        EXPECT_TRUE(edit.store(model, typed));
    }
    const CoverModel& disc = catalogue.models[kDisc];
    EXPECT_EQ(disc.zone1Width, 40);
    EXPECT_EQ(disc.zone1Height, 40);
    EXPECT_EQ(disc.zone2Width, 0) << "a disc without zone 2 keeps its zone-2 sizes";
    EXPECT_EQ(disc.zone2Height, 7);
    const CoverModel& two = catalogue.models[kTwoDiscs];
    EXPECT_EQ(std::vector<int>({two.zone1Width, two.zone1Height, two.zone2Width, two.zone2Height}),
              std::vector<int>({40, 40, 40, 40}));
}

TEST_F(CatalogueEditTest, ASizeThatIsNoNumberStopsTheWriteBackAfterThePositions) {
    for (int bad : {F::kWidth, F::kHeight, F::kZone2Width, F::kZone2Height}) {
        catalogue.models[kBox] = CoverModel{};
        catalogue.models[kBox].zone2Width = 50;
        catalogue.models[kBox].zone2Top = QStringLiteral("120");
        edit.select(kBox);
        auto typed = texts({{F::kZone1Left, " 9 "},
                            {F::kWidth, "206"},
                            {F::kHeight, "207"},
                            {F::kZone2Width, "208"},
                            {F::kZone2Height, "209"}});
        typed[size_t(bad)] = QStringLiteral("wide");
        EXPECT_FALSE(edit.store(kBox, typed)) << bad;

        const CoverModel& m = catalogue.models[kBox];
        EXPECT_EQ(m.zone1Left, "9") << "positions come first";
        EXPECT_EQ(m.zone1Width, bad > F::kWidth ? 206 : 0) << bad;
        EXPECT_EQ(m.zone1Height, bad > F::kHeight ? 207 : 0) << bad;
        EXPECT_EQ(m.zone2Width, bad > F::kZone2Width ? 208 : 50) << bad;
        EXPECT_EQ(m.zone2Height, 0) << bad;
    }
}

TEST_F(CatalogueEditTest, Zone2PositionsAreStoredOnlyForAModelThatShowedThem) {
    const auto typed = texts({{F::kZone2Left, " 20 "}, {F::kZone2Top, "150"}});
    ASSERT_TRUE(edit.select(kBox));
    EXPECT_TRUE(edit.zone2PositionsShown());
    edit.store(kBox, typed);
    EXPECT_EQ(catalogue.models[kBox].zone2Left, "20");
    EXPECT_EQ(catalogue.models[kBox].zone2Top, "150");

    ASSERT_TRUE(edit.select(kDisc));
    EXPECT_FALSE(edit.zone2PositionsShown());
    edit.store(kDisc, typed);
    EXPECT_TRUE(catalogue.models[kDisc].zone2Left.isEmpty());
    EXPECT_TRUE(catalogue.models[kDisc].zone2Top.isEmpty());
}

TEST_F(CatalogueEditTest, NoModelOutsideTheTableIsSelectedOrStored) {
    for (int outside : {-1, CoverCatalogue::kCapacity}) {
        EXPECT_EQ(edit.select(outside), nullptr) << outside;
        EXPECT_FALSE(edit.store(outside, texts({}))) << outside;
    }
}

TEST_F(CatalogueEditTest, TheThirdZonesPlaceIsStoredOnlyForTheRecordThatHasOne) {
    int withThirdZone = -1;
    for (int m = 0; m < CoverCatalogue::kCapacity && withThirdZone < 0; ++m)
        if (caseKind(m).thirdZone) withThirdZone = m;
    ASSERT_GE(withThirdZone, 0);
    const auto typed = texts({{F::kZone3Left, " 40 "}, {F::kZone3Top, "90"}});

    EXPECT_TRUE(edit.store(kBox, typed));
    EXPECT_EQ(catalogue.zone3Left, QString()) << "a box has no third zone";

    auto unreadable = typed;
    unreadable[F::kHeight] = "tall";
    EXPECT_FALSE(edit.store(withThirdZone, unreadable));
    EXPECT_EQ(catalogue.zone3Left, QString()) << "a size that is no number stops the write-back";

    EXPECT_TRUE(edit.store(withThirdZone, typed));
    EXPECT_EQ(catalogue.zone3Left, "40");
    EXPECT_EQ(catalogue.zone3Top, "90");
}
