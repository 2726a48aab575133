// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Session.h"
#include "settings/frmOpzioni.h"
#include "support/FakePlatform.h"
#include "support/TempAppFolder.h"
#include "support/WidgetEvents.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

using namespace vsm;

namespace {

constexpr int kModelBox = 0, kCdTray = 3, kDisc = 10, kTwoDiscs = 11, kThreeMinis = 14;

struct OptionsDialog : ::testing::Test {
    test::TempAppFolder temp;
    test::FakePlatform fakes;
    Session session;
    CoverCatalogue onDisk;
    int saves = 0, reloads = 0;
    std::unique_ptr<frmOpzioni> dialog;

    OptionsDialog() {
        session.folder = temp.folder();
        session.readSettings();
        session.loadCatalogue();
        session.modelCount = session.catalogue.modelCount;
        for (int i = 0; i < UiText::kSize; ++i)
            session.uiText.set(i, QStringLiteral("text%1").arg(i));
        onDisk = session.catalogue;
    }

    frmOpzioni& open(int model) {
        dialog = std::make_unique<frmOpzioni>(
            fakes.services(), session, model,
            [this, model] {
                ++saves;
                session.saveCatalogue(model, 0);
            },
            [this] {
                ++reloads;
                session.readSettings();
                session.loadCatalogue();
            });
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return *dialog;
    }

    template <typename T>
    T* child(const char* name) {
        return dialog->findChild<T*>(QLatin1String(name));
    }
    template <typename T>
    T* indexed(const char* name, int index) {
        return test::indexedChild<T>(dialog.get(), name, index);
    }
    QLineEdit* field(int i) { return indexed<QLineEdit>("Text1", i); }
    QComboBox* combo1() { return child<QComboBox>("Combo1"); }
    QCheckBox* check1() { return child<QCheckBox>("Check1"); }
    bool shown(int i) { return field(i)->isVisible(); }

    // Types into field i and moves the focus on, as the user does.
    void enter(int i, const QString& text) {
        field(i)->setFocus(Qt::MouseFocusReason);
        field(i)->setText(text);
        check1()->setFocus(Qt::TabFocusReason);
    }
    void leave(int i) { enter(i, field(i)->text()); }
    void click(QWidget* widget) { test::click(widget); }
    void ok() { click(indexed<QLabel>("Label1", frmOpzioni::kOkButton)); }
    void cancel() { click(indexed<QLabel>("Label1", frmOpzioni::kCancelButton)); }

    CoverModel& model(int i) { return *session.catalogue.model(i); }
    QString sound(const char* file) { return session.folder.path(QLatin1String(file)); }
};

using test::moveOver;

}  // namespace

// --- Opening and selecting ---

TEST_F(OptionsDialog, OpensWithCaptionsModelListAndTheMainWindowsModel) {
    open(kCdTray);
    EXPECT_EQ(dialog->windowTitle(), "text50");
    EXPECT_EQ(indexed<QLabel>("Label1", 0)->text(), "text51");
    EXPECT_EQ(indexed<QLabel>("Label1", 1)->text(), "text37");
    EXPECT_EQ(child<QLabel>("Label2")->text(), "text47");
    EXPECT_EQ(child<QLabel>("Label3")->text(), " text30 ");
    EXPECT_EQ(child<QLabel>("Label4")->text(), "text48");
    EXPECT_EQ(child<QLabel>("Label6")->text(), "text86");
    EXPECT_EQ(child<QLabel>("Label7")->text(), "text87");
    EXPECT_EQ(child<QLabel>("Label8")->text(), "text108");
    for (int row : {0, 1, 2})
        EXPECT_EQ(indexed<QLabel>("Label5", row)->text(), QString("text49 %1 (mm)").arg(row + 1));
    ASSERT_EQ(combo1()->count(), 22);
    EXPECT_EQ(combo1()->itemText(0), "text53");
    EXPECT_EQ(combo1()->itemText(21), "text74");
    EXPECT_EQ(combo1()->currentIndex(), kCdTray);
    EXPECT_NEAR(dialog->windowOpacity(), 245 / 255.0, 0.01);

    const CoverModel& m = model(kCdTray);
    const QString expected[] = {m.zone1Left,
                                m.zone1Top,
                                m.zone2Left,
                                m.zone2Top,
                                QString::number(m.zone1Width),
                                QString::number(m.zone1Height),
                                QString::number(m.zone2Width),
                                QString::number(m.zone2Height)};
    const int fields[] = {0, 1, 2, 3, 6, 7, 8, 9};
    for (size_t k = 0; k < std::size(fields); ++k)
        EXPECT_EQ(field(fields[k])->text(), expected[k]) << fields[k];
}

TEST_F(OptionsDialog, TheSoundSwitchStartsFromTheSettingAndItsCaptionTogglesIt) {
    for (bool on : {true, false}) {
        session.settings.soundsOn = on;
        open(kModelBox);
        EXPECT_EQ(check1()->isChecked(), on);
        click(child<QLabel>("Label8"));
        EXPECT_EQ(check1()->isChecked(), !on);
        EXPECT_EQ(session.settings.soundsOn, on) << "only OK changes the setting";
    }
}

TEST_F(OptionsDialog, EachModelShowsTheFieldsItUses) {
    const struct {
        int model;
        bool height, zone2Sizes, zone2Positions;
        const char* sizeCaption;
    } cases[] = {
        {kModelBox, true, false, false, "text86"},   {kCdTray, true, true, true, "text86"},
        {kDisc, false, false, false, "text88"},      {kTwoDiscs, false, false, true, "text88"},
        {kThreeMinis, false, false, true, "text88"},
    };
    open(kModelBox);
    for (const auto& c : cases) {
        combo1()->setCurrentIndex(c.model);
        EXPECT_EQ(shown(7), c.height) << c.model;
        EXPECT_EQ(child<QLabel>("Label7")->isVisible(), c.height) << c.model;
        EXPECT_EQ(shown(8), c.zone2Sizes) << c.model;
        EXPECT_EQ(shown(9), c.zone2Sizes) << c.model;
        EXPECT_EQ(shown(2), c.zone2Positions) << c.model;
        EXPECT_EQ(shown(3), c.zone2Positions) << c.model;
        EXPECT_EQ(indexed<QLabel>("Label5", 1)->isVisible(), c.zone2Positions) << c.model;
        EXPECT_EQ(child<QLabel>("Label6")->text(), c.sizeCaption) << c.model;
        EXPECT_TRUE(shown(0) && shown(1) && shown(6)) << c.model;
    }
}

TEST_F(OptionsDialog, OnlyModel14ShowsTheThirdRow) {
    session.catalogue.zone3Left = QStringLiteral("  61 ");
    open(kModelBox);
    for (int m = 0; m < 22; ++m) {
        combo1()->setCurrentIndex(m);
        EXPECT_EQ(shown(4), m == kThreeMinis) << m;
        EXPECT_EQ(shown(5), m == kThreeMinis) << m;
        EXPECT_EQ(indexed<QLabel>("Label5", 2)->isVisible(), m == kThreeMinis) << m;
    }
    combo1()->setCurrentIndex(kThreeMinis);
    EXPECT_EQ(field(4)->text(), "61");
    EXPECT_EQ(field(5)->text(), session.catalogue.zone3Top);
}

// --- Write-back ---

TEST_F(OptionsDialog, LeavingAFieldStoresTrimmedPositionsAndRoundedSizes) {
    open(kThreeMinis);
    const struct {
        int field;
        const char* typed;
    } edits[] = {{0, " 12.5 "}, {1, "7abc"},   {2, " 20"},   {3, "150 "},
                 {4, " 33 "},   {5, "190.25"}, {6, " 80.5 "}};
    for (const auto& e : edits) enter(e.field, QString::fromLatin1(e.typed));

    const CoverModel& m = model(kThreeMinis);
    EXPECT_EQ(m.zone1Left, "12.5");
    EXPECT_EQ(m.zone1Top, "7abc") << "positions are stored as typed";
    EXPECT_EQ(m.zone2Left, "20");
    EXPECT_EQ(m.zone2Top, "150");
    EXPECT_EQ(session.catalogue.zone3Left, "33");
    EXPECT_EQ(session.catalogue.zone3Top, "190.25");
    EXPECT_EQ(m.zone1Width, 80) << "halves go to the even neighbour";
    EXPECT_EQ(m.zone2Height, 80);
    EXPECT_EQ(saves, 0) << "nothing is written to disk before OK";
}

TEST_F(OptionsDialog, SizesAreReadInTheUsersNumberFormatAndRoundedHalfToEven) {
    const struct {
        QLocale locale;
        const char* typed;
        int stored;
    } cases[] = {
        {QLocale(QLocale::English), "130.5", 130}, {QLocale(QLocale::English), "131.5", 132},
        {QLocale(QLocale::English), " 129 ", 129}, {QLocale(QLocale::German), "130,5", 130},
        {QLocale(QLocale::German), "131,5", 132},  {QLocale(QLocale::English), "-2.5", -2},
    };
    for (const auto& c : cases) {
        fakes.locale.locale = c.locale;
        open(kModelBox);
        enter(6, QString::fromLatin1(c.typed));
        EXPECT_EQ(model(kModelBox).zone1Width, c.stored) << c.typed;
    }
}

TEST_F(OptionsDialog, ADiameterIsStoredAsWidthAndHeightOfBothDiscs) {
    open(kTwoDiscs);
    field(6)->setText(QStringLiteral("40"));
    ok();
    const CoverModel& m = model(kTwoDiscs);
    EXPECT_EQ(m.zone1Width, 40);
    EXPECT_EQ(m.zone1Height, 40);
    EXPECT_EQ(m.zone2Width, 40);
    EXPECT_EQ(m.zone2Height, 40);
    CoverCatalogue reread;
    reread.load(session.folder.catalogueFile());
    EXPECT_EQ(reread.model(kTwoDiscs)->zone2Height, 40) << "OK writes the catalogue file";
}

TEST_F(OptionsDialog, ADiscWithoutASecondZoneKeepsItsZone2Sizes) {
    open(kDisc);
    enter(6, QStringLiteral("90"));
    EXPECT_EQ(model(kDisc).zone1Height, 90);
    EXPECT_EQ(model(kDisc).zone2Width, 0);
    EXPECT_EQ(model(kDisc).zone2Height, onDisk.model(kDisc)->zone2Height);
}

TEST_F(OptionsDialog, HiddenZone2PositionsKeepTheirTextsButAreNotStored) {
    ASSERT_EQ(model(kModelBox).zone2Top, "0");
    open(kCdTray);
    const QString trayLeft = field(2)->text();
    combo1()->setCurrentIndex(kModelBox);
    EXPECT_EQ(field(2)->text(), trayLeft) << "the hidden field is left as it was";
    enter(0, QStringLiteral("9"));
    ok();
    EXPECT_EQ(model(kModelBox).zone1Left, "9");
    EXPECT_EQ(model(kModelBox).zone2Left, onDisk.model(kModelBox)->zone2Left);
    EXPECT_EQ(model(kModelBox).zone2Top, "0");
    EXPECT_EQ(model(kCdTray), *onDisk.model(kCdTray));
}

TEST_F(OptionsDialog, Zone2TopNeverStaysAboveZone1Top) {
    const struct {
        int leftField;
        const char* top1;
        const char* top2;
        const char* result;
    } cases[] = {
        {3, "12", "5", "12"},  {3, "0.5", "0.2", "1"},
        {3, "0.5", "-3", "1"}, {3, "12", "abc", "12"},
        {3, "10", "10", "10"}, {3, "0", "0", "0"},
        {3, "5", "12", "12"},  {3, "12", "12.0", "12.0"},
        {1, "12", "5", "5"},  // only leaving the zone-2 top applies the rule
    };
    for (const auto& c : cases) {
        session.catalogue = onDisk;
        open(kCdTray);
        field(1)->setText(QString::fromLatin1(c.top1));
        field(3)->setText(QString::fromLatin1(c.top2));
        leave(c.leftField);
        EXPECT_EQ(field(3)->text(), c.result) << c.top1 << " / " << c.top2;
        EXPECT_EQ(model(kCdTray).zone2Top, c.result) << c.top1 << " / " << c.top2;
    }
}

TEST_F(OptionsDialog, OkRepeatsTheWriteBackOfTheLastFieldLeft) {
    open(kCdTray);
    enter(3, QStringLiteral("150"));
    field(1)->setText(QStringLiteral("160"));  // typed, but the field is never left
    ok();
    EXPECT_EQ(field(3)->text(), "160");
    EXPECT_EQ(model(kCdTray).zone1Top, "160");
    EXPECT_EQ(model(kCdTray).zone2Top, "160");
}

TEST_F(OptionsDialog, ASizeThatIsNoNumberStopsTheWriteBackThere) {
    const int sizeFields[] = {6, 7, 8, 9};
    for (int bad : sizeFields) {
        session.catalogue = onDisk;
        open(kCdTray);
        for (int i : sizeFields) field(i)->setText(QString::number(200 + i));
        field(bad)->setText(QStringLiteral("wide"));
        enter(0, QStringLiteral("99"));

        const CoverModel& m = model(kCdTray);
        const CoverModel& before = *onDisk.model(kCdTray);
        EXPECT_EQ(m.zone1Left, "99") << "positions come first";
        EXPECT_EQ(m.zone1Width, bad > 6 ? 206 : before.zone1Width) << bad;
        EXPECT_EQ(m.zone1Height, bad > 7 ? 207 : before.zone1Height) << bad;
        EXPECT_EQ(m.zone2Width, bad > 8 ? 208 : before.zone2Width) << bad;
        EXPECT_EQ(m.zone2Height, before.zone2Height) << bad;
    }
    ok();
    EXPECT_EQ(saves, 1) << "OK goes on and saves";
    EXPECT_TRUE(fakes.prompts.shown.empty());
}

TEST_F(OptionsDialog, ASizeThatIsNoNumberAlsoLeavesTheThirdRowUnstored) {
    open(kThreeMinis);
    field(4)->setText(QStringLiteral("70"));
    enter(6, QString());
    EXPECT_EQ(session.catalogue.zone3Left, onDisk.zone3Left);
    EXPECT_EQ(model(kThreeMinis).zone1Width, onDisk.model(kThreeMinis)->zone1Width);
}

TEST_F(OptionsDialog, ZeroingASecondZoneThenSizingItAgainIsStored) {
    open(kCdTray);
    enter(8, QStringLiteral("0"));
    EXPECT_EQ(model(kCdTray).zone2Width, 0);
    enter(8, QStringLiteral("150"));
    EXPECT_EQ(model(kCdTray).zone2Width, 150) << "the field is still on screen";
}

// --- OK, Cancel and closing ---

TEST_F(OptionsDialog, OkWithSoundsClearedWritesOffIntoTheSettingsFile) {
    ASSERT_TRUE(session.settings.soundsOn);
    open(kModelBox);
    check1()->setChecked(false);
    ok();
    EXPECT_FALSE(session.settings.soundsOn);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(reloads, 0);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    const QList<QByteArray> lines = temp.read("/Files/Vessomar.ini").split('\n');
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[4], "1\r");
    EXPECT_TRUE(fakes.sounds.played.isEmpty()) << "an unticked switch silences the click";
}

TEST_F(OptionsDialog, TheButtonsClickSoundFollowsTheSwitchNotTheSetting) {
    session.settings.soundsOn = false;
    open(kModelBox);
    check1()->setChecked(true);
    cancel();
    EXPECT_EQ(fakes.sounds.played, QStringList{sound("/Files/Click2.wav")});
}

TEST_F(OptionsDialog, CancelReadsTheSettingsAndTheCatalogueBackFromDisk) {
    session.saveCatalogue(kModelBox, 0);  // sounds on in the file
    const QByteArray fileBefore = temp.read("/Files/Covers.ini");
    open(kModelBox);
    enter(6, QStringLiteral("300"));
    ASSERT_EQ(model(kModelBox).zone1Width, 300);
    field(7)->setFocus();
    field(7)->setText(QStringLiteral("250"));  // still focused when Cancel is pressed
    check1()->setChecked(false);
    cancel();

    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(session.catalogue, onDisk);
    EXPECT_TRUE(session.settings.soundsOn);
    EXPECT_EQ(temp.read("/Files/Covers.ini"), fileBefore);
}

TEST_F(OptionsDialog, ClosingThroughTheFrameKeepsEditsInMemoryOnly) {
    const QByteArray fileBefore = temp.read("/Files/Covers.ini");
    open(kModelBox);
    enter(6, QStringLiteral("300"));
    check1()->setChecked(false);
    dialog->close();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(model(kModelBox).zone1Width, 300);
    EXPECT_TRUE(session.settings.soundsOn);
    EXPECT_EQ(saves + reloads, 0);
    EXPECT_EQ(temp.read("/Files/Covers.ini"), fileBefore);
}

TEST_F(OptionsDialog, HoverRaisesAButtonWithASoundOnlyWhenTheSwitchIsTicked) {
    open(kModelBox);
    QLabel* image = indexed<QLabel>("Image1", 1);
    QLabel* label = indexed<QLabel>("Label1", 1);
    const QPoint restImage = image->pos(), restLabel = label->pos();

    check1()->setChecked(false);
    moveOver(label);
    EXPECT_EQ(image->pos(), restImage + QPoint(-2, -2));
    EXPECT_EQ(label->pos(), restLabel + QPoint(-2, -2));
    EXPECT_TRUE(label->font().underline());
    EXPECT_TRUE(fakes.sounds.played.isEmpty());

    moveOver(dialog.get());
    EXPECT_EQ(image->pos(), restImage);
    EXPECT_FALSE(label->font().underline());

    check1()->setChecked(true);
    moveOver(image);
    moveOver(label);
    EXPECT_EQ(fakes.sounds.played, QStringList{sound("/Files/Click1.wav")});
}

// --- Output options ---

// The dialog shows the session's output options and OK writes what was chosen
// into Output.ini beside the settings; Cancel changes nothing.
TEST_F(OptionsDialog, OkWritesTheOutputOptionsAndCancelLeavesThem) {
    const QString file = OutputOptions::fileIn(session.folder.dataFilesFolder());
    session.output.holeMm = 40;
    open(kDisc);
    auto* bleed = child<QDoubleSpinBox>("BleedMm");
    auto* hole = child<QDoubleSpinBox>("HoleMm");
    ASSERT_TRUE(bleed && hole && child<QCheckBox>("CropMarks") && child<QCheckBox>("ClipDiscs"));
    EXPECT_EQ(child<QLabel>("BleedLabel")->text(), "text141");
    EXPECT_EQ(child<QCheckBox>("ClipDiscs")->text(), "text143");
    EXPECT_EQ(bleed->value(), 0);
    EXPECT_EQ(hole->value(), 40);
    EXPECT_FALSE(hole->isEnabled()) << "the hole matters only when discs are clipped";
    EXPECT_EQ(bleed->maximum(), OutputOptions::kMaxBleedMm);
    EXPECT_EQ(hole->minimum(), OutputOptions::kMinHoleMm);

    bleed->setValue(2.5);
    child<QCheckBox>("CropMarks")->setChecked(true);
    cancel();
    EXPECT_EQ(session.output.bleedMm, 0);
    EXPECT_FALSE(QFile::exists(file));

    open(kDisc);
    child<QDoubleSpinBox>("BleedMm")->setValue(2.5);
    child<QCheckBox>("ClipDiscs")->setChecked(true);
    child<QDoubleSpinBox>("HoleMm")->setValue(36);
    ok();
    const OutputOptions expected{2.5, false, true, 36};
    EXPECT_EQ(session.output, expected);
    EXPECT_EQ(OutputOptions::read(file, nullptr), expected);
}
