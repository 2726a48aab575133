#include "model/Refresh.h"

#include "model/Session.h"
#include "common/Rounding.h"
#include "model/Templates.h"

namespace vsm {

void applyModelScale(Session& s, int scaleHeight) {
    const CoverModel* m = s.catalogue.model(s.model.currentModel);
    if (!m) return;
    const double k = m->orientation == kPortrait ? 18.5 : 24.5;
    if (const auto scale = toIntegerHalfEven<std::int16_t>(k / s.model.loadScaleHeight * scaleHeight))
        s.model.previewScale = *scale;
    const auto scaled = [&](std::int32_t mm, std::int32_t& out) {
        if (const auto p = checkedProduct<std::int32_t>(s.model.previewScale, mm)) out = *p;
    };
    scaled(m->zone1Width, s.model.scaledZone1Width);
    scaled(m->zone1Height, s.model.scaledZone1Height);
    scaled(m->zone2Width, s.model.scaledZone2Width);
    scaled(m->zone2Height, s.model.scaledZone2Height);
    s.model.currentOrientation = m->orientation;
    s.model.currentShape = m->shape;
    s.model.printerOrientation = m->orientation == kPortrait ? PrinterOrientation::Portrait
                                                              : PrinterOrientation::Landscape;
}

void refreshPreview(Session& s, InnerSize inner) {
    CaricaCopertineSmile(s);
    applyModelScale(s, inner.height);
    // Zones start from their undrawn pictures, so titles of an earlier refresh are
    // gone before they are drawn again; slots 2 and 3 too, or a disc-face title
    // would be drawn over itself at every refresh.
    s.preview.image1.picture = s.pictureSlots.master;
    s.preview.image2.picture = s.pictureSlots[2].picture;
    s.preview.image3.picture = s.pictureSlots[3].picture;
    layOutPreview(s, inner);
    drawTitles(s);
}

}  // namespace vsm
