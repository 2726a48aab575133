// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FileTypeRegistration.h"
#include "app/RegOCX.h"
#include "platform/QuitSignals.h"
#include "platform/RealPlatform.h"
#include "print/PainterPrintSurface.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QSessionManager>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Vessomar"));
    app.setQuitOnLastWindowClosed(true);

    vsm::RealPlatform real(&vsm::PainterPrintSurface::on);
    const vsm::Platform platform = real.services();
    const vsm::AppFolder folder =
        vsm::withWritableFiles(vsm::AppFolder{QCoreApplication::applicationDirPath(), {}});
    const QString commandLine = app.arguments().mid(1).join(QLatin1Char(' '));

    std::unique_ptr<vsm::Form1> form;
    vsm::QuitSignals quitSignals;
    // A quit signal or the end of the desktop session closes the window through
    // its unload steps, so settings and catalogue are written as on a close. One
    // that comes while a message is open (a project named on the command line may
    // show one before the window) closes the message first.
    bool quitRequested = false;
    const auto quit = [&] {
        quitRequested = true;
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        if (form && form->isVisible()) form->close();
    };
    QObject::connect(&quitSignals, &vsm::QuitSignals::quitRequested, quit);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, [&](QSessionManager&) { quit(); });
    const bool running = vsm::RegOCX::entryRoutine(
        platform, folder,
        [&](const vsm::HelperRunner& runHelper) {
            vsm::RegisterFileType(folder, nullptr,
                                  vsm::RegistrationTargets::forCurrentUser(runHelper));
        },
        [&] {
            form = std::make_unique<vsm::Form1>(platform, folder, commandLine);
            if (!form->load()) return false;
            form->show();
            return true;
        });
    if (!running) return 0;
    if (quitRequested) {
        form->close();
        return 0;
    }
    return app.exec();
}
