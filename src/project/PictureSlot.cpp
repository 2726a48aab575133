// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/PictureSlot.h"

#include <QHash>

namespace vsm {

QImage blankPicture() {
    static const QImage blank = [] {
        QImage image(1600, 1200, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.setDotsPerMeterX(7874);  // 200 dpi
        image.setDotsPerMeterY(7874);
        return image;
    }();
    return blank;
}

std::optional<FitMode> fitModeFromNumber(qint64 number) {
    switch (number) {
        case 0: return FitMode::Stretch;
        case 1: return FitMode::Fill;
        case 2: return FitMode::Fit;
        default: return std::nullopt;
    }
}

void PictureSlots::put(int number, const ComposedPicture& picture, const QString& path) {
    (*this)[number].picture = picture;
    (*this)[number].path = path;
    if (number == 1) master = picture;
}

}  // namespace vsm

namespace vsm {

int slotOfZone(const QString& zoneName) {
    static const QHash<QString, int> zones = {
        {QStringLiteral("Image1"), 1}, {QStringLiteral("Image4"), 1}, {QStringLiteral("Image6"), 1},
        {QStringLiteral("Image7"), 1}, {QStringLiteral("Image2"), 2}, {QStringLiteral("Image8"), 2},
        {QStringLiteral("Image3"), 3}};
    return zones.value(zoneName, 0);
}

}  // namespace vsm
