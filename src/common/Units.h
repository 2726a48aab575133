// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QRectF>
#include <algorithm>
#include <cmath>

namespace vsm {

// The window is laid out in twips, 1/1440 inch; at the designed density a
// device-independent pixel is 15 of them.
constexpr int kTwipsPerInch = 1440;
constexpr int kTwipsPerPixel = 15;

constexpr double kMmPerInch = 25.4;
constexpr double kPointsPerInch = 72;

// Pictures go to a printer or a PDF at no more than this many pixels per inch at
// their printed size: finer than a print shows, and a large photo still makes a
// small job.
constexpr double kMaxPicturePixelsPerInch = 360;

// Thin names for the two measures the program works in. They only say which
// measure a number is in; the arithmetic stays on the plain numbers, so that the
// 16- and 32-bit products of the preview stay visible where they are written.
struct Twips {
    double value = 0;
};

struct Millimetres {
    double value = 0;
};

// A rectangle in twips of the window's inner area.
struct TwipsRect {
    QRectF twips;

    static TwipsRect of(double left, double top, double width, double height) {
        return {QRectF(left, top, width, height)};
    }
    bool operator==(const TwipsRect& other) const { return twips == other.twips; }
    bool operator!=(const TwipsRect& other) const { return !(*this == other); }
};

// A rectangle in millimetres from the printable area's top-left corner.
struct MmRect {
    QRectF mm;

    static MmRect of(double left, double top, double width, double height) {
        return {QRectF(left, top, width, height)};
    }
    bool operator==(const MmRect& other) const { return mm == other.mm; }
    bool operator!=(const MmRect& other) const { return !(*this == other); }
};

// The one rounding of pixel edges, on the window and in a picture's kept pixels:
// halves away from zero. Each edge is rounded on its own, so neighbouring
// controls or parts stay neighbours whatever their sizes.
inline int pixelEdge(double pixels) { return int(std::lround(pixels)); }

// Twips to device-independent pixels: the one rounding of window placement.
inline int twipsToPixels(double twips) { return pixelEdge(twips / kTwipsPerPixel); }

inline QRect twipsToPixels(const QRectF& twips) {
    const int left = twipsToPixels(twips.left());
    const int top = twipsToPixels(twips.top());
    const int right = twipsToPixels(twips.right());
    const int bottom = twipsToPixels(twips.bottom());
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

inline QRect twipsToPixels(const TwipsRect& rect) { return twipsToPixels(rect.twips); }

inline double mmToInches(double mm) { return mm / kMmPerInch; }
inline double inchesToMm(double inches) { return inches * kMmPerInch; }

}  // namespace vsm
