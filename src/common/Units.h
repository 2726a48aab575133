#pragma once

namespace vsm {

constexpr double kMmPerInch = 25.4;

// Pictures go to a printer or a PDF at no more than this many pixels per inch at
// their printed size: finer than a print shows, and a large photo still makes a
// small job.
constexpr double kMaxPicturePixelsPerInch = 360;

}  // namespace vsm
