// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CreditsScroller.h"

namespace vsm {

CreditsScroller::CreditsScroller(int viewportHeight, int panelHeight)
    : viewportHeight_(viewportHeight), panelHeight_(panelHeight) {}

// The counter keeps counting while the panel leaves, so once past the pause
// every tick moves it.
void CreditsScroller::tick() {
    if (bottomBelowViewport()) {
        top_ -= kStep;
    } else if (++pauseTicks_ > kPauseTicks) {
        top_ -= kStep;
    }
    if (leftAtTop()) restart();
}

void CreditsScroller::restart() {
    top_ = kStartTop;
    pauseTicks_ = 0;
}

}  // namespace vsm
