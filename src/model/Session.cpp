// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Session.h"

namespace vsm {

void Session::chooseLanguageIfBlank(const QLocale& locale) {
    if (settings.languageName.trimmed().isEmpty())
        settings.languageName = languageFromLocale(locale, folder.langFolder());
}

bool Session::readLanguageFile() {
    return readLanguageWithFallback(uiText, folder.langFolder(), settings.languageName);
}

void Session::saveCatalogue(int modelIndex, int windowState) const {
    settings.write(folder.settingsFile(), modelIndex, windowState);
    catalogue.save(folder.catalogueFile());
}

bool Session::keepOutputOptions(const OutputOptions& chosen) {
    if (chosen == output) return true;
    output = chosen;
    return chosen.write(outputOptionsFile());
}

}  // namespace vsm
