// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <optional>

class QPainterPath;

namespace vsm {

// A colour as stored in project files: red in the low byte, then green, then blue.
using StoredColour = std::uint32_t;
QColor toQColor(StoredColour colour);
StoredColour fromQColor(const QColor& colour);

// A title drawn into a picture: its text, font and place in the picture's pixels.
struct TitleStroke {
    QString text;
    QString fontName;
    int pixelSize = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int angle = 0;  // degrees counter-clockwise; 270 reads from top to bottom
    QPoint position;  // the text's own top-left corner
    StoredColour colour = 0;

    QFont font() const;
};

// A disc face's cut in fractions of the picture's size: the disc's bounding box
// and the centre hole's diameter over the disc's. Outside the disc and inside the
// hole the picture is transparent.
struct DiscMask {
    QRectF disc{0, 0, 1, 1};
    double hole = 0;
    bool operator==(const DiscMask& o) const { return disc == o.disc && hole == o.hole; }
    bool operator!=(const DiscMask& o) const { return !(*this == o); }
};

// A picture as the zones show it and the printer prints it: a source picture, the
// part of it in use, and the titles drawn into it. Drawing a title records it
// instead of touching the pixels, so the preview can render the picture at display
// size and the printer at print size, with the same titles in the same places.
// Copies share the source's pixels.
//
// Sizes, parts and title positions are in the pixels of the picture as its file
// holds it (its source size). A large photo is kept with fewer pixels than that;
// rendering maps the picture's own pixels onto the ones that are kept, so titles
// and cuts land exactly where they would on the whole photo.
class ComposedPicture {
public:
    ComposedPicture() = default;
    explicit ComposedPicture(QImage source);
    // pixels stands for a picture of sourceSize (an empty size: the pixels' own).
    ComposedPicture(QImage pixels, QSize sourceSize);

    bool isNull() const { return source_.isNull(); }
    int width() const { return crop_.width(); }
    int height() const { return crop_.height(); }

    const QImage& source() const { return source_; }
    QSize sourceSize() const { return sourceSize_; }
    QRect crop() const { return crop_; }
    // The kept pixels that stand for the part in use; for a part reaching beyond
    // the source, beyond the kept pixels too.
    QRect pixelCrop() const;
    const QList<TitleStroke>& strokes() const { return strokes_; }

    // The part (x, y, w, h) of the picture, in its current pixels; empty when the
    // rectangle lies outside it.
    ComposedPicture cropped(const QRect& part) const;
    // The frame (x, y, w, h) in its current pixels, which may reach beyond the
    // picture: what lies outside the source renders white. Titles keep their places
    // on the picture. Empty for an empty frame.
    ComposedPicture framed(const QRect& frame) const;
    // Whether the part in use reaches beyond the source.
    bool isPadded() const;
    ComposedPicture withStroke(const TitleStroke& stroke) const;
    ComposedPicture withoutStrokes() const;

    // The picture stretched to size, smooth, with its titles scaled along.
    QImage render(const QSize& size) const;
    // Only the titles, on a transparent picture of the given size.
    void paintStrokes(QPainter& painter, const QSize& size) const;

    // The disc mask applied last in render(), over the titles too.
    const std::optional<DiscMask>& discMask() const { return discMask_; }
    ComposedPicture withDiscMask(const std::optional<DiscMask>& mask) const;
    // Where the picture shows at that size: the disc without its hole.
    QPainterPath discMaskPath(const QSize& size) const;

    // Same source pixels, part, titles and mask.
    bool operator==(const ComposedPicture& other) const;

private:
    QRect sourceRect() const { return QRect(QPoint(0, 0), sourceSize_); }
    QImage renderPadded(const QSize& size) const;

    QImage source_;
    QSize sourceSize_;
    QRect crop_;
    QList<TitleStroke> strokes_;
    std::optional<DiscMask> discMask_;

    void applyDiscMask(QImage& image) const;
};

// Draws one title with its top-left corner at the painter's origin after rotating.
void paintStroke(QPainter& painter, const TitleStroke& stroke);

}  // namespace vsm
