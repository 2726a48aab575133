// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/MainWindow.h"
#include "ui/PreviewWidgets.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWindow>

namespace vsm::test {

// The main window on fakes, shown, with drags and drops as a file manager sends
// them.
struct DropWindow : MainWindow {
    DropWindow() : MainWindow(Start{QString(), true}) {}

    // Drags files over the point and drops them there, as a file manager does.
    void drop(const QStringList& files, QPoint at) {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString& f : files) urls << QUrl::fromLocalFile(f);
        mime.setUrls(urls);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&form, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&form, &move);
        QDropEvent dropped(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&form, &dropped);
    }
    // The same drag through the window, so that Qt hands it to the control under
    // the pointer as it does with a drag from a file manager.
    void dropOnWindow(QMimeData& mime, QPoint at) {
        QWindow* window = form.windowHandle();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &move);
        QDropEvent dropped(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &dropped);
    }
    QPoint centreOf(const char* zone) {
        auto* view = form.findChild<ZoneView*>(zone);
        return view->mapTo(&form, view->rect().center());
    }
    const PictureSlot& slot(int n) { return form.session().pictureSlots[n]; }
};

}  // namespace vsm::test
