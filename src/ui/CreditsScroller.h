// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace vsm {

// The about window's credits panel, scrolled one timer tick at a time, in twips.
// The panel rises from kStartTop until its bottom edge meets the viewport's
// bottom edge, stands still for kPauseTicks ticks, rises on until it has wholly
// left the viewport at the top, and starts again.
class CreditsScroller {
public:
    static constexpr int kStartTop = 2200;
    static constexpr int kStep = 10;
    static constexpr int kPauseTicks = 120;

    CreditsScroller(int viewportHeight, int panelHeight);

    void tick();
    void restart();

    int top() const { return top_; }
    int pauseTicks() const { return pauseTicks_; }

private:
    bool bottomBelowViewport() const { return top_ > viewportHeight_ - panelHeight_; }
    bool leftAtTop() const { return top_ < -panelHeight_; }

    int viewportHeight_;
    int panelHeight_;
    int top_ = kStartTop;
    std::int16_t pauseTicks_ = 0;  // ticks spent at the lowest stop, and beyond
};

}  // namespace vsm
