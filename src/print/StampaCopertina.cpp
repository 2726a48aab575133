// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/StampaCopertina.h"

#include "platform/PrintSurface.h"
#include "print/Bleed.h"

#include <functional>
#include <stdexcept>

namespace vsm {

namespace {

class Composition {
public:
    Composition(const PrintValue& value, PrintSurface* surface, std::function<void()> fail)
        : v_(value), surface_(surface), fail_(std::move(fail)) {}

    void run() {
        step([&] { return surface_->setScaleToMillimetres(); });
        step([&] { return v_.zone1PlaceRead; });
        if (!v_.zones.empty()) {
            const PrintZone& zone1 = v_.zones.front();
            for (const PrintPiece& piece : zone1.pieces) step([&] { return paint(piece); });
            for (size_t i = 1; i < v_.zones.size(); ++i)
                step([&] { return paintWithOutline(v_.zones[i]); });
            // Zone 1's outline goes last, one around the whole cover.
            step([&] { return outline(zone1); });
        }
        if (!v_.cropMarksMm.empty()) step([&] { return drawCropMarks(); });
        step([&] { return printCreditLine(); });
        step([&] { return surface_->endDoc(); });
    }

private:
    // One guarded step: a failure, an unusable surface or a missing model
    // reports once and the composition goes on.
    void step(const std::function<bool()>& body) {
        bool done = false;
        try {
            done = surface_ && v_.modelFound && body();
        } catch (const std::exception&) {
            done = false;
        }
        if (!done) fail_();
    }

    bool paint(const PrintPiece& piece) {
        return piece.rect && surface_->paintPicture(piece.picture, *piece.rect);
    }

    bool paintWithOutline(const PrintZone& zone) {
        if (!zone.rect) return false;
        for (const PrintPiece& piece : zone.pieces)
            if (!paint(piece)) return false;
        return outline(zone);
    }

    // A circle's diameter is the zone's width; its height plays no part.
    bool outline(const PrintZone& zone) {
        if (!zone.rect) return false;
        const QRectF& r = zone.rect->mm;
        switch (zone.outline) {
            case OutlineShape::None: return true;
            case OutlineShape::Circle:
                if (zone.circleStretch != 1)
                    return surface_->ellipse(
                        MmRect::of(r.x(), r.y(), r.width(), r.width() * zone.circleStretch));
                return surface_->circle(QPointF(r.x() + r.width() / 2, r.y() + r.width() / 2),
                                        r.width() / 2);
            case OutlineShape::Rectangle: return surface_->lineBox(*zone.rect);
        }
        return false;
    }

    // A mark the page cannot hold whole is left out: half a mark misleads the cut.
    bool drawCropMarks() {
        const auto pageW = surface_->scaleWidth(), pageH = surface_->scaleHeight();
        if (!pageW || !pageH) return false;
        const QRectF page(0, 0, *pageW, *pageH);  // its edges count as on the page
        bool ok = true;
        for (const QLineF& mark : v_.cropMarksMm)
            if (page.contains(mark.p1()) && page.contains(mark.p2()))
                ok = surface_->line(mark.p1(), mark.p2(), kCropMarkWidthMm) && ok;
        return ok;
    }

    bool printCreditLine() {
        const QString& line = v_.creditLine;
        const auto pageW = surface_->scaleWidth(), pageH = surface_->scaleHeight();
        const auto textW = surface_->textWidth(line), textH = surface_->textHeight(line);
        if (!pageW || !pageH || !textW || !textH) return false;
        surface_->setCurrentPosition(QPointF((*pageW - *textW) / 2, *pageH - *textH - 5));
        if (!v_.creditLineShown) return true;
        return surface_->print(line);
    }

    const PrintValue& v_;
    PrintSurface* surface_;
    std::function<void()> fail_;
};

}  // namespace

QString printFailureTitle() { return QStringLiteral("Errore in fase di stampa"); }

QString printFailureText() {
    return QStringLiteral("Si è verificato un errore durante la stampa!\n\n"
                          "Se il problema persiste contattare il programmatore (scrivigli una Mail)");
}

void StampaCopertina(const PrintValue& cover, PrintSurface* surface,
                     const std::function<void()>& reportFailure) {
    Composition(cover, surface, reportFailure).run();
}

}  // namespace vsm
