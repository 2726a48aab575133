// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/UiText.h"
#include "support/MainWindow.h"
#include "support/WidgetEvents.h"
#include "ui/Toolbar.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QSet>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

using namespace vsm;

namespace {

struct Window : test::MainWindow {
    Window()
        : MainWindow(Start{QString(), true, [](test::TempAppFolder& dir) {
                               dir.write("/Files/Vessomar.ini",
                                         "English.lng\r\n0\r\n\r\n\r\n0\r\n0\r\n");  // sounds on
                           }}) {}
    Toolbar& bar() { return form.toolbar(); }
    QString hint() { return form.findChild<QLabel*>("Label1")->text(); }
    const UiText& t() { return form.session().uiText; }
    int hoverSounds() { return int(fakes.sounds.played.filter("Click1.wav").size()); }
    void moveOver(QWidget* w) { test::moveOver(w, QPointF(3, 3)); }
};

}  // namespace

TEST(Toolbar, HintsAreCrossedForButtonsThreeAndNine) {
    Window w;
    const struct {
        int button;
        QString hint;
    } cases[] = {{0, w.t()[106]}, {1, stripAmpersands(w.t()[1])}, {3, stripAmpersands(w.t()[9])},
                 {9, stripAmpersands(w.t()[3])}, {5, stripAmpersands(w.t()[5])},
                 {8, stripAmpersands(w.t()[8])}};
    for (const auto& c : cases) {
        w.bar().backgroundMoved();
        w.moveOver(w.bar().button(c.button));
        EXPECT_EQ(w.hint(), c.hint) << c.button;
        EXPECT_FALSE(w.hint().contains('&'));
    }
}

TEST(Toolbar, OneButtonRaisedAndOneSoundPerEntry) {
    Window w;
    const QPoint rest = w.bar().button(1)->pos();
    w.bar().hover(1);
    EXPECT_EQ(w.bar().button(1)->pos(), rest + QPoint(2, 2));  // 30 twips right and down
    w.bar().hover(1);  // staying on it changes nothing
    EXPECT_EQ(w.hoverSounds(), 1);
    w.bar().hover(5);
    EXPECT_EQ(w.hoverSounds(), 2);
    EXPECT_FALSE(w.bar().isRaised(1));
    EXPECT_EQ(w.bar().button(1)->pos(), rest);
    EXPECT_TRUE(w.bar().isRaised(5));
    EXPECT_EQ(w.hint(), stripAmpersands(w.t()[5]));
    for (int i = 0; i < Toolbar::kButtons; ++i)
        EXPECT_EQ(w.bar().isRaised(i), i == 5);
}

TEST(Toolbar, TheBackgroundLowersAndTheNextMoveRestoresTheHint) {
    Window w;
    w.form.projectCommands().setDropTargetSlot("2");
    w.bar().hover(0);
    EXPECT_EQ(w.form.projectCommands().dropTargetSlot(), "");
    w.bar().backgroundMoved();
    EXPECT_FALSE(w.bar().isRaised(0));
    EXPECT_EQ(w.hint(), "");  // lowering empties the line after the text was set
    // The outline switch writes its hint only on an empty line.
    w.moveOver(w.form.findChild<QWidget*>("Check1"));
    EXPECT_EQ(w.hint(), w.t()[29]);
    w.bar().backgroundMoved();
    EXPECT_EQ(w.hint(), w.t()[14]);
    w.moveOver(w.form.findChild<QWidget*>("Check1"));
    EXPECT_EQ(w.hint(), w.t()[14]);
    w.moveOver(w.form.findChild<QWidget*>("Label5"));
    EXPECT_EQ(w.hint(), w.t()[30]);
}

TEST(Toolbar, SoundsOffIsSilentAndEmptyButtonsOnlyClick) {
    Window w;
    QTest::mouseClick(w.bar().button(6), Qt::LeftButton);
    QTest::mouseClick(w.bar().button(7), Qt::LeftButton);
    EXPECT_EQ(w.fakes.sounds.played.filter("Click2.wav").size(), 2);
    EXPECT_TRUE(w.fakes.shell.opened.isEmpty());
    EXPECT_TRUE(w.fakes.fileDialogs.requests.empty());
    QTest::mouseClick(w.bar().button(2), Qt::LeftButton);  // the donation page
    EXPECT_EQ(w.fakes.shell.opened.size(), 1);

    w.form.session().settings.soundsOn = false;
    w.fakes.sounds.played.clear();
    w.bar().hover(4);
    QTest::mouseClick(w.bar().button(6), Qt::LeftButton);
    EXPECT_TRUE(w.fakes.sounds.played.isEmpty());
}

TEST(Menus, WebPagesVersionHistoryAndAboutOpenFromTheirEntries) {
    Window w;
    const auto trigger = [&](const char* name) {
        w.form.findChild<QAction*>(QString::fromLatin1(name))->trigger();
    };
    for (const char* entry : {"mnuAggLingua", "mnuDonazioniFaiunadonazione", "mnuAggiornamenti"})
        trigger(entry);
    trigger("mnuVersione");
    ASSERT_EQ(w.fakes.shell.opened.size(), 4);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(w.fakes.shell.opened[i].startsWith("https://"));
    EXPECT_EQ(w.fakes.shell.opened[3], w.dir.path("/Versioni.txt"));
    const auto sites = w.form.findChildren<QAction*>("mnuCercaCoverSito");
    ASSERT_EQ(sites.size(), 5);
    for (QAction* site : sites) site->trigger();
    EXPECT_EQ(w.fakes.shell.opened.size(), 9);
    EXPECT_EQ(QSet<QString>(w.fakes.shell.opened.begin() + 4, w.fakes.shell.opened.end()).size(), 5);
    // About hides the main window until the about window closes.
    trigger("mnuMenu1Informazioni");
    EXPECT_FALSE(w.form.isVisible());
    QWidget* about = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == "frmAbout2" && top->isVisible()) about = top;
    ASSERT_NE(about, nullptr);
    about->close();
    EXPECT_TRUE(w.form.isVisible());
}

// Rest positions are 16-bit twips. On a wide screen button 2 sits beyond what they
// hold: its rest position stays as it was instead of wrapping round to a
// negative place, so hovering never moves it off the window.
TEST(Toolbar, AWindowWiderThanTheTwipsHoldKeepsButtonTwoOnTheWindow) {
    for (const int width : {2560, 3440, 3840}) {
        Window w;
        QCoreApplication::processEvents();
        const std::int16_t designed = w.bar().restLeft(2);
        w.form.resize(width, 900);
        QCoreApplication::processEvents();
        QLabel* button = w.bar().button(2);
        ASSERT_GT(button->x() * 15, 32767) << width;  // the case that does not fit
        EXPECT_EQ(w.bar().restLeft(2), designed) << width;
        w.moveOver(button);
        EXPECT_TRUE(w.bar().isRaised(2));
        EXPECT_GE(button->x(), 0) << width;
        EXPECT_LE(button->x() + button->width(), w.form.width()) << width;
    }
}
