// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

namespace vsm {

// Printer orientation for the next print job.
enum class PrinterOrientation { Portrait = 1, Landscape = 2 };

// The selected model and the numbers that turn its millimetres into preview
// twips. Every refresh recomputes them; a lookup that fails keeps the old values.
struct CurrentModelState {
    int currentModel = -1;             // the model list's selection
    std::int16_t previewScale = 20;    // preview twips per millimetre
    std::int16_t loadScaleHeight = 0;  // inner height when the window was created
    std::int32_t scaledZone1Width = 0;
    std::int32_t scaledZone1Height = 0;
    std::int32_t scaledZone2Width = 0;
    std::int32_t scaledZone2Height = 0;
    QString currentOrientation;
    QString currentShape;
    std::int16_t coverTitleOn = 1;
    std::int16_t spineTitleOn = 1;
    PrinterOrientation printerOrientation = PrinterOrientation::Landscape;
};

}  // namespace vsm
