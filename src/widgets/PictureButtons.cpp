// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/PictureButtons.h"

#include "common/Units.h"
#include "widgets/TransparentPixmap.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <functional>

namespace vsm {

namespace {

constexpr int kRaiseTwips = 30;

QRectF disc(QSize size) { return QRectF(QPointF(0, 0), QSizeF(size)).adjusted(6, 6, -6, -6); }

// A coloured disc with a white mark drawn on it by drawMark.
QPixmap markedDisc(QSize size, const QColor& colour,
                   const std::function<void(QPainter&, const QRectF&)>& drawMark) {
    QPixmap pixmap = transparentPixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF d = disc(size);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(d);
    drawMark(p, d);
    return pixmap;
}

}  // namespace

bool isLeftClickInside(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const auto* widget = qobject_cast<QWidget*>(watched);
    return mouse->button() == Qt::LeftButton && widget &&
           widget->rect().contains(mouse->position().toPoint());
}

PictureButtons::PictureButtons(QWidget* dialog, std::function<void()> hoverSound,
                               std::function<void(int)> clicked)
    : QObject(dialog), dialog_(dialog), hoverSound_(std::move(hoverSound)),
      clicked_(std::move(clicked)) {
    dialog_->setMouseTracking(true);
    dialog_->installEventFilter(this);
}

void PictureButtons::add(QLabel* picture, QLabel* caption) {
    for (QLabel* label : {picture, caption}) {
        label->setMouseTracking(true);
        label->installEventFilter(this);
        label->setCursor(Qt::PointingHandCursor);
    }
    buttons_.push_back({picture, caption, picture->pos(), caption->pos()});
}

bool PictureButtons::isRaised(int index) const {
    return index >= 0 && index < int(buttons_.size()) && buttons_[size_t(index)].raised;
}

void PictureButtons::place(Button& b, QPoint shift, bool underline) {
    b.picture->move(b.pictureRest + shift);
    b.caption->move(b.captionRest + shift);
    QFont font = b.caption->font();
    font.setUnderline(underline);
    b.caption->setFont(font);
}

void PictureButtons::raise(int index) {
    Button& b = buttons_[size_t(index)];
    if (b.raised) return;
    b.raised = true;
    const int raise = twipsToPixels(kRaiseTwips);
    place(b, QPoint(-raise, -raise), true);
    if (hoverSound_) hoverSound_();
}

void PictureButtons::lowerAll() {
    for (Button& b : buttons_) {
        if (!b.raised) continue;
        b.raised = false;
        place(b, QPoint(), false);
    }
}

int PictureButtons::indexOf(QObject* watched) const {
    for (size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i].picture == watched || buttons_[i].caption == watched) return int(i);
    return -1;
}

bool PictureButtons::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        const int index = indexOf(watched);
        if (index >= 0) {
            raise(index);
            return true;  // the move must not reach the background, which lowers it
        }
        if (watched == dialog_) lowerAll();
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const int index = indexOf(watched);
        if (index >= 0 && isClick(watched, event)) {
            clicked_(index);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool PictureButtons::isClick(QObject* watched, QEvent* event) const {
    if (releaseInsideOnly_) return isLeftClickInside(watched, event);
    return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
}

QPixmap PictureButtons::okPicture(QSize size) {
    return markedDisc(size, QColor(52, 150, 80), [](QPainter& p, const QRectF& d) {
        p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(
            QPolygonF({QPointF(d.left() + d.width() * 0.28, d.top() + d.height() * 0.52),
                       QPointF(d.left() + d.width() * 0.44, d.top() + d.height() * 0.68),
                       QPointF(d.left() + d.width() * 0.72, d.top() + d.height() * 0.34)}));
    });
}

QPixmap PictureButtons::cancelPicture(QSize size) {
    return markedDisc(size, QColor(200, 50, 45), [](QPainter& p, const QRectF& d) {
        const QRectF cross = d.adjusted(d.width() * 0.3, d.height() * 0.3, -d.width() * 0.3,
                                        -d.height() * 0.3);
        p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(cross.topLeft(), cross.bottomRight());
        p.drawLine(cross.topRight(), cross.bottomLeft());
    });
}

}  // namespace vsm
