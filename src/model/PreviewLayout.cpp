// SPDX-License-Identifier: GPL-3.0-or-later
// The preview: an A4 sheet drawn to scale in the middle of the window, the model's
// zones on it with their outlines, and for the slim models the back, spine and
// front pieces side by side with a narrower spine.
#include "model/PreviewLayout.h"

#include "model/Session.h"
#include "common/Rounding.h"
#include "model/CaseKinds.h"

namespace vsm {

namespace {

QColor outlineColour(const Session& s) { return s.outlineOn ? kDarkOutline : kLightOutline; }

void hideAll(PreviewControls& p) {
    for (OutlineControl* o : {&p.shape1, &p.shape2, &p.shape3}) o->visible = false;
    for (ZoneControl* z : {&p.image1, &p.image2, &p.image3, &p.image4, &p.image6, &p.image7})
        z->visible = false;
    p.label3Visible = false;
}

void setOutlineForms(Session& s) {
    const auto form = s.model.currentShape == kCircle ? OutlineControl::Form::Circle
                                                      : OutlineControl::Form::Rectangle;
    for (OutlineControl* o : {&s.preview.shape1, &s.preview.shape2, &s.preview.shape3})
        o->form = form;
}

// The sheet's size; a product beyond 16 bits keeps the previous size.
void sizeSheet(Session& s) {
    const bool landscape = s.model.currentOrientation == kLandscape;
    const auto w = checkedProduct<std::int16_t>(s.model.previewScale, landscape ? 297 : 210);
    const auto h = checkedProduct<std::int16_t>(s.model.previewScale, landscape ? 210 : 297);
    if (w) s.preview.label3.twips.setWidth(*w);
    if (h) s.preview.label3.twips.setHeight(*h);
}

void placeSheet(PreviewControls& p, InnerSize inner, double y0) {
    p.label3.twips.moveTopLeft(QPointF((inner.width - p.label3.twips.width()) / 2.0, y0));
    p.label3Visible = true;
    p.bordo.twips = QRectF(p.label3.twips.topLeft(), p.label3.twips.size() + QSizeF(10, 10));
    p.bordoVisible = true;
}

void showOutline(const Session& s, OutlineControl& o, const TwipsRect& rect) {
    o.rect = rect;
    o.colour = outlineColour(s);
    o.visible = true;
}

void layOutStandard(Session& s, InnerSize inner, double y1) {
    PreviewControls& p = s.preview;
    const CurrentModelState& m = s.model;
    p.shape2.style = OutlineControl::Style::Solid;
    p.shape2.colour = kDarkOutline;
    p.image1.visible = true;
    if (m.scaledZone2Width > 0) {
        p.image2.rect = TwipsRect::of((inner.width - m.scaledZone2Width) / 2.0,
                                      y1 + m.scaledZone1Height + 200, m.scaledZone2Width,
                                      m.scaledZone2Height);
        p.image2.visible = true;
        showOutline(s, p.shape2, p.image2.rect);
    }
    if (caseKind(m.currentModel).thirdZone) {
        p.image3.rect = TwipsRect::of((inner.width - m.scaledZone2Width) / 2.0,
                                      y1 + 2.0 * m.scaledZone1Height + 400, m.scaledZone1Width,
                                      m.scaledZone1Height);
        p.image3.visible = true;
        showOutline(s, p.shape3, p.image3.rect);
    }
}

void layOutSlim(Session& s, const SlimCut& cut) {
    PreviewControls& p = s.preview;
    const std::int32_t box = s.catalogue.model(0)->zone1Width;
    const std::int32_t backMm = box - cut.previewBackLess;
    if (const auto w = checkedProduct<std::int32_t>(backMm, s.model.previewScale))
        p.image4.rect.twips.setWidth(*w);
    if (const auto w = checkedProduct<std::int16_t>(cut.visibleSpine, s.model.previewScale))
        p.image6.rect.twips.setWidth(*w);
    p.image7.rect.twips.setWidth(p.image4.rect.twips.width());
    for (ZoneControl* z : {&p.image4, &p.image6, &p.image7}) {
        z->rect.twips.moveTop(p.image1.rect.twips.top());
        z->rect.twips.setHeight(p.image1.rect.twips.height());
    }
    // Each piece overlaps its left neighbour by 15 twips.
    p.image4.rect.twips.moveLeft(p.image1.rect.twips.left());
    p.image6.rect.twips.moveLeft(p.image4.rect.twips.right() - 15);
    p.image7.rect.twips.moveLeft(p.image6.rect.twips.right() - 15);
    for (ZoneControl* z : {&p.image4, &p.image6, &p.image7}) z->visible = true;
    for (ZoneControl* z : {&p.image1, &p.image2, &p.image3}) z->visible = false;
    p.shape2.style = OutlineControl::Style::Dotted;
    p.shape2.colour = kLightOutline;
    p.shape2.rect = p.image6.rect;
    p.shape2.visible = true;
    p.shape3.visible = false;
    p.shape1.rect.twips.setWidth(p.image7.rect.twips.right() - p.image4.rect.twips.left());
}

}  // namespace

void layOutPreview(Session& s, InnerSize inner) {
    PreviewControls& p = s.preview;
    hideAll(p);
    setOutlineForms(s);
    sizeSheet(s);
    const double x0 = roundHalfEven((inner.width - double(s.model.scaledZone1Width)) / 2);
    const double y0 = roundHalfEven((inner.height - p.label3.twips.height()) / 2);
    placeSheet(p, inner, y0);
    const CaseKind& kind = caseKind(s.model.currentModel);
    const double y1 = y0 + kind.zoneTopGap;
    p.image1.rect = TwipsRect::of(x0, y1, s.model.scaledZone1Width, s.model.scaledZone1Height);
    showOutline(s, p.shape1, p.image1.rect);
    if (kind.slim)
        layOutSlim(s, *kind.slim);
    else
        layOutStandard(s, inner, y1);
    if (p.image8.visible) p.image8.rect = p.image2.rect;  // the mirror lies over zone 2
}

}  // namespace vsm
