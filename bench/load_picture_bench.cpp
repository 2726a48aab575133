// Loading a photo into a slot, with the refresh and repaint that follow, against
// a bare libjpeg-turbo decode of the same file by djpeg.
//
//   bench_load_picture --generate DIR    writes 12, 24 and 48 megapixel JPEGs
//   bench_load_picture DIR               measures
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
constexpr Size kSizes[] = {{"12mp", 4000, 3000}, {"24mp", 6000, 4000}, {"48mp", 8000, 6000}};
constexpr int kRuns = 5;

QString photoPath(const QString& folder, const Size& s) {
    return folder + QStringLiteral("/photo-%1.jpg").arg(QLatin1String(s.name));
}

double loadIntoSlot(Form1& form, const QString& path) {
    QElapsedTimer timer;
    timer.start();
    const auto picture = loadPicture(path);
    if (!picture) return -1;
    form.session().pictureSlots.put(1, picture->composed(), path);
    form.Combo1_Click();
    form.repaint();
    return double(timer.nsecsElapsed()) / 1e6;
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
    const QString djpegProgram = QStandardPaths::findExecutable(QStringLiteral("djpeg"));
    if (args.size() != 2 || djpegProgram.isEmpty()) {
        std::fprintf(stderr, "usage: bench_load_picture [--generate] FOLDER (needs djpeg)\n");
        return 2;
    }
    test::TempAppFolder dir;
    test::FakePlatform fakes;
    Form1 form(fakes.services(), dir.folder(), QString());
    form.load();
    form.show();
    form.selectModel(0);
    QCoreApplication::processEvents();

    QString summary;
    double loaderTotal = 0, djpegTotal = 0;
    for (const Size& s : kSizes) {
        std::vector<double> loader, bare;
        const double cold = loadIntoSlot(form, photoPath(args[1], s));  // first touch of its memory
        std::printf("%s: first load %.1f ms\n", s.name, cold);
        for (int i = 0; i < kRuns; ++i) {
            loader.push_back(loadIntoSlot(form, photoPath(args[1], s)));
            bare.push_back(djpeg(djpegProgram, photoPath(args[1], s)));
        }
        const double l = bench::median(loader), d = bench::median(bare);
        loaderTotal += l;
        djpegTotal += d;
        std::printf("%s: loader with refresh %.1f ms, djpeg %.1f ms, ratio %.2f\n", s.name, l, d,
                    l / d);
        summary += QStringLiteral(" median_ms_%1=%2 djpeg_ms_%1=%3")
                       .arg(QLatin1String(s.name))
                       .arg(l, 0, 'f', 1)
                       .arg(d, 0, 'f', 1);
    }
    std::printf("bench load-picture:%s ratio=%.2f peak_mb=%.0f\n", qPrintable(summary),
                loaderTotal / djpegTotal, bench::peakMegabytes());
    return 0;
}
