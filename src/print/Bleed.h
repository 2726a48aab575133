// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/PrintValue.h"

namespace vsm {

struct OutputOptions;

// Crop marks as print shops expect them: this long, this wide, and this far
// beyond the bleed's edge.
constexpr double kCropMarkLengthMm = 5;
constexpr double kCropMarkGapMm = 2;
constexpr double kCropMarkWidthMm = 0.25 * kMmPerInch / 72;  // 0.25 pt

// Every picture bleedMm larger on each outer edge of its zone, the trim lines
// where they were. Where two zones lie closer than twice the bleed, each bleeds
// half the gap; touching or overlapping zones do not bleed towards each other.
// A disc face's mask grows with the disc and its hole shrinks by the bleed.
PrintValue withBleed(PrintValue value, double bleedMm);

// The marks at every zone's trim corners, along its trim lines, outside a bleed
// of bleedMm; a mark that would fall on another zone's picture is left out.
std::vector<QLineF> cropMarks(const PrintValue& value, double bleedMm);

// The value as the output options want it printed; the defaults leave it as it is.
PrintValue withOutputOptions(PrintValue value, const OutputOptions& options);

}  // namespace vsm
