// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ComposedPicture.h"

#include <QImage>
#include <QString>
#include <array>
#include <optional>

namespace vsm {

// The plain white picture a slot shows when it holds no file.
QImage blankPicture();

// How a slot's picture meets the shape of its zone: stretched to it, scaled to
// cover it and cut centred, or scaled to lie inside it on white.
enum class FitMode { Stretch = 0, Fill = 1, Fit = 2 };

// The mode a stored number names; nothing for any other number.
std::optional<FitMode> fitModeFromNumber(qint64 number);

// One of the three picture slots: the picture as loaded, the file it came from
// (empty when the slot shows the blank picture) and how it fits its zone. Putting
// another picture in keeps the mode.
struct PictureSlot {
    ComposedPicture picture = ComposedPicture(blankPicture());
    QString path;
    FitMode mode = FitMode::Stretch;
};

// The three slots; slot 1 also keeps a master copy, the picture without titles,
// that every refresh starts from.
struct PictureSlots {
    std::array<PictureSlot, 3> slot{};
    ComposedPicture master = ComposedPicture(blankPicture());

    PictureSlot& operator[](int number) { return slot[static_cast<size_t>(number - 1)]; }
    const PictureSlot& operator[](int number) const {
        return slot[static_cast<size_t>(number - 1)];
    }
    // Puts a picture into slot 1, 2 or 3; slot 1 replaces its master copy too.
    void put(int number, const ComposedPicture& picture, const QString& path);
    void put(int number, const QImage& picture, const QString& path) {
        put(number, ComposedPicture(picture), path);
    }
};

}  // namespace vsm

namespace vsm {

// The slot a zone of the preview belongs to (1, 2 or 3), 0 for any other control:
// the slim pieces come from slot 1, the mirror zone shows slot 2.
int slotOfZone(const QString& zoneName);

}  // namespace vsm
