// SPDX-License-Identifier: GPL-3.0-or-later
// A queue's stored correction, end to end: covers printed by vessomar-render's
// printer path onto a PostScript queue with hardware margins and Letter as its
// default paper, measured on the PDF that cups-pdf writes.
#include "platform/CupsPrinterSystem.h"
#include "print/BatchRender.h"
#include "print/PainterPrintSurface.h"
#include "support/CupsPdfOutput.h"
#include "support/OutlineExpectations.h"
#include "support/PageMeasure.h"
#include "support/Pictures.h"
#include "support/TempAppFolder.h"

#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <gtest/gtest.h>

using namespace vsm;

namespace {

// VESSOMAR_MARGINS_QUEUE names another queue to measure, such as a real printer's
// driver on the cups-pdf backend.
const QString kMarginsQueue = qEnvironmentVariableIsEmpty("VESSOMAR_MARGINS_QUEUE")
                                  ? QStringLiteral("Vessomar-PS-Margins")
                                  : qEnvironmentVariable("VESSOMAR_MARGINS_QUEUE");
constexpr double kDpi = 600;

struct Correction {
    double offsetX = 0, offsetY = 0, scaleX = 100, scaleY = 100;
};

// Where the outline of a zone at `mm` lands with the correction: scaled about the
// printable area's corner, then moved.
QRectF corrected(const QRectF& mm, const Correction& c) {
    return QRectF(mm.x() * c.scaleX / 100 + c.offsetX, mm.y() * c.scaleY / 100 + c.offsetY,
                  mm.width() * c.scaleX / 100, mm.height() * c.scaleY / 100);
}

struct CalibratedPrint : ::testing::Test {
    test::TempAppFolder dir;
    CupsPrinterSystem printers{&PainterPrintSurface::on};
    CoverCatalogue catalogue;

    void SetUp() override {
        if (!printers.printerNames().contains(kMarginsQueue))
            GTEST_SKIP() << "no queue " << kMarginsQueue.toStdString() << " (tools/start-cups.sh)";
        QImageReader::setAllocationLimit(1024);
        test::solidPicture(1200, 900, Qt::white).save(dir.path("/white.png"));
        catalogue.load(dir.folder().catalogueFile());
    }

    void store(const Correction& c) {
        dir.write("/Files/Printers.ini", QStringLiteral("[%1]\r\nOffsetX=%2\r\nOffsetY=%3\r\n"
                                                        "ScaleX=%4\r\nScaleY=%5\r\n")
                                             .arg(kMarginsQueue)
                                             .arg(c.offsetX).arg(c.offsetY)
                                             .arg(c.scaleX).arg(c.scaleY)
                                             .toUtf8());
    }

    // Prints model m with its cut outlines and returns the page as it was fed,
    // turned back upright for a landscape cover.
    QImage print(int model, const QString& title) {
        const QString project = dir.path("/cover.vsm");
        QStringList lines = {dir.path("/white.png"), dir.path("/white.png"), dir.path("/white.png"),
                             " 0 ", "", "", "Liberation Sans", "12", " 0 ", " 0 ", " 0 ",
                             " 255 ", " 1 ", " 1 ", QStringLiteral(" %1 ").arg(model)};
        dir.write("/cover.vsm", (lines.join("\r\n") + "\r\n").toUtf8());
        RenderRequest request;
        request.project = project;
        request.model = model;
        request.outline = true;
        request.printer = kMarginsQueue;
        const QStringList before = test::pdfsIn(test::cupsPdfFolder());
        printers.printer().setDocName(title);
        QString error;
        QStringList notes;
        EXPECT_EQ(renderCover(request, dir.path(""), &error, &printers, &notes), 0)
            << error.toStdString();
        const QString pdf = test::waitForNewPdf(before, title);
        if (pdf.isEmpty()) return {};
        QImage page = test::rasterisePdf(pdf, kDpi);
        if (catalogue.model(model)->orientation != kPortrait)
            page = page.transformed(QTransform().rotate(90));
        return page;
    }

    void expectZonesAt(int model, const QImage& page, const Correction& c) {
        ASSERT_FALSE(page.isNull()) << "no PDF from cups-pdf";
        const QPointF origin =
            printers.printer().pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
        ASSERT_GT(origin.x(), 1.0) << "the queue's driver declares hardware margins";
        std::vector<test::ExpectedOutline> expected = test::expectedOutlines(catalogue, model);
        for (test::ExpectedOutline& e : expected) e.mm = corrected(e.mm, c);
        test::expectOutlinesAt(page, kDpi, expected, origin);
    }
};

}  // namespace

TEST_F(CalibratedPrint, ZonesMoveAndScaleByTheQueuesCorrectionAndBackWhenReset) {
    const Correction stored{2.0, -1.5, 101.5, 100};
    for (int model : {0, 3, 14}) {
        SCOPED_TRACE(model);
        store(stored);
        const QString tag = QStringLiteral("vessomar-cal-%1-%2").arg(getpid()).arg(model);
        expectZonesAt(model, print(model, tag + "-on"), stored);
        QFile::remove(dir.path("/Files/Printers.ini"));
        expectZonesAt(model, print(model, tag + "-off"), Correction{});
    }
}
