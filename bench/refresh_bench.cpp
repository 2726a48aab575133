// SPDX-License-Identifier: GPL-3.0-or-later
// Typing a cover title runs the whole refresh at every keystroke. This measures
// it with three 12-megapixel photos in the slots and, in the same run, with the
// blank pictures, and with the photos filled and fitted to their zones, on a
// disc-face model with three zones and a slim model.
//
//   bench_refresh --generate DIR     writes the photos (a separate process, so
//                                    that making them does not count as memory)
//   bench_refresh DIR                measures
#include "BenchSupport.h"
#include "model/PictureFit.h"
#include "project/PictureLoader.h"
#include "support/FakePlatform.h"
#include "support/TempAppFolder.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <cstdio>

using namespace vsm;

namespace {

const QString kTitle = QStringLiteral("Summer holidays 2026");  // 20 characters

std::vector<double> typeTitle(Form1& form, int model) {
    form.selectModel(model);
    auto* text1 = form.findChild<QLineEdit*>(QStringLiteral("Text1"));
    text1->clear();
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 1; i <= kTitle.size(); ++i) {
        timer.start();
        text1->setText(kTitle.left(i));  // runs the refresh
        form.repaint();                  // and shows it
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return times;
}

std::vector<double> typeOnBothModels(Form1& form) {
    std::vector<double> all = typeTitle(form, 14);
    const std::vector<double> slim = typeTitle(form, 20);
    all.insert(all.end(), slim.begin(), slim.end());
    return all;
}

int generate(const QString& folder) {
    for (int i = 0; i < 3; ++i) {
        const QString path = folder + QStringLiteral("/photo%1.jpg").arg(i + 1);
        if (!bench::photoLikePicture(4000, 3000, 11u + unsigned(i)).save(path, "JPEG", 90))
            return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--generate")) return generate(args[2]);
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: bench_refresh [--generate] FOLDER\n");
        return 2;
    }
    test::TempAppFolder dir;
    test::FakePlatform fakes;
    Form1 form(fakes.services(), dir.folder(), QString());
    form.load();
    form.show();
    QCoreApplication::processEvents();

    typeOnBothModels(form);  // warm up: fonts, templates and display copies
    const std::vector<double> blank = typeOnBothModels(form);
    double decodedMb = 0;
    for (int n = 1; n <= 3; ++n) {
        const QString path = args[1] + QStringLiteral("/photo%1.jpg").arg(n);
        const auto photo = loadPicture(path);
        if (!photo) {
            std::fprintf(stderr, "cannot load %s\n", qPrintable(path));
            return 1;
        }
        decodedMb += double(photo->pixels.sizeInBytes()) / (1024.0 * 1024.0);
        form.session().pictureSlots.put(n, photo->composed(), path);
    }
    typeOnBothModels(form);  // first pass makes the display copies once
    const std::vector<double> photos = typeOnBothModels(form);
    // The same photos cut to their zones and laid inside them.
    setFitMode(form.session(), 1, FitMode::Fill);
    for (int n = 2; n <= 3; ++n) setFitMode(form.session(), n, FitMode::Fit);
    typeOnBothModels(form);
    const std::vector<double> fitted = typeOnBothModels(form);

    const double photoMedian = bench::median(photos), blankMedian = bench::median(blank);
    std::printf("keystrokes per run: %zu (models 14 and 20)\n", photos.size());
    std::printf("photos: median %.2f ms, p95 %.2f ms; blank: median %.2f ms, p95 %.2f ms\n",
                photoMedian, bench::percentile(photos, 95), blankMedian,
                bench::percentile(blank, 95));
    std::printf("fitted photos (Fill, Fit, Fit): median %.2f ms, p95 %.2f ms\n",
                bench::median(fitted), bench::percentile(fitted, 95));
    std::printf("decoded pictures %.0f MB; memory budget %.0f MB\n", decodedMb,
                2.5 * decodedMb + 150);
    std::printf("bench refresh: median_ms=%.2f p95_ms=%.2f blank_median_ms=%.2f "
                "blank_p95_ms=%.2f ratio=%.2f fitted_median_ms=%.2f fitted_p95_ms=%.2f "
                "peak_mb=%.0f\n",
                photoMedian, bench::percentile(photos, 95), blankMedian,
                bench::percentile(blank, 95), photoMedian / blankMedian, bench::median(fitted),
                bench::percentile(fitted, 95), bench::peakMegabytes());
    return 0;
}
