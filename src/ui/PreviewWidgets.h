// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Units.h"
#include "model/PreviewControls.h"

#include <QImage>
#include <QWidget>

class QPainter;

namespace vsm {

// A picture zone: its picture stretched smoothly to the widget. The stretched
// picture is kept between paints and made again only when the picture's pixels,
// its part or the widget's size change; titles are painted over it each time,
// which is cheap, so typing a title never rescales a large photo.
class ZoneView : public QWidget {
    Q_OBJECT
public:
    explicit ZoneView(const QString& name, QWidget* parent);
    void setPicture(const ComposedPicture& picture);
    const ComposedPicture& picture() const { return picture_; }

signals:
    void clicked();
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    const QImage& displayCopy();
    void paintClippedDisc(QPainter& painter);

    ComposedPicture picture_;
    QImage display_;
    ComposedPicture displayed_;  // what display_ shows, without its titles
};

// A zone outline: rectangle or inscribed circle, solid or dotted. Clicks and
// drops pass through it to the zone below.
class OutlineView : public QWidget {
    Q_OBJECT
public:
    explicit OutlineView(const QString& name, QWidget* parent);
    void setOutline(const OutlineControl& outline);
    const OutlineControl& outline() const { return outline_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    OutlineControl outline_;
};

}  // namespace vsm
