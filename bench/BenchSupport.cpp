// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchSupport.h"

#include <QPainter>
#include <QRandomGenerator>
#include <algorithm>
#include <sys/resource.h>

namespace vsm::bench {

QImage photoLikePicture(int width, int height, unsigned seed) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, width, height);
    sky.setColorAt(0, QColor::fromHsv(int(random.bounded(360)), 120, 230));
    sky.setColorAt(1, QColor::fromHsv(int(random.bounded(360)), 200, 90));
    painter.fillRect(image.rect(), sky);
    for (int i = 0; i < 60; ++i) {
        painter.setBrush(QColor::fromHsv(int(random.bounded(360)), 150, 200, 120));
        painter.setPen(Qt::NoPen);
        const int r = int(random.bounded(width / 6)) + 10;
        painter.drawEllipse(QPoint(int(random.bounded(width)), int(random.bounded(height))), r, r);
    }
    painter.end();
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int n = int(random.bounded(24)) - 12;
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + n, 0, 255), std::clamp(qGreen(p) + n, 0, 255),
                           std::clamp(qBlue(p) + n, 0, 255));
        }
    }
    return image;
}

double median(std::vector<double> v) { return percentile(std::move(v), 50); }

double percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, size_t(p / 100.0 * double(v.size() - 1) + 0.5));
    return v[i];
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

}  // namespace vsm::bench
