// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/frmStampa.h"

#include "model/Session.h"
#include "model/PictureFit.h"
#include "settings/InterfaceSound.h"
#include "widgets/BusyPointer.h"
#include "widgets/PictureButtons.h"
#include "widgets/PlaceControl.h"
#include "widgets/TransparentPixmap.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QSignalBlocker>
#include <algorithm>

namespace vsm {

namespace {

constexpr int kMaxCopiesInList = 10;
constexpr int kOpacity = 245;

// Designed places in twips: left, top, width, height.
const TwipsRect kDialogSize = TwipsRect::of(0, 0, 5400, 3900);
const TwipsRect kShape1 = TwipsRect::of(120, 120, 5160, 840),
                kLabel3 = TwipsRect::of(240, 180, 2400, 255),
                kCombo1 = TwipsRect::of(240, 480, 4920, 345);
const TwipsRect kShape2 = TwipsRect::of(120, 1080, 2520, 840),
                kLabel2 = TwipsRect::of(240, 1140, 2280, 255),
                kCboQualita = TwipsRect::of(240, 1440, 2280, 345);
const TwipsRect kShape4 = TwipsRect::of(2760, 1080, 2520, 840),
                kLabel5 = TwipsRect::of(2880, 1140, 2280, 255),
                kCombo2 = TwipsRect::of(2880, 1440, 1200, 345);
const TwipsRect kShape3 = TwipsRect::of(120, 2040, 2520, 1740),
                kLabel4 = TwipsRect::of(240, 2100, 2280, 255),
                kImage2 = TwipsRect::of(1080, 2460, 600, 840),
                kImage3 = TwipsRect::of(960, 2580, 840, 600);
const TwipsRect kImage1[2] = {TwipsRect::of(3060, 2220, 720, 720),
                              TwipsRect::of(4380, 2220, 720, 720)};
const TwipsRect kLabel1[2] = {TwipsRect::of(2820, 3000, 1200, 255),
                              TwipsRect::of(4140, 3000, 1200, 255)};

// A sheet with a folded corner and a few text lines, in the label's shape.
QPixmap pagePicture(QSize size) {
    QPixmap pixmap = transparentPixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF page = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(2.5, 2.5, -2.5, -2.5);
    const double fold = std::min(page.width(), page.height()) / 4;
    QPainterPath outline(page.topLeft());
    outline.lineTo(page.right() - fold, page.top());
    outline.lineTo(page.right(), page.top() + fold);
    outline.lineTo(page.bottomRight());
    outline.lineTo(page.bottomLeft());
    outline.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.setBrush(Qt::white);
    p.drawPath(outline);
    p.drawPolyline(QPolygonF({QPointF(page.right() - fold, page.top()),
                              QPointF(page.right() - fold, page.top() + fold),
                              QPointF(page.right(), page.top() + fold)}));
    p.setPen(QPen(QColor(150, 160, 175), 1.5));
    for (double y = page.top() + fold + 5; y < page.bottom() - 4; y += 5)
        p.drawLine(QPointF(page.left() + 5, y), QPointF(page.right() - 5, y));
    return pixmap;
}

QPixmap printPicture(QSize size) {
    QPixmap pixmap = transparentPixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();
    p.setPen(QPen(QColor(50, 50, 50), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(w * 0.28, h * 0.08, w * 0.44, h * 0.34));  // paper in
    p.setBrush(QColor(90, 98, 112));
    p.drawRoundedRect(QRectF(w * 0.1, h * 0.36, w * 0.8, h * 0.34), 4, 4);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(w * 0.24, h * 0.6, w * 0.52, h * 0.32));  // paper out
    p.setBrush(QColor(90, 200, 90));
    p.drawEllipse(QPointF(w * 0.78, h * 0.45), w * 0.04, w * 0.04);
    return pixmap;
}

// A combo box the user types into; typing neither completes nor adds items.
QComboBox* editableCombo(QWidget* parent, const char* name, const TwipsRect& twips) {
    auto* combo = placeControl<QComboBox>(parent, name, twips);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    return combo;
}

}  // namespace

frmStampa::frmStampa(const Platform& platform, const Session& session, PrintDialogState& state,
                     std::function<void()> stampaCopertina, QWidget* parent)
    : QDialog(parent),
      platform_(platform),
      session_(session),
      choice_(platform, state, session.model.currentOrientation, this),
      stampaCopertina_(std::move(stampaCopertina)) {
    setObjectName(QStringLiteral("frmStampa"));
    buildControls();
    load();
}

// --- Controls ---

void frmStampa::buildControls() {
    setFixedSize(twipsToPixels(kDialogSize).size());
    buildPrinterBox();
    buildQualityBox();
    buildCopiesBox();
    buildOrientationBox();
    buildButtons();
}

QLabel* frmStampa::addLabel(const char* name, const TwipsRect& twips) {
    return placeControl<QLabel>(this, name, twips);
}

QFrame* frmStampa::addFrame(const char* name, const TwipsRect& twips) {
    auto* frame = placeControl<QFrame>(this, name, twips);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->lower();
    return frame;
}

void frmStampa::buildPrinterBox() {
    addFrame("Shape1", kShape1);
    label3_ = addLabel("Label3", kLabel3);
    combo1_ = editableCombo(this, "Combo1", kCombo1);
    connect(combo1_, &QComboBox::currentTextChanged, this, [this] { Combo1_Click(); });
}

void frmStampa::buildQualityBox() {
    addFrame("Shape2", kShape2);
    label2_ = addLabel("Label2", kLabel2);
    cboQualita_ = placeControl<QComboBox>(this, "cboQualita", kCboQualita);
    connect(cboQualita_, &QComboBox::currentIndexChanged, this,
            [this](int index) { choice_.chooseQuality(index); });
}

void frmStampa::buildCopiesBox() {
    addFrame("Shape4", kShape4);
    label5_ = addLabel("Label5", kLabel5);
    combo2_ = editableCombo(this, "Combo2", kCombo2);
}

void frmStampa::buildOrientationBox() {
    addFrame("Shape3", kShape3);
    label4_ = addLabel("Label4", kLabel4);
    image2_ = addLabel("Image2", kImage2);
    image3_ = addLabel("Image3", kImage3);
    for (QLabel* picture : {image2_, image3_}) {
        picture->setPixmap(pagePicture(picture->size()));
        picture->setCursor(Qt::PointingHandCursor);
        picture->installEventFilter(this);
    }
}

void frmStampa::buildButtons() {
    for (int i : {kPrintButton, kCancelButton}) {
        QLabel* image = addLabel("Image1", kImage1[i]);
        image->setPixmap(i == kPrintButton ? printPicture(image->size())
                                           : PictureButtons::cancelPicture(image->size()));
        QLabel* label = addLabel("Label1", kLabel1[i]);
        label->setAlignment(Qt::AlignCenter);
        image->setProperty("Index", i);
        label->setProperty("Index", i);
        image1_[size_t(i)] = image;
        label1_[size_t(i)] = label;
    }
    buttons_ = new PictureButtons(
        this, [this] { playSound(session_.folder.hoverSound()); },
        [this](int index) { buttonClicked(index); });
    buttons_->clickOnlyOnReleaseInside();
}

// --- Load ---

void frmStampa::load() {
    showOrientation();                           // 1
    setCaptions();                               // 2
    fillLists();                                 // 3
    for (int i : {kPrintButton, kCancelButton})  // 4: rest positions
        buttons_->add(image1_[size_t(i)], label1_[size_t(i)]);
    fillCopiesList();                    // 5
    setWindowOpacity(kOpacity / 255.0);  // 6
}

void frmStampa::setCaptions() {
    if (parentWidget()) setWindowIcon(parentWidget()->window()->windowIcon());
    const UiText& t = session_.uiText;
    label1_[kPrintButton]->setText(t[38]);
    label1_[kCancelButton]->setText(t[37]);
    label3_->setText(t[33]);
    label4_->setText(t[34]);
    label2_->setText(t[35]);
    label5_->setText(t[36]);
    setWindowTitle(dialogTitle(t[38]));
}

void frmStampa::fillLists() {
    const BusyPointer busy;
    FillPrinterList();
    choice_.probeQualities();
    showQualities();
}

void frmStampa::fillCopiesList() {
    combo2_->clear();
    for (int n = 1; n <= kMaxCopiesInList; ++n) combo2_->addItem(QString::number(n));
    combo2_->setEditText(QStringLiteral("1"));
}

// --- Printer box ---

void frmStampa::FillPrinterList() {
    const QString name = choice_.defaultPrinter();
    const QStringList names = choice_.installedPrinters();
    {
        // Filling an empty box selects its first item by itself; that is no choice.
        const QSignalBlocker quiet(combo1_);
        combo1_->clear();
        combo1_->addItems(names);
        combo1_->setCurrentIndex(-1);
        combo1_->clearEditText();
    }
    const int match = names.indexOf(name);
    if (match >= 0) combo1_->setCurrentIndex(match);
    combo1_->setEditText(name);
    choice_.choosePrinter(name);
}

void frmStampa::Combo1_Click() {
    const PrintChoice::TextOutcome outcome = choice_.printerTextChanged(combo1_->currentText());
    if (outcome.ignored) return;
    if (outcome.shows) {
        const QSignalBlocker quiet(combo1_);
        combo1_->setEditText(*outcome.shows);
    }
    showQualities();
}

// --- Quality box ---

// Shows the qualities the choice found; it has already selected the remembered one.
void frmStampa::showQualities() {
    const QSignalBlocker quiet(cboQualita_);
    cboQualita_->clear();
    for (int code : choice_.qualities())
        cboQualita_->addItem(session_.uiText[PrintChoice::qualityTextNumber(code)], code);
    cboQualita_->setCurrentIndex(choice_.qualityIndex());
}

// --- Orientation and buttons ---

void frmStampa::showOrientation() {
    const bool portrait = choice_.orientation() == PrintChoice::Orientation::Portrait;
    image2_->setHidden(!portrait);
    image3_->setHidden(portrait);
}

void frmStampa::toggleOrientation() {
    choice_.toggleOrientation();
    showOrientation();
}

void frmStampa::buttonClicked(int index) {
    playSound(session_.folder.clickSound());
    if (index == kPrintButton) {
        print();
        accept();
    } else {
        reject();
    }
}

void frmStampa::print() {
    choice_.warnSoftPictures(dialogTitle(session_.uiText[137]),
                             softPictureWarnings(session_, session_.model.currentModel));
    const QString caption = windowTitle();
    setWindowTitle(QStringLiteral("Stampa in corso..."));
    {
        const BusyPointer busy;
        choice_.applyToJob(combo2_->currentText());
        if (stampaCopertina_) stampaCopertina_();
    }
    setWindowTitle(caption);
}

void frmStampa::playSound(const QString& file) {
    playInterfaceSound(session_.settings.soundsOn, platform_.sounds, file);
}

// --- Events ---

bool frmStampa::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == image2_ || watched == image3_) && isLeftClickInside(watched, event)) {
        toggleOrientation();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace vsm
