// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a language file: reading never fails hard and fills at most the
// 151 entries.
#include "common/TextFile.h"
#include "settings/UiText.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const QStringList lines = vsm::TextFile::splitLines(vsm::TextFile::decode(bytes));
    vsm::UiText text;
    text.readLines(lines);
    for (int i = 0; i < lines.size() && i < vsm::UiText::kSize; ++i)
        if (lines[i].size() >= 3 && text[i] != lines[i].mid(3)) std::abort();
    return 0;
}
