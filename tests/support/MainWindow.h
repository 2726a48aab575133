// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/FakePlatform.h"
#include "support/Pictures.h"
#include "support/TempAppFolder.h"
#include "ui/Form1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <functional>

namespace vsm::test {

// The main window over a temporary program folder and the fakes, loaded. Files a
// test needs before the start go in through `before`.
struct MainWindow {
    struct Start {
        QString commandLine;
        bool show = false;
        std::function<void(TempAppFolder&)> before;
        std::function<void(Platform&)> platform;  // changes to the fakes' services
    };

    TempAppFolder dir;
    FakePlatform fakes;
    Platform services;
    Form1 form;
    bool loaded = false;

    MainWindow() : MainWindow(Start{}) {}
    explicit MainWindow(const Start& start)
        : services(servicesFor(fakes, start)), form(services, dir.folder(), start.commandLine) {
        if (start.before) start.before(dir);
        loaded = form.load();
        if (start.show) {
            form.show();
            QCoreApplication::processEvents();
        }
    }

    template <typename T>
    T* child(const char* name) const {
        return form.findChild<T*>(QLatin1String(name));
    }

    // A one-colour picture saved in the program folder; its path.
    QString picture(const QString& relativePath, QColor colour, QSize size = QSize(30, 20),
                    const char* format = "PNG") {
        const QString path = dir.path("/" + relativePath);
        QDir().mkpath(QFileInfo(path).absolutePath());
        solidPicture(size.width(), size.height(), colour).save(path, format);
        return path;
    }

private:
    static Platform servicesFor(FakePlatform& fakes, const Start& start) {
        Platform p = fakes.services();
        if (start.platform) start.platform(p);
        return p;
    }
};

}  // namespace vsm::test
