// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ImagingEngine.h"

#include <QFontMetrics>

namespace vsm {

bool ImagingEngine::crop(int x, int y, int w, int h) {
    if (picture_.isNull() || w <= 0 || h <= 0) return false;
    ComposedPicture part = picture_.cropped(QRect(x, y, w, h));
    if (part.isNull()) return false;
    picture_ = std::move(part);
    return true;
}

bool ImagingEngine::drawText(const QString& text, int x, int y, StoredColour colour) {
    if (picture_.isNull() || stroke_.pixelSize <= 0) return false;
    TitleStroke stroke = stroke_;
    stroke.text = text;
    stroke.position = QPoint(x, y);
    stroke.colour = colour;
    picture_ = picture_.withStroke(stroke);
    return true;
}

int ImagingEngine::textWidth(const QString& text) const {
    return QFontMetrics(stroke_.font()).horizontalAdvance(text);
}

int ImagingEngine::textHeight(const QString&) const {
    return QFontMetrics(stroke_.font()).height();
}

bool ImagingEngine::loadPicture(const ComposedPicture& picture) {
    if (picture.isNull()) return false;
    picture_ = picture;
    return true;
}

}  // namespace vsm
