// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ComposedPicture.h"

#include <QString>

namespace vsm {

// The imaging engine the preview cuts pictures and draws titles with. It holds one
// picture at a time and the font for its next text. Font sizes are in pixels of
// the current picture. At angle 0 a text's top-left corner is at (x, y); at angle
// 270 it reads from top to bottom and occupies the columns x - TH .. x and the
// rows y .. y + TW, TW and TH being its width and height.
class ImagingEngine {
public:
    int width() const { return picture_.width(); }
    int height() const { return picture_.height(); }

    // False when there is no picture or the rectangle lies outside it.
    bool crop(int x, int y, int w, int h);

    void setItalic(bool on) { stroke_.italic = on; }
    void setBold(bool on) { stroke_.bold = on; }
    void setUnderline(bool on) { stroke_.underline = on; }
    void setFontName(const QString& name) { stroke_.fontName = name; }
    void setFontSize(int pixels) { stroke_.pixelSize = pixels; }
    void setTextAngle(int degrees) { stroke_.angle = degrees; }

    // False when there is no picture or the font size is not positive.
    bool drawText(const QString& text, int x, int y, StoredColour colour);

    int textWidth(const QString& text) const;
    int textHeight(const QString& text) const;

    ComposedPicture getPicture() const { return picture_; }
    // False for a null picture; the engine then keeps its previous one.
    bool loadPicture(const ComposedPicture& picture);

private:
    ComposedPicture picture_;
    TitleStroke stroke_;
};

}  // namespace vsm
