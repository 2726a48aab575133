// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/PreviewLayout.h"

namespace vsm {

struct Session;

// The pictures the current model shows and prints: templates into free slots,
// zones reset to their undrawn pictures, the slim pieces cut, the titles drawn.
void refreshPictures(Session& session);

// Brings the whole preview up to date for the current model: scale, pictures,
// then their places in the window.
void refreshPreview(Session& session, InnerSize inner);

}  // namespace vsm
