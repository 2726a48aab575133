// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/DiscFaceClip.h"

#include "model/Session.h"

namespace vsm {

namespace {

// The zone's width is the disc's diameter; a zone taller than wide keeps the
// disc at its top, as the cut outline does.
std::optional<DiscMask> maskFor(double widthMm, double heightMm, double holeMm) {
    if (widthMm <= 0 || heightMm <= 0) return std::nullopt;
    return DiscMask{QRectF(0, 0, 1, widthMm / heightMm), holeMm / widthMm};
}

void mask(ZoneControl& zone, double widthMm, double heightMm, double holeMm) {
    if (const auto m = maskFor(widthMm, heightMm, holeMm))
        zone.picture = zone.picture.withDiscMask(m);
}

}  // namespace

void clipDiscFaces(Session& s) {
    const CoverModel* m = s.catalogue.model(s.model.currentModel);
    if (!s.output.clipDiscs || !m || s.model.currentShape != kCircle) return;
    const double hole = s.output.holeMm;
    mask(s.preview.image1, m->zone1Width, m->zone1Height, hole);
    mask(s.preview.image2, m->zone2Width, m->zone2Height, hole);
    mask(s.preview.image3, m->zone2Width, m->zone2Height, hole);
}

}  // namespace vsm
