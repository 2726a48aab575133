// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing a slot's fit mode in the window, and the soft-picture warning on the
// hint line and before printing.
#include "print/frmStampa.h"
#include "support/MainWindow.h"
#include "support/WidgetEvents.h"
#include "ui/PreviewWidgets.h"
#include "ui/Toolbar.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <gtest/gtest.h>

using namespace vsm;

namespace {

constexpr int kCdTray = 3;

struct Window : test::MainWindow {
    Window() : MainWindow(Start{QString(), true}) {
        form.selectModel(kCdTray);
        // 640 x 480 on the 121 x 120 mm front prints at 101 pixels per inch.
        form.projectCommands().setDropTargetSlot("1");
        form.projectCommands().GotADrop(picture("vga.png", Qt::darkCyan, QSize(640, 480)));
    }
    Session& session() { return form.session(); }
    QString hint() const { return child<QLabel>("Label1")->text(); }
    ZoneView* zone(const char* name) const { return child<ZoneView>(name); }

    // Right-click on a zone: its menu of modes.
    QMenu* zoneMenu(ZoneView* zone) {
        const QPoint at = zone->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, zone->mapToGlobal(at));
        QApplication::sendEvent(zone, &event);
        return child<QMenu>("mnuZoneFit");
    }
};

QStringList checkedEntries(const QMenu* menu) {
    QStringList checked;
    for (const QAction* a : menu->actions())
        if (a->isChecked()) checked << a->objectName();
    return checked;
}

}  // namespace

TEST(FitModeMenus, AZoneMenuAndTheFileMenuChooseTheModeAndThePreviewFollows) {
    Window w;
    ZoneView* front = w.zone("Image1");
    QMenu* menu = w.zoneMenu(front);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_EQ(menu->actions()[1]->text(), w.session().uiText[134]);
    EXPECT_EQ(checkedEntries(menu), QStringList{"mnuFitMode0"});
    menu->actions()[1]->trigger();  // Fill
    menu->close();
    EXPECT_EQ(w.session().pictureSlots[1].mode, FitMode::Fill);
    EXPECT_EQ(front->picture().crop(), QRect(78, 0, 484, 480));  // cut to 121 x 120
    const QMenu* file1 = w.child<QMenu>("mnuFitSlot1");
    EXPECT_EQ(file1->title(), "Picture 1 &shape");
    EXPECT_EQ(checkedEntries(file1), QStringList{"mnuFitMode1"});

    // The mirror zone belongs to slot 2; File offers the same choice.
    w.form.projectCommands().setDropTargetSlot("2");
    w.form.projectCommands().GotADrop(w.picture("back.png", Qt::blue, QSize(640, 480)));
    EXPECT_EQ(checkedEntries(w.zoneMenu(w.zone("Image8"))), QStringList{"mnuFitMode0"});
    w.child<QMenu>("mnuFitSlot2")->actions()[2]->trigger();  // Fit
    EXPECT_EQ(w.session().pictureSlots[2].mode, FitMode::Fit);
    EXPECT_TRUE(w.zone("Image2")->picture().isPadded());
    EXPECT_EQ(checkedEntries(w.zoneMenu(w.zone("Image8"))), QStringList{"mnuFitMode2"});

    // Another picture keeps the slot's mode.
    w.form.projectCommands().setDropTargetSlot("1");
    w.form.projectCommands().GotADrop(w.picture("other.png", Qt::red, QSize(600, 480)));
    EXPECT_EQ(w.session().pictureSlots[1].mode, FitMode::Fill);
    EXPECT_EQ(front->picture().crop(), QRect(58, 0, 484, 480));
}

// The warning shows when the picture comes in and stays on the hint line while
// it holds: over the background, and again over its zone after a button's hint.
TEST(SoftPictureHint, ShowsWhileThePicturePrintsSoft) {
    Window w;
    const QString warning = "Picture 1 prints at 101 pixels per inch and may look soft.";
    EXPECT_EQ(w.hint(), warning);
    test::moveOver(w.child<QWidget>("Canvas"), QPointF(5, 5));
    EXPECT_EQ(w.hint(), warning);
    w.form.toolbar().hover(1);
    EXPECT_NE(w.hint(), warning);
    test::moveOver(w.zone("Image1"));
    EXPECT_EQ(w.hint(), warning);

    // Fit keeps all of the width: still soft, at the fitted figure; and again for
    // another model's size (a disc face of 117 mm).
    w.form.chooseFitMode(1, FitMode::Fit);
    EXPECT_TRUE(w.hint().contains("at 134 pixels")) << w.hint().toStdString();
    w.form.selectModel(10);
    EXPECT_TRUE(w.hint().contains("at 138 pixels")) << w.hint().toStdString();

    // A sharp picture takes the warning away.
    w.form.projectCommands().setDropTargetSlot("1");
    w.form.projectCommands().GotADrop(w.picture("big.png", Qt::red, QSize(1800, 1800)));
    test::moveOver(w.child<QWidget>("Canvas"), QPointF(5, 5));  // lowers the raised button
    test::moveOver(w.child<QWidget>("Canvas"), QPointF(6, 5));
    EXPECT_EQ(w.hint(), w.session().uiText[14]);
}

// The print dialog says it once more, before the cover is printed.
TEST(SoftPictureHint, ThePrintDialogWarnsOnceBeforePrinting) {
    Window w;
    int printed = 0;
    std::size_t messagesAtPrint = 0;
    PrintDialogState state;
    frmStampa dialog(w.services, w.session(), state, [&] {
        ++printed;
        messagesAtPrint = w.fakes.prompts.shown.size();
    });
    dialog.show();
    const std::size_t before = w.fakes.prompts.shown.size();
    test::click(test::indexedChild<QLabel>(&dialog, "Label1", frmStampa::kPrintButton));
    ASSERT_EQ(printed, 1);
    ASSERT_EQ(w.fakes.prompts.shown.size(), before + 1);
    EXPECT_EQ(messagesAtPrint, before + 1);
    const auto& shown = w.fakes.prompts.shown.back();
    EXPECT_EQ(shown.title, "Picture resolution");
    EXPECT_EQ(shown.text, "Picture 1 prints at 101 pixels per inch and may look soft.");
}
