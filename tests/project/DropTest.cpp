// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/DropWindow.h"

#include <gtest/gtest.h>
#include <QLineEdit>

using namespace vsm;
using Window = test::DropWindow;

TEST(Drop, EachZoneFillsItsSlot) {
    Window w;
    const struct {
        int model;
        const char* zone;
        int slot;
    } cases[] = {{14, "Image1", 1}, {14, "Image2", 2}, {14, "Image3", 3}, {1, "Image4", 1},
                 {1, "Image6", 1},  {1, "Image7", 1},  {3, "Image8", 2}};
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zone);
        w.form.selectModel(c.model);
        const QString file = w.picture(QString("drop%1.png").arg(++n), QColor(n * 30, 90, 10));
        w.drop({file}, w.centreOf(c.zone));
        EXPECT_EQ(w.slot(c.slot).path, file);
        EXPECT_EQ(w.slot(c.slot).picture.source().size(), QSize(30, 20));
        if (c.slot == 1) EXPECT_EQ(w.form.session().pictureSlots.master.source().size(), QSize(30, 20));
    }
    EXPECT_TRUE(w.fakes.prompts.shown.empty());
    // A dropped picture outlives the refresh that fills template slots.
    w.form.selectModel(12);
    EXPECT_EQ(w.slot(1).path, w.dir.path("/drop6.png"));
}

TEST(Drop, OnlyTheFirstFileCountsAndTheBackgroundTakesNothing) {
    Window w;
    w.form.selectModel(14);
    const QString a = w.picture("a.png", Qt::red), b = w.picture("b.png", Qt::blue),
                  c = w.picture("c.png", Qt::green);
    w.drop({a, b, c}, w.centreOf("Image2"));
    EXPECT_EQ(w.slot(2).path, a);
    EXPECT_NE(w.slot(1).path, b);
    EXPECT_NE(w.slot(3).path, c);

    const QString before = w.slot(1).path;
    w.drop({b}, QPoint(5, w.form.height() / 2));  // the background beside the sheet
    EXPECT_EQ(w.form.projectCommands().dropTargetSlot(), "");
    EXPECT_EQ(w.slot(1).path, before);
    EXPECT_EQ(w.slot(2).path, a);
    EXPECT_TRUE(w.fakes.prompts.shown.empty());
}

TEST(Drop, AFileThatIsNoPictureIsRefusedWithTheFixedMessage) {
    Window w;
    w.form.selectModel(0);
    w.dir.write("/notes.txt", "shopping list\n");
    const QString before = w.slot(1).path;
    w.drop({w.dir.path("/notes.txt")}, w.centreOf("Image1"));
    ASSERT_EQ(w.fakes.prompts.shown.size(), 1u);
    EXPECT_EQ(w.fakes.prompts.shown[0].text, "Immagine non valida o non riconosciuta dal programma!");
    EXPECT_EQ(w.fakes.prompts.shown[0].title, "Impossibile aprire il file");
    EXPECT_EQ(w.slot(1).path, before);
}

TEST(Drop, AFileOnTheCoverTitleBoxIsTakenAsOnTheBackground) {
    Window w;
    w.form.selectModel(14);
    auto* title = w.form.findChild<QLineEdit*>("Text1");
    title->setText("Summer");
    const QPoint onTitle = title->mapTo(&w.form, title->rect().center());
    const QString before[] = {w.slot(1).path, w.slot(2).path, w.slot(3).path};
    w.form.projectCommands().setDropTargetSlot("2");  // left over from a zone
    // File managers offer the file's address as text too.
    const QUrl address = QUrl::fromLocalFile(w.picture("t.png", Qt::red));
    QMimeData file;
    file.setUrls({address});
    file.setText(address.toString());
    w.dropOnWindow(file, onTitle);
    EXPECT_EQ(title->text(), "Summer");
    EXPECT_EQ(w.form.session().titles.coverTitleText, "Summer");
    EXPECT_EQ(w.form.projectCommands().dropTargetSlot(), "");
    for (int n = 1; n <= 3; ++n) EXPECT_EQ(w.slot(n).path, before[n - 1]) << n;
    EXPECT_TRUE(w.fakes.prompts.shown.empty());

    // Plain text is still dropped into the box.
    QMimeData text;
    text.setText(" 2026");
    title->setCursorPosition(title->text().size());
    w.dropOnWindow(text, onTitle);
    EXPECT_TRUE(title->text().contains("2026")) << title->text().toStdString();
}
