// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vsm {

struct Session;

// Draws the cover and spine titles into the zones' pictures.
void drawTitles(Session& session);

}  // namespace vsm
