// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/SessionPrintValue.h"

#include "model/Session.h"
#include "common/Version.h"
#include "common/LeadingNumber.h"
#include "common/Rounding.h"
#include "model/CaseKinds.h"
#include "print/Bleed.h"

namespace vsm {

namespace {

// A position text as whole millimetres: its leading number, halves to even.
std::optional<double> position(const QString& text) {
    const auto mm = toIntegerHalfEven<std::int32_t>(leadingNumber(text));
    return mm ? std::optional<double>(*mm) : std::nullopt;
}

std::optional<QPointF> place(const QString& left, const QString& top) {
    const auto l = position(left), t = position(top);
    if (!l || !t) return std::nullopt;
    return QPointF(*l, *t);
}

// A picture on its trim; the bleed, if any, comes later.
PrintPiece piece(const ComposedPicture& picture, std::optional<MmRect> rect) {
    PrintPiece p;
    p.picture = picture;
    p.rect = rect;
    return p;
}

MmRect at(QPointF topLeft, double width, double height) {
    return MmRect::of(topLeft.x(), topLeft.y(), width, height);
}

class Builder {
public:
    Builder(const Session& s, int m) : s_(s), m_(m), model_(s.catalogue.model(m)) {}

    PrintValue build() {
        PrintValue v;
        v.modelFound = model_ != nullptr;
        const auto place1 = model_ ? place(model_->zone1Left, model_->zone1Top) : std::nullopt;
        v.zone1PlaceRead = place1.has_value();
        // A zone 1 whose place cannot be read prints at the corner.
        const QPointF at1 = place1.value_or(QPointF());
        PrintZone zone1 = zone(at1, s_.model.scaledZone1Width, s_.model.scaledZone1Height);
        if (const auto& slim = caseKind(m_).slim) {
            zone1.pieces = slimPieces(*slim, at1);
            v.zones.push_back(zone1);
        } else {
            zone1.pieces = {piece(s_.preview.image1.picture, zone1.rect)};
            v.zones.push_back(zone1);
            addStandardZones(v);
        }
        v.creditLine = s_.uiText[22] + QLatin1Char(' ') + Version::caption() +
                       QStringLiteral(" - ") + s_.uiText[23];
        v.creditLineShown =
            model_ && !(model_->orientation != kPortrait && model_->zone1Height >= 181);
        return v;
    }

private:
    // Zone sizes are the scaled sizes over the scale: the catalogue sizes, unless a
    // product overflowed and kept an older size.
    std::optional<double> unscaled(std::int32_t size) const {
        if (s_.model.previewScale == 0) return std::nullopt;
        return double(size) / s_.model.previewScale;
    }

    OutlineShape outline() const {
        if (!s_.outlineOn) return OutlineShape::None;
        return s_.model.currentShape == kCircle ? OutlineShape::Circle : OutlineShape::Rectangle;
    }

    PrintZone zone(std::optional<QPointF> topLeft, std::int32_t scaledWidth,
                   std::int32_t scaledHeight) const {
        PrintZone z;
        z.outline = outline();
        const auto w = unscaled(scaledWidth), h = unscaled(scaledHeight);
        if (topLeft && w && h) z.rect = at(*topLeft, *w, *h);
        return z;
    }

    // The back, the spine strip over it from spineStart, and the front over both
    // from the front offset, all at the catalogue's size of the full cover.
    std::vector<PrintPiece> slimPieces(const SlimCut& cut, QPointF at1) const {
        const double w = model_ ? model_->zone1Width : 0, h = model_ ? model_->zone1Height : 0;
        const PreviewControls& z = s_.preview;
        return {piece(z.image4.picture, at(at1, w - cut.frontOffset, h)),
                piece(z.image6.picture,
                      at(at1 + QPointF(cut.spineStart, 0), w - cut.spineStripLess, h)),
                piece(z.image7.picture,
                      at(at1 + QPointF(cut.frontOffset, 0), w - cut.frontOffset, h))};
    }

    // Zone 2, on the mirror where the back card carries the spine strips, and zone
    // 3, which has zone 2's size.
    void addStandardZones(PrintValue& v) const {
        const CurrentModelState& cm = s_.model;
        const CaseKind& kind = caseKind(m_);
        if (cm.scaledZone2Width > 0) {
            const auto place2 = model_ ? place(model_->zone2Left, model_->zone2Top) : std::nullopt;
            const ZoneControl& shown = kind.mirrorStrips ? s_.preview.image8 : s_.preview.image2;
            v.zones.push_back(withPicture(zone(place2, cm.scaledZone2Width, cm.scaledZone2Height),
                                          shown.picture));
        }
        if (kind.thirdZone) {
            const auto place3 = place(s_.catalogue.zone3Left, s_.catalogue.zone3Top);
            v.zones.push_back(withPicture(zone(place3, cm.scaledZone2Width, cm.scaledZone2Height),
                                          s_.preview.image3.picture));
        }
    }

    static PrintZone withPicture(PrintZone z, const ComposedPicture& picture) {
        z.pieces = {piece(picture, z.rect)};
        return z;
    }

    const Session& s_;
    int m_;
    const CoverModel* model_;
};

}  // namespace

PrintValue printValue(const Session& session, int m) {
    return withOutputOptions(Builder(session, m).build(), session.output);
}

}  // namespace vsm
