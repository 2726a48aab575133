// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Session.h"
#include "print/frmStampa.h"
#include "support/FakePlatform.h"
#include "support/WidgetEvents.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

using namespace vsm;
using Orientation = PrinterSystem::Orientation;

namespace {

const QStringList kThreePrinters{"Office", "Lab", "Plotter"};

// What the dialog had done by the time it called the print composition.
struct AtPrint {
    QString caption;
    bool busyPointer = false;
    std::optional<Orientation> orientation;
    std::optional<int> copies;
};

struct PrintDialog : ::testing::Test {
    test::FakePlatform fakes;
    test::FakePrinterSystem& printers = fakes.printers;
    Session session;
    PrintDialogState state;
    std::vector<AtPrint> atPrint;
    std::unique_ptr<frmStampa> dialog;

    PrintDialog() {
        session.folder.root = QStringLiteral("/opt/vessomar");
        session.settings.soundsOn = true;
        session.model.currentOrientation = QStringLiteral("Verticale");
        for (int i : {33, 34, 35, 36, 37, 38, 95, 96, 97, 98})
            session.uiText.set(i, QStringLiteral("text%1").arg(i));
        printers.installed = kThreePrinters;
        printers.defaultName = QStringLiteral("Office");
    }

    frmStampa& open() {
        dialog = std::make_unique<frmStampa>(fakes.services(), session, state,
                                             [this] { recordPrint(); });
        dialog->show();
        return *dialog;
    }

    void recordPrint() {
        const QCursor* pointer = QApplication::overrideCursor();
        atPrint.push_back({dialog->windowTitle(), pointer && pointer->shape() == Qt::WaitCursor,
                           printers.orientation, printers.copies});
    }

    template <typename T>
    T* child(const char* name) {
        return dialog->findChild<T*>(QLatin1String(name));
    }
    QComboBox* combo1() { return child<QComboBox>("Combo1"); }
    QComboBox* quality() { return child<QComboBox>("cboQualita"); }
    QComboBox* copies() { return child<QComboBox>("Combo2"); }

    // Image1 or Label1 of button index.
    QLabel* button(const char* name, int index) {
        return test::indexedChild<QLabel>(dialog.get(), name, index);
    }

    QStringList qualityTexts() {
        QStringList texts;
        for (int i = 0; i < quality()->count(); ++i) texts << quality()->itemText(i);
        return texts;
    }

    QString sound(const char* file) { return session.folder.path(QLatin1String(file)); }
};

using test::click;
using test::moveOver;

}  // namespace

// --- Opening ---

TEST_F(PrintDialog, OpensWithItsCaptionsCopiesListAndOpacity) {
    open();
    EXPECT_EQ(dialog->windowTitle(), "text38");
    EXPECT_EQ(button("Label1", frmStampa::kPrintButton)->text(), "text38");
    EXPECT_EQ(button("Label1", frmStampa::kCancelButton)->text(), "text37");
    EXPECT_EQ(child<QLabel>("Label3")->text(), "text33");
    EXPECT_EQ(child<QLabel>("Label4")->text(), "text34");
    EXPECT_EQ(child<QLabel>("Label2")->text(), "text35");
    EXPECT_EQ(child<QLabel>("Label5")->text(), "text36");
    for (const char* frame : {"Shape1", "Shape2", "Shape3", "Shape4"})
        EXPECT_NE(child<QWidget>(frame), nullptr) << frame;

    QStringList listed;
    for (int i = 0; i < copies()->count(); ++i) listed << copies()->itemText(i);
    EXPECT_EQ(listed, QString("1 2 3 4 5 6 7 8 9 10").split(' '));
    EXPECT_EQ(copies()->currentText(), "1");
    EXPECT_TRUE(copies()->isEditable());
    EXPECT_TRUE(combo1()->isEditable());
    EXPECT_FALSE(quality()->isEditable());
    EXPECT_NEAR(dialog->windowOpacity(), 245 / 255.0, 0.01);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the busy pointer is given back";
}

TEST_F(PrintDialog, OnlyAVerticaleModelStartsWithThePortraitPicture) {
    const struct {
        const char* orientation;
        bool portrait;
    } cases[] = {{"Verticale", true}, {"Orizzontale", false}, {"verticale", false}, {"", false}};
    for (const auto& c : cases) {
        session.model.currentOrientation = QString::fromLatin1(c.orientation);
        open();
        EXPECT_EQ(!child<QLabel>("Image2")->isHidden(), c.portrait) << c.orientation;
        EXPECT_EQ(!child<QLabel>("Image3")->isHidden(), !c.portrait) << c.orientation;
    }
}

// --- Printer list and the default printer ---

TEST_F(PrintDialog, TheDefaultEntryPreselectsItsPrinterAndBecomesCurrent) {
    const struct {
        QStringList installed;
        QString defaultEntry;
        int selected;
        QString text, current;
        QStringList madeDefault;
    } cases[] = {
        {kThreePrinters, "Office,winspool,Ne01:", 0, "Office", "Office", {"Office"}},
        {kThreePrinters, "Lab", 1, "Lab", "Lab", {"Lab"}},
        {kThreePrinters, "  Plotter,drv,LPT1:  ", 2, "Plotter", "Plotter", {"Plotter"}},
        // Preselection is exact; making it current is not.
        {kThreePrinters, "lab", -1, "lab", "Lab", {"Lab"}},
        {kThreePrinters, "Gone,winspool,Ne02:", -1, "Gone", "", {}},
        {{}, "", -1, "", "", {}},
    };
    for (const auto& c : cases) {
        fakes = {};
        state = {};
        printers.installed = c.installed;
        printers.defaultName = c.defaultEntry;
        open();
        const QString label = c.defaultEntry;
        EXPECT_EQ(combo1()->count(), c.installed.size()) << label.toStdString();
        EXPECT_EQ(combo1()->currentIndex(), c.selected) << label.toStdString();
        EXPECT_EQ(combo1()->currentText(), c.text) << label.toStdString();
        EXPECT_EQ(printers.current, c.current) << label.toStdString();
        EXPECT_EQ(printers.madeDefault, c.madeDefault) << label.toStdString();
        EXPECT_TRUE(fakes.prompts.shown.empty()) << label.toStdString();
    }
}

TEST_F(PrintDialog, WithNoPrintersTheListsStayEmptyAndPrintingStillRuns) {
    printers.installed.clear();
    printers.defaultName.clear();
    open();
    EXPECT_EQ(combo1()->count(), 0);
    EXPECT_EQ(quality()->count(), 0) << "no printer accepts any quality";
    EXPECT_TRUE(printers.madeDefault.isEmpty());
    EXPECT_TRUE(fakes.prompts.shown.empty());
    click(button("Image1", frmStampa::kPrintButton));
    EXPECT_EQ(atPrint.size(), 1u) << "the composition reports its own failures";
}

TEST_F(PrintDialog, OnlyTheVeryFirstNotificationOfTheProgramIsIgnored) {
    printers.defaultName = QStringLiteral("Lab");
    open();
    EXPECT_TRUE(state.firstNotificationSeen);
    EXPECT_EQ(printers.madeDefault, QStringList{"Lab"}) << "selecting Lab while filling is ignored";

    printers.madeDefault.clear();
    open();
    EXPECT_EQ(printers.madeDefault, QStringList({"Lab", "Lab"}))
        << "the second opening runs the handler for the preselection, then the fill's own call";
}

TEST_F(PrintDialog, ATypedNameSwitchesOnlyOnAnExactMatch) {
    const struct {
        const char* typed;
        const char* current;
        const char* text;
    } cases[] = {
        {"Plotter", "Plotter", "Plotter"}, {"Nowhere", "Lab", "Nowhere"},
        {"plotter", "Lab", "plotter"},  // the box compares letter case too
        {"   ", "Office", "Office"},    // blanks pick the first printer
        {"", "Office", "Office"},
    };
    for (const auto& c : cases) {
        printers.defaultName = QStringLiteral("Office");
        open();
        combo1()->setEditText(QStringLiteral("Lab"));
        ASSERT_EQ(printers.current, "Lab");
        printers.madeDefault.clear();

        combo1()->setEditText(QString::fromLatin1(c.typed));
        EXPECT_EQ(printers.current, c.current) << c.typed;
        EXPECT_EQ(combo1()->currentText(), c.text) << c.typed;
        EXPECT_EQ(printers.madeDefault.value(0), c.current) << "the current printer is the default";
    }
}

TEST_F(PrintDialog, TypingKeyByKeyNeitherCompletesNorAddsNames) {
    open();
    QLineEdit* edit = combo1()->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("Plo"));
    EXPECT_EQ(combo1()->currentText(), "Plo");
    EXPECT_EQ(printers.current, "Office") << "a partial name is no printer";
    QTest::keyClicks(edit, QStringLiteral("tter"));
    EXPECT_EQ(printers.current, "Plotter");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(combo1()->count(), kThreePrinters.size());
}

TEST_F(PrintDialog, PickingAPrinterMakesItTheDefaultOfTheNextOpening) {
    open();
    combo1()->setCurrentIndex(2);
    EXPECT_EQ(printers.current, "Plotter");
    EXPECT_EQ(printers.madeDefault.last(), "Plotter");

    open();
    EXPECT_EQ(combo1()->currentIndex(), 2);
    EXPECT_EQ(combo1()->currentText(), "Plotter");
}

// --- ImpostaStampante ---

TEST_F(PrintDialog, ImpostaStampanteMatchesAnyLetterCaseInTheSystemOrder) {
    printers.installed = {"Office", "LAB", "lab", "Plotter"};
    const struct {
        const char* name;
        bool found;
        const char* current;
    } cases[] = {{"office", true, "Office"}, {"Lab", true, "LAB"}, {"PLOTTER", true, "Plotter"},
                 {"Nowhere", false, ""},     {"", false, ""},      {"Off", false, ""}};
    for (const auto& c : cases) {
        printers.current.clear();
        printers.madeDefault.clear();
        EXPECT_EQ(ImpostaStampante(printers, fakes.prompts, nullptr, QString::fromLatin1(c.name)),
                  c.found)
            << c.name;
        EXPECT_EQ(printers.current, c.current) << c.name;
        EXPECT_EQ(printers.madeDefault,
                  c.found ? QStringList{QString::fromLatin1(c.current)} : QStringList())
            << c.name;
    }
    EXPECT_TRUE(fakes.prompts.shown.empty()) << "no match shows nothing";
}

TEST_F(PrintDialog, AFailingPrinterChoiceIsReportedWithTheDefaultTitleAndNoIcon) {
    printers.selectionThrows = QStringLiteral("spooler gone");
    EXPECT_FALSE(ImpostaStampante(printers, fakes.prompts, nullptr, QStringLiteral("Lab")));
    printers.selectionThrows.clear();
    printers.refused = QStringList{"Lab"};
    EXPECT_FALSE(ImpostaStampante(printers, fakes.prompts, nullptr, QStringLiteral("lab")));

    ASSERT_EQ(fakes.prompts.shown.size(), 2u);
    EXPECT_EQ(fakes.prompts.shown[0].text,
              "Error 482 (spooler gone) in procedura ImpostaStampante di Modulo Stampanti");
    EXPECT_EQ(fakes.prompts.shown[1].text,
              "Error 482 (Printer error) in procedura ImpostaStampante di Modulo Stampanti");
    for (const auto& shown : fakes.prompts.shown) {
        EXPECT_TRUE(shown.title.isEmpty());
        EXPECT_EQ(shown.icon, MessagePrompts::Icon::None);
    }
    EXPECT_TRUE(printers.madeDefault.isEmpty());
}

// --- Print quality ---

TEST_F(PrintDialog, TheQualityListShowsAcceptedCodesAndSelectsTheRememberedPosition) {
    const struct {
        QList<int> accepted;
        int before, rememberedIndex;
        QStringList texts;
        int selected, qualityAfter;
    } cases[] = {
        {{-4, -3, -2, -1}, -1, 0, {"text95", "text96", "text97", "text98"}, 0, -4},
        {{-4, -3, -2, -1}, -4, 3, {"text95", "text96", "text97", "text98"}, 3, -1},
        {{-4, -3}, -4, 1, {"text95", "text96"}, 1, -3},
        // Draft and low only; position 3 is not there, so nothing changes.
        {{-2, -1}, -1, 3, {"text97", "text98"}, -1, -1},
        {{}, -3, 0, {}, -1, -3},
    };
    for (const auto& c : cases) {
        printers.acceptedQualities = c.accepted;
        printers.quality = c.before;
        state.printQualityIndex = std::int16_t(c.rememberedIndex);
        open();
        EXPECT_EQ(qualityTexts(), c.texts) << c.rememberedIndex;
        EXPECT_EQ(quality()->currentIndex(), c.selected) << c.rememberedIndex;
        EXPECT_EQ(printers.quality, c.qualityAfter) << c.rememberedIndex;
        EXPECT_EQ(state.printQualityIndex, c.rememberedIndex) << "kept when nothing is selected";
        for (int i = 0; i < quality()->count(); ++i)
            EXPECT_EQ(quality()->itemData(i).toInt(), c.accepted[i]);
    }
}

TEST_F(PrintDialog, ChoosingAQualitySetsThePrinterAndIsRememberedForTheNextOpening) {
    open();
    quality()->setCurrentIndex(2);
    EXPECT_EQ(printers.quality, -2);
    EXPECT_EQ(state.printQualityIndex, 2);

    printers.quality = -4;
    open();
    EXPECT_EQ(quality()->currentIndex(), 2);
    EXPECT_EQ(printers.quality, -2);
}

TEST_F(PrintDialog, SwitchingPrinterRefillsTheQualitiesForTheNewOne) {
    printers.acceptedQualities = {-4, -3, -2, -1};
    open();
    printers.acceptedQualities = {-1};
    combo1()->setEditText(QStringLiteral("Plotter"));
    EXPECT_EQ(qualityTexts(), QStringList{"text98"});
}

// --- Orientation, copies and printing ---

TEST_F(PrintDialog, ClickingTheVisiblePageSwitchesOrientationButOnlyPrintingAppliesIt) {
    const struct {
        int clicks;
        Orientation printed;
    } cases[] = {
        {0, Orientation::Portrait}, {1, Orientation::Landscape}, {2, Orientation::Portrait}};
    for (const auto& c : cases) {
        printers.orientation.reset();
        open();
        for (int i = 0; i < c.clicks; ++i) {
            auto* visible = child<QLabel>("Image2")->isHidden() ? child<QLabel>("Image3")
                                                                : child<QLabel>("Image2");
            click(visible);
        }
        EXPECT_EQ(child<QLabel>("Image2")->isHidden(), c.printed == Orientation::Landscape);
        EXPECT_EQ(child<QLabel>("Image3")->isHidden(), c.printed == Orientation::Portrait);
        EXPECT_FALSE(printers.orientation.has_value()) << "untouched until printing";
        click(button("Image1", frmStampa::kPrintButton));
        EXPECT_EQ(printers.orientation, c.printed) << c.clicks;
    }
}

TEST_F(PrintDialog, TheCopiesTextSetsCopiesOnlyWhenItLeadsWithAFittingPositiveNumber) {
    const struct {
        const char* text;
        std::optional<int> copies;
    } cases[] = {
        {"3", 3},  {"2.5", 2}, {"3.5", 4},  {" 7 copies", 7}, {"10", 10},    {"32767", 32767},
        {"0", {}}, {"", {}},   {"abc", {}}, {"-2", {}},       {"40000", {}}, {"0.4", {}},
    };
    for (const auto& c : cases) {
        printers.copies.reset();
        open();
        copies()->setEditText(QString::fromLatin1(c.text));
        click(button("Image1", frmStampa::kPrintButton));
        EXPECT_EQ(printers.copies, c.copies) << '"' << c.text << '"';
    }
}

TEST_F(PrintDialog, PrintSetsThePrinterThenComposesUnderABusyCaptionAndCloses) {
    for (const char* part : {"Image1", "Label1"}) {
        atPrint.clear();
        fakes.sounds.played.clear();
        open();
        copies()->setEditText(QStringLiteral("2"));
        click(button(part, frmStampa::kPrintButton));

        ASSERT_EQ(atPrint.size(), 1u) << part;
        EXPECT_EQ(atPrint[0].caption, "Stampa in corso...");
        EXPECT_TRUE(atPrint[0].busyPointer);
        EXPECT_EQ(atPrint[0].orientation, Orientation::Portrait);
        EXPECT_EQ(atPrint[0].copies, 2);
        EXPECT_EQ(dialog->windowTitle(), "text38");
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(fakes.sounds.played, QStringList{sound("/Files/Click2.wav")});
    }
}

TEST_F(PrintDialog, CancelAndTheTitleBarCloseWithoutPrintingOrTouchingTheJob) {
    for (bool soundsOn : {true, false}) {
        session.settings.soundsOn = soundsOn;
        fakes.sounds.played.clear();
        open();
        copies()->setEditText(QStringLiteral("5"));
        click(child<QLabel>("Image2"));
        click(button("Label1", frmStampa::kCancelButton));
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(fakes.sounds.played,
                  soundsOn ? QStringList{sound("/Files/Click2.wav")} : QStringList());

        open();
        dialog->close();
        EXPECT_FALSE(dialog->isVisible());
    }
    EXPECT_TRUE(atPrint.empty());
    EXPECT_FALSE(printers.orientation.has_value());
    EXPECT_FALSE(printers.copies.has_value());
    EXPECT_EQ(printers.jobs, 0);
}

TEST_F(PrintDialog, PrintingWithSoundsOffPlaysNothing) {
    session.settings.soundsOn = false;
    open();
    moveOver(button("Image1", frmStampa::kPrintButton));
    click(button("Image1", frmStampa::kPrintButton));
    EXPECT_EQ(atPrint.size(), 1u);
    EXPECT_TRUE(fakes.sounds.played.isEmpty());
}

// --- Hover effect ---

TEST_F(PrintDialog, HoveringRaisesAButtonOnceAndTheBackgroundLowersEveryRaisedOne) {
    open();
    QLabel* image[2] = {button("Image1", 0), button("Image1", 1)};
    QLabel* label[2] = {button("Label1", 0), button("Label1", 1)};
    const QPoint restImage[2] = {image[0]->pos(), image[1]->pos()};
    const QPoint restLabel[2] = {label[0]->pos(), label[1]->pos()};
    const QPoint raised(-2, -2);  // 30 twips up and left

    moveOver(image[0]);
    moveOver(label[0]);
    moveOver(image[0]);
    EXPECT_EQ(image[0]->pos(), restImage[0] + raised);
    EXPECT_EQ(label[0]->pos(), restLabel[0] + raised);
    EXPECT_TRUE(label[0]->font().underline());
    EXPECT_EQ(fakes.sounds.played, QStringList{sound("/Files/Click1.wav")}) << "one sound per rise";

    moveOver(label[1]);
    EXPECT_EQ(image[1]->pos(), restImage[1] + raised);
    EXPECT_EQ(fakes.sounds.played.size(), 2);

    moveOver(dialog.get());
    for (int i : {0, 1}) {
        EXPECT_EQ(image[i]->pos(), restImage[i]) << i;
        EXPECT_EQ(label[i]->pos(), restLabel[i]) << i;
        EXPECT_FALSE(label[i]->font().underline()) << i;
    }
    moveOver(image[0]);
    EXPECT_EQ(fakes.sounds.played.size(), 3) << "a lowered button rises again";
}

TEST_F(PrintDialog, HoveringWithSoundsOffIsSilent) {
    session.settings.soundsOn = false;
    open();
    moveOver(button("Label1", 1));
    EXPECT_TRUE(button("Label1", 1)->font().underline());
    EXPECT_TRUE(fakes.sounds.played.isEmpty());
}
