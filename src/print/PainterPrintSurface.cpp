// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/PainterPrintSurface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <algorithm>
#include <cmath>

namespace vsm {

namespace {

constexpr double kCreditFontPoints = 8;

}  // namespace

PainterPrintSurface::PainterPrintSurface(QPaintDevice* device, QPointF originOffsetMm,
                                         std::function<bool()> finish)
    : device_(device), offsetMm_(originOffsetMm), finish_(std::move(finish)) {
    font_ = QFont(QStringLiteral("Liberation Sans"));
    font_.setPointSizeF(kCreditFontPoints);
}

PainterPrintSurface::~PainterPrintSurface() {
    if (painter_.isActive()) painter_.end();
}

std::unique_ptr<PrintSurface> PainterPrintSurface::on(QPaintDevice* device) {
    return std::make_unique<PainterPrintSurface>(device);
}

double PainterPrintSurface::pixelsPerMmX() const { return device_->logicalDpiX() / kMmPerInch; }
double PainterPrintSurface::pixelsPerMmY() const { return device_->logicalDpiY() / kMmPerInch; }

// The job begins with the first drawing; a device that will not paint fails here.
bool PainterPrintSurface::ready() {
    if (ended_ || !device_) return false;
    if (!begun_) {
        begun_ = true;
        if (!painter_.begin(device_)) return false;
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setRenderHint(QPainter::SmoothPixmapTransform);
        painter_.setFont(QFont(font_, device_));
    }
    return painter_.isActive();
}

QRectF PainterPrintSurface::toDevice(const QRectF& mm) const {
    const QRectF shifted = mm.translated(offsetMm_);
    return QRectF(shifted.x() * pixelsPerMmX(), shifted.y() * pixelsPerMmY(),
                  shifted.width() * pixelsPerMmX(), shifted.height() * pixelsPerMmY());
}

QPen PainterPrintSurface::outlinePen() const {
    QPen pen(Qt::black);
    pen.setWidthF(0);  // the thinnest line the device draws
    pen.setCosmetic(true);
    return pen;
}

bool PainterPrintSurface::setScaleToMillimetres() { return ready(); }

bool PainterPrintSurface::paintPicture(const ComposedPicture& picture, const MmRect& rect) {
    const QRectF& mm = rect.mm;
    if (!ready() || picture.isNull() || mm.width() <= 0 || mm.height() <= 0) return false;
    const QImage image = picture.render(pictureSize(picture, mm.size()));
    if (image.isNull()) return false;
    painter_.drawImage(toDevice(mm), image);
    return true;
}

void PainterPrintSurface::setPictureResolutionLimit(double dpi) {
    pictureDpiLimit_ = dpi > 0 ? std::min(dpi, kMaxPicturePixelsPerInch) : kMaxPicturePixelsPerInch;
}

// The device's resolution or the limit, whichever is coarser, at the printed size,
// rounded up so a picture is never sent coarser than that; never more pixels than
// the picture keeps.
QSize PainterPrintSurface::pictureSize(const ComposedPicture& picture, QSizeF mm) const {
    const double limit = pictureDpiLimit_ / kMmPerInch;
    const int width = int(std::ceil(mm.width() * std::min(pixelsPerMmX(), limit)));
    const int height = int(std::ceil(mm.height() * std::min(pixelsPerMmY(), limit)));
    const QSize kept = picture.pixelCrop().size();
    return QSize(std::min(std::max(1, width), kept.width()),
                 std::min(std::max(1, height), kept.height()));
}

bool PainterPrintSurface::lineBox(const MmRect& rect) {
    if (!ready()) return false;
    painter_.setPen(outlinePen());
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(toDevice(rect.mm));
    return true;
}

bool PainterPrintSurface::circle(const QPointF& centreMm, double radiusMm) {
    return ellipse(MmRect::of(centreMm.x() - radiusMm, centreMm.y() - radiusMm, 2 * radiusMm,
                              2 * radiusMm));
}

bool PainterPrintSurface::ellipse(const MmRect& bounds) {
    if (!ready()) return false;
    painter_.setPen(outlinePen());
    painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(toDevice(bounds.mm));
    return true;
}

bool PainterPrintSurface::line(const QPointF& fromMm, const QPointF& toMm, double widthMm) {
    if (!ready()) return false;
    QPen pen(Qt::black);
    pen.setWidthF(widthMm * (pixelsPerMmX() + pixelsPerMmY()) / 2);
    pen.setCapStyle(Qt::FlatCap);
    painter_.setPen(pen);
    const QRectF ends = toDevice(QRectF(fromMm, toMm));
    painter_.drawLine(ends.topLeft(), ends.bottomRight());
    return true;
}

std::optional<double> PainterPrintSurface::scaleWidth() {
    if (!device_) return std::nullopt;
    return device_->width() / pixelsPerMmX();
}

std::optional<double> PainterPrintSurface::scaleHeight() {
    if (!device_) return std::nullopt;
    return device_->height() / pixelsPerMmY();
}

std::optional<double> PainterPrintSurface::textWidth(const QString& text) {
    if (!device_) return std::nullopt;
    return QFontMetricsF(font_, device_).horizontalAdvance(text) / pixelsPerMmX();
}

std::optional<double> PainterPrintSurface::textHeight(const QString&) {
    if (!device_) return std::nullopt;
    return QFontMetricsF(font_, device_).height() / pixelsPerMmY();
}

bool PainterPrintSurface::setCurrentPosition(const QPointF& mm) {
    current_ = mm;
    return true;
}

bool PainterPrintSurface::print(const QString& text) {
    if (!ready()) return false;
    const QRectF at = toDevice(QRectF(current_, QSizeF(0, 0)));
    painter_.setPen(Qt::black);
    painter_.drawText(QPointF(at.x(), at.y() + QFontMetricsF(painter_.font()).ascent()), text);
    return true;
}

bool PainterPrintSurface::endDoc() {
    if (ended_) return false;
    const bool painted = !begun_ || painter_.isActive();
    if (painter_.isActive() && !painter_.end()) return false;
    ended_ = true;
    if (!painted) return false;
    return finish_ ? finish_() : true;
}

}  // namespace vsm
