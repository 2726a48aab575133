// SPDX-License-Identifier: GPL-3.0-or-later
// Tools > Printer calibration on the real window with the fake printers: the
// figures typed, OK, and Reset, against Printers.ini in the program folder.
#include "print/PrinterCalibration.h"
#include "print/frmCalibrazione.h"
#include "support/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace vsm;

namespace {

struct CalibrationWindow : test::MainWindow {
    CalibrationWindow() {
        fakes.printers.installed = {"Office", "Lab"};
        fakes.printers.current = "Office";
    }

    QString file() const {
        return PrinterCalibrations::fileIn(form.session().folder.dataFilesFolder());
    }
    std::optional<PrinterCorrection> stored(const QString& queue) const {
        return PrinterCalibrations::read(file(), nullptr).find(queue);
    }

    // Opens the dialog from the menu and runs the steps on it while it is shown;
    // whether it was still open after them.
    bool withDialog(const std::function<void(frmCalibrazione&)>& steps) {
        bool open = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<frmCalibrazione*>(QApplication::activeModalWidget());
            if (!dialog) return;
            steps(*dialog);
            open = dialog->isVisible();
            if (open) dialog->reject();
        });
        child<QAction>("mnuCalibrazione")->trigger();
        return open;
    }

    static void type(frmCalibrazione& d, const char* field, const QString& text) {
        auto* edit = d.findChild<QLineEdit*>(QLatin1String(field));
        ASSERT_NE(edit, nullptr) << field;
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    static void press(frmCalibrazione& d, const char* button) {
        QTest::mouseClick(d.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }
};

}  // namespace

// Typed figures give the chosen printer's correction when OK is pressed; refused
// ones are told with the reason and keep the dialog open; Reset removes it.
TEST(CalibrationDialog, StoresTheTypedCorrectionAndResetRemovesIt) {
    CalibrationWindow w;
    EXPECT_EQ(w.child<QAction>("mnuCalibrazione")->text(), w.form.session().uiText[114]);
    const bool stayedOpen = w.withDialog([&](frmCalibrazione& d) {
        EXPECT_EQ(d.windowTitle(), dialogTitle(w.form.session().uiText[119]));
        CalibrationWindow::type(d, "txtCroce1X", "31");
        CalibrationWindow::type(d, "txtCroce1Y", "28");
        CalibrationWindow::type(d, "txtCroce2X", "abc");
        CalibrationWindow::press(d, "cmdOK");
    });
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(w.fakes.prompts.shown.size(), 1u);
    EXPECT_TRUE(w.fakes.prompts.shown[0].text.startsWith(w.form.session().uiText[124]));
    EXPECT_TRUE(w.fakes.prompts.shown[0].text.contains("abc"));
    EXPECT_FALSE(w.stored("Office").has_value());

    const bool open = w.withDialog([&](frmCalibrazione& d) {
        CalibrationWindow::type(d, "txtCroce1X", "31");
        CalibrationWindow::type(d, "txtCroce1Y", "28");
        CalibrationWindow::type(d, "txtCroce2X", "151");
        CalibrationWindow::type(d, "txtCroce2Y", "228");
        CalibrationWindow::press(d, "cmdOK");
    });
    EXPECT_FALSE(open);
    EXPECT_EQ(w.stored("Office"), (PrinterCorrection{-1, 2, 100, 100}));
    EXPECT_FALSE(w.stored("Lab").has_value());

    // Cancel keeps what is stored, whatever was typed.
    w.withDialog([&](frmCalibrazione& d) {
        CalibrationWindow::type(d, "txtCroce1X", "35");
        CalibrationWindow::press(d, "cmdAnnulla");
    });
    EXPECT_EQ(w.stored("Office"), (PrinterCorrection{-1, 2, 100, 100}));

    EXPECT_FALSE(w.withDialog([](frmCalibrazione& d) { CalibrationWindow::press(d, "cmdReimposta"); }));
    EXPECT_TRUE(QFile::exists(w.file()));
    EXPECT_FALSE(w.stored("Office").has_value());
}

// The page button prints the calibration page on the chosen printer.
TEST(CalibrationDialog, PrintsTheCalibrationPage) {
    CalibrationWindow w;
    w.fakes.printers.givesSurface = true;
    EXPECT_TRUE(w.withDialog([](frmCalibrazione& d) { CalibrationWindow::press(d, "cmdStampaPagina"); }));
    EXPECT_EQ(w.fakes.printers.jobs, 1);
    EXPECT_TRUE(w.fakes.printers.surface.ended);
    EXPECT_GE(w.fakes.printers.surface.all("circle").size(), 2u);
    EXPECT_TRUE(w.fakes.prompts.shown.empty());
    w.fakes.printers.givesSurface = false;  // a printer that gives no page is told
    w.withDialog([](frmCalibrazione& d) { CalibrationWindow::press(d, "cmdStampaPagina"); });
    EXPECT_EQ(w.fakes.prompts.shown.size(), 1u);
}
