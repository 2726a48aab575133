#include "print/frmStampa.h"

#include "model/Session.h"
#include "common/LeadingNumber.h"
#include "common/Rounding.h"
#include "platform/PrintSurface.h"
#include "ui/BusyPointer.h"
#include "ui/PreviewWidgets.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QSignalBlocker>
#include <algorithm>
#include <exception>
#include <optional>

namespace vsm {

namespace {

constexpr int kHoverShiftTwips = 30;
constexpr int kHighestQuality = -4;
constexpr int kLowestQuality = -1;
constexpr int kFirstQualityText = 95;  // texts 95..98 name the codes -4..-1
constexpr int kMaxCopiesInList = 10;
constexpr int kOpacity = 245;
constexpr int kPrinterErrorNumber = 482;  // the classic runtime number of a printer error

// Designed places in twips: left, top, width, height.
const QRect kDialogSize(0, 0, 5400, 3900);
const QRect kShape1(120, 120, 5160, 840), kLabel3(240, 180, 2400, 255),
    kCombo1(240, 480, 4920, 345);
const QRect kShape2(120, 1080, 2520, 840), kLabel2(240, 1140, 2280, 255),
    kCboQualita(240, 1440, 2280, 345);
const QRect kShape4(2760, 1080, 2520, 840), kLabel5(2880, 1140, 2280, 255),
    kCombo2(2880, 1440, 1200, 345);
const QRect kShape3(120, 2040, 2520, 1740), kLabel4(240, 2100, 2280, 255),
    kImage2(1080, 2460, 600, 840), kImage3(960, 2580, 840, 600);
const QRect kImage1[2] = {{3060, 2220, 720, 720}, {4380, 2220, 720, 720}};
const QRect kLabel1[2] = {{2820, 3000, 1200, 255}, {4140, 3000, 1200, 255}};

QPoint twipsToPoint(QPoint twips) {
    return twipsToPixels(QRectF(twips, QSizeF())).topLeft();
}
QPoint pixelsToTwips(QPoint pixels) {
    return pixels * kTwipsPerPixel;
}

// Stands in when the platform brings no printer system: nothing is installed.
class NoPrinters : public PrinterSystem {
public:
    QStringList printerNames() override { return {}; }
    QString defaultPrinterName() override { return {}; }
    bool setCurrentPrinter(const QString&) override { return false; }
    QString currentPrinterName() override { return {}; }
    bool makeDefault(const QString&) override { return false; }
    int printQuality() override { return 0; }
    bool setPrintQuality(int) override { return false; }
    void setOrientation(Orientation) override {}
    void setCopies(int) override {}
    std::unique_ptr<PrintSurface> beginJob() override { return nullptr; }
};

PrinterSystem& printersOf(const Platform& platform) {
    static NoPrinters none;
    return platform.printers ? *platform.printers : none;
}

class NoPrompts : public MessagePrompts {
public:
    void message(QWidget*, const QString&, const QString&, Icon) override {}
};


QPixmap canvas(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A sheet with a folded corner and a few text lines, in the label's shape.
QPixmap pagePicture(QSize size) {
    QPixmap pixmap = canvas(size);
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
    QPixmap pixmap = canvas(size);
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

QPixmap cancelPicture(QSize size) {
    QPixmap pixmap = canvas(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF disc = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(6, 6, -6, -6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 50, 45));
    p.drawEllipse(disc);
    const QRectF cross = disc.adjusted(disc.width() * 0.3, disc.height() * 0.3, -disc.width() * 0.3,
                                       -disc.height() * 0.3);
    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(cross.topLeft(), cross.bottomRight());
    p.drawLine(cross.topRight(), cross.bottomLeft());
    return pixmap;
}

void setUnderline(QLabel* label, bool on) {
    QFont font = label->font();
    font.setUnderline(on);
    label->setFont(font);
}

bool isClick(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const auto* widget = qobject_cast<QWidget*>(watched);
    return mouse->button() == Qt::LeftButton && widget &&
           widget->rect().contains(mouse->position().toPoint());
}

// A combo box the user types into; typing neither completes nor adds items.
QComboBox* editableCombo(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    return combo;
}

// Shown with OK only, under the application's own title.
void reportChoiceFailure(MessagePrompts& prompts, QWidget* owner, const QString& description) {
    prompts.message(owner, QString(), printerChoiceErrorText(kPrinterErrorNumber, description),
                    MessagePrompts::Icon::None);
}

bool choosePrinter(PrinterSystem& printers, MessagePrompts& prompts, QWidget* owner,
                   const QString& name) {
    for (const QString& installed : printers.printerNames()) {
        if (installed.toUpper() != name.toUpper()) continue;
        if (!printers.setCurrentPrinter(installed)) {
            reportChoiceFailure(prompts, owner, QStringLiteral("Printer error"));
            return false;
        }
        // The installed spelling, so that the next opening finds it case for case.
        printers.makeDefault(installed);
        return true;
    }
    return false;
}

}  // namespace

QString printerChoiceErrorText(int number, const QString& description) {
    return QStringLiteral("Error %1 (%2) in procedura ImpostaStampante di Modulo Stampanti")
        .arg(QString::number(number), description);
}

bool ImpostaStampante(PrinterSystem& printers, MessagePrompts& prompts, QWidget* owner,
                      const QString& name) {
    QString failure;
    try {
        return choosePrinter(printers, prompts, owner, name);
    } catch (const std::exception& e) {
        failure = QString::fromLocal8Bit(e.what());
    } catch (...) {
        failure = QStringLiteral("Unknown error");
    }
    reportChoiceFailure(prompts, owner, failure);
    return false;
}

frmStampa::frmStampa(const Platform& platform, const Session& session, PrintDialogState& state,
                     std::function<void()> stampaCopertina, QWidget* parent)
    : QDialog(parent),
      platform_(platform),
      session_(session),
      state_(state),
      stampaCopertina_(std::move(stampaCopertina)),
      printers_(printersOf(platform)) {
    setObjectName(QStringLiteral("frmStampa"));
    buildControls();
    load();
}

// --- Controls ---

void frmStampa::buildControls() {
    setFixedSize(twipsToPixels(kDialogSize).size());
    setMouseTracking(true);  // moving over the background lowers the buttons
    buildPrinterBox();
    buildQualityBox();
    buildCopiesBox();
    buildOrientationBox();
    buildButtons();
}

QLabel* frmStampa::addLabel(const char* name, const QRect& twips) {
    auto* label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(twipsToPixels(twips));
    return label;
}

QFrame* frmStampa::addFrame(const char* name, const QRect& twips) {
    auto* frame = new QFrame(this);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->setGeometry(twipsToPixels(twips));
    frame->lower();
    return frame;
}

void frmStampa::buildPrinterBox() {
    addFrame("Shape1", kShape1);
    label3_ = addLabel("Label3", kLabel3);
    combo1_ = editableCombo(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setGeometry(twipsToPixels(kCombo1));
    connect(combo1_, &QComboBox::currentTextChanged, this, [this] { Combo1_Click(); });
}

void frmStampa::buildQualityBox() {
    addFrame("Shape2", kShape2);
    label2_ = addLabel("Label2", kLabel2);
    cboQualita_ = new QComboBox(this);
    cboQualita_->setObjectName(QStringLiteral("cboQualita"));
    cboQualita_->setGeometry(twipsToPixels(kCboQualita));
    connect(cboQualita_, &QComboBox::currentIndexChanged, this,
            [this](int index) { cboQualita_Click(index); });
}

void frmStampa::buildCopiesBox() {
    addFrame("Shape4", kShape4);
    label5_ = addLabel("Label5", kLabel5);
    combo2_ = editableCombo(this);
    combo2_->setObjectName(QStringLiteral("Combo2"));
    combo2_->setGeometry(twipsToPixels(kCombo2));
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
                                           : cancelPicture(image->size()));
        QLabel* label = addLabel("Label1", kLabel1[i]);
        label->setAlignment(Qt::AlignCenter);
        for (QLabel* part : {image, label}) {
            part->setProperty("Index", i);
            part->setMouseTracking(true);
            part->setCursor(Qt::PointingHandCursor);
            part->installEventFilter(this);
        }
        image1_[size_t(i)] = image;
        label1_[size_t(i)] = label;
    }
}

// --- Load ---

void frmStampa::load() {
    showModelOrientation();              // 1
    setCaptions();                       // 2
    fillLists();                         // 3
    saveRestPositions();                 // 4
    fillCopiesList();                    // 5
    setWindowOpacity(kOpacity / 255.0);  // 6
}

void frmStampa::showModelOrientation() {
    const bool portrait = session_.model.currentOrientation == QLatin1String("Verticale");
    image2_->setHidden(!portrait);
    image3_->setHidden(portrait);
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
    FillQualityList();
}

void frmStampa::saveRestPositions() {
    for (size_t i = 0; i < rest_.size(); ++i)
        rest_[i] = {pixelsToTwips(label1_[i]->pos()), pixelsToTwips(image1_[i]->pos())};
}

void frmStampa::fillCopiesList() {
    combo2_->clear();
    for (int n = 1; n <= kMaxCopiesInList; ++n) combo2_->addItem(QString::number(n));
    combo2_->setEditText(QStringLiteral("1"));
}

// --- Printer box ---

QString frmStampa::DefaultPrinterName() {
    return printers_.defaultPrinterName().trimmed();
}

void frmStampa::FillPrinterList() {
    // An entry of the form "name,driver,port" names the printer before its first comma.
    const QString name = DefaultPrinterName().section(QLatin1Char(','), 0, 0);
    const QStringList names = printers_.printerNames();
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
    impostaStampante(name);
}

void frmStampa::Combo1_Click() {
    // The first notification ever comes from filling the box at the first opening.
    if (!state_.firstNotificationSeen) {
        state_.firstNotificationSeen = true;
        return;
    }
    choosePrinterFromText();
    FillQualityList();
    impostaStampante(printers_.currentPrinterName());
}

// A blank box means the first printer; a text that names no printer changes nothing.
void frmStampa::choosePrinterFromText() {
    const QString text = combo1_->currentText();
    for (const QString& name : printers_.printerNames()) {
        if (!text.trimmed().isEmpty() && name != text) continue;
        if (!printers_.setCurrentPrinter(name)) return;
        const QSignalBlocker quiet(combo1_);
        combo1_->setEditText(name);
        return;
    }
}

bool frmStampa::impostaStampante(const QString& name) {
    static NoPrompts silent;
    return ImpostaStampante(printers_, platform_.prompts ? *platform_.prompts : silent, this, name);
}

// --- Quality box ---

void frmStampa::FillQualityList() {
    {
        // Filling selects the first item by itself; only the remembered position counts.
        const QSignalBlocker quiet(cboQualita_);
        cboQualita_->clear();
        for (int code = kHighestQuality; code <= kLowestQuality; ++code) {
            if (TryPrintQuality(code))
                cboQualita_->addItem(session_.uiText[kFirstQualityText + code - kHighestQuality],
                                     code);
        }
        cboQualita_->setCurrentIndex(-1);
    }
    const int index = state_.printQualityIndex;
    if (index >= 0 && index < cboQualita_->count()) cboQualita_->setCurrentIndex(index);
}

bool frmStampa::TryPrintQuality(int code) {
    const int previous = printers_.printQuality();
    const bool accepted = printers_.setPrintQuality(code);
    printers_.setPrintQuality(previous);
    return accepted;
}

void frmStampa::cboQualita_Click(int index) {
    if (index < 0) return;  // the list was emptied
    printers_.setPrintQuality(cboQualita_->itemData(index).toInt());
    state_.printQualityIndex = static_cast<std::int16_t>(index);
}

// --- Orientation and buttons ---

void frmStampa::toggleOrientation() {
    const bool portrait = !image2_->isHidden();
    image2_->setHidden(portrait);
    image3_->setHidden(!portrait);
}

void frmStampa::buttonClicked(int index) {
    playSound("/Files/Click2.wav");
    if (index == kPrintButton) {
        print();
        accept();
    } else {
        reject();
    }
}

void frmStampa::print() {
    const QString caption = windowTitle();
    setWindowTitle(QStringLiteral("Stampa in corso..."));
    {
        const BusyPointer busy;
        printers_.setOrientation(image2_->isHidden() ? PrinterSystem::Orientation::Landscape
                                                     : PrinterSystem::Orientation::Portrait);
        applyCopies();
        if (stampaCopertina_) stampaCopertina_();
    }
    setWindowTitle(caption);
}

// A copies text without a positive number, or too large, leaves the copies alone.
void frmStampa::applyCopies() {
    const double number = leadingNumber(combo2_->currentText());
    if (number <= 0) return;
    const std::optional<std::int16_t> copies = toIntegerHalfEven<std::int16_t>(number);
    if (copies && *copies >= 1) printers_.setCopies(*copies);
}

// --- Hover effect ---

void frmStampa::raiseButton(int index) {
    if (raised_[size_t(index)]) return;
    raised_[size_t(index)] = true;
    placeButton(index, QPoint(-kHoverShiftTwips, -kHoverShiftTwips));
    setUnderline(label1_[size_t(index)], true);
    playSound("/Files/Click1.wav");
}

void frmStampa::lowerButtons() {
    for (int i : {kPrintButton, kCancelButton}) {
        if (!raised_[size_t(i)]) continue;
        raised_[size_t(i)] = false;
        placeButton(i, QPoint());
        setUnderline(label1_[size_t(i)], false);
    }
}

void frmStampa::placeButton(int index, QPoint offsetTwips) {
    const RestPosition& rest = rest_[size_t(index)];
    label1_[size_t(index)]->move(twipsToPoint(rest.label + offsetTwips));
    image1_[size_t(index)]->move(twipsToPoint(rest.image + offsetTwips));
}

void frmStampa::playSound(const char* relativePath) {
    if (session_.settings.soundsOn && platform_.sounds)
        platform_.sounds->playAndWait(session_.folder.path(QLatin1String(relativePath)));
}

// --- Events ---

int frmStampa::indexOf(QObject* control) {
    const QString name = control->objectName();
    if (name != QLatin1String("Image1") && name != QLatin1String("Label1")) return -1;
    return control->property("Index").toInt();
}

bool frmStampa::eventFilter(QObject* watched, QEvent* event) {
    const int button = indexOf(watched);
    if (button >= 0 && event->type() == QEvent::MouseMove) {
        raiseButton(button);
        return true;  // a label passes moves on to the background, which would lower it
    }
    if (isClick(watched, event)) {
        if (button >= 0)
            buttonClicked(button);
        else
            toggleOrientation();  // one of the two page pictures
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmStampa::mouseMoveEvent(QMouseEvent* event) {
    lowerButtons();
    QDialog::mouseMoveEvent(event);
}

}  // namespace vsm
