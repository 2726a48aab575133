// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/PagePreview.h"

#include "common/Rounding.h"
#include "common/Units.h"
#include "print/CoverPage.h"

#include <algorithm>
#include <cmath>

namespace vsm {

PagePreview::PagePreview(PrintValue cover, PaperArea paper, double screenDpi)
    : cover_(std::move(cover)), paper_(paper), screenDpi_(screenDpi > 0 ? screenDpi : 96) {}

PaperArea PagePreview::paperFor(PrinterSystem* printers, bool portrait) {
    const auto orientation =
        portrait ? PrinterSystem::Orientation::Portrait : PrinterSystem::Orientation::Landscape;
    const std::optional<PaperArea> area = printers ? printers->paperArea(orientation) : std::nullopt;
    if (area && !area->paperMm.isEmpty() && !area->printableMm.isEmpty()) return *area;
    return a4Paper(portrait);
}

int PagePreview::dpi() const {
    switch (zoom_) {
    case Zoom::Actual: return std::max(1, int(roundHalfEven(screenDpi_)));
    case Zoom::Double: return std::max(1, int(roundHalfEven(2 * screenDpi_)));
    case Zoom::FitPage: break;
    }
    if (viewport_.isEmpty()) return std::max(1, int(roundHalfEven(screenDpi_)));
    // Rounded down so the whole sheet stays inside the room.
    const double across = viewport_.width() / (paper_.paperMm.width() / kMmPerInch);
    const double down = viewport_.height() / (paper_.paperMm.height() / kMmPerInch);
    return std::max(1, int(std::floor(std::min(across, down))));
}

int PagePreview::percent() const { return int(roundHalfEven(100.0 * dpi() / screenDpi_)); }

const QImage& PagePreview::page() {
    const int wanted = dpi();
    if (wanted != pageDpi_ || page_.isNull()) {
        failedSteps_ = 0;
        page_ = coverImage(cover_, paper_, wanted, &failedSteps_);
        pageDpi_ = wanted;
    }
    return page_;
}

}  // namespace vsm
