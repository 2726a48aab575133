// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ModelScale.h"

#include "model/Session.h"
#include "common/Rounding.h"

#include <optional>

namespace vsm {

namespace {

// Preview twips per millimetre while the window keeps its created height.
double loadHeightScale(const CoverModel& m) {
    return m.orientation == kPortrait ? 18.5 : 24.5;
}

void applyScale(Session& s, const CoverModel& m, std::optional<std::int16_t> scale) {
    if (scale) s.model.previewScale = *scale;
    const auto scaled = [&](std::int32_t mm, std::int32_t& out) {
        if (const auto p = checkedProduct<std::int32_t>(s.model.previewScale, mm)) out = *p;
    };
    scaled(m.zone1Width, s.model.scaledZone1Width);
    scaled(m.zone1Height, s.model.scaledZone1Height);
    scaled(m.zone2Width, s.model.scaledZone2Width);
    scaled(m.zone2Height, s.model.scaledZone2Height);
    s.model.currentOrientation = m.orientation;
    s.model.currentShape = m.shape;
    s.model.printerOrientation =
        m.orientation == kPortrait ? PrinterOrientation::Portrait : PrinterOrientation::Landscape;
}

}  // namespace

void applyModelScale(Session& s, int scaleHeight) {
    const CoverModel* m = s.catalogue.model(s.model.currentModel);
    if (!m) return;
    applyScale(s, *m,
               toIntegerHalfEven<std::int16_t>(loadHeightScale(*m) / s.model.loadScaleHeight *
                                               scaleHeight));
}

// k / h * h gives k back exactly for both scales, so this is the window's scale at
// its created height.
void applyModelScaleAtLoadHeight(Session& s) {
    const CoverModel* m = s.catalogue.model(s.model.currentModel);
    if (!m) return;
    applyScale(s, *m, toIntegerHalfEven<std::int16_t>(loadHeightScale(*m)));
}

}  // namespace vsm
