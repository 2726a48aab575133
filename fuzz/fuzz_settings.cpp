// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a settings file: reading never fails hard, and what is written
// back reads as the same values.
#include "common/TextFile.h"
#include "settings/Settings.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<int>(size));
    vsm::Settings settings;
    settings.readLines(vsm::TextFile::splitLines(vsm::TextFile::decode(bytes)));
    // Lines may not hold line ends; a folder text with one cannot be stored.
    for (const QString& l : settings.lines(settings.savedModelIndex, settings.savedWindowState))
        if (l.contains('\n') || l.contains('\r')) return 0;
    vsm::Settings back;
    back.readLines(settings.lines(settings.savedModelIndex, settings.savedWindowState));
    if (back.languageName != settings.languageName ||
        back.savedModelIndex != settings.savedModelIndex ||
        back.lastProjectFolder != settings.lastProjectFolder ||
        back.lastPictureFolder != settings.lastPictureFolder ||
        back.soundsOn != settings.soundsOn || back.savedWindowState != settings.savedWindowState)
        std::abort();
    return 0;
}
