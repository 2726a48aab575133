#pragma once

namespace vsm {

struct Session;

// Size of the window's inner area in twips.
struct InnerSize {
    int width = 0;
    int height = 0;
};

// The scale for the current model from the window height, the scaled zone sizes,
// the orientation and shape copies and the printer orientation. A lookup or a
// product that fails keeps the old values.
void applyModelScale(Session& session, int scaleHeight);

// Places the sheet, the zones and their outlines; cuts the slim pieces.
void layOutPreview(Session& session, InnerSize inner);

// Draws the cover and spine titles into the zones' pictures.
void drawTitles(Session& session);

// Brings the whole preview up to date for the current model: templates into free
// slots, scale, zone 1 reset from slot 1's master copy, layout, titles.
void refreshPreview(Session& session, InnerSize inner);

}  // namespace vsm
