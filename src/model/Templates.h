#pragma once

#include <QString>
#include <array>

namespace vsm {

struct Session;

// Template picture paths below the program folder for slots 1, 2 and 3 of a model;
// empty where the model has no template for the slot.
std::array<QString, 3> templatePaths(int model);

// Whether a slot's path names a template picture (exact, case-sensitive ending).
bool isTemplatePath(int slotNumber, const QString& path);

// Puts the model's template pictures into the slots that hold no picture of the
// user's own. A slot that still shows another model's template and for which
// this model has none goes back to the blank picture.
void CaricaCopertineSmile(Session& session);

}  // namespace vsm
