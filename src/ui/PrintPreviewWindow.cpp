// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PrintPreviewWindow.h"

#include "settings/UiText.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace vsm {

namespace {

constexpr int kPreviewTitleText = 127;
constexpr int kFitPageText = 128;
constexpr int kCloseText = 131;
constexpr int kPrintText = 1;

}  // namespace

PrintPreviewWindow::PrintPreviewWindow(PagePreview preview, const UiText& t,
                                       std::function<void()> openPrintDialog, QWidget* parent)
    : QDialog(parent), preview_(std::move(preview)), openPrintDialog_(std::move(openPrintDialog)) {
    setObjectName(QStringLiteral("frmAnteprima"));
    setWindowTitle(dialogTitle(t[kPreviewTitleText]));

    auto* bar = new QHBoxLayout;
    auto* zooms = new QButtonGroup(this);
    const std::pair<PagePreview::Zoom, QString> choices[] = {
        {PagePreview::Zoom::FitPage, t[kFitPageText]},
        {PagePreview::Zoom::Actual, QStringLiteral("&100 %")},
        {PagePreview::Zoom::Double, QStringLiteral("&200 %")}};
    const char* names[] = {"cmdAdatta", "cmdZoom100", "cmdZoom200"};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(choices[i].second, this);
        button->setObjectName(QLatin1String(names[i]));
        button->setCheckable(true);
        button->setChecked(choices[i].first == preview_.zoom());
        zooms->addButton(button);
        bar->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, z = choices[i].first] { setZoom(z); });
    }
    zoomLabel_ = new QLabel(this);
    zoomLabel_->setObjectName(QStringLiteral("lblZoom"));
    bar->addWidget(zoomLabel_);
    bar->addStretch();
    auto* print = new QPushButton(t[kPrintText], this);
    print->setObjectName(QStringLiteral("cmdStampa"));
    connect(print, &QPushButton::clicked, this, [this] {
        if (openPrintDialog_) openPrintDialog_();
    });
    bar->addWidget(print);
    auto* close = new QPushButton(t[kCloseText], this);
    close->setObjectName(QStringLiteral("cmdChiudi"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    bar->addWidget(close);

    page_ = new QLabel;
    page_->setObjectName(QStringLiteral("Pagina"));
    page_->setAlignment(Qt::AlignCenter);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("Scorrimento"));
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->setWidget(page_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(scroll_, 1);
    resize(900, 760);
    showPage();
}

void PrintPreviewWindow::setZoom(PagePreview::Zoom zoom) {
    preview_.setZoom(zoom);
    showPage();
}

QImage PrintPreviewWindow::shownPage() const { return page_->pixmap().toImage(); }

void PrintPreviewWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (preview_.zoom() == PagePreview::Zoom::FitPage) showPage();
}

// The page is drawn at the zoom's resolution rather than scaled, so what is shown
// is what the renderer makes at that size.
void PrintPreviewWindow::showPage() {
    const int frame = 2 * scroll_->frameWidth() + 8;
    preview_.setViewport(scroll_->viewport()->size().isEmpty()
                             ? QSize()
                             : scroll_->size() - QSize(frame, frame));
    const QImage& image = preview_.page();
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatioF());
    page_->setPixmap(pixmap);
    page_->resize(pixmap.deviceIndependentSize().toSize());
    zoomLabel_->setText(QStringLiteral("%1 %").arg(preview_.percent()));
}

}  // namespace vsm
