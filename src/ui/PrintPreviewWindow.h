// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/PagePreview.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QScrollArea;

namespace vsm {

class UiText;

// File > Print preview: the page as it will print, drawn by the page renderer for
// the chosen printer's sheet. It shows a PagePreview; Print runs the same print
// dialog as File > Print.
class PrintPreviewWindow : public QDialog {
    Q_OBJECT
public:
    PrintPreviewWindow(PagePreview preview, const UiText& text, std::function<void()> openPrintDialog,
                       QWidget* parent = nullptr);

    PagePreview& preview() { return preview_; }
    void setZoom(PagePreview::Zoom zoom);
    // The page as it is shown now.
    QImage shownPage() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showPage();

    PagePreview preview_;
    std::function<void()> openPrintDialog_;
    QScrollArea* scroll_ = nullptr;
    QLabel* page_ = nullptr;
    QLabel* zoomLabel_ = nullptr;
};

}  // namespace vsm
