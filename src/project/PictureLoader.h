// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Units.h"
#include "model/ComposedPicture.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <array>
#include <optional>

namespace vsm {

// How far a picture is decoded and what is refused before decoding.
struct PictureLimits {
    // Longest side kept: printing never uses more pixels than that over the
    // largest zone of any case.
    static constexpr double kLargestZoneMm = 287;
    static constexpr int kHeldLongSide =
        int(kLargestZoneMm * kMaxPicturePixelsPerInch / kMmPerInch + 0.5);
    // Largest picture accepted at all, counted in the file's own pixels: far
    // beyond any camera's photo, and it refuses a header that claims billions.
    static constexpr qint64 kMaxSourcePixels = qint64(600) * 1000 * 1000;
    // Most memory a decoder may take for pixels it does not keep (a progressive
    // JPEG's coefficients, a PNG decoded whole before it is reduced).
    static constexpr qint64 kMaxDecodeBytes = qint64(512) << 20;
    // Largest file read.
    static constexpr qint64 kMaxFileBytes = qint64(512) << 20;

    int longSide = kHeldLongSide;
    QSize atLeast;  // pixels the use needs at most; smaller decodes are quicker
};

// A picture as read from its file: pixels reduced to what printing can use, the
// size of the file's own picture (titles are placed and sized from that), and
// whether the file was damaged and only partly read.
struct LoadedPicture {
    QImage pixels;
    QSize sourceSize;
    bool damaged = false;

    ComposedPicture composed() const { return ComposedPicture(pixels, sourceSize); }
};

// Reads a picture file. Only regular files are opened; folders, devices and pipes
// are refused without being read. The picture's own orientation mark is applied.
// The header is read first, and a picture too large to decode within the limits
// is refused; a JPEG is decoded at the smallest of libjpeg's scales the limits
// allow, straight into its pixels.
std::optional<LoadedPicture> loadPicture(const QString& path, const PictureLimits& limits = {});

// Loads pictures that are asked for again and again (the templates are reloaded at
// every refresh) once, as long as the file keeps its size and modification time.
class PictureCache {
public:
    std::optional<LoadedPicture> load(const QString& path);

private:
    struct Entry {
        QString path;
        qint64 size = -1;
        qint64 modified = 0;
        LoadedPicture picture;
    };
    std::array<Entry, 8> entries_{};
    size_t next_ = 0;
};

}  // namespace vsm
