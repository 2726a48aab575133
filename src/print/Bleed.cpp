// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/Bleed.h"

#include "settings/OutputOptions.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vsm {

namespace {

constexpr double kSameEdgeMm = 1e-6;

bool overlapping(double aFrom, double aTo, double bFrom, double bTo) {
    return aFrom < bTo && bFrom < aTo;
}

// How far a zone may bleed towards a neighbour whose near edge lies gap away.
double towards(double gap, double bleed) {
    return std::clamp(gap / 2, 0.0, bleed);
}

// The bleed of trim t on each side: the full bleed, or half the way to a zone
// reaching out beyond that side. Zones are compared with their bleeds, so two
// corners that would meet diagonally count too.
QMarginsF allowance(const QRectF& t, const std::vector<QRectF>& others, double b) {
    QMarginsF m(b, b, b, b);
    for (const QRectF& o : others) {
        const bool acrossX = overlapping(t.top() - b, t.bottom() + b, o.top() - b, o.bottom() + b);
        const bool acrossY = overlapping(t.left() - b, t.right() + b, o.left() - b, o.right() + b);
        if (acrossX && o.left() < t.left())
            m.setLeft(std::min(m.left(), towards(t.left() - o.right(), b)));
        if (acrossX && o.right() > t.right())
            m.setRight(std::min(m.right(), towards(o.left() - t.right(), b)));
        if (acrossY && o.top() < t.top())
            m.setTop(std::min(m.top(), towards(t.top() - o.bottom(), b)));
        if (acrossY && o.bottom() > t.bottom())
            m.setBottom(std::min(m.bottom(), towards(o.top() - t.bottom(), b)));
    }
    return m;
}

// Only a piece's edges on the zone's outer edge bleed; slim pieces join inside.
QMarginsF pieceBleed(const QRectF& piece, const QRectF& zone, const QMarginsF& m) {
    const auto on = [](double a, double b) { return std::abs(a - b) < kSameEdgeMm; };
    return QMarginsF(on(piece.left(), zone.left()) ? m.left() : 0,
                     on(piece.top(), zone.top()) ? m.top() : 0,
                     on(piece.right(), zone.right()) ? m.right() : 0,
                     on(piece.bottom(), zone.bottom()) ? m.bottom() : 0);
}

QRectF fraction(const QRectF& mm, const QRectF& of) {
    return QRectF((mm.x() - of.x()) / of.width(), (mm.y() - of.y()) / of.height(),
                  mm.width() / of.width(), mm.height() / of.height());
}

// The disc grows by the bleed and its hole shrinks by it: both are cut lines.
DiscMask grownMask(const DiscMask& m, const QRectF& before, const QRectF& after, double b) {
    const QRectF disc(before.x() + m.disc.x() * before.width(),
                      before.y() + m.disc.y() * before.height(), m.disc.width() * before.width(),
                      m.disc.height() * before.height());
    const QRectF grown = disc.adjusted(-b, -b, b, b);
    const double hole = std::max(0.0, m.hole * disc.width() - 2 * b);
    return DiscMask{fraction(grown, after), hole / grown.width()};
}

void bleed(PrintPiece& piece, const QRectF& zone, const QMarginsF& m, double b) {
    if (!piece.rect || piece.rect->mm.isEmpty()) return;
    const QRectF before = piece.rect->mm;
    piece.bleedMm = pieceBleed(before, zone, m);
    piece.rect->mm = before.marginsAdded(piece.bleedMm);
    if (const auto& mask = piece.picture.discMask())
        piece.picture = piece.picture.withDiscMask(grownMask(*mask, before, piece.rect->mm, b));
}

std::vector<QRectF> trims(const PrintValue& v) {
    std::vector<QRectF> out;
    for (const PrintZone& z : v.zones) out.push_back(z.rect ? z.rect->mm : QRectF());
    return out;
}

bool crosses(const QLineF& mark, const QRectF& r) {
    const QRectF span = QRectF(mark.p1(), mark.p2()).normalized();
    return span.left() < r.right() && span.right() > r.left() && span.top() < r.bottom() &&
           span.bottom() > r.top();
}

bool onOtherPicture(const QLineF& mark, const PrintValue& v, size_t own) {
    for (size_t i = 0; i < v.zones.size(); ++i)
        for (const PrintPiece& p : v.zones[i].pieces)
            if (i != own && p.rect && crosses(mark, p.rect->mm)) return true;
    return false;
}

// The two marks of one corner, pointing away from the zone along its trim lines.
std::array<QLineF, 2> cornerMarks(QPointF corner, QPointF outward, double b) {
    const double from = b + kCropMarkGapMm, to = from + kCropMarkLengthMm;
    const QPointF x(outward.x(), 0), y(0, outward.y());
    return {QLineF(corner + x * from, corner + x * to), QLineF(corner + y * from, corner + y * to)};
}

}  // namespace

PrintValue withBleed(PrintValue v, double b) {
    if (b <= 0) return v;
    const std::vector<QRectF> all = trims(v);
    for (size_t i = 0; i < v.zones.size(); ++i) {
        PrintZone& zone = v.zones[i];
        if (!zone.rect) continue;
        std::vector<QRectF> others;
        for (size_t j = 0; j < all.size(); ++j)
            if (j != i && !all[j].isEmpty()) others.push_back(all[j]);
        const QMarginsF m = allowance(zone.rect->mm, others, b);
        for (PrintPiece& piece : zone.pieces) bleed(piece, zone.rect->mm, m, b);
    }
    return v;
}

std::vector<QLineF> cropMarks(const PrintValue& v, double b) {
    std::vector<QLineF> out;
    for (size_t i = 0; i < v.zones.size(); ++i) {
        if (!v.zones[i].rect) continue;
        const QRectF& t = v.zones[i].rect->mm;
        const std::pair<QPointF, QPointF> corners[] = {{t.topLeft(), {-1, -1}},
                                                       {t.topRight(), {1, -1}},
                                                       {t.bottomLeft(), {-1, 1}},
                                                       {t.bottomRight(), {1, 1}}};
        for (const auto& [corner, outward] : corners)
            for (const QLineF& mark : cornerMarks(corner, outward, b))
                if (!onOtherPicture(mark, v, i)) out.push_back(mark);
    }
    return out;
}

PrintValue withOutputOptions(PrintValue v, const OutputOptions& o) {
    v = withBleed(std::move(v), o.bleedMm);
    if (o.cropMarks) v.cropMarksMm = cropMarks(v, o.bleedMm);
    return v;
}

}  // namespace vsm
