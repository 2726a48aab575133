// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a project file: reading never fails hard, and a project that reads
// completely writes back to lines that read the same again.
#include "model/Session.h"
#include "common/TextFile.h"
#include "project/ProjectFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<int>(size));
    QStringList lines = vsm::TextFile::splitLines(vsm::TextFile::decode(bytes));
    // Picture lines are file paths; the fuzzer must not read the machine's files.
    for (int i = 0; i < 3 && i < lines.size(); ++i) lines[i] = QString();
    vsm::Session session;
    session.modelCount = 22;
    const auto outcome = vsm::ProjectFile::readLinesInto(session, lines);
    if (!outcome.ok) return 0;
    // -1 is a project saved with no model selected.
    if (*outcome.currentModel < -1 || *outcome.currentModel > 21) std::abort();
    const QStringList written = vsm::ProjectFile::lines(session, *outcome.currentModel);
    vsm::Session again;
    again.modelCount = 22;
    const auto second = vsm::ProjectFile::readLinesInto(again, written);
    if (!second.ok || vsm::ProjectFile::lines(again, *second.currentModel) != written) std::abort();
    return 0;
}
