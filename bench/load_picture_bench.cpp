// SPDX-License-Identifier: GPL-3.0-or-later
// Dropping a photo on a zone until it is shown (load, refresh and repaint),
// against a bare full-size libjpeg-turbo decode of the same file by djpeg.
//
//   bench_load_picture --generate DIR    writes 12, 24, 48, 108 and 200 megapixel JPEGs
//   bench_load_picture DIR               measures
//   bench_load_picture --three DIR       peak memory with a 108 megapixel photo in
//                                        each of the three slots (a process of its own)
#include "BenchSupport.h"
#include "project/PictureLoader.h"
#include "support/FakePlatform.h"
#include "support/TempAppFolder.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <cstdio>

using namespace vsm;

namespace {

struct Size {
    const char* name;
    int width, height;
};
constexpr Size kSizes[] = {{"12mp", 4000, 3000},  {"24mp", 6000, 4000},   {"48mp", 8000, 6000},
                           {"108mp", 12000, 9000}, {"200mp", 16320, 12240}};
constexpr Size k108 = kSizes[3];
constexpr int kRuns = 5;

QString photoPath(const QString& folder, const Size& s) {
    return folder + QStringLiteral("/photo-%1.jpg").arg(QLatin1String(s.name));
}

// The drop path: the window's drop handler hands the file to the slot of the zone.
double dropOnZone(Form1& form, int slot, const QString& path) {
    QElapsedTimer timer;
    timer.start();
    form.projectCommands().setDropTargetSlot(QString::number(slot));
    form.projectCommands().GotADrop(path);
    form.repaint();
    return double(timer.nsecsElapsed()) / 1e6;
}

void openWindow(Form1& form, int model) {
    form.load();
    form.show();
    form.selectModel(model);
    QCoreApplication::processEvents();
}

// Model 14 shows all three slots.
int measureThree(const QString& folder) {
    test::TempAppFolder dir;
    test::FakePlatform fakes;
    Form1 form(fakes.services(), dir.folder(), QString());
    openWindow(form, 14);
    double total = 0;
    for (int slot = 1; slot <= 3; ++slot) total += dropOnZone(form, slot, photoPath(folder, k108));
    std::printf("three 108mp photos: %.0f ms in all, peak %.0f MB\n", total, bench::peakMegabytes());
    std::printf("peak_mb_three_108mp=%.0f\n", bench::peakMegabytes());
    return fakes.prompts.shown.empty() ? 0 : 1;
}

double decodeOnly(const QString& path) {
    QElapsedTimer timer;
    timer.start();
    const auto picture = loadPicture(path);
    return picture ? double(timer.nsecsElapsed()) / 1e6 : -1;
}

double djpeg(const QString& program, const QString& path) {
    QElapsedTimer timer;
    timer.start();
    QProcess::execute(program, {QStringLiteral("-outfile"), QStringLiteral("/dev/null"), path});
    return double(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--generate")) {
        unsigned seed = 1;
        for (const Size& s : kSizes)
            if (!bench::photoLikePicture(s.width, s.height, seed++).save(photoPath(args[2], s), "JPEG", 90))
                return 1;
        return 0;
    }
    if (args.size() == 3 && args[1] == QLatin1String("--three")) return measureThree(args[2]);
    const QString djpegProgram = QStandardPaths::findExecutable(QStringLiteral("djpeg"));
    if (args.size() != 2 || djpegProgram.isEmpty()) {
        std::fprintf(stderr, "usage: bench_load_picture [--generate] FOLDER (needs djpeg)\n");
        return 2;
    }
    test::TempAppFolder dir;
    test::FakePlatform fakes;
    Form1 form(fakes.services(), dir.folder(), QString());
    openWindow(form, 0);

    QString summary;
    double loaderTotal = 0, djpegTotal = 0, previewRatio48 = 0;
    for (const Size& s : kSizes) {
        std::vector<double> loader, bare, decoding;
        const double cold = dropOnZone(form, 1, photoPath(args[1], s));  // first touch of its memory
        std::printf("%s: first load %.1f ms\n", s.name, cold);
        for (int i = 0; i < kRuns; ++i) {
            loader.push_back(dropOnZone(form, 1, photoPath(args[1], s)));
            bare.push_back(djpeg(djpegProgram, photoPath(args[1], s)));
            decoding.push_back(decodeOnly(photoPath(args[1], s)));
        }
        const double l = bench::median(loader), d = bench::median(bare);
        if (&s == &kSizes[2]) previewRatio48 = l / d;
        loaderTotal += l;
        djpegTotal += d;
        std::printf("%s: shown after %.1f ms (decoding %.1f ms), djpeg %.1f ms, ratio %.2f\n",
                    s.name, l, bench::median(decoding), d, l / d);
        summary += QStringLiteral(" median_ms_%1=%2 djpeg_ms_%1=%3")
                       .arg(QLatin1String(s.name))
                       .arg(l, 0, 'f', 1)
                       .arg(d, 0, 'f', 1);
    }
    if (!fakes.prompts.shown.empty()) {
        std::fprintf(stderr, "a photo was refused: %s\n", qPrintable(fakes.prompts.shown[0].text));
        return 1;
    }
    std::printf("bench load-picture:%s ratio=%.2f preview_ratio_48mp=%.2f peak_mb=%.0f\n",
                qPrintable(summary), loaderTotal / djpegTotal, previewRatio48,
                bench::peakMegabytes());
    return 0;
}
