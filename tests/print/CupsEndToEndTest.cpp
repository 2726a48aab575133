// SPDX-License-Identifier: GPL-3.0-or-later
// Prints covers through the real dialog path onto a cups-pdf queue of a running
// CUPS scheduler and measures the zones on the PDF it writes. CI starts the
// scheduler and the queues with tools/start-cups.sh; without them the test skips.
#include "platform/CupsPrinterSystem.h"
#include "print/PainterPrintSurface.h"
#include "print/frmStampa.h"
#include "support/CupsPdfOutput.h"
#include "support/MainWindow.h"
#include "support/OutlineExpectations.h"
#include "support/PageMeasure.h"
#include "support/WidgetEvents.h"

#include <QComboBox>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace vsm;

namespace {

const QString kQueue = QStringLiteral("Vessomar-PDF");
const QString kOtherQueue = QStringLiteral("Vessomar-PDF-2");
constexpr double kDpi = 600;

}  // namespace

TEST(CupsEndToEnd, CoversPrintAtTheirCataloguePositions) {
    CupsPrinterSystem printers(&PainterPrintSurface::on);
    if (!printers.printerNames().contains(kQueue) || !printers.printerNames().contains(kOtherQueue))
        GTEST_SKIP() << "no CUPS scheduler with the cups-pdf queues (tools/start-cups.sh)";
    QImageReader::setAllocationLimit(1024);
    test::MainWindow::Start start;
    start.platform = [&](Platform& p) { p.printers = &printers; };
    test::MainWindow w(start);
    Form1& form = w.form;
    const test::TempAppFolder& dir = w.dir;
    // Large enough to print sharp on every model here, so no message comes up.
    const QImage white = test::solidPicture(2400, 1800, Qt::white);
    for (int n = 1; n <= 3; ++n) form.session().pictureSlots.put(n, white, dir.path("/white.jpg"));
    form.session().outlineOn = true;
    PrintDialogState state;

    // Choosing a queue in the dialog makes it the user's CUPS default.
    printers.makeDefault(kOtherQueue);
    ASSERT_EQ(printers.defaultPrinterName(), kOtherQueue);

    for (int model : {0, 3, 14, 20}) {
        SCOPED_TRACE(model);
        form.selectModel(model);
        const QStringList before = test::pdfsIn(test::cupsPdfFolder());
        // A title of our own tells our job from any other on the queue.
        const QString title = QStringLiteral("vessomar-test-%1-%2").arg(getpid()).arg(model);
        printers.printer().setDocName(title);
        frmStampa dialog(w.services, form.session(), state, [&] { form.StampaCopertina(); }, &form);
        auto* printerBox = dialog.findChild<QComboBox*>(QStringLiteral("Combo1"));
        ASSERT_NE(printerBox, nullptr);
        printerBox->setEditText(kQueue.toLower());  // any letter case
        printerBox->setEditText(kQueue);
        EXPECT_EQ(printers.currentPrinterName(), kQueue);
        EXPECT_EQ(printers.defaultPrinterName(), kQueue);
        QLabel* print = test::indexedChild<QLabel>(&dialog, "Label1", 0);
        ASSERT_NE(print, nullptr);
        QTest::mouseClick(print, Qt::LeftButton);
        EXPECT_TRUE(w.fakes.prompts.shown.empty());

        const QString pdf = test::waitForNewPdf(before, title);
        ASSERT_FALSE(pdf.isEmpty()) << "no PDF from cups-pdf in " << test::cupsPdfFolder().toStdString();
        const QString png = dir.path(QStringLiteral("/page%1").arg(model));
        ASSERT_EQ(QProcess::execute("pdftoppm", {"-r", QString::number(kDpi), "-gray", "-png",
                                                 "-singlefile", pdf, png}),
                  0);
        QImage page(png + ".png");
        ASSERT_FALSE(page.isNull());
        // CUPS prints a landscape job on portrait paper with the page turned a
        // quarter; turn it back to measure it as the cover's own page.
        const bool portrait = form.session().catalogue.model(model)->orientation == kPortrait;
        if (!portrait) {
            ASSERT_LT(page.width(), page.height());
            page = page.transformed(QTransform().rotate(90));
        }
        EXPECT_EQ(page.width() < page.height(), portrait);
        // Positions are from the printable area's corner, which the queue sets.
        const QPointF origin = printers.printer().pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
        test::expectOutlinesAt(page, kDpi, test::expectedOutlines(form.session().catalogue, model),
                               origin);
    }
}
