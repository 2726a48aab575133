// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FakePlatform.h"
#include "support/SessionFixture.h"
#include "title/ShowColor.h"
#include "title/frmTitolo.h"
#include "support/WidgetEvents.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace vsm;

namespace {

struct Dialog {
    test::SessionFixture f;
    test::FakePlatform fakes;
    int refreshes = 0;
    std::unique_ptr<frmTitolo> dialog;

    Dialog() {
        f.session.uiText.readLanguageFile(f.dir.path("/Files/Lang/English.lng"));
        f.session.titles.fontName = "Liberation Serif";
        f.session.titles.fontSize = 8.25f;
        open();
    }
    void open() {
        dialog = std::make_unique<frmTitolo>(fakes.services(), f.session, [this] { ++refreshes; });
        dialog->show();
    }
    template <typename T>
    T* child(const char* name) {
        return dialog->findChild<T*>(name);
    }
    QLabel* button(int index) {
        return test::indexedChild<QLabel>(dialog.get(), "Label1", index);
    }
};

}  // namespace

TEST(TitleDialog, OkWithoutChangesWritesBackTheSameValuesButAWholeSize) {
    Dialog d;
    d.f.session.titles.coverTitleText = "Cover";
    d.open();
    const TitleSettings before = d.f.session.titles;
    EXPECT_EQ(d.child<QComboBox>("Combo2")->currentText(), "8");
    EXPECT_EQ(d.child<QComboBox>("Combo1")->currentText(), "Liberation Serif");
    EXPECT_EQ(d.child<QLabel>("Label2")->text(), "Liberation Serif");
    EXPECT_DOUBLE_EQ(d.child<QLabel>("Label2")->font().pointSizeF(), 8);
    EXPECT_DOUBLE_EQ(d.dialog->windowOpacity(), 245 / 255.0);
    QTest::mouseClick(d.button(0), Qt::LeftButton);
    const TitleSettings& after = d.f.session.titles;
    EXPECT_EQ(after.coverTitleText, before.coverTitleText);
    EXPECT_EQ(after.fontName, before.fontName);
    EXPECT_EQ(after.fontSize, 8.0f);
    EXPECT_EQ(after.colour, before.colour);
    EXPECT_EQ(after.bold, before.bold);
    EXPECT_EQ(d.refreshes, 1);
}

TEST(TitleDialog, SizeFieldTakesOnlyOneTo1638ByItsLeadingNumber) {
    Dialog d;
    auto* size = d.child<QComboBox>("Combo2");
    const struct {
        const char* text;
        double size;
    } cases[] = {{"0", 8}, {"2000", 8}, {"12", 12}, {"12a", 12}, {"abc", 12}, {"1638", 1638},
                 {"1639", 1638}, {"6.5", 6.5}};
    for (const auto& c : cases) {
        size->setEditText(c.text);
        EXPECT_DOUBLE_EQ(d.dialog->previewFont().pointSizeF(), c.size) << c.text;
    }
}

TEST(TitleDialog, EnterInTheSpineEntryConfirmsAndCancelWritesNothing) {
    Dialog d;
    d.child<QLineEdit>("Text2")->setText("New spine");
    d.child<QCheckBox>("Check1")->click();  // bold
    QTest::keyClick(d.child<QLineEdit>("Text2"), Qt::Key_Return);
    EXPECT_EQ(d.f.session.titles.spineTitleText, "New spine");
    EXPECT_TRUE(d.f.session.titles.bold);
    EXPECT_EQ(d.refreshes, 1);

    d.open();
    d.child<QLineEdit>("Text1")->setText("Not kept");
    d.f.session.settings.soundsOn = true;
    QTest::mouseClick(d.button(1), Qt::LeftButton);
    EXPECT_TRUE(d.f.session.titles.coverTitleText.isEmpty());
    EXPECT_EQ(d.refreshes, 2);
    EXPECT_EQ(d.fakes.sounds.played.value(0), d.f.dir.path("/Files/Click2.wav"));
}

TEST(TitleDialog, ColourChooserStartsFromTheCompositionsColourEachTime) {
    Dialog d;
    d.fakes.colourDialogs.answer = QColor(0, 255, 0);
    auto* swatchArea = d.child<QLabel>("Label35");
    QTest::mouseClick(swatchArea, Qt::LeftButton);
    EXPECT_EQ(d.dialog->swatchColour(), 0x00FF00u);
    d.fakes.colourDialogs.answer = QColor(0, 0, 255);
    QTest::mouseClick(swatchArea, Qt::LeftButton);
    ASSERT_EQ(d.fakes.colourDialogs.starts.size(), 2u);
    EXPECT_EQ(d.fakes.colourDialogs.starts[1], QColor(255, 0, 0));  // not the green just picked
    // Cancelling the dialog after picking keeps the old colour for the next opening.
    QTest::mouseClick(d.button(1), Qt::LeftButton);
    d.open();
    EXPECT_EQ(d.dialog->swatchColour(), 0x0000FFu);  // pure red, red in the low byte
}

TEST(TitleDialog, SwitchCaptionsToggleTheirSwitches) {
    Dialog d;
    auto* cover = d.child<QCheckBox>("Check4");
    ASSERT_TRUE(cover->isChecked());
    QTest::mouseClick(d.child<QLabel>("Label8"), Qt::LeftButton);
    EXPECT_FALSE(cover->isChecked());
    QTest::mouseClick(d.child<QLabel>("Label8"), Qt::LeftButton);
    EXPECT_TRUE(cover->isChecked());
    QTest::mouseClick(d.child<QLabel>("Label9"), Qt::LeftButton);
    QTest::mouseClick(d.button(0), Qt::LeftButton);
    EXPECT_EQ(d.f.session.model.coverTitleOn, 1);
    EXPECT_EQ(d.f.session.model.spineTitleOn, 0);
}

TEST(ShowColorClass, FreshCancelAndCustomColours) {
    test::FakeColourDialogs dialogs;
    ShowColor chooser(dialogs);
    chooser.showColor();  // cancelled: the fake has no answer
    EXPECT_EQ(dialogs.starts.back(), QColor(0, 0, 0));  // a fresh instance starts on black
    EXPECT_TRUE(chooser.ColorAnnulla());
    chooser.setRGBResult(0x123456);
    chooser.showColor();
    EXPECT_EQ(chooser.RGBResult(), 0x123456u);
    dialogs.answer = QColor(10, 20, 30);
    chooser.showColor();
    EXPECT_FALSE(chooser.ColorAnnulla());
    EXPECT_EQ(chooser.RGBResult(), 10u | (20u << 8) | (30u << 16));
    const QChar first[4] = {QChar(10), QChar(20), QChar(30), QChar(0)};
    EXPECT_EQ(chooser.CustomColors().left(4), QString(first, 4));
    chooser.setCustomColors("abcd");
    EXPECT_EQ(chooser.CustomColors().size(), 64);
    EXPECT_EQ(chooser.CustomColors().mid(4), QString(60, ' '));
    chooser.setCustomColors(QString(80, 'x'));
    EXPECT_EQ(chooser.CustomColors(), QString(64, 'x'));
}
