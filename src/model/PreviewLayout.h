// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vsm {

struct Session;

// Size of the window's inner area in twips.
struct InnerSize {
    int width = 0;
    int height = 0;
};

// Places the sheet, the zones and their outlines in twips of the window's inner
// area; the pictures are left as the picture steps made them.
void layOutPreview(Session& session, InnerSize inner);

}  // namespace vsm
