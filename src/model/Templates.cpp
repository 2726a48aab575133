#include "model/Templates.h"

#include "model/Session.h"

#include <QFile>

namespace vsm {

namespace {

const QString kBox = QStringLiteral("/Modelli/Box/01 Empty Smile.jpg");
const QString kBoxSlim = QStringLiteral("/Modelli/Box Slim/01 Empty Smile.jpg");
const QString kBluRay = QStringLiteral("/Modelli/Box Blue-Ray/01 Empty Smile.jpg");
const QString kBluRaySlim7 = QStringLiteral("/Modelli/Box Slim Blue-Ray/01 Empty Smile 7 mm.jpg");
const QString kBluRaySlim9 = QStringLiteral("/Modelli/Box Slim Blue-Ray/02 Empty Smile 9 mm.jpg");
const QString kFront = QStringLiteral("/Modelli/CD-DVD Front/01 Empty Smile.jpg");
const QString kBack = QStringLiteral("/Modelli/CD-DVD Back/01 Empty Smile.jpg");
const QString kFrontInside = QStringLiteral("/Modelli/CD-DVD Front and Inside/01 Empty Smile.jpg");
const QString kDisc = QStringLiteral("/Modelli/CD-DVD/01 Empty Smile.jpg");
const QString kVhs = QStringLiteral("/Modelli/VHS/01 Empty Smile.jpg");
const QString kPsp = QStringLiteral("/Modelli/PSP/01 Empty Smile.jpg");

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

std::array<QString, 3> templatePaths(int model) {
    switch (model) {
        case 0: case 16: case 17: return {kBox, {}, {}};
        case 1: case 2: case 19: return {kBoxSlim, {}, {}};
        case 3: case 4: case 6: case 7: return {kFront, kBack, {}};
        case 5: case 8: return {kFrontInside, {}, {}};
        case 9: return {kVhs, {}, {}};
        case 10: case 11: case 12: case 13: case 14: return {kDisc, kDisc, kDisc};
        case 15: return {kBluRay, {}, {}};
        case 18: return {kPsp, {}, {}};
        case 20: return {kBluRaySlim7, {}, {}};
        case 21: return {kBluRaySlim9, {}, {}};
        default: return {};
    }
}

bool isTemplatePath(int slotNumber, const QString& path) {
    if (path.endsWith(QStringLiteral("01 Empty Smile.jpg"))) return true;
    return slotNumber == 1 && (path.endsWith(QStringLiteral("Empty Smile 7 mm.jpg")) ||
                               path.endsWith(QStringLiteral("Empty Smile 9 mm.jpg")));
}

void CaricaCopertineSmile(Session& session) {
    const auto paths = templatePaths(session.model.currentModel);
    for (int number = 1; number <= 3; ++number)
        fillSlot(session, number, paths[static_cast<size_t>(number - 1)]);
}

}  // namespace vsm
