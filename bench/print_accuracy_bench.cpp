// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every model with vessomar-render, cut outlines on, rasterises the PDF
// and measures each zone's outline against the catalogue, in millimetres.
#include "model/CoverCatalogue.h"
#include "support/PageMeasure.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

using namespace vsm;

namespace {

constexpr double kDpi = 600;

QString writeProject(const QString& folder, const QString& picture, int model) {
    const QString path = folder + QStringLiteral("/m%1.vsm").arg(model);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    const QStringList lines = {picture, picture, picture, " 1 ", "", "", "Liberation Sans", "12",
                               " 0 ", " 0 ", " 0 ", " 255 ", " 1 ", " 1 ",
                               QStringLiteral(" %1 ").arg(model)};
    file.write((lines.join("\r\n") + "\r\n").toUtf8());
    return path;
}

bool run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(120000) || p.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program), p.readAllStandardError().constData());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QImageReader::setAllocationLimit(1024);  // a 600 dpi page is larger than Qt's default
    const QString build = QStringLiteral(VESSOMAR_BUILD_DIR);
    CoverCatalogue catalogue;
    catalogue.load(build + QStringLiteral("/Files/Covers.ini"));
    QTemporaryDir work;
    QImage white(1200, 900, QImage::Format_RGB32);
    white.fill(Qt::white);
    const QString picture = work.path() + QStringLiteral("/white.jpg");
    white.save(picture, "JPEG");

    double worstPosition = 0, worstSize = 0;
    int zones = 0, missing = 0;
    for (int model = 0; model <= CoverCatalogue::kLastModelIndex; ++model) {
        const QString pdf = work.path() + QStringLiteral("/m%1.pdf").arg(model);
        const QString png = work.path() + QStringLiteral("/m%1").arg(model);
        if (!run(build + QStringLiteral("/vessomar-render"),
                 {writeProject(work.path(), picture, model), pdf, "--outline"}) ||
            !run(QStringLiteral("pdftoppm"), {"-r", QString::number(kDpi), "-gray", "-png",
                                              "-singlefile", pdf, png}))
            return 1;
        const QImage page(png + QStringLiteral(".png"));
        double modelWorst = 0;
        for (const test::ExpectedOutline& e : test::expectedOutlines(catalogue, model)) {
            ++zones;
            const auto measured = test::measureOutline(page, kDpi, e, QPointF());
            if (!measured) {
                ++missing;
                continue;
            }
            const test::OutlineError err = test::outlineError(*measured, e.mm);
            worstPosition = std::max(worstPosition, err.position);
            worstSize = std::max(worstSize, err.size);
            modelWorst = std::max({modelWorst, err.position, err.size});
        }
        std::printf("model %2d: largest error %.3f mm\n", model, modelWorst);
    }
    std::printf("bench print-accuracy: max_position_error_mm=%.3f max_size_error_mm=%.3f "
                "zones=%d missing=%d dpi=%.0f\n",
                worstPosition, worstSize, zones, missing, kDpi);
    return missing == 0 ? 0 : 1;
}
