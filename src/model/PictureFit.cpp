// SPDX-License-Identifier: GPL-3.0-or-later
// A picture is fitted once, to the shape its zone prints at, before the titles are
// drawn into it: the preview and the print both stretch the fitted picture, so
// they agree, and the titles are placed on the shape that is printed.
#include "model/PictureFit.h"

#include "model/CaseKinds.h"
#include "model/Session.h"
#include "model/SlimPieces.h"
#include "model/Templates.h"
#include "settings/UiText.h"

#include <algorithm>

namespace vsm {

namespace {

// A side at least one pixel long and within what a pixel count holds, whatever
// sizes a hand-edited catalogue gives a zone.
int side(double pixels) {
    constexpr double kLongest = 1 << 24;
    return pixelEdge(std::clamp(pixels, 1.0, kLongest));
}

// The picture's own width and height for the zone's shape, keeping one side.
QSize sizeForShape(QSize picture, double shape, bool cover) {
    const bool wider = double(picture.width()) / picture.height() > shape;
    if (wider == cover) return {side(picture.height() * shape), picture.height()};
    return {picture.width(), side(picture.width() / shape)};
}

QRect centredIn(QSize outer, QSize inner) {
    return QRect(QPoint(pixelEdge((outer.width() - inner.width()) / 2.0),
                        pixelEdge((outer.height() - inner.height()) / 2.0)),
                 inner);
}

std::optional<QSizeF> size(double width, double height) {
    if (width <= 0 || height <= 0) return std::nullopt;
    return QSizeF(width, height);
}

// The slim model's pieces print at its own sizes, cut to the reference box's
// proportions.
std::optional<QSizeF> slimBoxSize(const Session& s, const CoverModel& slim, const SlimCut& cut) {
    const CoverModel* box = s.catalogue.model(0);
    if (!box) return std::nullopt;
    const double back = slim.zone1Width - cut.frontOffset;
    return size(box->zone1Width * back / kSlimPieceMm, slim.zone1Height);
}

const ComposedPicture& undrawn(const Session& s, int slot) {
    return slot == 1 ? s.pictureSlots.master : s.pictureSlots[slot].picture;
}

}  // namespace

ComposedPicture fittedPicture(const ComposedPicture& picture, FitMode mode, QSizeF printedMm) {
    if (mode == FitMode::Stretch || picture.isNull() || printedMm.isEmpty()) return picture;
    const QSize own(picture.width(), picture.height());
    const double shape = printedMm.width() / printedMm.height();
    if (mode == FitMode::Fill)
        return picture.cropped(centredIn(own, sizeForShape(own, shape, true)));
    const QSize frame = sizeForShape(own, shape, false);
    return picture.framed(QRect(-centredIn(frame, own).topLeft(), frame));
}

std::optional<QSizeF> slotPrintSize(const Session& s, int model, int slot) {
    const CoverModel* record = s.catalogue.model(model);
    if (!record || model < 0) return std::nullopt;
    const CaseKind& kind = caseKind(model);
    switch (slot) {
        case 1:
            if (kind.slim) return slimBoxSize(s, *record, *kind.slim);
            return size(record->zone1Width, record->zone1Height);
        case 2:
            if (kind.slim) return std::nullopt;
            return size(record->zone2Width, record->zone2Height);
        case 3:
            if (!kind.thirdZone) return std::nullopt;
            return size(record->zone2Width, record->zone2Height);
        default:
            return std::nullopt;
    }
}

void fitZonePictures(Session& s) {
    const int model = s.model.currentModel;
    ZoneControl* zones[] = {&s.preview.image1, &s.preview.image2, &s.preview.image3};
    for (int slot = 1; slot <= 3; ++slot) {
        const auto printed = slotPrintSize(s, model, slot);
        if (!printed) continue;
        ZoneControl& zone = *zones[slot - 1];
        zone.picture = fittedPicture(zone.picture, s.pictureSlots[slot].mode, *printed);
    }
}

double printedPixelsPerInch(const ComposedPicture& picture, FitMode mode, QSizeF printedMm) {
    const ComposedPicture fitted = fittedPicture(picture, mode, printedMm);
    if (fitted.isNull() || printedMm.isEmpty()) return 0;
    const QRect frame = fitted.crop();
    const QRect inUse = frame.intersected(QRect(QPoint(0, 0), fitted.sourceSize()));
    if (inUse.isEmpty()) return 0;
    // The file's own pixels: a large photo is kept with fewer, but never with so few
    // that it prints soft, and the figure judges the photo, not what is held of it.
    const double inchesWide = printedMm.width() * inUse.width() / frame.width() / kMmPerInch;
    const double inchesHigh = printedMm.height() * inUse.height() / frame.height() / kMmPerInch;
    return std::min(inUse.width() / inchesWide, inUse.height() / inchesHigh);
}

std::vector<SoftPicture> softPictures(const Session& s, int model) {
    std::vector<SoftPicture> soft;
    for (int slot = 1; slot <= 3; ++slot) {
        const PictureSlot& held = s.pictureSlots[slot];
        if (held.path.trimmed().isEmpty() || isTemplatePath(slot, held.path)) continue;
        const auto printed = slotPrintSize(s, model, slot);
        if (!printed) continue;
        const double ppi = printedPixelsPerInch(undrawn(s, slot), held.mode, *printed);
        if (ppi < kSoftPixelsPerInch) soft.push_back({slot, int(ppi)});
    }
    return soft;
}

QString softPictureWarning(const UiText& text, const SoftPicture& soft) {
    return text[132].arg(soft.slot).arg(soft.pixelsPerInch);
}

QStringList softPictureWarnings(const Session& s, int model) {
    QStringList warnings;
    for (const SoftPicture& soft : softPictures(s, model))
        warnings << softPictureWarning(s.uiText, soft);
    return warnings;
}

bool setFitMode(Session& s, int slot, FitMode mode) {
    if (slot < 1 || slot > 3 || s.pictureSlots[slot].mode == mode) return false;
    s.pictureSlots[slot].mode = mode;
    return true;
}

QString fitModeCaption(const UiText& text, FitMode mode) { return text[133 + int(mode)]; }

QString fitMenuCaption(const UiText& text, int slot) { return text[136].arg(slot); }

}  // namespace vsm
