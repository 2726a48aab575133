// SPDX-License-Identifier: GPL-3.0-or-later
// Wall time and peak memory of vessomar-render making a PDF: model 0 with one
// 24-megapixel picture, and model 3 with two 12-megapixel pictures.
#include "BenchSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

using namespace vsm;

namespace {

constexpr int kRuns = 5;

QString writeProject(const QString& folder, const QString& name, const QStringList& pictures,
                     int model) {
    const QString path = folder + "/" + name + ".vsm";
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    const QStringList lines = {pictures.value(0), pictures.value(1), pictures.value(2), " 1 ",
                               "Summer holidays", "Summer 2026", "Liberation Sans", "16", " 1 ",
                               " 0 ", " 0 ", " 255 ", " 1 ", " 1 ", QStringLiteral(" %1 ").arg(model)};
    file.write((lines.join("\r\n") + "\r\n").toUtf8());
    return path;
}

double childPeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

std::vector<double> timeRenders(const QString& project, const QString& pdf) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        QProcess render;
        render.start(QStringLiteral(VESSOMAR_BUILD_DIR "/vessomar-render"), {project, pdf});
        if (!render.waitForFinished(120000) || render.exitCode() != 0) return {};
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir work;
    const QString big = work.path() + "/photo24.jpg", a = work.path() + "/a12.jpg",
                  b = work.path() + "/b12.jpg";
    bench::photoLikePicture(6000, 4000, 3).save(big, "JPEG", 90);
    bench::photoLikePicture(4000, 3000, 4).save(a, "JPEG", 90);
    bench::photoLikePicture(4000, 3000, 5).save(b, "JPEG", 90);

    const auto box = timeRenders(writeProject(work.path(), "box", {big}, 0), work.path() + "/box.pdf");
    const auto cd = timeRenders(writeProject(work.path(), "cd", {a, b}, 3), work.path() + "/cd.pdf");
    if (box.empty() || cd.empty()) {
        std::fprintf(stderr, "vessomar-render failed\n");
        return 1;
    }
    std::printf("model 0, one 24 MP picture: median %.0f ms, p95 %.0f ms, PDF %lld KB\n",
                bench::median(box), bench::percentile(box, 95),
                QFile(work.path() + "/box.pdf").size() / 1024);
    std::printf("model 3, two 12 MP pictures: median %.0f ms, p95 %.0f ms, PDF %lld KB\n",
                bench::median(cd), bench::percentile(cd, 95),
                QFile(work.path() + "/cd.pdf").size() / 1024);
    std::printf("bench render: median_ms=%.0f p95_ms=%.0f model3_median_ms=%.0f "
                "model3_p95_ms=%.0f peak_mb=%.0f\n",
                bench::median(box), bench::percentile(box, 95), bench::median(cd),
                bench::percentile(cd, 95), childPeakMegabytes());
    return 0;
}
