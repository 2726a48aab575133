// SPDX-License-Identifier: GPL-3.0-or-later
// File > Print preview on the real window: the page it shows against the PDF
// export of the same cover, its zoom states and its Print button.
#include "print/CoverPage.h"
#include "print/PrinterCalibration.h"
#include "print/frmStampa.h"
#include "support/MainWindow.h"
#include "support/Pictures.h"
#include "support/OutlineExpectations.h"
#include "support/PageMeasure.h"
#include "ui/PrintPreviewWindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vsm;

namespace {

QImage quarters(int w, int h) {
    const QColor colours[4] = {QColor(30, 60, 120), QColor(200, 40, 40), QColor(240, 230, 200), QColor(20, 140, 60)};
    return test::quarteredPicture(w, h, colours);
}

struct PreviewWindow : test::MainWindow {
    explicit PreviewWindow(int model) {
        const QImage picture = quarters(800, 600);
        for (int n = 1; n <= 3; ++n) form.session().pictureSlots.put(n, picture, dir.path("/q.png"));
        form.session().outlineOn = true;
        form.selectModel(model);
    }

    PrintPreviewWindow* open() {
        child<QAction>("mnuFileAnteprima")->trigger();
        QCoreApplication::processEvents();
        const auto windows = form.findChildren<PrintPreviewWindow*>();
        return windows.isEmpty() ? nullptr : windows.last();
    }

    void click(PrintPreviewWindow* window, const char* button) {
        QTest::mouseClick(window->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }
};

QImage grey(const QImage& image) { return image.convertToFormat(QImage::Format_Grayscale8); }

}  // namespace

// At 200 % the preview shows, pixel for pixel, what the exported PDF holds
// rasterised at the same resolution: the same size, nearly every pixel within
// antialiasing of the other, and the zone outlines at the same places.
TEST(PrintPreview, ShowsThePageTheExportWrites) {
    for (int model : {0, 3}) {
        SCOPED_TRACE(model);
        PreviewWindow w(model);
        PrintPreviewWindow* window = w.open();
        ASSERT_NE(window, nullptr);
        w.click(window, "cmdZoom200");
        const int dpi = window->preview().dpi();
        const QImage shown = window->shownPage().convertToFormat(QImage::Format_RGB32);
        w.fakes.fileDialogs.nextAnswer = {w.dir.path("/page.pdf")};
        w.child<QAction>("mnuFileEsportaPdf")->trigger();
        const QImage pdf =
            test::rasterisePdf(w.dir.path("/page.pdf"), dpi, true).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(pdf.isNull());
        ASSERT_LE(std::abs(shown.width() - pdf.width()), 1);
        ASSERT_LE(std::abs(shown.height() - pdf.height()), 1);
        // A pixel is apart when no pixel next to its place on the other page is
        // near it, so a line antialiased a pixel over does not count.
        const int cols = std::min(shown.width(), pdf.width()), rows = std::min(shown.height(), pdf.height());
        const auto difference = [](QRgb a, QRgb b) {
            return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                             std::abs(qBlue(a) - qBlue(b))});
        };
        long apart = 0, total = 0;
        double sum = 0;
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < cols; ++x) {
                const QRgb a = shown.pixel(x, y);
                int nearest = difference(a, pdf.pixel(x, y));
                sum += nearest;
                for (int dy = -1; dy <= 1 && nearest > 48; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if (x + dx >= 0 && x + dx < cols && y + dy >= 0 && y + dy < rows)
                            nearest = std::min(nearest, difference(a, pdf.pixel(x + dx, y + dy)));
                apart += nearest > 48;
                ++total;
            }
        EXPECT_LT(sum / total, 1.0) << "mean difference";
        EXPECT_LT(double(apart) / total, 0.005) << apart << " pixels apart";
        const QImage shownGrey = grey(shown), pdfGrey = grey(pdf);
        for (const test::ExpectedOutline& e : test::expectedOutlines(w.form.session().catalogue, model)) {
            const auto inPreview = test::measureOutline(shownGrey, dpi, e, {});
            const auto inPdf = test::measureOutline(pdfGrey, dpi, e, {});
            ASSERT_TRUE(inPreview && inPdf);
            EXPECT_LE(test::outlineError(*inPreview, *inPdf).position, 0.1);
            EXPECT_LE(test::outlineError(*inPreview, *inPdf).size, 0.1);
        }
        window->close();
    }
}

// The zoom buttons draw the page at the screen's resolution, twice it, or the
// largest whole resolution at which the sheet fits the window.
TEST(PrintPreview, ZoomFitsThePageOrShowsItAtOneOrTwiceItsSize) {
    PreviewWindow w(0);
    PrintPreviewWindow* window = w.open();
    ASSERT_NE(window, nullptr);
    window->resize(700, 600);
    window->show();
    QCoreApplication::processEvents();
    const double screen = w.form.logicalDpiX() * w.form.devicePixelRatioF();
    const QSizeF sheet = a4Paper(false).paperMm;  // model 0 is landscape
    const QSize room = window->findChild<QScrollArea*>("Scorrimento")->size();
    struct Case {
        const char* button;
        int dpi;  // 0: fit
        int percent;
    } cases[] = {{"cmdZoom100", int(screen), 100}, {"cmdZoom200", int(2 * screen), 200}, {"cmdAdatta", 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        w.click(window, c.button);
        EXPECT_TRUE(window->findChild<QPushButton*>(QLatin1String(c.button))->isChecked());
        const QImage shown = window->shownPage();
        const int dpi = window->preview().dpi();
        EXPECT_EQ(shown.size(), blankPage(a4Paper(false), dpi).size());
        if (c.dpi) {
            EXPECT_EQ(dpi, c.dpi);
            EXPECT_EQ(window->findChild<QLabel*>("lblZoom")->text(), QStringLiteral("%1 %").arg(c.percent));
        } else {
            EXPECT_LE(shown.width(), room.width());
            EXPECT_LE(shown.height(), room.height());
            // One more dot per inch would not fit.
            const QSizeF larger = sheet / 25.4 * (dpi + 1);
            EXPECT_TRUE(larger.width() > room.width() - 12 || larger.height() > room.height() - 12);
        }
    }
    // A fitted page follows the window's size.
    const int fitted = window->preview().dpi();
    window->resize(1000, 850);
    QCoreApplication::processEvents();
    EXPECT_GT(window->preview().dpi(), fitted);
}

// The page is the chosen printer's sheet, and the cover sits in its printable
// area, as the printer will put it: moved by the margins from where it sits on
// the PDF export's sheet, which is shown without a printer.
TEST(PrintPreview, UsesThePrintersPaperAndMargins) {
    PreviewWindow w(3);  // portrait
    const auto zonesOn = [&](PrintPreviewWindow* window, QPointF origin) {
        w.click(window, "cmdZoom200");
        return test::measuredOutlines(grey(window->shownPage()), window->preview().dpi(),
                                      test::expectedOutlines(w.form.session().catalogue, 3),
                                      origin);
    };
    PrintPreviewWindow* plain = w.open();
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->preview().paper().paperMm, QSizeF(210, 297));
    const std::vector<QRectF> onA4 = zonesOn(plain, {});

    w.fakes.printers.installed = {"Office"};
    w.fakes.printers.current = "Office";
    const QPointF margins(6.35, 4.2);
    w.fakes.printers.paper = PaperArea{QSizeF(215.9, 279.4),
                                       QRectF(margins, QSizeF(215.9 - 12.7, 279.4 - 8.4))};
    PrintPreviewWindow* window = w.open();
    ASSERT_NE(window, nullptr);
    ASSERT_NE(window, plain);
    const std::vector<QRectF> onLetter = zonesOn(window, margins);
    EXPECT_EQ(window->shownPage().size(),
              blankPage(*w.fakes.printers.paper, window->preview().dpi()).size());
    test::expectMovedBy(onLetter, onA4, margins);
}

// The page shows the chosen printer's stored correction, as the job will print it:
// every zone moved by the correction's offset.
TEST(PrintPreview, ShowsThePrintersStoredCorrection) {
    PreviewWindow w(3);
    w.fakes.printers.installed = {"Office"};
    w.fakes.printers.current = "Office";
    w.fakes.printers.paper = PaperArea{QSizeF(210, 297), QRectF(0, 0, 210, 297)};
    const auto zonesOn = [&](QPointF shift) {
        PrintPreviewWindow* window = w.open();
        EXPECT_NE(window, nullptr);
        std::vector<QRectF> zones;
        if (!window) return zones;
        w.click(window, "cmdZoom200");
        std::vector<test::ExpectedOutline> near = test::expectedOutlines(w.form.session().catalogue, 3);
        for (test::ExpectedOutline& e : near) e.mm.translate(shift);
        zones = test::measuredOutlines(grey(window->shownPage()), window->preview().dpi(), near, {});
        window->close();
        return zones;
    };
    const std::vector<QRectF> plain = zonesOn({});
    const QPointF offset(3, 2);
    PrinterCalibrations store;
    store.set("Office", PrinterCorrection{offset.x(), offset.y(), 100, 100});
    ASSERT_TRUE(store.write(PrinterCalibrations::fileIn(w.form.session().folder.dataFilesFolder())));
    const std::vector<QRectF> corrected = zonesOn(offset);
    ASSERT_FALSE(plain.empty());
    test::expectMovedBy(corrected, plain, offset);
}

// Print opens the print dialog, as File > Print does.
TEST(PrintPreview, PrintButtonOpensThePrintDialog) {
    PreviewWindow w(0);
    PrintPreviewWindow* window = w.open();
    ASSERT_NE(window, nullptr);
    bool dialogShown = false;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<frmStampa*>(QApplication::activeModalWidget())) {
            dialogShown = true;
            dialog->reject();
        }
    });
    w.click(window, "cmdStampa");
    EXPECT_TRUE(dialogShown);
}
