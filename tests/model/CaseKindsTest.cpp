// SPDX-License-Identifier: GPL-3.0-or-later
// Every rule that depends on the record index reads one table; these rows are the
// published tables of the preview layout, the templates, the titles and the print.
#include "model/CaseKinds.h"

#include <gtest/gtest.h>

using namespace vsm;

namespace {

const char* const kBox = "/Modelli/Box/01 Empty Smile.jpg";
const char* const kBoxSlim = "/Modelli/Box Slim/01 Empty Smile.jpg";
const char* const kBluRay = "/Modelli/Box Blue-Ray/01 Empty Smile.jpg";
const char* const kBluRaySlim7 = "/Modelli/Box Slim Blue-Ray/01 Empty Smile 7 mm.jpg";
const char* const kBluRaySlim9 = "/Modelli/Box Slim Blue-Ray/02 Empty Smile 9 mm.jpg";
const char* const kFront = "/Modelli/CD-DVD Front/01 Empty Smile.jpg";
const char* const kBack = "/Modelli/CD-DVD Back/01 Empty Smile.jpg";
const char* const kFrontInside = "/Modelli/CD-DVD Front and Inside/01 Empty Smile.jpg";
const char* const kDisc = "/Modelli/CD-DVD/01 Empty Smile.jpg";
const char* const kVhs = "/Modelli/VHS/01 Empty Smile.jpg";
const char* const kPsp = "/Modelli/PSP/01 Empty Smile.jpg";
const char* const kNone = "";

using T = TitleLayout;

struct Row {
    TitleLayout titles;
    const char* slot1;
    const char* slot2;
    const char* slot3;
    bool mirror, zone3;
    int topGap;
};

// Per record: title group, templates of slots 1..3, mirror strips, zone 3, zone-1 gap.
const Row kRows[] = {
    /*  0 */ {T::FullCover, kBox, kNone, kNone, false, false, 200},
    /*  1 */ {T::Slim, kBoxSlim, kNone, kNone, false, false, 200},
    /*  2 */ {T::Slim, kBoxSlim, kNone, kNone, false, false, 200},
    /*  3 */ {T::Front, kFront, kBack, kNone, true, false, 200},
    /*  4 */ {T::Front, kFront, kBack, kNone, false, false, 200},
    /*  5 */ {T::FullCoverNoSpine, kFrontInside, kNone, kNone, false, false, 200},
    /*  6 */ {T::Front, kFront, kBack, kNone, true, false, 200},
    /*  7 */ {T::Front, kFront, kBack, kNone, false, false, 200},
    /*  8 */ {T::FullCoverNoSpine, kFrontInside, kNone, kNone, false, false, 100},
    /*  9 */ {T::FullCover, kVhs, kNone, kNone, false, false, 200},
    /* 10 */ {T::DiscFaces, kDisc, kDisc, kDisc, false, false, 200},
    /* 11 */ {T::DiscFaces, kDisc, kDisc, kDisc, false, false, 200},
    /* 12 */ {T::DiscFaces, kDisc, kDisc, kDisc, false, false, 200},
    /* 13 */ {T::DiscFaces, kDisc, kDisc, kDisc, false, false, 200},
    /* 14 */ {T::DiscFaces, kDisc, kDisc, kDisc, false, true, 200},
    /* 15 */ {T::FullCover, kBluRay, kNone, kNone, false, false, 200},
    /* 16 */ {T::FullCover, kBox, kNone, kNone, false, false, 200},
    /* 17 */ {T::FullCover, kBox, kNone, kNone, false, false, 200},
    /* 18 */ {T::FullCover, kPsp, kNone, kNone, false, false, 200},
    /* 19 */ {T::Slim, kBoxSlim, kNone, kNone, false, false, 200},
    /* 20 */ {T::Slim, kBluRaySlim7, kNone, kNone, false, false, 200},
    /* 21 */ {T::Slim, kBluRaySlim9, kNone, kNone, false, false, 200},
};

struct SlimRow {
    int model;
    double front, spineStart, stripLess;
    int visibleSpine, previewBackLess;
};

const SlimRow kSlimRows[] = {{1, 137, 130, 260, 7, 144},
                             {2, 139, 130, 260, 9, 144},
                             {19, 133, 128, 256, 5, 148},
                             {20, 132.5, 125.5, 251, 7, 148},
                             {21, 134.5, 125.5, 251, 9, 148}};

}  // namespace

TEST(CaseKinds, EveryRecordHasItsTitlesTemplatesAndZones) {
    for (int model = 0; model < int(std::size(kRows)); ++model) {
        SCOPED_TRACE(model);
        const Row& row = kRows[model];
        const CaseKind& kind = caseKind(model);
        EXPECT_EQ(kind.titles, row.titles);
        EXPECT_EQ(kind.templates[0], QString(row.slot1));
        EXPECT_EQ(kind.templates[1], QString(row.slot2));
        EXPECT_EQ(kind.templates[2], QString(row.slot3));
        EXPECT_EQ(kind.mirrorStrips, row.mirror);
        EXPECT_EQ(kind.thirdZone, row.zone3);
        EXPECT_EQ(kind.zoneTopGap, row.topGap);
        EXPECT_EQ(kind.slim.has_value(), row.titles == T::Slim);
    }
}

TEST(CaseKinds, SlimCoversAreCutFromTheBoxPicture) {
    for (const SlimRow& row : kSlimRows) {
        SCOPED_TRACE(row.model);
        const auto& cut = caseKind(row.model).slim;
        ASSERT_TRUE(cut.has_value());
        EXPECT_EQ(cut->frontOffset, row.front);
        EXPECT_EQ(cut->spineStart, row.spineStart);
        EXPECT_EQ(cut->spineStripLess, row.stripLess);
        EXPECT_EQ(cut->visibleSpine, row.visibleSpine);
        EXPECT_EQ(cut->previewBackLess, row.previewBackLess);
    }
}

TEST(CaseKinds, IndicesWithoutARowArePlainCases) {
    for (int model : {-1, 22, 30}) {
        const CaseKind& kind = caseKind(model);
        EXPECT_EQ(kind.titles, T::None) << model;
        EXPECT_FALSE(kind.slim || kind.mirrorStrips || kind.thirdZone) << model;
        EXPECT_TRUE(kind.templates[0].isEmpty()) << model;
    }
}
