// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TempAppFolder.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QImage>
#include <QProcess>

using namespace vsm;

namespace {

constexpr double kDpi = 100;
constexpr double kPxPerMm = kDpi / 25.4;

// The dark pixels of a page, in millimetres from the paper's corner.
struct Ink {
    double left = 1e9, right = -1, bottom = -1;
};

Ink inkBelow(const QImage& page, double topMm) {
    Ink ink;
    for (int y = int(topMm * kPxPerMm); y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) > 128) continue;
            ink.left = std::min(ink.left, x / kPxPerMm);
            ink.right = std::max(ink.right, (x + 1) / kPxPerMm);
            ink.bottom = std::max(ink.bottom, (y + 1) / kPxPerMm);
        }
    return ink;
}

}  // namespace

// With --margins the printable area starts at the margins' corner and ends as
// far from the paper's far edges, as on a printer: the credit line near the
// bottom stays on the paper, centred across it.
TEST(BatchRender, TheCreditLineStaysOnThePageWithMargins) {
    test::TempAppFolder dir;
    const QString program = dir.path("/vessomar-render");
    ASSERT_TRUE(QFile::copy(test::buildFolder() + "/vessomar-render", program));
    QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner);
    // Model 3 is portrait, so the credit line is printed; no pictures, no outlines.
    dir.write("/cd.vsm",
              "\r\n\r\n\r\n 0 \r\n\r\n\r\nLiberation Sans\r\n16\r\n 0 \r\n 0 \r\n 0 "
              "\r\n 0 \r\n 1 \r\n 1 \r\n 3 \r\n");
    for (const double margins : {0.0, 6.0, 10.0}) {
        QProcess render;
        render.start(program, {dir.path("/cd.vsm"), dir.path("/cd.png"), "--dpi", "100",
                               "--margins", QString::number(margins)});
        ASSERT_TRUE(render.waitForFinished(60000));
        ASSERT_EQ(render.exitCode(), 0) << render.readAllStandardError().constData();
        const QImage page(dir.path("/cd.png"));
        ASSERT_EQ(page.size(), QSize(qRound(210 * kPxPerMm), qRound(297 * kPxPerMm)));
        const Ink credit = inkBelow(page, 260);
        ASSERT_GT(credit.bottom, 0) << "no credit line with margins " << margins;
        // Its text box ends 5 mm above the printable area's bottom edge.
        EXPECT_NEAR(credit.bottom, 297 - margins - 5, 1.5) << margins;
        EXPECT_NEAR((credit.left + credit.right) / 2, 105, 1.5) << margins;
    }
}
