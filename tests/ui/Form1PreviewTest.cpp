// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/MainWindow.h"
#include "ui/PreviewWidgets.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>

using namespace vsm;

namespace {

struct Window : test::MainWindow {
    Window() : MainWindow(Start{QString(), true}) {}
};

int stackIndex(QWidget* w) { return w->parentWidget()->children().indexOf(w); }

}  // namespace

TEST(Form1Preview, ControlsSitAtTheirTwipsWithTheSheetBehind) {
    Window w;
    w.form.selectModel(3);
    const PreviewControls& p = w.form.session().preview;
    for (const char* name : {"Image1", "Image2"}) {
        auto* view = w.child<ZoneView>(name);
        ASSERT_NE(view, nullptr) << name;
        EXPECT_TRUE(view->isVisible()) << name;
    }
    EXPECT_EQ(w.child<ZoneView>("Image1")->geometry(), twipsToPixels(p.image1.rect));
    EXPECT_EQ(w.child<QLabel>("Label3")->geometry(), twipsToPixels(p.label3));
    EXPECT_TRUE(w.child<ZoneView>("Image8")->isVisible());
    EXPECT_FALSE(w.child<ZoneView>("Image3")->isVisible());
    EXPECT_LT(stackIndex(w.child<QWidget>("Bordo")), stackIndex(w.child<QWidget>("Label3")));
    EXPECT_LT(stackIndex(w.child<QWidget>("Label3")), stackIndex(w.child<QWidget>("Image1")));
    EXPECT_LT(stackIndex(w.child<QWidget>("Image8")), stackIndex(w.child<QWidget>("Shape1")));
    EXPECT_EQ(w.form.findChildren<QLabel*>("Image5").size(), 10);
}

TEST(Form1Preview, TypingACoverTitleRedrawsAtOnce) {
    Window w;
    w.form.selectModel(4);
    auto* text1 = w.child<QLineEdit>("Text1");
    ASSERT_TRUE(text1->isVisible());
    EXPECT_EQ(text1->font().family(), "Arial");
    EXPECT_DOUBLE_EQ(text1->font().pointSizeF(), 15.75);
    EXPECT_EQ(text1->palette().color(QPalette::Text), QColor(255, 0, 0));
    QTest::keyClicks(text1, "Hi!");
    const ComposedPicture& shown = w.child<ZoneView>("Image1")->picture();
    ASSERT_EQ(shown.strokes().size(), 1);
    EXPECT_EQ(shown.strokes()[0].text, "Hi!");
    EXPECT_EQ(w.form.session().titles.coverTitleText, "Hi!");
}

TEST(Form1Preview, OutlineSwitchAndItsCaption) {
    Window w;
    w.form.selectModel(0);
    auto* check1 = w.child<QCheckBox>("Check1");
    EXPECT_EQ(w.form.session().preview.shape1.colour, kLightOutline);
    check1->click();
    EXPECT_EQ(w.form.session().preview.shape1.colour, kDarkOutline);
    auto* label6 = w.child<QLabel>("Label6");
    QTest::mouseClick(label6, Qt::LeftButton);
    EXPECT_FALSE(check1->isChecked());
    QTest::mouseClick(label6, Qt::LeftButton);
    EXPECT_TRUE(check1->isChecked());
    EXPECT_EQ(w.form.session().preview.shape1.colour, kDarkOutline);
}

TEST(Form1Resize, MinimumSizeNarrowListAndScaleWithHeight) {
    Window w;
    w.form.selectModel(3);
    auto* combo = w.child<QComboBox>("Combo1");
    EXPECT_EQ(combo->width(), 4000 / 15);
    w.form.resize(300, 200);
    QCoreApplication::processEvents();
    EXPECT_GE(w.form.frameGeometry().width() * 15, Form1::kMinimumOuterWidth - 15);
    EXPECT_GE(w.form.frameGeometry().height() * 15, Form1::kMinimumOuterHeight - 15);
    EXPECT_LT(combo->width(), 4000 / 15);
    const auto buttons = w.form.findChildren<QLabel*>("Image5");
    EXPECT_EQ(combo->x() + combo->width(), buttons[2]->x() - 10);
    EXPECT_EQ(w.child<QLabel>("Label1")->y() + w.child<QLabel>("Label1")->height(),
              w.form.scaleHeight() / 15);

    w.form.resize(900, 720);
    QCoreApplication::processEvents();
    EXPECT_EQ(combo->width(), 4000 / 15);
    EXPECT_EQ(w.form.session().model.previewScale,
              qRound(18.5 / 7290 * w.form.scaleHeight()));
    EXPECT_GT(w.form.session().model.previewScale, 18);
}

// The window cannot be made smaller than its minimum, and a window manager that
// hands it a smaller size anyway (tiling ones do) still gets a laid-out window
// and a refreshed preview for that size.
TEST(Form1Resize, TheMinimumHoldsAndEveryResizeLaysOut) {
    Window w;
    w.form.selectModel(3);
    EXPECT_GE((w.form.minimumWidth() + w.form.frameGeometry().width() - w.form.width()) * 15,
              Form1::kMinimumOuterWidth - 15);
    EXPECT_GE((w.form.minimumHeight() + w.form.frameGeometry().height() - w.form.height()) * 15,
              Form1::kMinimumOuterHeight - 15);
    w.form.resize(300, 200);
    EXPECT_EQ(w.form.size(), w.form.minimumSize());

    // The window system sets a small size and then refuses every change, as a
    // minimised window here does. The window is laid out for the size it has, not
    // for one it asked for and did not get.
    w.form.windowHandle()->resize(400, 300);
    w.form.setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    ASSERT_EQ(w.form.windowHandle()->size(), QSize(400, 300));
    EXPECT_EQ(w.form.size(), QSize(400, 300));
    auto* hint = w.child<QLabel>("Label1");
    EXPECT_EQ(hint->y() + hint->height(), w.form.scaleHeight() / 15);
    EXPECT_EQ(w.form.session().model.previewScale, qRound(18.5 / 7290 * w.form.scaleHeight()));
}
