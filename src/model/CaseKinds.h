// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <optional>

namespace vsm {

// Where the preview draws the titles of a case kind.
enum class TitleLayout {
    None,
    FullCover,         // back, spine and front in one picture: spine title and cover title
    FullCoverNoSpine,  // the same picture without a spine title
    DiscFaces,         // the cover title on every disc face
    Front,             // a front card: the cover title a fifth of the way down
    Slim,              // the spine title on the spine piece, the cover title on the front piece
};

// A slim cover is cut from a full box picture into a back, a spine and a front
// piece, all in millimetres. Printed, the spine strip lies over the back from
// spineStart, and the front over both from frontOffset; the preview shows the
// back (and front) box-width-minus-previewBackLess wide.
struct SlimCut {
    double frontOffset = 0;
    double spineStart = 0;
    double spineStripLess = 0;  // the printed strip is the box width minus this wide
    int visibleSpine = 0;       // what the case shows of the spine
    int previewBackLess = 0;
};

// What the record at one index of the catalogue is, beyond its sizes: the rules
// that the preview, the titles, the templates and the print take from the index.
struct CaseKind {
    TitleLayout titles = TitleLayout::None;
    std::optional<SlimCut> slim;
    std::array<QString, 3> templates;  // below the program folder, per slot; empty: none
    bool mirrorStrips = false;         // the back card's side strips carry the spine title
    bool thirdZone = false;  // the one record with a zone 3, whose place the catalogue keeps
    int zoneTopGap = 200;    // twips from the sheet's top edge to zone 1 in the preview
};

// The row of record index `model`; an index without a row (a spare record, none
// selected) is a plain case with no rule of its own.
const CaseKind& caseKind(int model);

}  // namespace vsm
