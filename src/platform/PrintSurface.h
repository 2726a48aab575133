// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Units.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>

namespace vsm {

class ComposedPicture;

// A page to print on, in millimetres from the top-left corner of the printable
// area. Every operation reports whether it worked, so that a failing step can be
// told apart from the ones that follow it.
class PrintSurface {
public:
    virtual ~PrintSurface() = default;

    // Millimetres from here on, origin at the printable area's top-left corner.
    virtual bool setScaleToMillimetres() = 0;
    // The whole picture stretched into the rectangle; the aspect ratio is not kept.
    virtual bool paintPicture(const ComposedPicture& picture, const MmRect& rect) = 0;
    // Outlines in black, not filled, with the thinnest line.
    virtual bool lineBox(const MmRect& rect) = 0;
    virtual bool circle(const QPointF& centreMm, double radiusMm) = 0;
    // The ellipse inscribed in the rectangle, outlined as a circle is.
    virtual bool ellipse(const MmRect& bounds) = 0;
    // A straight black line of the given width, as crop marks are drawn.
    virtual bool line(const QPointF& fromMm, const QPointF& toMm, double widthMm) = 0;
    // The printable area and text extents, in millimetres.
    virtual std::optional<double> scaleWidth() = 0;
    virtual std::optional<double> scaleHeight() = 0;
    virtual std::optional<double> textWidth(const QString& text) = 0;
    virtual std::optional<double> textHeight(const QString& text) = 0;
    // Prints a text with its top-left corner at the current position.
    virtual bool setCurrentPosition(const QPointF& mm) = 0;
    virtual bool print(const QString& text) = 0;
    // Ends the job and hands it to the spooler.
    virtual bool endDoc() = 0;
};

}  // namespace vsm
