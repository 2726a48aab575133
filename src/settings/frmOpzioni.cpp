#include "settings/frmOpzioni.h"

#include "app/Session.h"
#include "common/LeadingNumber.h"
#include "common/Rounding.h"
#include "model/CaseKinds.h"
#include "settings/MainCaptions.h"
#include "ui/PictureButtons.h"
#include "ui/PreviewWidgets.h"

#include <QCheckBox>
#include <QComboBox>
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
constexpr int kWidthField = 6, kHeightField = 7, kZone2WidthField = 8, kZone2HeightField = 9;

// Designed places in twips: left, top, width, height.
const QRect kDialogSize(0, 0, 5400, 5400);
const QRect kLabel3(240, 120, 4920, 255), kCombo1(240, 420, 4920, 345);
const QRect kLabel2(240, 960, 4920, 255), kLabel4(240, 2640, 4920, 255);
const QRect kLabel6(2640, 2940, 1200, 255), kLabel7(3960, 2940, 1200, 255);
constexpr int kFirstRowTop = 1290, kRowStep = 420, kLeftColumn = 2640, kRightColumn = 3960;
constexpr int kFieldWidth = 1200, kFieldHeight = 315, kSizeRowTop = 3240;
const QRect kCheck1(240, 4380, 255, 255), kLabel8(555, 4380, 2100, 255);
const QRect kImage1[2] = {{3060, 4200, 720, 720}, {4380, 4200, 720, 720}};
const QRect kLabel1[2] = {{2820, 4980, 1200, 255}, {4140, 4980, 1200, 255}};

QRect fieldRect(int column, int top) {
    return QRect(column, top, kFieldWidth, kFieldHeight);
}

QRect positionField(int index) {
    const int row = index / 2;
    return fieldRect(index % 2 ? kRightColumn : kLeftColumn, kFirstRowTop + row * kRowStep);
}

QRect rowCaption(int row) {
    return QRect(240, kFirstRowTop + row * kRowStep + 30, 2280, 255);
}

QRect sizeField(int index) {
    const int offset = index - kWidthField;
    return fieldRect(offset % 2 ? kRightColumn : kLeftColumn, kSizeRowTop + offset / 2 * kRowStep);
}

void setAllVisible(std::initializer_list<QWidget*> widgets, bool visible) {
    for (QWidget* w : widgets) w->setVisible(visible);
}

bool isCircle(const CoverModel& m) {
    return m.shape.trimmed() == kCircle;
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
      reload_(std::move(reload)) {
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
}

QLabel* frmOpzioni::addLabel(const char* name, const QRect& twips) {
    auto* label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(twipsToPixels(twips));
    return label;
}

QLineEdit* frmOpzioni::addField(int index, const QRect& twips) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QStringLiteral("Text1"));
    field->setProperty("Index", index);
    field->setGeometry(twipsToPixels(twips));
    field->installEventFilter(this);
    text1_[size_t(index)] = field;
    return field;
}

void frmOpzioni::buildModelBox() {
    label3_ = addLabel("Label3", kLabel3);
    combo1_ = new QComboBox(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setGeometry(twipsToPixels(kCombo1));
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
    for (int i = kWidthField; i < kFieldCount; ++i) addField(i, sizeField(i));
}

void frmOpzioni::buildSoundSwitch() {
    check1_ = new QCheckBox(this);
    check1_->setObjectName(QStringLiteral("Check1"));
    check1_->setGeometry(twipsToPixels(kCheck1));
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
        this, [this] { playSoundIfTicked("/Files/Click1.wav"); },
        [this](int index) { buttonClicked(index); });
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
    const CoverModel* m = session_.catalogue.model(index);
    if (!m) return;
    showZone1(*m);
    showSizeFields(*m);
    showZone2Positions(*m);
    showZone3Positions(index);
}

void frmOpzioni::showZone1(const CoverModel& m) {
    text1_[0]->setText(m.zone1Left.trimmed());
    text1_[1]->setText(m.zone1Top.trimmed());
    text1_[kWidthField]->setText(QString::number(m.zone1Width));
    text1_[kHeightField]->setText(QString::number(m.zone1Height));
    text1_[kZone2WidthField]->setText(QString::number(m.zone2Width));
    text1_[kZone2HeightField]->setText(QString::number(m.zone2Height));
}

void frmOpzioni::showSizeFields(const CoverModel& m) {
    const bool circle = isCircle(m);
    const bool zone2Shown = !circle && leadingNumber(text1_[kZone2WidthField]->text()) != 0;
    text1_[kHeightField]->setHidden(circle);
    text1_[kZone2WidthField]->setVisible(zone2Shown);
    text1_[kZone2HeightField]->setVisible(zone2Shown);
    label7_->setHidden(circle);
    label6_->setText(session_.uiText[circle ? 88 : 86]);
    // The diameter caption may use the room of the hidden height caption.
    label6_->setGeometry(twipsToPixels(
        circle ? kLabel6.adjusted(0, 0, kLabel7.right() - kLabel6.right(), 0) : QRectF(kLabel6)));
    zone2SizesKept_ = m.zone2Width > 0;
}

// Hidden fields keep the texts of the model shown before; they are not written back.
void frmOpzioni::showZone2Positions(const CoverModel& m) {
    zone2PositionsShown_ = leadingNumber(m.zone2Top) != 0;
    if (zone2PositionsShown_) {
        text1_[2]->setText(m.zone2Left.trimmed());
        text1_[3]->setText(m.zone2Top.trimmed());
    }
    setAllVisible({text1_[2], text1_[3], label5_[1]}, zone2PositionsShown_);
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
    text1_[0]->setProperty("Tag", QString::number(field));
    if (field == 3) keepZone2TopBelowZone1Top();
    const int index = combo1_->currentIndex();
    CoverModel* m = session_.catalogue.model(index);
    if (!m) return;
    storePositions(*m);
    if (!storeSizes(*m)) return;  // a size that is no number stops here
    if (caseKind(index).thirdZone) {
        session_.catalogue.zone3Left = text1_[4]->text().trimmed();
        session_.catalogue.zone3Top = text1_[5]->text().trimmed();
    }
}

// Zone 2 may not start above zone 1, nor above 1 mm when it is moved down.
void frmOpzioni::keepZone2TopBelowZone1Top() {
    if (leadingNumber(text1_[1]->text()) <= leadingNumber(text1_[3]->text())) return;
    text1_[3]->setText(text1_[1]->text());
    if (leadingNumber(text1_[3]->text()) < 1) text1_[3]->setText(QStringLiteral("1"));
}

void frmOpzioni::storePositions(CoverModel& m) const {
    m.zone1Left = text1_[0]->text().trimmed();
    m.zone1Top = text1_[1]->text().trimmed();
    if (!zone2PositionsShown_) return;
    m.zone2Left = text1_[2]->text().trimmed();
    m.zone2Top = text1_[3]->text().trimmed();
}

// A disc has one diameter for width and height of every zone it has.
bool frmOpzioni::storeSizes(CoverModel& m) const {
    const bool circle = isCircle(m);
    if (!storeWholeNumber(m.zone1Width, kWidthField) ||
        !storeWholeNumber(m.zone1Height, circle ? kWidthField : kHeightField))
        return false;
    if (!zone2SizesKept_) return true;
    return storeWholeNumber(m.zone2Width, circle ? kWidthField : kZone2WidthField) &&
           storeWholeNumber(m.zone2Height, circle ? kWidthField : kZone2HeightField);
}

bool frmOpzioni::storeWholeNumber(std::int32_t& target, int field) const {
    const std::optional<std::int32_t> number = wholeNumber(field);
    if (number) target = *number;
    return number.has_value();
}

// Sizes are typed in the user's own number format.
std::optional<std::int32_t> frmOpzioni::wholeNumber(int field) const {
    const QLocale locale = platform_.locale ? platform_.locale->userLocale() : QLocale();
    bool ok = false;
    const double value = locale.toDouble(text1_[size_t(field)]->text().trimmed(), &ok);
    if (!ok) return std::nullopt;
    return toIntegerHalfEven<std::int32_t>(value);
}

// --- Buttons ---

int frmOpzioni::lastFieldLeft() const {
    return text1_[0]->property("Tag").toString().toInt();
}

void frmOpzioni::buttonClicked(int index) {
    closing_ = true;  // the focused field loses its focus as the dialog closes
    playSoundIfTicked("/Files/Click2.wav");
    writeBack(lastFieldLeft());
    if (index == kOkButton) {
        session_.settings.soundsOn = check1_->isChecked();
        if (saveCatalogue_) saveCatalogue_();
        accept();
    } else {
        if (reload_) reload_();
        reject();
    }
}

void frmOpzioni::playSoundIfTicked(const char* relativePath) {
    if (check1_->isChecked() && platform_.sounds)
        platform_.sounds->playAndWait(session_.folder.path(QLatin1String(relativePath)));
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
