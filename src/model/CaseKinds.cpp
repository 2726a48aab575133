// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/CaseKinds.h"

#include "model/CoverCatalogue.h"

namespace vsm {

namespace {

const QString kBox = QStringLiteral("/Modelli/Box/01 Empty Smile.jpg");
const QString kBoxSlim = QStringLiteral("/Modelli/Box Slim/01 Empty Smile.jpg");
const QString kBluRay = QStringLiteral("/Modelli/Box Blue-Ray/01 Empty Smile.jpg");
const QString kBluRaySlim7 = QStringLiteral("/Modelli/Box Slim Blue-Ray/01 Empty Smile 7 mm.jpg");
const QString kBluRaySlim9 = QStringLiteral("/Modelli/Box Slim Blue-Ray/02 Empty Smile 9 mm.jpg");
const QString kFront = QStringLiteral("/Modelli/CD-DVD Front/01 Empty Smile.jpg");
const QString kBack = QStringLiteral("/Modelli/CD-DVD Back/01 Empty Smile.jpg");
const QString kFrontInside = QStringLiteral("/Modelli/CD-DVD Front and Inside/01 Empty Smile.jpg");
const QString kDisc = QStringLiteral("/Modelli/CD-DVD/01 Empty Smile.jpg");
const QString kVhs = QStringLiteral("/Modelli/VHS/01 Empty Smile.jpg");
const QString kPsp = QStringLiteral("/Modelli/PSP/01 Empty Smile.jpg");

using T = TitleLayout;

CaseKind plain(TitleLayout titles, std::array<QString, 3> templates) {
    return CaseKind{titles, std::nullopt, std::move(templates), false, false, 200};
}

CaseKind slim(SlimCut cut, const QString& box) {
    return CaseKind{T::Slim, cut, {box, {}, {}}, false, false, 200};
}

CaseKind withMirrorStrips(CaseKind kind) {
    kind.mirrorStrips = true;
    return kind;
}

CaseKind withThirdZone(CaseKind kind) {
    kind.thirdZone = true;
    return kind;
}

CaseKind withZoneTopGap(CaseKind kind, int twips) {
    kind.zoneTopGap = twips;
    return kind;
}

using Table = std::array<CaseKind, CoverCatalogue::kModelRecords>;

Table makeTable() {
    return {{
        /*  0 */ plain(T::FullCover, {kBox, {}, {}}),
        /*  1 */ slim({137, 130, 260, 7, 144}, kBoxSlim),
        /*  2 */ slim({139, 130, 260, 9, 144}, kBoxSlim),
        /*  3 */ withMirrorStrips(plain(T::Front, {kFront, kBack, {}})),
        /*  4 */ plain(T::Front, {kFront, kBack, {}}),
        /*  5 */ plain(T::FullCoverNoSpine, {kFrontInside, {}, {}}),
        /*  6 */ withMirrorStrips(plain(T::Front, {kFront, kBack, {}})),
        /*  7 */ plain(T::Front, {kFront, kBack, {}}),
        /*  8 */ withZoneTopGap(plain(T::FullCoverNoSpine, {kFrontInside, {}, {}}), 100),
        /*  9 */ plain(T::FullCover, {kVhs, {}, {}}),
        /* 10 */ plain(T::DiscFaces, {kDisc, kDisc, kDisc}),
        /* 11 */ plain(T::DiscFaces, {kDisc, kDisc, kDisc}),
        /* 12 */ plain(T::DiscFaces, {kDisc, kDisc, kDisc}),
        /* 13 */ plain(T::DiscFaces, {kDisc, kDisc, kDisc}),
        /* 14 */ withThirdZone(plain(T::DiscFaces, {kDisc, kDisc, kDisc})),
        /* 15 */ plain(T::FullCover, {kBluRay, {}, {}}),
        /* 16 */ plain(T::FullCover, {kBox, {}, {}}),
        /* 17 */ plain(T::FullCover, {kBox, {}, {}}),
        /* 18 */ plain(T::FullCover, {kPsp, {}, {}}),
        /* 19 */ slim({133, 128, 256, 5, 148}, kBoxSlim),
        /* 20 */ slim({132.5, 125.5, 251, 7, 148}, kBluRaySlim7),
        /* 21 */ slim({134.5, 125.5, 251, 9, 148}, kBluRaySlim9),
    }};
}

}  // namespace

const CaseKind& caseKind(int model) {
    static const Table table = makeTable();
    static const CaseKind none;
    return model >= 0 && model < int(table.size()) ? table[size_t(model)] : none;
}

}  // namespace vsm
