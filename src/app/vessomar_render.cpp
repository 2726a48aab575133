// SPDX-License-Identifier: GPL-3.0-or-later
// vessomar-render PROJECT.vsm OUT.pdf|OUT.png [options]: the cover as it would
// print, into a file or onto a printer. Needs no display.
#include "common/Version.h"
#include "platform/CupsPrinterSystem.h"
#include "print/BatchRender.h"
#include "print/PainterPrintSurface.h"

#include <QGuiApplication>
#include <cstdio>

namespace {

QtMessageHandler qtHandler = nullptr;

// Without a desktop session there is no runtime folder; Qt says so on every run
// although nothing here needs one.
void quietRuntimeFolder(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QLatin1String("QStandardPaths: ")) &&
        text.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    qtHandler(type, context, text);
}

void say(const QString& text) { std::fprintf(stderr, "vessomar-render: %s\n", qPrintable(text)); }

}  // namespace

int main(int argc, char* argv[]) {
    qtHandler = qInstallMessageHandler(quietRuntimeFolder);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    vsm::RenderRequest request;
    QString error;
    if (!vsm::parseRenderArguments(app.arguments().mid(1), request, &error)) {
        say(error);
        return 2;
    }
    if (request.help) {
        std::printf("%s", qPrintable(vsm::renderUsage()));
        return 0;
    }
    if (request.version) {
        std::printf("vessomar-render %s\n", qPrintable(vsm::Version::caption()));
        return 0;
    }
    std::unique_ptr<vsm::CupsPrinterSystem> printers;
    if (!request.printer.isEmpty())
        printers = std::make_unique<vsm::CupsPrinterSystem>(&vsm::PainterPrintSurface::on);
    QStringList notes;
    int result = vsm::renderCover(request, QCoreApplication::applicationDirPath(), &error,
                                  printers.get(), &notes);
    for (const QString& note : notes) say(note);
    if (result == 0 && printers) {
        const auto job = printers->lastJob();
        if (!job || !job->problem.isEmpty()) {
            error = QStringLiteral("the printer %1 refused the job: %2")
                        .arg(request.printer, job ? job->problem : QStringLiteral("nothing was sent"));
            result = 3;
        } else {
            std::printf("job %s-%d\n", qPrintable(request.printer), job->id);
        }
    }
    if (result != 0) say(error);
    return result;
}
