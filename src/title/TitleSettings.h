// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ComposedPicture.h"

#include <QString>

namespace vsm {

// The composition's two titles and their common font and colour.
struct TitleSettings {
    QString coverTitleText;
    QString spineTitleText;
    QString fontName = QStringLiteral("Arial");
    float fontSize = 15.75f;  // points; the drawing scales it to the picture height
    bool bold = false;
    bool italic = false;
    bool underline = false;
    StoredColour colour = 0x0000FF;  // pure red, red in the low byte
};

}  // namespace vsm
