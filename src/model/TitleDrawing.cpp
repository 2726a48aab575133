// SPDX-License-Identifier: GPL-3.0-or-later
// The cover and spine titles are drawn into the zones' pictures, so that the
// print, which stretches the same pictures, carries them too. Font sizes follow
// the picture's height: 311 pixels is the reference height.
#include "model/TitleDrawing.h"

#include "model/Session.h"
#include "common/Rounding.h"
#include "model/CaseKinds.h"

#include <cmath>

namespace vsm {

namespace {

constexpr double kReferenceHeight = 311;
constexpr int kSpineOffset = 0;  // size offset d of the spine title
constexpr int kCoverOffset = 2;  // the cover title is drawn a little larger

int rounded(double v) { return toIntegerHalfEven<std::int32_t>(v).value_or(0); }

class TitlePainter {
public:
    explicit TitlePainter(Session& s) : s_(s), e_(s.titleEngine) {
        cover_ = s.titles.coverTitleText.isEmpty() ? QStringLiteral(" ") : s.titles.coverTitleText;
        spine_ = s.titles.spineTitleText.isEmpty() ? QStringLiteral(" ") : s.titles.spineTitleText;
    }

    // Loads a picture into the engine and sets the title font for size offset d.
    bool prepare(const ComposedPicture& picture, int d) {
        if (!e_.loadPicture(picture)) return false;
        setFont(d);
        return true;
    }
    void setFont(int d) {
        const TitleSettings& t = s_.titles;
        e_.setFontName(t.fontName);
        // The whole part, not rounded: a title never outgrows its reference size.
        e_.setFontSize(int(std::floor(e_.height() / kReferenceHeight *
                                      (double(t.fontSize) + d))));
        e_.setBold(t.bold);
        e_.setItalic(t.italic);
        e_.setUnderline(t.underline);
    }
    void angle(int degrees) { e_.setTextAngle(degrees); }
    bool spineOn() const { return s_.model.spineTitleOn == 1; }
    bool coverOn() const { return s_.model.coverTitleOn == 1; }
    int W() const { return e_.width(); }
    int H() const { return e_.height(); }
    int spineTW() const { return e_.textWidth(spine_); }
    int spineTH() const { return e_.textHeight(spine_); }
    int coverTW() const { return e_.textWidth(cover_); }
    void drawSpine(double x, double y) { e_.drawText(spine_, rounded(x), rounded(y), s_.titles.colour); }
    void drawCover(double x, double y) { e_.drawText(cover_, rounded(x), rounded(y), s_.titles.colour); }
    ComposedPicture result() const { return e_.getPicture(); }

    // Cover title centred horizontally at the given fraction of the height.
    void coverCentred(ZoneControl& zone, double heightFraction) {
        if (!prepare(zone.picture, kCoverOffset)) return;
        angle(0);
        if (coverOn()) drawCover((W() - coverTW()) / 2.0, H() * heightFraction);
        zone.picture = result();
    }

private:
    Session& s_;
    ImagingEngine& e_;
    QString cover_, spine_;
};

// A back card whose edges are spine strips 7/151 of its width: the spine title
// goes into both, on the mirror zone, while zone 2 stays undrawn.
void drawSideStrips(Session& s, TitlePainter& t) {
    ZoneControl& mirror = s.preview.image8;
    mirror.picture = s.preview.image2.picture;
    if (!t.prepare(mirror.picture, kSpineOffset)) return;
    t.angle(270);
    const double m = roundHalfEven(7.0 / 151.0 * t.W());
    if (t.spineOn()) {
        const double y = (t.H() - t.spineTW()) / 2.0;
        t.drawSpine((m - t.spineTH()) / 2.0 + t.spineTH(), y);
        t.drawSpine(t.W() - (m - t.spineTH()) / 2.0, y);
    }
    mirror.picture = t.result();
    mirror.visible = true;  // the layout lays it over zone 2
}

// One picture holding back, spine and front: spine title on the middle line,
// cover title centred in the right half.
void drawFullCover(Session& s, TitlePainter& t, bool withSpine) {
    ZoneControl& zone = s.preview.image1;
    if (!t.prepare(zone.picture, kSpineOffset)) return;
    if (withSpine) {
        t.angle(270);
        if (t.spineOn()) t.drawSpine((t.W() + t.spineTH()) / 2.0, (t.H() - t.spineTW()) / 2.0);
    }
    t.angle(0);
    t.setFont(kCoverOffset);
    if (t.coverOn())
        t.drawCover(t.W() / 2.0 + (t.W() / 2.0 - t.coverTW()) / 2.0, t.H() / 7.0);
    zone.picture = t.result();
}

void drawSlim(Session& s, TitlePainter& t) {
    ZoneControl& spine = s.preview.image6;
    if (t.prepare(spine.picture, kSpineOffset)) {
        t.angle(270);
        if (t.spineOn())
            t.drawSpine((t.W() - t.spineTH()) / 2.0 + t.spineTH(), (t.H() - t.spineTW()) / 2.0);
        spine.picture = t.result();
    }
    t.coverCentred(s.preview.image7, 1.0 / 7.0);
}

}  // namespace

void drawTitles(Session& s) {
    TitlePainter t(s);
    s.preview.image8.visible = false;
    const CaseKind& kind = caseKind(s.model.currentModel);
    if (kind.mirrorStrips) drawSideStrips(s, t);
    switch (kind.titles) {
        case TitleLayout::FullCover: drawFullCover(s, t, true); break;
        case TitleLayout::FullCoverNoSpine: drawFullCover(s, t, false); break;
        case TitleLayout::DiscFaces:
            for (ZoneControl* z : {&s.preview.image1, &s.preview.image2, &s.preview.image3})
                t.coverCentred(*z, 1.0 / 7.0);
            break;
        case TitleLayout::Front: t.coverCentred(s.preview.image1, 1.0 / 5.0); break;
        case TitleLayout::Slim: drawSlim(s, t); break;
        case TitleLayout::None: break;
    }
}

}  // namespace vsm
