// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmAbout2.h"

#include "common/AppFolder.h"
#include "common/Version.h"
#include "model/Session.h"
#include "widgets/PlaceControl.h"
#include "widgets/TransparentPixmap.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace vsm {

namespace {

constexpr int kTickMilliseconds = 10;
constexpr int kVersionGap = 200;
constexpr int kVersionTop = 540;
constexpr int kPanelLeft = 60;
constexpr int kPanelWidth = 5775;

const QString& productName() {
    static const QString name = QStringLiteral("Vessomar");
    return name;
}

QString creditLine() {
    return QStringLiteral(
        "Vessomar is written in C++ with the Qt toolkit.\n"
        "Printing goes through CUPS.\n"
        "Fonts: the Liberation family.\n"
        "JPEG decoding: libjpeg-turbo.\n"
        "Cover templates and icons were drawn for Vessomar.");
}

// A disc seen from above: silver face, clear centre ring, hole.
QPixmap discPicture(QSize size) {
    QPixmap pixmap = transparentPixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(pixmap.rect()).adjusted(1, 1, -1, -1);
    QRadialGradient shine(face.center(), face.width() / 2);
    shine.setColorAt(0, QColor(250, 250, 255));
    shine.setColorAt(1, QColor(150, 160, 185));
    p.setBrush(shine);
    p.setPen(QPen(QColor(90, 90, 110), 1));
    p.drawEllipse(face);
    const QPointF centre = face.center();
    p.setBrush(QColor(225, 228, 235));
    p.drawEllipse(centre, face.width() * 0.16, face.height() * 0.16);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, face.width() * 0.06, face.height() * 0.06);
    return pixmap;
}

// A disc case standing open a little: box, spine, and the disc peeking out.
QPixmap casePicture(QSize size) {
    QPixmap pixmap = transparentPixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(size.width() * 0.1, 1, size.width() * 0.55, size.height() - 2);
    const QSize disc(int(size.height() * 0.8), int(size.height() * 0.8));
    p.drawPixmap(QPointF(box.right() - disc.width() / 2.0, (size.height() - disc.height()) / 2.0),
                 discPicture(disc));
    p.setPen(QPen(QColor(40, 40, 60), 1));
    p.setBrush(QColor(45, 70, 140));
    p.drawRect(box);
    p.setBrush(QColor(30, 45, 95));
    p.drawRect(QRectF(box.left(), box.top(), box.width() * 0.12, box.height()));
    return pixmap;
}

bool isLeftClick(const QObject* target, const QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease) return false;
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    const auto* widget = qobject_cast<const QWidget*>(target);
    return mouse->button() == Qt::LeftButton && widget &&
           widget->rect().contains(mouse->position().toPoint());
}

}  // namespace

frmAbout2::frmAbout2(const Platform& platform, const Session& session, QString homePage,
                     QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window),
      platform_(platform),
      homePage_(std::move(homePage)),
      mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("frmAbout2"));
    build();
    load();
    setCaptions(session.uiText);
    placeVersion();
}

frmAbout2::~frmAbout2() = default;

void frmAbout2::build() {
    setFixedSize(twipsToPixels(QRectF(0, 0, 6420, 3720)).size());
    buildTitle();
    frame1_ = placeControl<QFrame>(this, "Frame1", 120, 1080, 6180, 2475);
    frame1_->setFrameShape(QFrame::Box);
    frame1_->setFrameShadow(QFrame::Sunken);
    picture1_ = placeControl<QWidget>(this, "Picture1", 240, 1200, 5940, kViewportHeight);
    buildPanel();
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    connect(timer1_, &QTimer::timeout, this, &frmAbout2::Timer1_Timer);
    const QList<QWidget*> controls = findChildren<QWidget*>();
    for (QWidget* control : controls) control->installEventFilter(this);
}

void frmAbout2::buildTitle() {
    imgTitle_ = placeControl<QLabel>(this, "imgTitle", 240, 240, 720, 720);
    imgTitle_->setPixmap(discPicture(imgTitle_->size()));
    lblTitle_ = placeControl<QLabel>(this, "lblTitle", 1080, 300, 0, 600);
    QFont titleFont = lblTitle_->font();
    titleFont.setPointSize(22);
    titleFont.setBold(true);
    lblTitle_->setFont(titleFont);
    lblVersion_ = placeControl<QLabel>(this, "lblVersion", 0, kVersionTop, 0, 300);
}

// Only the panel's top changes while the window is open; its children stay put.
void frmAbout2::buildPanel() {
    picture2_ = placeControl<QWidget>(picture1_, "Picture2", kPanelLeft,
                                      CreditsScroller::kStartTop, kPanelWidth, kPanelHeight);
    picture2_->setAutoFillBackground(true);
    picture2_->setBackgroundRole(QPalette::Base);
    lblDescription_ = placeControl<QLabel>(picture2_, "lblDescription", 120, 120, 5535, 720);
    lblDescription_->setWordWrap(true);
    lblDescription_->setAlignment(Qt::AlignCenter);
    lblHomePageCap_ = placeControl<QLabel>(picture2_, "lblHomePageCap", 120, 960, 1200, 255);
    lblHomePageCap_->setText(QStringLiteral("Home Page:"));
    lblHomePage_ = placeControl<QLabel>(picture2_, "lblHomePage", 1320, 960, 4335, 255);
    lblHomePage_->setText(homePage_);
    lblHomePage_->setStyleSheet(QStringLiteral("color: #1a4fb4; text-decoration: underline;"));
    lblHomePage_->setCursor(Qt::PointingHandCursor);
    lblCredits_ = placeControl<QLabel>(picture2_, "lblCredits", 120, 1380, 5535, 1740);
    lblCredits_->setWordWrap(true);
    lblCredits_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    image1_ = placeControl<QLabel>(picture2_, "Image1", 2408, 3240, 960, 720);
    image1_->setPixmap(casePicture(image1_->size()));
}

void frmAbout2::load() {
    timer1_->setInterval(kTickMilliseconds);
    scroller_.restart();
    showPanelTop();
    timer1_->start();
}

void frmAbout2::setCaptions(const UiText& text) {
    setWindowTitle(dialogTitle(text[27]));
    lblTitle_->setText(productName());
    lblVersion_->setText(QStringLiteral("Rel. %1.%2.%3")
                             .arg(Version::kMajor)
                             .arg(Version::kMinor)
                             .arg(Version::kRevision));
    lblDescription_->setText(text[14]);
    lblCredits_->setText(text[23] + QStringLiteral(" - ") + creditLine());
}

// The title sizes itself to its text; the release follows its right edge.
void frmAbout2::placeVersion() {
    lblTitle_->adjustSize();
    lblVersion_->adjustSize();
    const int titleRight = (lblTitle_->x() + lblTitle_->width()) * kTwipsPerPixel;
    const QRectF at(titleRight + kVersionGap, kVersionTop, 0, 0);
    lblVersion_->move(twipsToPixels(at).topLeft());
}

void frmAbout2::open() {
    if (mainWindow_) mainWindow_->hide();
    show();
}

void frmAbout2::Timer1_Timer() {
    scroller_.tick();
    showPanelTop();
}

void frmAbout2::showPanelTop() {
    picture2_->move(twipsToPixels(QRectF(kPanelLeft, scroller_.top(), 0, 0)).topLeft());
}

// A failing shell is ignored: the window stays as it is.
void frmAbout2::openHomePage() {
    if (platform_.shell) platform_.shell->open(homePage_);
}

bool frmAbout2::closesOnClick(const QObject* control) const {
    for (const QLabel* closing : {imgTitle_, lblTitle_, lblVersion_, lblDescription_, lblCredits_})
        if (control == closing) return true;
    return false;
}

void frmAbout2::closeEvent(QCloseEvent* event) {
    timer1_->stop();
    if (mainWindow_) mainWindow_->show();
    QWidget::closeEvent(event);
}

void frmAbout2::mouseReleaseEvent(QMouseEvent* event) {
    if (isLeftClick(this, event)) close();
}

// Every control takes its own clicks, so none reaches the background.
bool frmAbout2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease) return QWidget::eventFilter(watched, event);
    if (isLeftClick(watched, event)) {
        if (watched == lblHomePage_) openHomePage();
        if (closesOnClick(watched)) close();
    }
    return true;
}

}  // namespace vsm
