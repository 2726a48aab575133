// SPDX-License-Identifier: GPL-3.0-or-later
// vessomar-render PROJECT.vsm OUT.pdf|OUT.png [options]: the cover as it would
// print, into a file. Needs no display.
#include "print/BatchRender.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    vsm::RenderRequest request;
    QString error;
    if (!vsm::parseRenderArguments(app.arguments().mid(1), request, &error)) {
        std::fprintf(stderr, "vessomar-render: %s\n", qPrintable(error));
        return 2;
    }
    const int result = vsm::renderCover(request, QCoreApplication::applicationDirPath(), &error);
    if (result != 0) std::fprintf(stderr, "vessomar-render: %s\n", qPrintable(error));
    return result;
}
