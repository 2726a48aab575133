// SPDX-License-Identifier: GPL-3.0-or-later
#include "title/frmTitolo.h"

#include "model/Session.h"
#include "common/LeadingNumber.h"
#include "settings/InterfaceSound.h"
#include "title/ShowColor.h"
#include "widgets/BusyPointer.h"
#include "widgets/PictureButtons.h"
#include "widgets/PlaceControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace vsm {

namespace {

constexpr int kOpacity = 245;
constexpr double kLargestSize = 1638;

// The dialog's own labels ask for a playful face; the platform substitutes it
// where it is missing.
QFont labelFont() {
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setStyleHint(QFont::Cursive);
    return font;
}

}  // namespace

frmTitolo::frmTitolo(const Platform& platform, Session& session, std::function<void()> refresh,
                     QWidget* parent)
    : QDialog(parent), platform_(platform), session_(session), refresh_(std::move(refresh)) {
    setObjectName(QStringLiteral("frmTitolo"));
    build();
    load();
}

frmTitolo::~frmTitolo() = default;

void frmTitolo::build() {
    setFixedSize(twipsToPixels(QRectF(0, 0, 6600, 5400)).size());
    label3_ = placeControl<QLabel>(this, "Label3", 120, 120, 6360, 300);
    label10_ = placeControl<QLabel>(this, "Label10", 120, 480, 3000, 255);
    text1_ = placeControl<QLineEdit>(this, "Text1", 120, 750, 6360, 345);
    label11_ = placeControl<QLabel>(this, "Label11", 120, 1200, 3000, 255);
    text2_ = placeControl<QLineEdit>(this, "Text2", 120, 1470, 6360, 345);
    label4_ = placeControl<QLabel>(this, "Label4", 120, 1950, 2000, 255);
    combo1_ = placeControl<QComboBox>(this, "Combo1", 120, 2220, 3600, 345);
    label5_ = placeControl<QLabel>(this, "Label5", 3840, 1950, 1200, 255);
    combo2_ = placeControl<QComboBox>(this, "Combo2", 3840, 2220, 1000, 345);
    combo2_->setEditable(true);
    combo2_->setInsertPolicy(QComboBox::NoInsert);
    check1_ = placeControl<QCheckBox>(this, "Check1", 5000, 2220, 450, 345);
    check2_ = placeControl<QCheckBox>(this, "Check2", 5480, 2220, 450, 345);
    check3_ = placeControl<QCheckBox>(this, "Check3", 5960, 2220, 500, 345);
    label2_ = placeControl<QLabel>(this, "Label2", 120, 2700, 6360, 900);
    label2_->setAlignment(Qt::AlignCenter);
    label2_->setFrameShape(QFrame::StyledPanel);
    label6_ = placeControl<QLabel>(this, "Label6", 120, 3720, 1200, 255);
    shape16_ = placeControl<QLabel>(this, "Shape16", 1320, 3690, 600, 330);
    label7_ = placeControl<QLabel>(this, "Label7", 1320, 3690, 600, 330);
    label35_ = placeControl<QLabel>(this, "Label35", 1320, 3690, 600, 330);
    label35_->setToolTip(QStringLiteral("Cliccarvi per cambiare il colore del bordo delle foto"));
    label35_->setCursor(Qt::PointingHandCursor);
    check4_ = placeControl<QCheckBox>(this, "Check4", 2300, 3720, 255, 255);
    label8_ = placeControl<QLabel>(this, "Label8", 2580, 3720, 1800, 255);
    check5_ = placeControl<QCheckBox>(this, "Check5", 2300, 4020, 255, 255);
    label9_ = placeControl<QLabel>(this, "Label9", 2580, 4020, 1800, 255);
    for (QLabel* l : {label3_, label10_, label11_, label4_, label5_, label6_, label8_, label9_})
        l->setFont(labelFont());
    for (QLabel* l : {label8_, label9_, label7_, label35_}) l->installEventFilter(this);
    for (QLineEdit* e : {text1_, text2_}) e->installEventFilter(this);

    buttons_ = new PictureButtons(
        this, [this] { playSound(session_.folder.hoverSound()); },
        [this](int index) { index == 0 ? ok() : cancel(); });
    const char* captions[2] = {"Ok", ""};
    for (int i = 0; i < 2; ++i) {
        auto* picture = placeControl<QLabel>(this, "Image1", 4560 + i * 1020, 3600, 720, 720);
        auto* caption = placeControl<QLabel>(this, "Label1", 4440 + i * 1020, 4350, 960, 255);
        picture->setProperty("Index", i);
        caption->setProperty("Index", i);
        picture->setPixmap(i == 0 ? PictureButtons::okPicture(picture->size())
                                  : PictureButtons::cancelPicture(picture->size()));
        caption->setAlignment(Qt::AlignCenter);
        caption->setFont(labelFont());
        caption->setText(QString::fromLatin1(captions[i]));
        buttons_->add(picture, caption);
    }
    connect(combo1_, &QComboBox::textActivated, this, [this](const QString& family) {
        preview_.setFamily(family);
        showPreview();
    });
    connect(combo2_, &QComboBox::currentTextChanged, this, &frmTitolo::onSizeText);
    for (QCheckBox* c : {check1_, check2_, check3_})
        connect(c, &QCheckBox::toggled, this, &frmTitolo::onStyleSwitch);
}

void frmTitolo::load() {
    const TitleSettings& t = session_.titles;
    text1_->setText(t.coverTitleText);                      // 1
    text2_->setText(t.spineTitleText);
    setCaptions();                                          // 2
    check4_->setChecked(session_.model.coverTitleOn == 1);  // 3
    check5_->setChecked(session_.model.spineTitleOn == 1);
    /* 4: the picture buttons remember their rest positions as they are added */
    fillLists();                                            // 5, 6
    preview_ = QFont(t.fontName);                           // 7
    previewSize_ = t.fontSize;
    swatch_ = t.colour;
    showSwatch();
    for (auto [check, on] : {std::pair{check1_, t.bold}, {check2_, t.italic}, {check3_, t.underline}}) {
        const QSignalBlocker quiet(check);
        check->setChecked(on);
    }
    combo1_->setCurrentIndex(combo1_->findText(preview_.family()));  // 8
    combo2_->setEditText(QString::number(int(previewSize_)));
    onStyleSwitch();                                        // 9
    setWindowOpacity(kOpacity / 255.0);                     // 10
}

void frmTitolo::setCaptions() {
    const UiText& u = session_.uiText;
    label10_->setText(u[92]);
    label11_->setText(u[93]);
    label4_->setText(u[89]);
    label5_->setText(u[90]);
    label6_->setText(u[91]);
    label8_->setText(u[92]);
    label9_->setText(u[93]);
    label3_->setText(QStringLiteral(" ") + u[15] + QStringLiteral(" ") + u[39] + QStringLiteral(" "));
    check1_->setText(QStringLiteral("B"));
    check2_->setText(QStringLiteral("i"));
    check3_->setText(QStringLiteral("S"));
    findChildren<QLabel*>(QStringLiteral("Label1")).value(1)->setText(u[37]);
    setWindowTitle(dialogTitle(u[15]));
}

void frmTitolo::fillLists() {
    const QSignalBlocker quietFonts(combo1_);
    const QSignalBlocker quietSizes(combo2_);
    combo1_->addItems(QFontDatabase::families());
    for (int size = 6; size <= 80; ++size) combo2_->addItem(QString::number(size));
}

// The size field is read by its leading number; only 1 to 1638 takes effect.
void frmTitolo::onSizeText(const QString& text) {
    const double size = leadingNumber(text);
    if (size < 1 || size > kLargestSize) return;
    previewSize_ = float(size);
    showPreview();
}

void frmTitolo::onStyleSwitch() {
    preview_.setBold(check1_->isChecked());
    preview_.setItalic(check2_->isChecked());
    preview_.setUnderline(check3_->isChecked());
    showPreview();
}

void frmTitolo::showPreview() {
    QFont shown = preview_;
    shown.setPointSizeF(previewSize_);
    preview_.setPointSizeF(previewSize_);
    label2_->setFont(shown);
    label2_->setText(preview_.family());
}

void frmTitolo::showSwatch() {
    shape16_->setStyleSheet(QStringLiteral("background: %1; border: 1px solid #555;")
                                .arg(toQColor(swatch_).name()));
}

// A new chooser every time, starting from the composition's colour.
void frmTitolo::chooseColour() {
    if (!platform_.colourDialogs) return;
    ShowColor chooser(*platform_.colourDialogs);
    chooser.hOwner(this);
    chooser.setRGBResult(session_.titles.colour);
    chooser.showColor();
    if (chooser.ColorAnnulla()) return;
    swatch_ = chooser.RGBResult();
    showSwatch();
}

void frmTitolo::playSound(const QString& file) {
    playInterfaceSound(session_.settings.soundsOn, platform_.sounds, file);
}

void frmTitolo::ok() {
    if (closing_) return;
    closing_ = true;
    playSound(session_.folder.clickSound());
    hide();
    {
        BusyPointer busy;
        TitleSettings& t = session_.titles;
        t.coverTitleText = text1_->text();
        t.fontName = preview_.family();
        t.fontSize = previewSize_;
        t.bold = preview_.bold();
        t.italic = preview_.italic();
        t.underline = preview_.underline();
        t.colour = swatch_;
        t.spineTitleText = text2_->text();
        session_.model.coverTitleOn = check4_->isChecked() ? 1 : 0;
        session_.model.spineTitleOn = check5_->isChecked() ? 1 : 0;
    }
    refresh_();
    accept();
}

void frmTitolo::cancel() {
    if (closing_) return;
    closing_ = true;
    playSound(session_.folder.clickSound());
    refresh_();
    reject();
}

bool frmTitolo::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        (watched == text1_ || watched == text2_)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ok();
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == label8_) check4_->toggle();
        if (watched == label9_) check5_->toggle();
        if (watched == label7_ || watched == label35_) chooseColour();
        if (watched == label8_ || watched == label9_ || watched == label7_ || watched == label35_)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace vsm
