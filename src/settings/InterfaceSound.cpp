// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/InterfaceSound.h"

#include "platform/Platform.h"

namespace vsm {

void playInterfaceSound(bool soundsOn, SoundPlayer* player, const QString& file) {
    if (soundsOn && player) player->playAndWait(file);
}

}  // namespace vsm
