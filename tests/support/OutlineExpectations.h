// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/PageMeasure.h"

#include <gtest/gtest.h>

namespace vsm::test {

// Every expected outline is found on the page, within toleranceMm of where it
// should be in place and in size; expected places are from the printable area's
// corner, which lies at originMm on the page.
inline void expectOutlinesAt(const QImage& page, double dpi,
                             const std::vector<ExpectedOutline>& expected, QPointF originMm,
                             double toleranceMm = 0.1) {
    for (const ExpectedOutline& e : expected) {
        const auto measured = measureOutline(page, dpi, e, originMm);
        if (!measured) {
            ADD_FAILURE() << "no outline found near " << e.mm.x() << "," << e.mm.y();
            continue;
        }
        const OutlineError err = outlineError(*measured, e.mm.translated(originMm));
        EXPECT_LE(err.position, toleranceMm) << "zone at " << e.mm.x() << "," << e.mm.y()
                                             << " measured " << measured->x() << ","
                                             << measured->y();
        EXPECT_LE(err.size, toleranceMm) << "zone at " << e.mm.x() << "," << e.mm.y();
    }
}

// The outlines found near where they are expected, as measureOutline gives them;
// one not found is a failure and an empty rectangle.
inline std::vector<QRectF> measuredOutlines(const QImage& page, double dpi,
                                            const std::vector<ExpectedOutline>& expected,
                                            QPointF originMm) {
    std::vector<QRectF> found;
    for (const ExpectedOutline& e : expected) {
        const auto measured = measureOutline(page, dpi, e, originMm);
        EXPECT_TRUE(measured.has_value()) << "no outline found near " << e.mm.x() << "," << e.mm.y();
        found.push_back(measured.value_or(QRectF()));
    }
    return found;
}

// Each outline lies where its counterpart does, moved by shiftMm, within
// toleranceMm in place and in size.
inline void expectMovedBy(const std::vector<QRectF>& moved, const std::vector<QRectF>& from,
                          QPointF shiftMm, double toleranceMm = 0.1) {
    ASSERT_EQ(moved.size(), from.size());
    for (size_t i = 0; i < from.size(); ++i) {
        const OutlineError err = outlineError(moved[i], from[i].translated(shiftMm));
        EXPECT_LE(err.position, toleranceMm) << i;
        EXPECT_LE(err.size, toleranceMm) << i;
    }
}

}  // namespace vsm::test
