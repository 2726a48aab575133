// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Units.h"
#include "model/ComposedPicture.h"

#include <QLineF>
#include <QMarginsF>
#include <QString>
#include <optional>
#include <vector>

namespace vsm {

// How a zone's cut outline is drawn: a circle takes the zone's width as diameter.
enum class OutlineShape { None, Rectangle, Circle };

// A picture stretched into a rectangle of the page. Without a rectangle its size or
// place could not be worked out, and printing it fails.
struct PrintPiece {
    ComposedPicture picture;
    std::optional<MmRect> rect;
    // How far rect reaches past the trim line on each side: the bleed.
    QMarginsF bleedMm;

    std::optional<MmRect> trim() const {
        if (!rect) return rect;
        return MmRect{rect->mm.marginsRemoved(bleedMm)};
    }
};

// One zone of the cover: its picture, or a slim cover's back, spine and front
// pieces, and the whole zone that its outline follows.
struct PrintZone {
    std::vector<PrintPiece> pieces;
    std::optional<MmRect> rect;
    OutlineShape outline = OutlineShape::None;
    // A circle outline's height over its width: 1, unless a printer's correction
    // scales the two directions differently and so draws it as an ellipse.
    double circleStretch = 1;
};

// Everything a cover print draws, in millimetres from the printable area's
// top-left corner. A plain value: what prints it needs nothing else.
struct PrintValue {
    bool modelFound = false;       // false: there is no such record and every step fails
    bool zone1PlaceRead = true;    // false: zone 1's position texts held no usable number
    std::vector<PrintZone> zones;  // zone 1 first
    QString creditLine;
    bool creditLineShown = false;
    // Lines at the zones' trim corners, in millimetres; each is drawn only where
    // the page holds it whole.
    std::vector<QLineF> cropMarksMm;
};

}  // namespace vsm
