// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace vsm {

// The help page for a language file name, relative to the program folder. A
// language without a page of its own gets the English one.
QString helpPageFor(const QString& languageName);

// The language file name that a chosen path names: the part after the last
// "/Lang/"; the current name when the path has none.
QString languageNameFromPath(const QString& chosenPath, const QString& currentName);

}  // namespace vsm
