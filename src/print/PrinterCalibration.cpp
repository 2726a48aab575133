// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/PrinterCalibration.h"

#include "common/TextFile.h"
#include "platform/PrintSurface.h"
#include "settings/UiText.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace vsm {

namespace {

const char* const kKeys[] = {"OffsetX", "OffsetY", "ScaleX", "ScaleY"};

double* field(PrinterCorrection& c, int key) {
    switch (key) {
        case 0: return &c.offsetXMm;
        case 1: return &c.offsetYMm;
        case 2: return &c.scaleXPercent;
        default: return &c.scaleYPercent;
    }
}

QString number(double v) { return QLocale::c().toString(v, 'f', 2); }

QString offsetProblem(const char* axis, double mm) {
    if (std::isfinite(mm) && std::abs(mm) <= kMaxCorrectionOffsetMm) return {};
    return QStringLiteral("the %1 offset %2 mm is beyond ±%3 mm")
        .arg(QLatin1String(axis), number(mm), number(kMaxCorrectionOffsetMm));
}

QString scaleProblem(const char* axis, double percent) {
    if (std::isfinite(percent) && percent >= kMinCorrectionScalePercent &&
        percent <= kMaxCorrectionScalePercent)
        return {};
    return QStringLiteral("the %1 scale %2 % is outside %3–%4 %")
        .arg(QLatin1String(axis), number(percent), number(kMinCorrectionScalePercent),
             number(kMaxCorrectionScalePercent));
}

// A single-key problem for a hand-edited value, in the same words as a whole correction's.
QString keyProblem(int key, double v) {
    switch (key) {
        case 0: return offsetProblem("X", v);
        case 1: return offsetProblem("Y", v);
        case 2: return scaleProblem("X", v);
        default: return scaleProblem("Y", v);
    }
}

QRectF corrected(const QRectF& r, const PrinterCorrection& c) {
    const double sx = c.scaleXPercent / 100, sy = c.scaleYPercent / 100;
    return QRectF(r.x() * sx + c.offsetXMm, r.y() * sy + c.offsetYMm, r.width() * sx,
                  r.height() * sy);
}

void correct(std::optional<MmRect>& rect, const PrinterCorrection& c) {
    if (rect) rect->mm = corrected(rect->mm, c);
}

QPointF corrected(QPointF p, const PrinterCorrection& c) {
    return corrected(QRectF(p, QSizeF()), c).topLeft();
}

// A piece's bleed scales with it, so that its trim lands where the zone's does.
void correct(PrintPiece& piece, const PrinterCorrection& c) {
    correct(piece.rect, c);
    const double sx = c.scaleXPercent / 100, sy = c.scaleYPercent / 100;
    const QMarginsF& b = piece.bleedMm;
    piece.bleedMm = QMarginsF(b.left() * sx, b.top() * sy, b.right() * sx, b.bottom() * sy);
}

// How far a rectangle reaches past the area's edges at its worst; 0 inside.
double overrun(const QRectF& r, QSizeF area) {
    return std::max({0.0, -r.left(), -r.top(), r.right() - area.width(),
                     r.bottom() - area.height()});
}

bool line(PrintSurface& s, QPointF from, QPointF to) {
    return s.lineBox(MmRect{QRectF(from, to).normalized()});
}

bool cross(PrintSurface& s, QPointF c) {
    constexpr double arm = 8;
    return line(s, c - QPointF(arm, 0), c + QPointF(arm, 0)) &&
           line(s, c - QPointF(0, arm), c + QPointF(0, arm)) && s.circle(c, arm / 2);
}

// Ticks every millimetre, longer every 5 and 10; along is the ruler's direction.
bool ruler(PrintSurface& s, QPointF start, QPointF along, QPointF across, double length) {
    bool ok = line(s, start, start + along * length);
    for (int mm = 0; mm <= int(length); ++mm) {
        const double tick = mm % 10 == 0 ? 6 : mm % 5 == 0 ? 4 : 2;
        const QPointF at = start + along * mm;
        ok = line(s, at, at + across * tick) && ok;
    }
    return ok;
}

bool text(PrintSurface& s, QPointF at, const QString& t) {
    return s.setCurrentPosition(at) && s.print(t);
}

}  // namespace

QString correctionProblem(const PrinterCorrection& c) {
    QStringList problems;
    for (int key = 0; key < 4; ++key) {
        PrinterCorrection copy = c;
        const QString p = keyProblem(key, *field(copy, key));
        if (!p.isEmpty()) problems << p;
    }
    return problems.join(QStringLiteral("; "));
}

CorrectionResult correctionFromMeasurement(const CalibrationMeasurement& m, QPointF origin,
                                           const CalibrationLayout& layout) {
    const double rulers[] = {m.rulerXMm, m.rulerYMm};
    for (const double r : rulers)
        if (!std::isfinite(r) || r <= 0)
            return {std::nullopt, QStringLiteral("a ruler's length must be a positive number of "
                                                 "millimetres, not %1").arg(number(r))};
    // The printer puts a point drawn at p (from the printable corner) at
    // origin + error + p * stretch on the paper; each cross gives the error.
    const double sx = m.rulerXMm / layout.rulerLengthMm, sy = m.rulerYMm / layout.rulerLengthMm;
    const auto error = [&](QPointF measured, QPointF nominal) {
        const QPointF drawn = nominal - origin;
        return measured - origin - QPointF(drawn.x() * sx, drawn.y() * sy);
    };
    const QPointF e = (error(m.cross1, layout.cross1) + error(m.cross2, layout.cross2)) / 2;
    // Drawing at p / stretch - error / stretch undoes both.
    PrinterCorrection c{-e.x() / sx, -e.y() / sy, 100 / sx, 100 / sy};
    // Rounded as the file keeps them, so what is shown is what is stored.
    for (int key = 0; key < 4; ++key) {
        double* v = field(c, key);
        *v = std::round(*v * 100) / 100 + 0.0;
    }
    const QString problem = correctionProblem(c);
    if (!problem.isEmpty()) return {std::nullopt, problem};
    return {c, {}};
}

QString PrinterCalibrations::fileIn(const QString& dataFilesFolder) {
    return dataFilesFolder + QStringLiteral("/Printers.ini");
}

PrinterCalibrations PrinterCalibrations::read(const QString& path, QStringList* warnings) {
    PrinterCalibrations store;
    if (!TextFile::isRegularFile(path)) return store;
    const std::optional<QStringList> lines = TextFile::readLines(path);
    const auto warn = [&](int lineNo, const QString& what) {
        if (warnings) *warnings << QStringLiteral("%1:%2: %3, ignored").arg(path).arg(lineNo).arg(what);
    };
    if (!lines) {
        warn(0, QStringLiteral("cannot be read"));
        return store;
    }
    QString section;
    for (int i = 0; i < lines->size(); ++i) {
        const QString l = lines->at(i).trimmed();
        if (l.isEmpty() || l.startsWith(QLatin1Char(';')) || l.startsWith(QLatin1Char('#'))) continue;
        if (l.startsWith(QLatin1Char('[')) && l.endsWith(QLatin1Char(']'))) {
            section = l.mid(1, l.size() - 2).trimmed();
            if (!section.isEmpty() && !store.byQueue_.contains(section))
                store.byQueue_.insert(section, PrinterCorrection{});
            continue;
        }
        const int eq = l.indexOf(QLatin1Char('='));
        if (eq < 0 || section.isEmpty()) {
            warn(i + 1, QStringLiteral("\"%1\" is not a key=value line of a printer's section").arg(l));
            continue;
        }
        const QString key = l.left(eq).trimmed();
        const QString value = l.mid(eq + 1).trimmed();
        const auto known = std::find_if(std::begin(kKeys), std::end(kKeys),
                                        [&](const char* k) { return key == QLatin1String(k); });
        if (known == std::end(kKeys)) {
            warn(i + 1, QStringLiteral("unknown key \"%1\"").arg(key));
            continue;
        }
        bool ok = false;
        const double v = QLocale::c().toDouble(value, &ok);
        const int index = int(known - std::begin(kKeys));
        const QString problem = ok ? keyProblem(index, v) : QString();
        if (!ok || !problem.isEmpty()) {
            warn(i + 1, ok ? problem
                           : QStringLiteral("%1 \"%2\" is not a number with a \".\" decimal point")
                                 .arg(key, value));
            continue;
        }
        *field(store.byQueue_[section], index) = v;
    }
    return store;
}

bool PrinterCalibrations::write(const QString& path) const {
    QStringList lines;
    for (auto it = byQueue_.cbegin(); it != byQueue_.cend(); ++it) {
        if (!lines.isEmpty()) lines << QString();
        lines << QLatin1Char('[') + it.key() + QLatin1Char(']');
        PrinterCorrection c = it.value();
        for (int key = 0; key < 4; ++key)
            lines << QLatin1String(kKeys[key]) + QLatin1Char('=') +
                         QLocale::c().toString(*field(c, key), 'g', 12);
    }
    return TextFile::writeLines(path, lines);
}

std::optional<PrinterCorrection> PrinterCalibrations::find(const QString& queue) const {
    const auto it = byQueue_.constFind(queue);
    if (it == byQueue_.cend()) return std::nullopt;
    return *it;
}

PrinterCorrection PrinterCalibrations::forQueue(const QString& queue) const {
    return find(queue).value_or(PrinterCorrection{});
}

bool PrinterCalibrations::set(const QString& queue, const PrinterCorrection& correction) {
    if (queue.isEmpty() || !correctionProblem(correction).isEmpty()) return false;
    byQueue_.insert(queue, correction);
    return true;
}

void PrinterCalibrations::reset(const QString& queue) { byQueue_.remove(queue); }

PrintValue correctedPrintValue(const PrintValue& value, const PrinterCorrection& c) {
    if (c == PrinterCorrection{}) return value;
    PrintValue out = value;
    for (PrintZone& zone : out.zones) {
        correct(zone.rect, c);
        zone.circleStretch *= c.scaleYPercent / c.scaleXPercent;
        for (PrintPiece& piece : zone.pieces) correct(piece, c);
    }
    for (QLineF& mark : out.cropMarksMm)
        mark = QLineF(corrected(mark.p1(), c), corrected(mark.p2(), c));
    return out;
}

std::vector<ZoneOverrun> zonesOutside(const PrintValue& value, QSizeF area) {
    std::vector<ZoneOverrun> out;
    for (size_t i = 0; i < value.zones.size(); ++i) {
        const PrintZone& zone = value.zones[i];
        double worst = zone.rect ? overrun(zone.rect->mm, area) : 0;
        // The trim, not the bleed: a bleed beyond the page is cut off anyway.
        for (const PrintPiece& piece : zone.pieces)
            if (const auto trim = piece.trim()) worst = std::max(worst, overrun(trim->mm, area));
        // Below a hundredth of a millimetre is the arithmetic's, not the printer's.
        if (worst >= 0.01) out.push_back({int(i) + 1, worst});
    }
    return out;
}

QString overrunWarning(const std::vector<ZoneOverrun>& overruns, const UiText& texts) {
    QStringList lines{texts[116]};
    for (const ZoneOverrun& o : overruns)
        lines << texts[117].arg(o.zone).arg(QLocale::c().toString(o.mm, 'f', 1));
    lines << QString() << texts[118];
    return lines.join(QLatin1Char('\n'));
}

bool drawCalibrationPage(PrintSurface& s, QPointF origin, const UiText& texts,
                         const CalibrationLayout& layout) {
    if (!s.setScaleToMillimetres()) return false;
    const auto at = [&](QPointF paper) { return paper - origin; };
    bool ok = cross(s, at(layout.cross1)) && cross(s, at(layout.cross2));
    ok = ruler(s, at(layout.rulerXStart), {1, 0}, {0, -1}, layout.rulerLengthMm) && ok;
    ok = ruler(s, at(layout.rulerYStart), {0, 1}, {1, 0}, layout.rulerLengthMm) && ok;
    const QString label = QStringLiteral("%1 %2, %3 mm");
    ok = text(s, at(layout.cross1 + QPointF(6, 3)),
              label.arg(1).arg(layout.cross1.x()).arg(layout.cross1.y())) && ok;
    ok = text(s, at(layout.cross2 + QPointF(6, 3)),
              label.arg(2).arg(layout.cross2.x()).arg(layout.cross2.y())) && ok;
    ok = text(s, at(layout.rulerXStart + QPointF(0, 2)), QStringLiteral("X 100 mm")) && ok;
    ok = text(s, at(layout.rulerYStart + QPointF(8, layout.rulerLengthMm - 6)),
              QStringLiteral("Y 100 mm")) && ok;
    double y = 250;
    for (int entry : {111, 112, 113}) {
        ok = text(s, at(QPointF(20, y)), texts[entry]) && ok;
        y += 8;
    }
    return s.endDoc() && ok;
}

}  // namespace vsm
