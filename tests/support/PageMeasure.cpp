// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/PageMeasure.h"

#include "common/LeadingNumber.h"
#include "common/Units.h"

#include <QProcess>

#include <cmath>

namespace vsm::test {

namespace {

constexpr double kSearchMm = 2.5;  // how far from the expected edge a line is looked for
constexpr int kDark = 128;

double whole(const QString& text) { return std::nearbyint(leadingNumber(text)); }

// Darkness of a pixel, 0 for white up to 255 for black.
int darkness(const QImage& page, int x, int y) { return 255 - qGray(page.pixel(x, y)); }

// The darkness-weighted centre, in pixels, of the line that crosses the band
// [from, to] along the scanning axis, sampled over [sampleFrom, sampleTo] on the
// other axis. vertical: the line is vertical (a left or right side).
std::optional<double> lineCentre(const QImage& page, bool vertical, int from, int to,
                                 int sampleFrom, int sampleTo) {
    const int limit = vertical ? page.width() : page.height();
    const int across = vertical ? page.height() : page.width();
    from = std::max(0, from);
    to = std::min(limit - 1, to);
    sampleFrom = std::max(0, sampleFrom);
    sampleTo = std::min(across - 1, sampleTo);
    std::vector<double> profile;
    for (int p = from; p <= to; ++p) {
        double sum = 0;
        for (int q = sampleFrom; q <= sampleTo; ++q) {
            const int d = vertical ? darkness(page, p, q) : darkness(page, q, p);
            if (d >= kDark) sum += d;
        }
        profile.push_back(sum);
    }
    if (profile.empty()) return std::nullopt;
    const auto peak = std::max_element(profile.begin(), profile.end());
    if (*peak <= 0) return std::nullopt;
    // Centre of the peak and its immediate neighbours (a line is 1 to 3 pixels wide).
    const int i = int(peak - profile.begin());
    double weight = 0, moment = 0;
    for (int k = std::max(0, i - 2); k <= std::min(int(profile.size()) - 1, i + 2); ++k) {
        weight += profile[size_t(k)];
        moment += profile[size_t(k)] * (from + k + 0.5);
    }
    return moment / weight;
}

}  // namespace

std::vector<ExpectedOutline> expectedOutlines(const CoverCatalogue& c, int model) {
    const CoverModel* m = c.model(model);
    if (!m) return {};
    const bool circle = m->shape == kCircle;
    const auto zone = [&](const QString& left, const QString& top, double w, double h) {
        return ExpectedOutline{QRectF(whole(left), whole(top), w, circle ? w : h), circle};
    };
    std::vector<ExpectedOutline> out{zone(m->zone1Left, m->zone1Top, m->zone1Width, m->zone1Height)};
    if (m->zone2Width > 0) out.push_back(zone(m->zone2Left, m->zone2Top, m->zone2Width, m->zone2Height));
    if (model == 14) out.push_back(zone(c.zone3Left, c.zone3Top, m->zone2Width, m->zone2Height));
    return out;
}

std::optional<QRectF> measureOutline(const QImage& page, double dpi, const ExpectedOutline& near,
                                     QPointF originMm) {
    const double k = dpi / kMmPerInch;
    const QRectF e = near.mm.translated(originMm);
    const int search = int(kSearchMm * k);
    // Sample the middle of each side: a fifth of its length, or a narrow band
    // through the centre for a circle.
    const double band = near.circle ? 0.02 : 0.3;
    const int rowFrom = int((e.top() + e.height() * (0.5 - band)) * k);
    const int rowTo = int((e.top() + e.height() * (0.5 + band)) * k);
    const int colFrom = int((e.left() + e.width() * (0.5 - band)) * k);
    const int colTo = int((e.left() + e.width() * (0.5 + band)) * k);
    const auto at = [&](double mm) { return int(mm * k); };
    const auto left = lineCentre(page, true, at(e.left()) - search, at(e.left()) + search, rowFrom, rowTo);
    const auto right = lineCentre(page, true, at(e.right()) - search, at(e.right()) + search, rowFrom, rowTo);
    const auto top = lineCentre(page, false, at(e.top()) - search, at(e.top()) + search, colFrom, colTo);
    const auto bottom = lineCentre(page, false, at(e.bottom()) - search, at(e.bottom()) + search, colFrom, colTo);
    if (!left || !right || !top || !bottom) return std::nullopt;
    return QRectF(QPointF(*left / k, *top / k), QPointF(*right / k, *bottom / k));
}

OutlineError outlineError(const QRectF& measured, const QRectF& expected) {
    OutlineError e;
    e.position = std::max({std::abs(measured.left() - expected.left()),
                           std::abs(measured.top() - expected.top()),
                           std::abs(measured.right() - expected.right()),
                           std::abs(measured.bottom() - expected.bottom())});
    e.size = std::max(std::abs(measured.width() - expected.width()),
                      std::abs(measured.height() - expected.height()));
    return e;
}

QImage rasterisePdf(const QString& pdf, double dpi, bool colour) {
    const QString stem = pdf + QStringLiteral(".raster");
    QStringList arguments = {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                             QStringLiteral("-singlefile"), pdf, stem};
    if (!colour) arguments.prepend(QStringLiteral("-gray"));
    if (QProcess::execute(QStringLiteral("pdftoppm"), arguments) != 0) return {};
    return QImage(stem + QStringLiteral(".png"));
}

}  // namespace vsm::test
