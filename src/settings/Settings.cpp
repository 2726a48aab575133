// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Settings.h"

#include "common/ItemReader.h"
#include "common/LeadingNumber.h"
#include "common/Rounding.h"
#include "common/TextFile.h"

namespace vsm {

namespace {

std::optional<std::int16_t> wholeNumberItem(const QString& line) {
    return toIntegerHalfEven<std::int16_t>(leadingNumber(firstItemOfLine(line)));
}

}  // namespace

bool Settings::read(const QString& path) {
    const auto fileLines = TextFile::readLines(path);
    // Without line 5 the sound test fails, and a failed test turns sounds on.
    soundsOn = true;
    if (!fileLines) return false;
    readLines(*fileLines);
    return true;
}

void Settings::readLines(const QStringList& lines) {
    soundsOn = true;
    const auto line = [&](int i) -> std::optional<QString> {
        return i < lines.size() ? std::optional<QString>(lines.at(i)) : std::nullopt;
    };
    if (auto l = line(0)) languageName = *l;
    if (auto l = line(1))
        if (auto n = wholeNumberItem(*l)) savedModelIndex = *n;
    if (auto l = line(2)) lastProjectFolder = *l;
    if (auto l = line(3)) lastPictureFolder = *l;
    if (auto l = line(4)) soundsOn = leadingNumber(firstItemOfLine(*l)) == 0.0;
    if (auto l = line(5))
        if (auto n = wholeNumberItem(*l)) savedWindowState = *n;
}

bool Settings::write(const QString& path, int modelIndex, int windowState) const {
    return TextFile::writeLines(path, lines(modelIndex, windowState));
}

QStringList Settings::lines(int modelIndex, int windowState) const {
    return {languageName, QString::number(modelIndex),
                                       lastProjectFolder, lastPictureFolder,
                                       soundsOn ? QStringLiteral("0") : QStringLiteral("1"),
                                       QString::number(windowState)};
}

}  // namespace vsm
