// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Version.h"
#include "model/Session.h"
#include "support/FakePlatform.h"
#include "ui/CreditsScroller.h"
#include "ui/frmAbout2.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <memory>

using namespace vsm;

namespace {

const QString kHomePage = QStringLiteral("https://vessomar.example/home");

struct AboutWindow {
    test::FakePlatform fakes;
    Session session;
    QWidget mainWindow;
    std::unique_ptr<frmAbout2> about;

    AboutWindow() {
        session.uiText.set(14, QStringLiteral("Make covers for your cases."));
        session.uiText.set(23, QStringLiteral("Covers for all your discs"));
        session.uiText.set(27, QStringLiteral("About it"));
        mainWindow.show();
        about = std::make_unique<frmAbout2>(fakes.services(), session, kHomePage, &mainWindow);
        about->open();
    }
    template <typename T = QLabel>
    T* child(const char* name) {
        return about->findChild<T*>(QString::fromLatin1(name));
    }
    QWidget* control(const char* name) {
        return QString::fromLatin1(name) == about->objectName() ? about.get()
                                                                : child<QWidget>(name);
    }
};

}  // namespace

TEST(AboutScroller, RisesPausesLeavesAndStartsAgain) {
    CreditsScroller scroller(frmAbout2::kViewportHeight, frmAbout2::kPanelHeight);
    const struct {
        int tick;
        int top;
    } checkpoints[] = {
        {0, 2200},     {1, 2190},     {408, -1880},  {409, -1890},  // bottom meets the viewport's
        {410, -1890},  {529, -1890},                                // the pause
        {530, -1900},  {752, -4120},                                // leaving
        {753, 2200},   {754, 2190},                                 // past -4125: again
        {1162, -1890}, {1282, -1890}, {1283, -1900}, {1506, 2200},  // the second round
    };
    int tick = 0;
    for (const auto& c : checkpoints) {
        for (; tick < c.tick; ++tick) {
            scroller.tick();
            EXPECT_GE(scroller.top(), -frmAbout2::kPanelHeight) << "tick " << tick + 1;
        }
        EXPECT_EQ(scroller.top(), c.top) << "tick " << c.tick;
    }
}

TEST(AboutScroller, StandsStillForExactly120TicksEachRound) {
    CreditsScroller scroller(2235, 4125);
    for (int round = 0; round < 2; ++round) {
        int stillTicks = 0;
        do {
            const int before = scroller.top();
            scroller.tick();
            stillTicks += scroller.top() == before;
        } while (scroller.top() != CreditsScroller::kStartTop);
        EXPECT_EQ(stillTicks, 120) << "round " << round;
        EXPECT_EQ(scroller.pauseTicks(), 0);
    }
}

TEST(AboutWindow, CaptionsAndReleasePlacement) {
    AboutWindow w;
    EXPECT_EQ(w.about->windowTitle(), "About it");
    EXPECT_EQ(w.child("lblTitle")->text(), "Vessomar");
    // The release reads major.minor.revision; the numbers come from the build.
    EXPECT_EQ(w.child("lblVersion")->text(),
              QString("Rel. %1.%2.%3").arg(Version::kMajor).arg(Version::kMinor).arg(Version::kRevision));
    EXPECT_EQ(w.child("lblDescription")->text(), "Make covers for your cases.");
    EXPECT_TRUE(w.child("lblCredits")->text().startsWith("Covers for all your discs - "));
    EXPECT_EQ(w.child("lblHomePageCap")->text(), "Home Page:");
    EXPECT_EQ(w.child("lblHomePage")->text(), kHomePage);

    const QLabel* title = w.child("lblTitle");
    ASSERT_GT(title->width(), 0);
    const int gapPixels = int(std::lround(200 / 15.0));
    EXPECT_EQ(w.child("lblVersion")->x(), title->x() + title->width() + gapPixels);
}

TEST(AboutWindow, OpeningHidesTheMainWindowAndStartsTheScroll) {
    AboutWindow w;
    EXPECT_FALSE(w.mainWindow.isVisible());
    EXPECT_TRUE(w.about->isVisible());
    EXPECT_TRUE(w.about->isWindow());
    EXPECT_FALSE(w.about->isModal());
    auto* timer = w.child<QTimer>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 10);
    EXPECT_TRUE(timer->isActive());

    QWidget* panel = w.child<QWidget>("Picture2");
    EXPECT_EQ(panel->y(), int(std::lround(2200 / 15.0)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel->y() < int(std::lround(2200 / 15.0)); }));
}

TEST(AboutWindow, ClosingClicksBringTheMainWindowBack) {
    for (const char* name :
         {"frmAbout2", "imgTitle", "lblTitle", "lblVersion", "lblDescription", "lblCredits"}) {
        AboutWindow w;
        QWidget* target = w.control(name);
        ASSERT_NE(target, nullptr) << name;
        // The window's corner is bare background.
        const QPoint at = target == w.about.get() ? QPoint(2, 2) : target->rect().center();
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        EXPECT_FALSE(w.about->isVisible()) << name;
        EXPECT_TRUE(w.mainWindow.isVisible()) << name;
        EXPECT_FALSE(w.child<QTimer>("Timer1")->isActive()) << name;
        EXPECT_TRUE(w.fakes.shell.opened.isEmpty()) << name;
    }
}

TEST(AboutWindow, OtherClicksKeepTheWindowOpen) {
    const struct {
        const char* name;
        QStringList opened;
    } cases[] = {
        {"lblHomePage", {kHomePage}},
        {"lblHomePageCap", {}},
        {"Image1", {}},
        {"Picture2", {}},
        {"Frame1", {}},
    };
    for (const auto& c : cases) {
        AboutWindow w;
        QTest::mouseClick(w.child<QWidget>(c.name), Qt::LeftButton);
        EXPECT_TRUE(w.about->isVisible()) << c.name;
        EXPECT_FALSE(w.mainWindow.isVisible()) << c.name;
        EXPECT_EQ(w.fakes.shell.opened, c.opened) << c.name;
    }
}

TEST(AboutWindow, AFailingShellLeavesTheWindowAsItIs) {
    AboutWindow w;
    w.fakes.shell.works = false;
    QTest::mouseClick(w.child("lblHomePage"), Qt::LeftButton);
    EXPECT_TRUE(w.about->isVisible());
    EXPECT_EQ(w.fakes.shell.opened, QStringList{kHomePage});
}

TEST(AboutWindow, ClosingThroughTheFrameAlsoBringsTheMainWindowBack) {
    AboutWindow w;
    w.about->close();
    EXPECT_TRUE(w.mainWindow.isVisible());
    EXPECT_FALSE(w.child<QTimer>("Timer1")->isActive());
}
