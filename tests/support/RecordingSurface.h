// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ComposedPicture.h"
#include "platform/PrintSurface.h"

#include <QStringList>
#include <vector>

namespace vsm::test {

// A print surface that records what is drawn on it, for an A4 page whose
// printable area is the given size. failEverything makes every operation fail.
struct RecordingSurface : PrintSurface {
    struct Op {
        QString kind;  // "picture", "box", "circle", "ellipse", "line", "text", "end"
        QRectF rect;   // millimetres; for a circle its bounding square; a line's ends
        qint64 pictureKey = 0;
        QString text;
        int titles = 0;  // titles drawn into a picture
        double widthMm = 0;  // a line's
    };
    std::vector<Op> ops;
    QSizeF page{210, 297};
    bool failEverything = false;
    QPointF current;

    bool setScaleToMillimetres() override { return !failEverything; }
    bool paintPicture(const ComposedPicture& p, const MmRect& rect) override {
        return add({"picture", rect.mm, p.source().cacheKey(), {}, int(p.strokes().size())});
    }
    bool lineBox(const MmRect& rect) override { return add({"box", rect.mm, 0, {}}); }
    bool circle(const QPointF& c, double r) override {
        return add({"circle", QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 0, {}});
    }
    bool ellipse(const MmRect& bounds) override { return add({"ellipse", bounds.mm, 0, {}}); }
    bool line(const QPointF& a, const QPointF& b, double widthMm) override {
        Op op{"line", QRectF(a, b), 0, {}};
        op.widthMm = widthMm;
        return add(op);
    }
    std::optional<double> scaleWidth() override { return value(page.width()); }
    std::optional<double> scaleHeight() override { return value(page.height()); }
    std::optional<double> textWidth(const QString& t) override { return value(t.size() * 1.5); }
    std::optional<double> textHeight(const QString&) override { return value(4); }
    bool setCurrentPosition(const QPointF& mm) override {
        current = mm;
        return !failEverything;
    }
    bool print(const QString& t) override { return add({"text", QRectF(current, QSizeF()), 0, t}); }
    bool endDoc() override {
        ended = true;
        return add({"end", {}, 0, {}});
    }
    bool ended = false;

    std::vector<Op> all(const QString& kind) const {
        std::vector<Op> out;
        for (const Op& op : ops)
            if (op.kind == kind) out.push_back(op);
        return out;
    }

private:
    bool add(const Op& op) {
        if (failEverything) return false;
        ops.push_back(op);
        return true;
    }
    std::optional<double> value(double v) const {
        return failEverything ? std::nullopt : std::optional<double>(v);
    }
};

}  // namespace vsm::test
