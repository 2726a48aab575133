// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/CoverPage.h"

#include "common/Rounding.h"
#include "common/Units.h"
#include "common/Version.h"
#include "model/Session.h"
#include "print/PainterPrintSurface.h"
#include "print/StampaCopertina.h"

#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

namespace vsm {

namespace {

// The printable area of a sheet: the origin sits at its corner and the usable
// width and height lose what lies outside it.
class PrintableAreaSurface : public PainterPrintSurface {
public:
    PrintableAreaSurface(QPaintDevice* device, const PaperArea& paper, std::function<bool()> finish)
        : PainterPrintSurface(device, paper.printableMm.topLeft(), std::move(finish)),
          lostMm_(paper.paperMm - paper.printableMm.size()) {}
    std::optional<double> scaleWidth() override {
        return inside(PainterPrintSurface::scaleWidth(), lostMm_.width());
    }
    std::optional<double> scaleHeight() override {
        return inside(PainterPrintSurface::scaleHeight(), lostMm_.height());
    }

private:
    static std::optional<double> inside(std::optional<double> pageMm, double lost) {
        if (!pageMm) return pageMm;
        return std::max(0.0, *pageMm - lost);
    }
    QSizeF lostMm_;
};

int pixels(double v) { return int(roundHalfEven(v)); }

}  // namespace

PaperArea a4Paper(bool portrait, double marginsMm) {
    const QSizeF mm = portrait ? QSizeF(210, 297) : QSizeF(297, 210);
    return {mm, QRectF(QPointF(marginsMm, marginsMm), mm - 2 * QSizeF(marginsMm, marginsMm))};
}

bool printsPortrait(const Session& s, int m) {
    const CoverModel* model = s.catalogue.model(m);
    return model && model->orientation == kPortrait;
}

int drawPage(const PaperArea& paper, QPaintDevice* device, double pictureDpi,
             const PageDrawing& draw, std::function<bool()> finish) {
    PrintableAreaSurface surface(device, paper, std::move(finish));
    surface.setPictureResolutionLimit(pictureDpi);
    return draw(surface, paper.printableMm.topLeft());
}

PageDrawing coverDrawing(const PrintValue& cover) {
    return [&cover](PrintSurface& surface, QPointF) {
        int failures = 0;
        StampaCopertina(cover, &surface, [&] { ++failures; });
        return failures;
    };
}

int drawCover(const PrintValue& cover, const PaperArea& paper, QPaintDevice* device,
              double pictureDpi, std::function<bool()> finish) {
    return drawPage(paper, device, pictureDpi, coverDrawing(cover), std::move(finish));
}

PageWrite writeCoverPdf(const PrintValue& cover, const PaperArea& paper, double pictureDpi,
                        const QString& path) {
    return writePdf(paper, pictureDpi, path, coverDrawing(cover));
}

PageWrite writePdf(const PaperArea& paper, double pictureDpi, const QString& path,
                   const PageDrawing& draw) {
    PageWrite result;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.fileError = file.errorString();
        return result;
    }
    const bool portrait = paper.paperMm.width() <= paper.paperMm.height();
    const QSizeF upright = portrait ? paper.paperMm : paper.paperMm.transposed();
    QPdfWriter writer(&file);
    writer.setResolution(1200);
    writer.setPageLayout(QPageLayout(QPageSize(upright, QPageSize::Millimeter),
                                     portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
                                     QMarginsF()));
    writer.setCreator(Version::caption());
    result.failedSteps = drawPage(paper, &writer, pictureDpi, draw);
    result.written = file.commit();
    if (!result.written) result.fileError = file.errorString();
    return result;
}

QImage blankPage(const PaperArea& paper, double dpi) {
    const double pxPerMm = dpi / kMmPerInch;
    QImage page(pixels(paper.paperMm.width() * pxPerMm), pixels(paper.paperMm.height() * pxPerMm),
                QImage::Format_RGB32);
    if (page.isNull()) return page;
    page.fill(Qt::white);
    page.setDotsPerMeterX(pixels(pxPerMm * 1000));
    page.setDotsPerMeterY(pixels(pxPerMm * 1000));
    return page;
}

QImage coverImage(const PrintValue& cover, const PaperArea& paper, double dpi, int* failedSteps) {
    QImage page = blankPage(paper, dpi);
    if (page.isNull()) return page;
    const int failures = drawCover(cover, paper, &page, dpi);
    if (failedSteps) *failedSteps = failures;
    return page;
}

}  // namespace vsm
