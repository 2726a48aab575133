#include "print/StampaCopertina.h"

#include "app/Session.h"
#include "common/LeadingNumber.h"
#include "common/Rounding.h"
#include "model/CaseKinds.h"
#include "print/PrintSurface.h"

#include <optional>
#include <stdexcept>

namespace vsm {

namespace {

// A position text as whole millimetres: its leading number, halves to even.
std::optional<double> position(const QString& text) {
    const auto mm = toIntegerHalfEven<std::int32_t>(leadingNumber(text));
    return mm ? std::optional<double>(*mm) : std::nullopt;
}

class Composition {
public:
    Composition(const Session& s, int m, PrintSurface* surface, std::function<void()> fail)
        : s_(s), m_(m), surface_(surface), fail_(std::move(fail)), model_(s.catalogue.model(m)) {}

    void run() {
        step([&] { return surface_->setScaleToMillimetres(); });
        step([&] { return zonePosition(model_->zone1Left, model_->zone1Top, l1_, t1_); });
        if (const auto& slim = caseKind(m_).slim) {
            printSlim(*slim);
        } else {
            printStandard();
        }
        step([&] { return outline(l1_, t1_, scaled(s_.model.scaledZone1Width),
                                  scaled(s_.model.scaledZone1Height)); });
        step([&] { return printCreditLine(); });
        step([&] { return surface_->endDoc(); });
    }

private:
    // One guarded step: a failure, an unusable surface or a missing model
    // reports once and the composition goes on.
    void step(const std::function<bool()>& body) {
        bool done = false;
        try {
            done = surface_ && model_ && body();
        } catch (const std::exception&) {
            done = false;
        }
        if (!done) fail_();
    }

    double scaled(std::int32_t size) const {
        if (s_.model.previewScale == 0) throw std::domain_error("no preview scale");
        return double(size) / s_.model.previewScale;
    }

    bool zonePosition(const QString& left, const QString& top, double& x, double& y) {
        const auto l = position(left), t = position(top);
        if (!l || !t) return false;
        x = *l;
        y = *t;
        return true;
    }

    bool paint(const ZoneControl& zone, double x, double y, double w, double h) {
        return surface_->paintPicture(zone.picture, QRectF(x, y, w, h));
    }

    bool outline(double x, double y, double w, double h) {
        if (!s_.outlineOn) return true;
        if (s_.model.currentShape == kCircle)
            return surface_->circle(QPointF(x + w / 2, y + w / 2), w / 2);
        return surface_->lineBox(QRectF(x, y, w, h));
    }

    // Slim covers print in three pieces: the back, the spine strip over it from
    // spineStart, and the front over both from the front offset.
    void printSlim(const SlimCut& p) {
        const double w = model_ ? model_->zone1Width : 0, h = model_ ? model_->zone1Height : 0;
        const PreviewControls& z = s_.preview;
        step([&] { return paint(z.image4, l1_, t1_, w - p.frontOffset, h); });
        step([&] { return paint(z.image6, l1_ + p.spineStart, t1_, w - p.spineStripLess, h); });
        step([&] { return paint(z.image7, l1_ + p.frontOffset, t1_, w - p.frontOffset, h); });
    }

    void printStandard() {
        const PreviewControls& z = s_.preview;
        const CurrentModelState& cm = s_.model;
        step([&] { return paint(z.image1, l1_, t1_, scaled(cm.scaledZone1Width),
                                scaled(cm.scaledZone1Height)); });
        if (cm.scaledZone2Width > 0) {
            step([&] {
                double l2 = 0, t2 = 0;
                if (!zonePosition(model_->zone2Left, model_->zone2Top, l2, t2)) return false;
                const double w2 = scaled(cm.scaledZone2Width), h2 = scaled(cm.scaledZone2Height);
                const ZoneControl& zone = caseKind(m_).mirrorStrips ? z.image8 : z.image2;
                return paint(zone, l2, t2, w2, h2) && outline(l2, t2, w2, h2);
            });
        }
        if (caseKind(m_).thirdZone) {
            step([&] {
                double l3 = 0, t3 = 0;
                if (!zonePosition(s_.catalogue.zone3Left, s_.catalogue.zone3Top, l3, t3))
                    return false;
                const double w2 = scaled(cm.scaledZone2Width), h2 = scaled(cm.scaledZone2Height);
                return paint(z.image3, l3, t3, w2, h2) && outline(l3, t3, w2, h2);
            });
        }
    }

    bool printCreditLine() {
        const QString line = s_.uiText[22] + QLatin1Char(' ') + Version::caption() +
                             QStringLiteral(" - ") + s_.uiText[23];
        const auto pageW = surface_->scaleWidth(), pageH = surface_->scaleHeight();
        const auto textW = surface_->textWidth(line), textH = surface_->textHeight(line);
        if (!pageW || !pageH || !textW || !textH) return false;
        surface_->setCurrentPosition(QPointF((*pageW - *textW) / 2, *pageH - *textH - 5));
        if (model_->orientation != kPortrait && model_->zone1Height >= 181) return true;
        return surface_->print(line);
    }

    const Session& s_;
    int m_;
    PrintSurface* surface_;
    std::function<void()> fail_;
    const CoverModel* model_;
    double l1_ = 0, t1_ = 0;
};

}  // namespace

QString printFailureTitle() { return QStringLiteral("Errore in fase di stampa"); }

QString printFailureText() {
    return QStringLiteral("Si è verificato un errore durante la stampa!\n\n"
                          "Se il problema persiste contattare il programmatore (scrivigli una Mail)");
}

void StampaCopertina(const Session& session, int m, PrintSurface* surface,
                     const std::function<void()>& reportFailure) {
    Composition(session, m, surface, reportFailure).run();
}

}  // namespace vsm
