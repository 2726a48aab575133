// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a catalogue: reading never fails hard, and the written catalogue
// reads back to the same values, whatever texts the items hold.
#include "common/TextFile.h"
#include "model/CoverCatalogue.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<int>(size));
    vsm::CoverCatalogue catalogue;
    catalogue.loadText(vsm::TextFile::decode(bytes));
    const QStringList lines = catalogue.lines();
    for (const QString& l : lines)
        if (l.contains('\n') || l.contains('\r')) return 0;  // items cannot span lines
    if (lines.size() != vsm::CoverCatalogue::kFileLines) std::abort();
    // Positions are stored trimmed; compare with what the writer keeps.
    for (auto& m : catalogue.models) {
        m.zone1Left = m.zone1Left.trimmed();
        m.zone1Top = m.zone1Top.trimmed();
        m.zone2Left = m.zone2Left.trimmed();
        m.zone2Top = m.zone2Top.trimmed();
    }
    catalogue.zone3Left = catalogue.zone3Left.trimmed();
    catalogue.zone3Top = catalogue.zone3Top.trimmed();
    vsm::CoverCatalogue back;
    back.loadText(vsm::TextFile::decode(vsm::TextFile::encode(lines.join("\r\n") + "\r\n")));
    if (!(back == catalogue)) std::abort();
    return 0;
}
