// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

namespace vsm::test {

// A mouse move over the widget, at its centre unless a point is given, as when the
// pointer comes over it.
inline void moveOver(QWidget* widget, QPointF at = QPointF(-1, -1)) {
    if (at == QPointF(-1, -1)) at = widget->rect().center();
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

inline void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// The child of that name whose "Index" property is index: the members of a
// control array share a name.
template <typename T>
T* indexedChild(const QWidget* parent, const char* name, int index) {
    for (T* part : parent->findChildren<T*>(QLatin1String(name)))
        if (part->property("Index").toInt() == index) return part;
    return nullptr;
}

}  // namespace vsm::test
