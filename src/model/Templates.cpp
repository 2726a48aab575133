// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Templates.h"

#include "model/Session.h"

#include "model/CaseKinds.h"

#include <QFile>

namespace vsm {

namespace {

bool isFree(int slotNumber, const QString& path) {
    return path.trimmed().isEmpty() || isTemplatePath(slotNumber, path);
}

// Fills one slot with its template, or clears a stale template when the model has
// none for it. A template that exists but does not load leaves the picture and
// still takes the path, as a failed load does elsewhere.
void fillSlot(Session& s, int number, const QString& relative) {
    PictureSlot& slot = s.pictureSlots[number];
    if (!isFree(number, slot.path)) return;
    if (relative.isEmpty()) {
        if (!isTemplatePath(number, slot.path)) return;
        s.pictureSlots.put(number, blankPicture(), QString());
        return;
    }
    const QString path = s.folder.path(relative);
    if (!QFile::exists(path)) return;
    const auto picture = s.templates.load(path);
    s.pictureSlots.put(number, picture ? picture->composed() : slot.picture, path);
}

}  // namespace

bool isTemplatePath(int slotNumber, const QString& path) {
    if (path.endsWith(QStringLiteral("01 Empty Smile.jpg"))) return true;
    return slotNumber == 1 && (path.endsWith(QStringLiteral("Empty Smile 7 mm.jpg")) ||
                               path.endsWith(QStringLiteral("Empty Smile 9 mm.jpg")));
}

void CaricaCopertineSmile(Session& session) {
    const auto& paths = caseKind(session.model.currentModel).templates;
    for (int number = 1; number <= 3; ++number)
        fillSlot(session, number, paths[static_cast<size_t>(number - 1)]);
}

}  // namespace vsm
