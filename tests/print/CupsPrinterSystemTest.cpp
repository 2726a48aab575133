// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CupsPrinterSystem.h"
#include "print/PainterPrintSurface.h"

#include <gtest/gtest.h>
#include <QPageSize>
#include <QPrintEngine>

using namespace vsm;

namespace {

const QSize k1200(1200, 1200), k600(600, 600), k300(300, 300), k600x300(600, 300);
const QString kCiQueue = QStringLiteral("Vessomar-PDF");

}  // namespace

TEST(CupsQuality, CodesMapOntoWhatTheDestinationReports) {
    const CupsQualitySupport allThree{{3, 4, 5}, {}};
    const CupsQualitySupport normalOnly{{4}, {k600}};  // print-quality wins over resolutions
    const CupsQualitySupport threeResolutions{{}, {k1200, k600, k300}};
    const CupsQualitySupport oneResolution{{}, {k600}};
    const CupsQualitySupport nothing{};
    const struct {
        const char* name;
        const CupsQualitySupport& support;
        int code;
        std::optional<int> printQuality;
        std::optional<QSize> resolution;
    } cases[] = {
        {"high", allThree, -4, 5, QSize()},
        {"medium", allThree, -3, 4, QSize()},
        {"low", allThree, -2, 3, QSize()},
        {"draft", allThree, -1, 3, QSize()},
        {"normal only, high", normalOnly, -4, {}, {}},
        {"normal only, medium", normalOnly, -3, 4, QSize()},
        {"normal only, draft", normalOnly, -1, {}, {}},
        {"resolutions, high", threeResolutions, -4, 0, k1200},
        {"resolutions, medium", threeResolutions, -3, 0, k600},
        {"resolutions, low", threeResolutions, -2, 0, k300},
        {"resolutions, draft", threeResolutions, -1, 0, k300},
        {"one resolution, high", oneResolution, -4, 0, k600},
        {"one resolution, medium", oneResolution, -3, {}, {}},
        {"one resolution, low", oneResolution, -2, {}, {}},
        {"one resolution, draft", oneResolution, -1, 0, k600},
        {"nothing reported", nothing, -2, 0, QSize()},
        {"not a code", nothing, 0, {}, {}},
        {"not a code", allThree, -5, {}, {}},
    };
    for (const auto& c : cases) {
        const std::optional<CupsQualityChoice> choice = cupsQualityFor(c.code, c.support);
        ASSERT_EQ(choice.has_value(), c.printQuality.has_value()) << c.name;
        if (!choice) continue;
        EXPECT_EQ(choice->printQuality, *c.printQuality) << c.name;
        EXPECT_EQ(choice->resolution, *c.resolution) << c.name;
    }
}

// Whatever the machine has (no scheduler, no queues or some), names that are not
// installed are refused without a hang.
TEST(CupsPrinterSystem, RefusesPrintersThatAreNotInstalled) {
    CupsPrinterSystem cups(&PainterPrintSurface::on);
    const QString missing = QStringLiteral("No such queue 7f3c");
    EXPECT_FALSE(cups.printerNames().contains(missing));
    EXPECT_FALSE(cups.setCurrentPrinter(missing));
    EXPECT_FALSE(cups.setCurrentPrinter(QString()));
    EXPECT_FALSE(cups.makeDefault(missing));
    EXPECT_EQ(cups.printer().pageLayout().pageSize().id(), QPageSize::A4);
    if (!cups.printerNames().isEmpty()) return;
    EXPECT_TRUE(cups.defaultPrinterName().isEmpty());
    EXPECT_TRUE(cups.currentPrinterName().isEmpty());
    for (int code = -4; code <= -1; ++code) EXPECT_FALSE(cups.setPrintQuality(code)) << code;
    EXPECT_FALSE(cups.beginJob());
}

// Runs where the CI's cups-pdf queue is installed.
TEST(CupsPrinterSystem, PreparesAJobOnAnInstalledQueue) {
    CupsPrinterSystem cups(&PainterPrintSurface::on);
    if (!cups.printerNames().contains(kCiQueue)) GTEST_SKIP() << "no " << kCiQueue.toStdString();
    ASSERT_TRUE(cups.setCurrentPrinter(kCiQueue));
    EXPECT_EQ(cups.currentPrinterName(), kCiQueue);
    EXPECT_EQ(cups.printer().printerName(), kCiQueue);

    QList<int> accepted;
    for (int code = -4; code <= -1; ++code)
        if (cups.setPrintQuality(code)) accepted << code;
    ASSERT_FALSE(accepted.isEmpty());
    EXPECT_EQ(cups.printQuality(), accepted.last());
    EXPECT_FALSE(cups.setPrintQuality(0));
    EXPECT_EQ(cups.printQuality(), accepted.last()) << "a refused code changes nothing";

    cups.setOrientation(PrinterSystem::Orientation::Portrait);
    cups.setCopies(3);
    EXPECT_EQ(cups.printer().pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_EQ(cups.printer().copyCount(), 3);
    EXPECT_TRUE(cups.beginJob());
    const QStringList options = cups.printer()
                                    .printEngine()
                                    ->property(QPrintEngine::PrintEnginePropertyKey(0xfe00))
                                    .toStringList();
    // The scheduler reports print-quality for every queue, so the job carries it.
    ASSERT_EQ(options.size(), 2) << options.join(',').toStdString();
    EXPECT_EQ(options[0], "print-quality");
}
