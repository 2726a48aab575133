// SPDX-License-Identifier: GPL-3.0-or-later
#include "title/ShowColor.h"

namespace vsm {

namespace {

constexpr int kCustomLength = 64;

}  // namespace

ShowColor::ShowColor(ColourDialogs& dialogs) : dialogs_(dialogs) {}

void ShowColor::setCustomColors(const QString& text) {
    customColours_ = text.left(kCustomLength).leftJustified(kCustomLength, QLatin1Char(' '));
}

std::array<QColor, 16> ShowColor::customAsColours() const {
    std::array<QColor, 16> colours;
    for (int i = 0; i < 16; ++i) {
        const auto byte = [&](int k) { return customColours_[i * 4 + k].unicode() & 0xFF; };
        colours[size_t(i)] = QColor(byte(0), byte(1), byte(2));
    }
    return colours;
}

void ShowColor::storeCustom(const std::array<QColor, 16>& colours) {
    QString text;
    for (const QColor& c : colours)
        for (int value : {c.red(), c.green(), c.blue(), 0}) text.append(QChar(value));
    customColours_ = text;
}

void ShowColor::showColor() {
    std::array<QColor, 16> custom = customAsColours();
    const auto chosen = dialogs_.chooseColour(owner_, toQColor(result_), custom);
    cancelled_ = !chosen.has_value();
    if (cancelled_) return;
    storeCustom(custom);
    result_ = fromQColor(*chosen);
}

}  // namespace vsm
