// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace vsm {

struct Session;

// Whether a slot's path names a template picture (exact, case-sensitive ending).
bool isTemplatePath(int slotNumber, const QString& path);

// Puts the model's template pictures into the slots that hold no picture of the
// user's own. A slot that still shows another model's template and for which
// this model has none goes back to the blank picture.
void CaricaCopertineSmile(Session& session);

}  // namespace vsm
