// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"
#include "print/PrintValue.h"

#include <QImage>
#include <QSize>

namespace vsm {

// The print preview without its window: the sheet the cover goes on and the cover
// drawn on it by the page renderer, at the resolution the zoom asks for.
class PagePreview {
public:
    enum class Zoom { FitPage, Actual, Double };

    // screenDpi makes 100 % the true size on the screen.
    PagePreview(PrintValue cover, PaperArea paper, double screenDpi);

    // The current printer's sheet for the model's orientation; an A4 sheet with no
    // margins, the PDF export's, when there is no printer or it tells nothing.
    static PaperArea paperFor(PrinterSystem* printers, bool portrait);

    const PaperArea& paper() const { return paper_; }

    Zoom zoom() const { return zoom_; }
    void setZoom(Zoom zoom) { zoom_ = zoom; }
    // The room the page is shown in, for FitPage.
    void setViewport(QSize pixels) { viewport_ = pixels; }

    // Whole dots per inch, as a picture keeps its resolution, at least 1.
    int dpi() const;
    int percent() const;

    // The page at dpi(); drawn again only when the resolution changed.
    const QImage& page();
    int failedSteps() const { return failedSteps_; }

private:
    PrintValue cover_;
    PaperArea paper_;
    double screenDpi_;
    Zoom zoom_ = Zoom::FitPage;
    QSize viewport_;
    QImage page_;
    int pageDpi_ = 0;
    int failedSteps_ = 0;
};

}  // namespace vsm
