#pragma once

#include "app/AppFolder.h"
#include "model/CoverCatalogue.h"
#include "settings/Settings.h"
#include "settings/UiText.h"

#include <QLocale>
#include <cstdint>

namespace vsm {

// Printer orientation as the print job takes it.
enum class PrinterOrientation { Portrait = 1, Landscape = 2 };

// The long-lived state that the main window owns for the life of the program,
// without any widget: settings, catalogue, interface texts and the data folder.
struct Session {
    AppFolder folder;
    Settings settings;
    CoverCatalogue catalogue;
    UiText uiText;
    std::int16_t previewScale = 20;
    std::int16_t loadScaleHeight = 0;
    std::int16_t modelCount = 0;
    std::int16_t coverTitleOn = 1;
    std::int16_t spineTitleOn = 1;
    PrinterOrientation printerOrientation = PrinterOrientation::Landscape;

    void readSettings() { settings.read(folder.settingsFile()); }
    void loadCatalogue() { catalogue.load(folder.catalogueFile()); }

    // When the settings name no language, the locale chooses one.
    void chooseLanguageIfBlank(const QLocale& locale);

    // Reads the language file, falling back to English.
    bool readLanguageFile();

    // Writes the settings, then the catalogue; each write on its own.
    void saveCatalogue(int modelIndex, int windowState) const;
};

}  // namespace vsm
