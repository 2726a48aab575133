// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/AppFolder.h"
#include "model/CoverCatalogue.h"
#include "model/CurrentModel.h"
#include "model/ImagingEngine.h"
#include "model/PreviewControls.h"
#include "project/PictureLoader.h"
#include "project/PictureSlot.h"
#include "settings/OutputOptions.h"
#include "settings/Settings.h"
#include "settings/UiText.h"
#include "title/TitleSettings.h"

#include <QLocale>
#include <cstdint>

namespace vsm {

// The long-lived state that the main window owns for the life of the program,
// without any widget: settings, catalogue, interface texts, the current model,
// the picture slots, the titles and the preview they make.
struct Session {
    AppFolder folder;
    Settings settings;
    CoverCatalogue catalogue;
    UiText uiText;
    std::int16_t modelCount = 0;
    CurrentModelState model;
    TitleSettings titles;
    PictureSlots pictureSlots;
    bool outlineOn = false;
    OutputOptions output;  // bleed, crop marks, disc clipping
    PreviewControls preview;
    ImagingEngine titleEngine;  // draws the titles
    ImagingEngine cutEngine;    // cuts the slim pieces
    PictureCache templates;

    void readSettings() { settings.read(folder.settingsFile()); }
    void loadCatalogue() { catalogue.load(folder.catalogueFile()); }
    // Output.ini beside the settings; a bad value is described in warnings.
    QString outputOptionsFile() const { return OutputOptions::fileIn(folder.dataFilesFolder()); }
    void readOutputOptions(QStringList* warnings) {
        output = OutputOptions::read(outputOptionsFile(), warnings);
    }
    // Takes the chosen options; Output.ini is written only when they changed, so a
    // missing file stays missing. False when it could not be written.
    bool keepOutputOptions(const OutputOptions& chosen);

    // When the settings name no language, the locale chooses one.
    void chooseLanguageIfBlank(const QLocale& locale);

    // Reads the language file, falling back to English.
    bool readLanguageFile();

    // Writes the settings, then the catalogue; each write on its own.
    void saveCatalogue(int modelIndex, int windowState) const;
};

}  // namespace vsm
