// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ToolbarIcons.h"

#include "widgets/TransparentPixmap.h"

#include <QPainter>
#include <QPainterPath>

namespace vsm {

namespace {

const QColor kInk(52, 64, 84);
const QColor kAccent(66, 133, 214);

QPen ink(double width = 2) { return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void folder(QPainter& p, const QRectF& r) {
    p.setPen(ink());
    p.setBrush(QColor(247, 204, 92));
    QPainterPath path(QPointF(r.left(), r.top() + r.height() * 0.2));
    path.lineTo(r.left() + r.width() * 0.35, r.top() + r.height() * 0.2);
    path.lineTo(r.left() + r.width() * 0.45, r.top() + r.height() * 0.32);
    path.lineTo(r.right(), r.top() + r.height() * 0.32);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.drawPath(path);
}

void printer(QPainter& p, const QRectF& r) {
    p.setPen(ink(1.6));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.left() + r.width() * 0.25, r.top(), r.width() * 0.5, r.height() * 0.35));
    p.setBrush(QColor(96, 108, 128));
    p.drawRoundedRect(QRectF(r.left(), r.top() + r.height() * 0.3, r.width(), r.height() * 0.4), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.left() + r.width() * 0.2, r.top() + r.height() * 0.6, r.width() * 0.6, r.height() * 0.4));
}

void heart(QPainter& p, const QRectF& r) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 76, 96));
    QPainterPath path(QPointF(r.center().x(), r.bottom()));
    path.cubicTo(r.left() - r.width() * 0.1, r.center().y(), r.left() + r.width() * 0.1,
                 r.top() - r.height() * 0.1, r.center().x(), r.top() + r.height() * 0.3);
    path.cubicTo(r.right() - r.width() * 0.1, r.top() - r.height() * 0.1,
                 r.right() + r.width() * 0.1, r.center().y(), r.center().x(), r.bottom());
    p.drawPath(path);
}

void sliders(QPainter& p, const QRectF& r) {
    p.setPen(ink(2));
    for (int i = 0; i < 3; ++i) {
        const double y = r.top() + r.height() * (0.2 + 0.3 * i);
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
        p.setBrush(kAccent);
        p.drawEllipse(QPointF(r.left() + r.width() * (0.3 + 0.2 * i), y), r.width() * 0.1, r.width() * 0.1);
    }
}

void letterDisc(QPainter& p, const QRectF& r, const QColor& colour, const QString& letter) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const double d = std::min(r.width(), r.height());
    const QRectF disc(r.center().x() - d / 2, r.center().y() - d / 2, d, d);
    p.drawEllipse(disc);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setPixelSize(int(d * 0.7));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(disc, Qt::AlignCenter, letter);
}

void magnifier(QPainter& p, const QRectF& r) {
    p.setPen(ink(2.5));
    p.setBrush(QColor(220, 234, 250));
    const double d = std::min(r.width(), r.height()) * 0.65;
    p.drawEllipse(QRectF(r.left(), r.top(), d, d));
    p.drawLine(QPointF(r.left() + d * 0.85, r.top() + d * 0.85), r.bottomRight());
}

}  // namespace

QPixmap toolbarIcon(int button, QSize size) {
    QPixmap pixmap = transparentPixmap(size);
    if (button == 6 || button == 7) return pixmap;
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double side = std::min(size.width(), size.height()) * 0.8;
    const QRectF r(QPointF((size.width() - side) / 2, (size.height() - side) / 2), QSizeF(side, side));
    switch (button) {
        case 0: folder(p, r); break;
        case 1: printer(p, r); break;
        case 2: heart(p, r); break;
        case 3: sliders(p, r); break;
        case 4: letterDisc(p, r, kAccent, QStringLiteral("i")); break;
        case 5: letterDisc(p, r, QColor(72, 160, 96), QStringLiteral("?")); break;
        case 8: magnifier(p, r); break;
        case 9: letterDisc(p, r, QColor(226, 120, 48), QStringLiteral("T")); break;
        default: break;
    }
    return pixmap;
}

}  // namespace vsm
