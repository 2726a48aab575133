// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/OutputOptions.h"

#include "common/TextFile.h"

#include <QLocale>
#include <cmath>
#include <optional>

namespace vsm {

namespace {

QString number(double v) {
    return QLocale::c().toString(v, 'g', 12);
}

QString rangeProblem(const char* what, double mm, double low, double high) {
    if (std::isfinite(mm) && mm >= low && mm <= high) return {};
    return QStringLiteral("the %1 %2 mm is outside %3–%4 mm")
        .arg(QLatin1String(what), number(mm), number(low), number(high));
}

std::optional<bool> flag(const QString& v) {
    if (v == QLatin1String("1") || v.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (v == QLatin1String("0") || v.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

// Sets one key from its text; the reason when the value is refused.
QString apply(OutputOptions& o, const QString& key, const QString& value) {
    const auto mm = [&](double* to, QString (*problem)(double)) {
        bool ok = false;
        const double v = QLocale::c().toDouble(value, &ok);
        if (!ok)
            return QStringLiteral("%1 \"%2\" is not a number with a \".\" decimal point")
                .arg(key, value);
        const QString p = problem(v);
        if (p.isEmpty()) *to = v;
        return p;
    };
    const auto onOff = [&](bool* to) {
        const auto v = flag(value);
        if (!v) return QStringLiteral("%1 \"%2\" is neither 1 nor 0").arg(key, value);
        *to = *v;
        return QString();
    };
    if (key == QLatin1String("Bleed")) return mm(&o.bleedMm, &OutputOptions::bleedProblem);
    if (key == QLatin1String("CropMarks")) return onOff(&o.cropMarks);
    if (key == QLatin1String("ClipDiscs")) return onOff(&o.clipDiscs);
    if (key == QLatin1String("Hole")) return mm(&o.holeMm, &OutputOptions::holeProblem);
    return QStringLiteral("unknown key \"%1\"").arg(key);
}

}  // namespace

QString OutputOptions::bleedProblem(double mm) {
    return rangeProblem("bleed", mm, 0, kMaxBleedMm);
}

QString OutputOptions::holeProblem(double mm) {
    return rangeProblem("hole diameter", mm, kMinHoleMm, kMaxHoleMm);
}

QString OutputOptions::fileIn(const QString& dataFilesFolder) {
    return dataFilesFolder + QStringLiteral("/Output.ini");
}

OutputOptions OutputOptions::read(const QString& path, QStringList* warnings) {
    OutputOptions options;
    if (!TextFile::isRegularFile(path)) return options;
    const auto warn = [&](int lineNo, const QString& what) {
        if (warnings)
            *warnings << QStringLiteral("%1:%2: %3, ignored").arg(path).arg(lineNo).arg(what);
    };
    const std::optional<QStringList> lines = TextFile::readLines(path);
    if (!lines) {
        warn(0, QStringLiteral("cannot be read"));
        return options;
    }
    for (int i = 0; i < lines->size(); ++i) {
        const QString l = lines->at(i).trimmed();
        if (l.isEmpty() || l.startsWith(QLatin1Char(';')) || l.startsWith(QLatin1Char('#')) ||
            l == QLatin1String("[Output]"))
            continue;
        const int eq = l.indexOf(QLatin1Char('='));
        const QString problem = eq < 0
                                    ? QStringLiteral("\"%1\" is not a key=value line").arg(l)
                                    : apply(options, l.left(eq).trimmed(), l.mid(eq + 1).trimmed());
        if (!problem.isEmpty()) warn(i + 1, problem);
    }
    return options;
}

bool OutputOptions::write(const QString& path) const {
    const auto onOff = [](bool v) { return v ? QStringLiteral("1") : QStringLiteral("0"); };
    return TextFile::writeLines(
        path, {QStringLiteral("[Output]"), QStringLiteral("Bleed=") + number(bleedMm),
               QStringLiteral("CropMarks=") + onOff(cropMarks),
               QStringLiteral("ClipDiscs=") + onOff(clipDiscs),
               QStringLiteral("Hole=") + number(holeMm)});
}

}  // namespace vsm
