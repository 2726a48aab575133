// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ComposedPicture.h"

#include "common/Units.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace vsm {

QColor toQColor(StoredColour c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

StoredColour fromQColor(const QColor& c) {
    return StoredColour(c.red()) | (StoredColour(c.green()) << 8) | (StoredColour(c.blue()) << 16);
}

QFont TitleStroke::font() const {
    QFont f(fontName);
    f.setPixelSize(std::max(1, pixelSize));
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

ComposedPicture::ComposedPicture(QImage source)
    : source_(std::move(source)), sourceSize_(source_.size()), crop_(source_.rect()) {}

ComposedPicture::ComposedPicture(QImage pixels, QSize sourceSize)
    : source_(std::move(pixels)),
      sourceSize_(sourceSize.isEmpty() || source_.isNull() ? source_.size() : sourceSize),
      crop_(QPoint(0, 0), sourceSize_) {}

QRect ComposedPicture::pixelCrop() const {
    if (sourceSize_ == source_.size()) return crop_;
    const double sx = double(source_.width()) / sourceSize_.width();
    const double sy = double(source_.height()) / sourceSize_.height();
    const int left = pixelEdge(crop_.left() * sx);
    const int top = pixelEdge(crop_.top() * sy);
    const int right = pixelEdge((crop_.left() + crop_.width()) * sx);
    const int bottom = pixelEdge((crop_.top() + crop_.height()) * sy);
    const QRect kept(left, top, std::max(1, right - left), std::max(1, bottom - top));
    // A frame beyond the source keeps its whole size in kept pixels.
    return isPadded() ? kept : kept.intersected(source_.rect());
}

ComposedPicture ComposedPicture::cropped(const QRect& part) const {
    const QRect inPicture = part.intersected(QRect(0, 0, width(), height()));
    if (inPicture.isEmpty()) return {};
    ComposedPicture result = *this;
    result.crop_ = inPicture.translated(crop_.topLeft());
    for (TitleStroke& s : result.strokes_) s.position -= inPicture.topLeft();
    return result;
}

ComposedPicture ComposedPicture::framed(const QRect& frame) const {
    if (isNull() || frame.isEmpty()) return {};
    ComposedPicture result = *this;
    result.crop_ = frame.translated(crop_.topLeft());
    for (TitleStroke& s : result.strokes_) s.position -= frame.topLeft();
    return result;
}

bool ComposedPicture::isPadded() const {
    return !isNull() && !sourceRect().contains(crop_);
}

ComposedPicture ComposedPicture::withStroke(const TitleStroke& stroke) const {
    ComposedPicture result = *this;
    result.strokes_.append(stroke);
    return result;
}

ComposedPicture ComposedPicture::withoutStrokes() const {
    ComposedPicture result = *this;
    result.strokes_.clear();
    return result;
}

void paintStroke(QPainter& painter, const TitleStroke& stroke) {
    const QFont font = stroke.font();
    const QFontMetrics metrics(font);
    painter.save();
    painter.translate(stroke.position);
    painter.rotate(-stroke.angle);
    painter.setFont(font);
    painter.setPen(toQColor(stroke.colour));
    painter.drawText(QPointF(0, metrics.ascent()), stroke.text);
    painter.restore();
}

void ComposedPicture::paintStrokes(QPainter& painter, const QSize& size) const {
    if (strokes_.isEmpty() || isNull()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(double(size.width()) / width(), double(size.height()) / height());
    for (const TitleStroke& s : strokes_) paintStroke(painter, s);
    painter.restore();
}

QImage ComposedPicture::render(const QSize& size) const {
    if (isNull() || size.isEmpty()) return {};
    if (isPadded()) {
        QImage out = renderPadded(size);
        applyDiscMask(out);
        return out;
    }
    const QRect kept = pixelCrop();
    QImage part = kept == source_.rect() ? source_ : source_.copy(kept);
    // A photo many times the target size is first thinned out to four times it,
    // then averaged: as smooth to the eye, and it reads a small part of the pixels.
    if (part.width() > 4 * size.width() && part.height() > 4 * size.height())
        part = part.scaled(size * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage out = size == part.size()
                     ? part.convertToFormat(QImage::Format_RGB32)
                     : part.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                           .convertToFormat(QImage::Format_RGB32);
    {
        QPainter painter(&out);
        paintStrokes(painter, size);
    }
    applyDiscMask(out);
    return out;
}

ComposedPicture ComposedPicture::withDiscMask(const std::optional<DiscMask>& mask) const {
    ComposedPicture result = *this;
    result.discMask_ = mask;
    return result;
}

QPainterPath ComposedPicture::discMaskPath(const QSize& size) const {
    QPainterPath shown;
    if (!discMask_) {
        shown.addRect(QRectF(QPointF(), size));
        return shown;
    }
    const QRectF& d = discMask_->disc;
    const QRectF disc(d.x() * size.width(), d.y() * size.height(), d.width() * size.width(),
                      d.height() * size.height());
    shown.addEllipse(disc);
    if (discMask_->hole > 0) {
        QPainterPath hole;
        const QSizeF holeSize = disc.size() * discMask_->hole;
        hole.addEllipse(QRectF(disc.center() - QPointF(holeSize.width(), holeSize.height()) / 2,
                               holeSize));
        shown = shown.subtracted(hole);
    }
    return shown;
}

// Clears what lies off the disc or in its hole, with soft edges.
void ComposedPicture::applyDiscMask(QImage& image) const {
    if (!discMask_ || image.isNull()) return;
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainterPath off;
    off.addRect(QRectF(QPointF(), image.size()));
    off = off.subtracted(discMaskPath(image.size()));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillPath(off, Qt::transparent);
}

// White around the part of the source in use, which is rendered as a picture of
// its own into its share of the size; the titles go over the whole.
QImage ComposedPicture::renderPadded(const QSize& size) const {
    QImage out(size, QImage::Format_RGB32);
    out.fill(Qt::white);
    const QRect inside = crop_.intersected(sourceRect()).translated(-crop_.topLeft());
    if (!inside.isEmpty()) {
        const double sx = double(size.width()) / width(), sy = double(size.height()) / height();
        const int left = pixelEdge(inside.left() * sx), top = pixelEdge(inside.top() * sy);
        const int right = pixelEdge((inside.left() + inside.width()) * sx);
        const int bottom = pixelEdge((inside.top() + inside.height()) * sy);
        const QSize share(right - left, bottom - top);
        if (!share.isEmpty()) {
            QPainter painter(&out);
            painter.drawImage(left, top,
                              cropped(inside).withoutStrokes().withDiscMask({}).render(share));
        }
    }
    QPainter painter(&out);
    paintStrokes(painter, size);
    return out;
}

bool ComposedPicture::operator==(const ComposedPicture& o) const {
    if (source_.cacheKey() != o.source_.cacheKey() || sourceSize_ != o.sourceSize_ ||
        crop_ != o.crop_ || discMask_ != o.discMask_ ||
        strokes_.size() != o.strokes_.size())
        return false;
    for (int i = 0; i < strokes_.size(); ++i) {
        const TitleStroke &a = strokes_[i], &b = o.strokes_[i];
        if (a.text != b.text || a.fontName != b.fontName || a.pixelSize != b.pixelSize ||
            a.bold != b.bold || a.italic != b.italic || a.underline != b.underline ||
            a.angle != b.angle || a.position != b.position || a.colour != b.colour)
            return false;
    }
    return true;
}

}  // namespace vsm
