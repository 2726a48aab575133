// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/frmOpzioni.h"

#include "model/Session.h"
#include "common/LeadingNumber.h"
#include "settings/InterfaceSound.h"

#include "common/Rounding.h"
#include "model/CaseKinds.h"
#include "settings/MainCaptions.h"
#include "widgets/PictureButtons.h"
#include "widgets/PlaceControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <initializer_list>

namespace vsm {

namespace {

constexpr int kOpacity = 245;
constexpr int kFirstModelName = 53;
constexpr int kPositionRows = 3;
using Field = CatalogueEdit::Field;

// Designed places in twips: left, top, width, height.
const TwipsRect kDialogSize = TwipsRect::of(0, 0, 5400, 7320);
const TwipsRect kLabel3 = TwipsRect::of(240, 120, 4920, 255),
                kCombo1 = TwipsRect::of(240, 420, 4920, 345);
const TwipsRect kLabel2 = TwipsRect::of(240, 960, 4920, 255),
                kLabel4 = TwipsRect::of(240, 2640, 4920, 255);
const TwipsRect kLabel6 = TwipsRect::of(2640, 2940, 1200, 255),
                kLabel7 = TwipsRect::of(3960, 2940, 1200, 255);
constexpr int kFirstRowTop = 1290, kRowStep = 420, kLeftColumn = 2640, kRightColumn = 3960;
constexpr int kFieldWidth = 1200, kFieldHeight = 315, kSizeRowTop = 3240;
// The output options, then the sound switch and the buttons at the foot.
const TwipsRect kOutputTitle = TwipsRect::of(240, 4200, 4920, 255);
const TwipsRect kBleedLabel = TwipsRect::of(240, 4560, 2280, 255),
                kBleed = TwipsRect::of(2640, 4530, 1200, 315);
const TwipsRect kCropMarks = TwipsRect::of(240, 4950, 4920, 285);
const TwipsRect kClipDiscs = TwipsRect::of(240, 5310, 4920, 285);
const TwipsRect kHoleLabel = TwipsRect::of(555, 5640, 1965, 255),
                kHole = TwipsRect::of(2640, 5610, 1200, 315);
constexpr int kFootTop = 6060;
const TwipsRect kCheck1 = TwipsRect::of(240, kFootTop + 180, 255, 255),
                kLabel8 = TwipsRect::of(555, kFootTop + 180, 2100, 255);
const TwipsRect kImage1[2] = {TwipsRect::of(3060, kFootTop, 720, 720),
                              TwipsRect::of(4380, kFootTop, 720, 720)};
const TwipsRect kLabel1[2] = {TwipsRect::of(2820, kFootTop + 780, 1200, 255),
                              TwipsRect::of(4140, kFootTop + 780, 1200, 255)};

TwipsRect fieldRect(int column, int top) {
    return TwipsRect::of(column, top, kFieldWidth, kFieldHeight);
}

TwipsRect positionField(int index) {
    const int row = index / 2;
    return fieldRect(index % 2 ? kRightColumn : kLeftColumn, kFirstRowTop + row * kRowStep);
}

TwipsRect rowCaption(int row) {
    return TwipsRect::of(240, kFirstRowTop + row * kRowStep + 30, 2280, 255);
}

TwipsRect sizeField(int index) {
    const int offset = index - Field::kWidth;
    return fieldRect(offset % 2 ? kRightColumn : kLeftColumn, kSizeRowTop + offset / 2 * kRowStep);
}

// The diameter caption may use the room of the hidden height caption.
TwipsRect widthCaption(bool disc) {
    if (!disc) return kLabel6;
    const QRectF& width = kLabel6.twips;
    return {width.adjusted(0, 0, kLabel7.twips.right() - width.right(), 0)};
}

void setAllVisible(std::initializer_list<QWidget*> widgets, bool visible) {
    for (QWidget* w : widgets) w->setVisible(visible);
}

bool isLeftField(QEvent* event) {
    if (event->type() != QEvent::FocusOut) return false;
    // Switching to another program or opening the field's own menu leaves nothing.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

bool isLeftClick(QEvent* event) {
    return event->type() == QEvent::MouseButtonRelease &&
           static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
}

}  // namespace

frmOpzioni::frmOpzioni(const Platform& platform, Session& session, int currentModel,
                       std::function<void()> saveCatalogue, std::function<void()> reload,
                       QWidget* parent)
    : QDialog(parent),
      platform_(platform),
      session_(session),
      saveCatalogue_(std::move(saveCatalogue)),
      reload_(std::move(reload)),
      edit_(session.catalogue, platform.locale) {
    setObjectName(QStringLiteral("frmOpzioni"));
    buildControls();
    load(currentModel);
}

// --- Controls ---

void frmOpzioni::buildControls() {
    setFixedSize(twipsToPixels(kDialogSize).size());
    buildModelBox();
    buildPositionRows();
    buildSizeFields();
    buildSoundSwitch();
    buildButtons();
    buildOutputOptions();
}

QLabel* frmOpzioni::addLabel(const char* name, const TwipsRect& twips) {
    return placeControl<QLabel>(this, name, twips);
}

QLineEdit* frmOpzioni::addField(int index, const TwipsRect& twips) {
    auto* field = placeControl<QLineEdit>(this, "Text1", twips);
    field->setProperty("Index", index);
    field->installEventFilter(this);
    text1_[size_t(index)] = field;
    return field;
}

void frmOpzioni::buildModelBox() {
    label3_ = addLabel("Label3", kLabel3);
    combo1_ = placeControl<QComboBox>(this, "Combo1", kCombo1);
    connect(combo1_, &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });
}

void frmOpzioni::buildPositionRows() {
    label2_ = addLabel("Label2", kLabel2);
    for (int row = 0; row < kPositionRows; ++row) {
        QLabel* caption = addLabel("Label5", rowCaption(row));
        caption->setProperty("Index", row);
        label5_[size_t(row)] = caption;
        addField(2 * row, positionField(2 * row));
        addField(2 * row + 1, positionField(2 * row + 1));
    }
}

void frmOpzioni::buildSizeFields() {
    label4_ = addLabel("Label4", kLabel4);
    label6_ = addLabel("Label6", kLabel6);
    label7_ = addLabel("Label7", kLabel7);
    for (int i = Field::kWidth; i < kFieldCount; ++i) addField(i, sizeField(i));
}

void frmOpzioni::buildSoundSwitch() {
    check1_ = placeControl<QCheckBox>(this, "Check1", kCheck1);
    label8_ = addLabel("Label8", kLabel8);
    label8_->installEventFilter(this);  // a click on the caption toggles the switch
}

void frmOpzioni::buildButtons() {
    for (int i : {kOkButton, kCancelButton}) {
        QLabel* image = addLabel("Image1", kImage1[i]);
        image->setPixmap(i == kOkButton ? PictureButtons::okPicture(image->size())
                                        : PictureButtons::cancelPicture(image->size()));
        QLabel* label = addLabel("Label1", kLabel1[i]);
        label->setAlignment(Qt::AlignCenter);
        image->setProperty("Index", i);
        label->setProperty("Index", i);
        image1_[size_t(i)] = image;
        label1_[size_t(i)] = label;
    }
    buttons_ = new PictureButtons(
        this, [this] { playSoundIfTicked(session_.folder.hoverSound()); },
        [this](int index) { buttonClicked(index); });
}

namespace {

QDoubleSpinBox* millimetres(QWidget* parent, const char* name, const TwipsRect& at, double low,
                            double high) {
    auto* box = placeControl<QDoubleSpinBox>(parent, name, at);
    box->setRange(low, high);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    return box;
}

}  // namespace

void frmOpzioni::buildOutputOptions() {
    outputTitle_ = addLabel("OutputTitle", kOutputTitle);
    bleedLabel_ = addLabel("BleedLabel", kBleedLabel);
    bleed_ = millimetres(this, "BleedMm", kBleed, 0, OutputOptions::kMaxBleedMm);
    cropMarks_ = placeControl<QCheckBox>(this, "CropMarks", kCropMarks);
    clipDiscs_ = placeControl<QCheckBox>(this, "ClipDiscs", kClipDiscs);
    holeLabel_ = addLabel("HoleLabel", kHoleLabel);
    hole_ = millimetres(this, "HoleMm", kHole, OutputOptions::kMinHoleMm,
                        OutputOptions::kMaxHoleMm);
    connect(clipDiscs_, &QCheckBox::toggled, hole_, &QWidget::setEnabled);
}

void frmOpzioni::showOutputOptions() {
    const UiText& t = session_.uiText;
    outputTitle_->setText(t[140]);
    bleedLabel_->setText(t[141]);
    cropMarks_->setText(t[142]);
    clipDiscs_->setText(t[143]);
    holeLabel_->setText(t[144]);
    const OutputOptions& o = session_.output;
    bleed_->setValue(o.bleedMm);
    cropMarks_->setChecked(o.cropMarks);
    clipDiscs_->setChecked(o.clipDiscs);
    hole_->setValue(o.holeMm);
    hole_->setEnabled(o.clipDiscs);
}

OutputOptions frmOpzioni::chosenOutputOptions() const {
    OutputOptions o;
    o.bleedMm = bleed_->value();
    o.cropMarks = cropMarks_->isChecked();
    o.clipDiscs = clipDiscs_->isChecked();
    o.holeMm = hole_->value();
    return o;
}

void frmOpzioni::saveOutputOptions() {
    if (!session_.keepOutputOptions(chosenOutputOptions()) && platform_.prompts)
        platform_.prompts->message(this, windowTitle(),
                                   session_.uiText[145].arg(session_.outputOptionsFile()),
                                   MessagePrompts::Icon::Exclamation);
}

// --- Load ---

void frmOpzioni::load(int currentModel) {
    setCaptions();                                    // 1
    check1_->setChecked(session_.settings.soundsOn);  // 2
    setRowCaptions();                                 // 3
    for (int i : {kOkButton, kCancelButton})          // 4: rest positions
        buttons_->add(image1_[size_t(i)], label1_[size_t(i)]);
    fillModelList();                         // 5
    combo1_->setCurrentIndex(currentModel);  // 6
    setWindowOpacity(kOpacity / 255.0);      // 7
    showOutputOptions();
}

void frmOpzioni::setCaptions() {
    const UiText& t = session_.uiText;
    setWindowTitle(dialogTitle(t[50]));
    label1_[kOkButton]->setText(t[51]);
    label1_[kCancelButton]->setText(t[37]);
    label2_->setText(t[47]);
    label3_->setText(QLatin1Char(' ') + t[30] + QLatin1Char(' '));
    label4_->setText(t[48]);
    label6_->setText(t[86]);
    label7_->setText(t[87]);
    label8_->setText(t[108]);
    if (parentWidget()) setWindowIcon(parentWidget()->window()->windowIcon());
}

void frmOpzioni::setRowCaptions() {
    for (int row = 0; row < kPositionRows; ++row)
        label5_[size_t(row)]->setText(
            QStringLiteral("%1 %2 (mm)").arg(session_.uiText[49]).arg(row + 1));
}

void frmOpzioni::fillModelList() {
    // Filling an empty list selects its first entry by itself; that is no choice.
    const QSignalBlocker quiet(combo1_);
    combo1_->clear();
    for (int i = 0; i < session_.modelCount; ++i) combo1_->addItem(modelName(session_.uiText, i));
    combo1_->setCurrentIndex(-1);
}

// --- Selecting a model ---

void frmOpzioni::Combo1_Click() {
    const int index = combo1_->currentIndex();
    const CoverModel* m = edit_.select(index);
    if (!m) return;
    showZone1(*m);
    showSizeFields(*m);
    showZone2Positions(*m);
    showZone3Positions(index);
}

void frmOpzioni::showZone1(const CoverModel& m) {
    text1_[Field::kZone1Left]->setText(m.zone1Left.trimmed());
    text1_[Field::kZone1Top]->setText(m.zone1Top.trimmed());
    text1_[Field::kWidth]->setText(QString::number(m.zone1Width));
    text1_[Field::kHeight]->setText(QString::number(m.zone1Height));
    text1_[Field::kZone2Width]->setText(QString::number(m.zone2Width));
    text1_[Field::kZone2Height]->setText(QString::number(m.zone2Height));
}

void frmOpzioni::showSizeFields(const CoverModel& m) {
    const bool disc = CatalogueEdit::isDisc(m);
    const bool zone2Shown = !disc && leadingNumber(text1_[Field::kZone2Width]->text()) != 0;
    text1_[Field::kHeight]->setHidden(disc);
    text1_[Field::kZone2Width]->setVisible(zone2Shown);
    text1_[Field::kZone2Height]->setVisible(zone2Shown);
    label7_->setHidden(disc);
    label6_->setText(session_.uiText[disc ? 88 : 86]);
    label6_->setGeometry(twipsToPixels(widthCaption(disc)));
}

// Hidden fields keep the texts of the model shown before; they are not written back.
void frmOpzioni::showZone2Positions(const CoverModel& m) {
    const bool shown = edit_.zone2PositionsShown();
    if (shown) {
        text1_[Field::kZone2Left]->setText(m.zone2Left.trimmed());
        text1_[Field::kZone2Top]->setText(m.zone2Top.trimmed());
    }
    setAllVisible({text1_[Field::kZone2Left], text1_[Field::kZone2Top], label5_[1]}, shown);
}

void frmOpzioni::showZone3Positions(int model) {
    const bool shown = caseKind(model).thirdZone;
    if (shown) {
        text1_[4]->setText(session_.catalogue.zone3Left.trimmed());
        text1_[5]->setText(session_.catalogue.zone3Top.trimmed());
    }
    setAllVisible({text1_[4], text1_[5], label5_[2]}, shown);
}

// --- Write-back ---

void frmOpzioni::writeBack(int field) {
    if (const auto top = edit_.leave(field, fieldTexts()))
        text1_[Field::kZone2Top]->setText(*top);
    edit_.store(combo1_->currentIndex(), fieldTexts());
}

CatalogueEdit::Texts frmOpzioni::fieldTexts() const {
    CatalogueEdit::Texts texts;
    for (size_t i = 0; i < texts.size(); ++i) texts[i] = text1_[i]->text();
    return texts;
}

// --- Buttons ---

void frmOpzioni::buttonClicked(int index) {
    closing_ = true;  // the focused field loses its focus as the dialog closes
    playSoundIfTicked(session_.folder.clickSound());
    writeBack(edit_.lastFieldLeft());
    if (index == kOkButton) {
        session_.settings.soundsOn = check1_->isChecked();
        if (saveCatalogue_) saveCatalogue_();
        saveOutputOptions();
        accept();
    } else {
        if (reload_) reload_();
        reject();
    }
}

void frmOpzioni::playSoundIfTicked(const QString& file) {
    playInterfaceSound(check1_->isChecked(), platform_.sounds, file);
}

// --- Events ---

int frmOpzioni::fieldIndexOf(QObject* watched) const {
    for (size_t i = 0; i < text1_.size(); ++i)
        if (text1_[i] == watched) return int(i);
    return -1;
}

bool frmOpzioni::eventFilter(QObject* watched, QEvent* event) {
    if (watched == label8_ && isLeftClick(event)) {
        check1_->toggle();
        return true;
    }
    const int field = fieldIndexOf(watched);
    if (field >= 0 && !closing_ && isLeftField(event)) writeBack(field);
    return QDialog::eventFilter(watched, event);
}

}  // namespace vsm
