// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Units.h"
#include "model/ComposedPicture.h"

#include <QColor>

namespace vsm {

// Dark and light outline colours of the preview.
inline const QColor kDarkOutline = QColor(0, 0, 0);
inline const QColor kLightOutline = QColor(192, 192, 192);

// A picture zone of the preview: where it sits (twips of the window's inner area),
// whether it shows, and the picture stretched into it.
struct ZoneControl {
    TwipsRect rect;
    bool visible = false;
    ComposedPicture picture;
};

// A zone outline: a rectangle, or a circle inscribed in the rectangle.
struct OutlineControl {
    enum class Form { Rectangle, Circle };
    enum class Style { Solid, Dotted };
    TwipsRect rect;
    bool visible = false;
    Form form = Form::Rectangle;
    Style style = Style::Solid;
    QColor colour = kDarkOutline;
};

// Every control of the preview, as the refresh leaves it. A step that fails leaves
// its controls as they were, so this state lives from one refresh to the next.
struct PreviewControls {
    TwipsRect label3;  // the A4 sheet
    bool label3Visible = false;
    TwipsRect bordo;  // frame around the sheet
    bool bordoVisible = false;
    ZoneControl image1, image2, image3;  // zones of slots 1, 2, 3
    ZoneControl image4, image6, image7;  // slim back, spine and front pieces
    ZoneControl image8;                  // mirror of zone 2 carrying the side-strip titles
    OutlineControl shape1, shape2, shape3;
};

}  // namespace vsm
