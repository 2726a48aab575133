// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Units.h"
#include "model/ComposedPicture.h"
#include "platform/PrintSurface.h"

#include <QFont>
#include <QPainter>
#include <functional>
#include <memory>

class QPaintDevice;

namespace vsm {

// The one page renderer: a QPainter on a printer, a PDF writer or a picture. The
// device's origin is the printable area's top-left corner; originOffsetMm moves it
// (a picture page has no printer margins of its own). Pictures are sent at no more
// than the device's resolution, nor kMaxPicturePixelsPerInch, at their printed
// size, so a large photo does not make a huge spool file.
class PainterPrintSurface : public PrintSurface {
public:
    // finish is called by endDoc after the painter has ended (writes a picture page
    // to its file, for example); its result is endDoc's.
    PainterPrintSurface(QPaintDevice* device, QPointF originOffsetMm = {},
                        std::function<bool()> finish = {});
    ~PainterPrintSurface() override;

    // A surface with no offset or finish step, as a printer's jobs use.
    static std::unique_ptr<PrintSurface> on(QPaintDevice* device);

    bool setScaleToMillimetres() override;
    bool paintPicture(const ComposedPicture& picture, const MmRect& rect) override;
    bool lineBox(const MmRect& rect) override;
    bool circle(const QPointF& centreMm, double radiusMm) override;
    bool ellipse(const MmRect& bounds) override;
    bool line(const QPointF& fromMm, const QPointF& toMm, double widthMm) override;
    std::optional<double> scaleWidth() override;
    std::optional<double> scaleHeight() override;
    std::optional<double> textWidth(const QString& text) override;
    std::optional<double> textHeight(const QString& text) override;
    bool setCurrentPosition(const QPointF& mm) override;
    bool print(const QString& text) override;
    bool endDoc() override;

    // Pictures are sent at no more than this resolution (dots per inch) at their
    // printed size; it cannot raise the limit above kMaxPicturePixelsPerInch.
    void setPictureResolutionLimit(double dpi);

    // Device pixels per millimetre, across and down.
    double pixelsPerMmX() const;
    double pixelsPerMmY() const;

private:
    bool ready();
    QRectF toDevice(const QRectF& mm) const;
    QSize pictureSize(const ComposedPicture& picture, QSizeF mm) const;
    QPen outlinePen() const;

    QPaintDevice* device_;
    QPointF offsetMm_;
    std::function<bool()> finish_;
    QPainter painter_;
    QFont font_;
    QPointF current_;
    double pictureDpiLimit_ = kMaxPicturePixelsPerInch;
    bool begun_ = false;
    bool ended_ = false;
};

}  // namespace vsm
