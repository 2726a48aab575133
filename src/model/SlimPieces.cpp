// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/SlimPieces.h"

#include "model/Session.h"
#include "common/Rounding.h"

#include <functional>

namespace vsm {

namespace {

// Cuts one piece of zone 1's picture; the piece keeps its old picture when the
// cut fails.
void cutPiece(Session& s, ZoneControl& zone, const std::function<QRect(int, int)>& part) {
    ImagingEngine& e = s.cutEngine;
    if (!e.loadPicture(s.preview.image1.picture)) return;
    const QRect r = part(e.width(), e.height());
    if (e.crop(r.x(), r.y(), r.width(), r.height())) zone.picture = e.getPicture();
}

}  // namespace

void cutSlimPieces(Session& s) {
    const CoverModel* box = s.catalogue.model(0);
    const double b = box ? box->zone1Width : 0;
    if (b == 0) return;  // no reference box to measure the pieces with
    const auto pixels = [b](int w, double mm) {
        return toIntegerHalfEven<int>(w / b * mm).value_or(0);
    };
    cutPiece(s, s.preview.image4,
             [&](int w, int h) { return QRect(0, 0, pixels(w, kSlimPieceMm), h); });
    cutPiece(s, s.preview.image6, [&](int w, int h) {
        const int u = pixels(w, kSlimSpineMm);
        return QRect(toIntegerHalfEven<int>((w - u) / 2.0).value_or(0), 0, u, h);
    });
    cutPiece(s, s.preview.image7, [&](int w, int h) {
        const int t = pixels(w, kSlimPieceMm);
        return QRect(w - t, 0, t, h);
    });
}

}  // namespace vsm
