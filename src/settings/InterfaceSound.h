// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace vsm {

class SoundPlayer;

// Plays an interface sound to its end, when the sound switch is on and the
// platform brings a player.
void playInterfaceSound(bool soundsOn, SoundPlayer* player, const QString& file);

}  // namespace vsm
