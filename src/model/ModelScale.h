// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vsm {

struct Session;

// The scale for the current model from the window height, the scaled zone sizes,
// the orientation and shape copies and the printer orientation. A lookup or a
// product that fails keeps the old values.
void applyModelScale(Session& session, int scaleHeight);

// The same with the window at the height it was created with, which needs no
// window: a cover rendered straight to a file takes this scale.
void applyModelScaleAtLoadHeight(Session& session);

}  // namespace vsm
