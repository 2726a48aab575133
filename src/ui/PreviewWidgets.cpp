// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PreviewWidgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace vsm {

ZoneView::ZoneView(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);  // a click chooses the zone's picture
}

void ZoneView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ZoneView::mouseMoveEvent(QMouseEvent*) { emit hovered(); }

void ZoneView::setPicture(const ComposedPicture& picture) {
    if (picture == picture_) return;
    picture_ = picture;
    update();
}

// Titles are painted over the copy, so a new title alone keeps it.
const QImage& ZoneView::displayCopy() {
    const ComposedPicture undrawn = picture_.withoutStrokes();
    if (!(undrawn == displayed_) || display_.size() != size()) {
        display_ = undrawn.render(size());
        displayed_ = undrawn;
    }
    return display_;
}

void ZoneView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (picture_.isNull() || width() <= 0 || height() <= 0) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    paintClippedDisc(painter);
    painter.drawImage(0, 0, displayCopy());
    picture_.paintStrokes(painter, size());
}

// A clipped disc face shows the sheet off the disc and in its hole, and its titles
// only on the disc, as it prints.
void ZoneView::paintClippedDisc(QPainter& painter) {
    if (!picture_.discMask()) return;
    painter.fillRect(rect(), Qt::white);
    painter.setClipPath(picture_.discMaskPath(size()));
}

OutlineView::OutlineView(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void OutlineView::setOutline(const OutlineControl& outline) {
    outline_ = outline;
    update();
}

void OutlineView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(outline_.colour);
    pen.setStyle(outline_.style == OutlineControl::Style::Dotted ? Qt::DotLine : Qt::SolidLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    const QRectF inside = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (outline_.form == OutlineControl::Form::Circle) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(inside);
    } else {
        painter.drawRect(inside);
    }
}

}  // namespace vsm
