// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/CorrectedJob.h"

#include "platform/Platform.h"
#include "platform/PrintSurface.h"
#include "print/PrinterCalibration.h"
#include "print/StampaCopertina.h"
#include "settings/UiText.h"

namespace vsm {

PrintValue correctedForCurrentPrinter(PrinterSystem* printers, const QString& dataFilesFolder,
                                      const PrintValue& cover, QStringList* warnings) {
    if (!printers) return cover;
    const PrinterCalibrations store =
        PrinterCalibrations::read(PrinterCalibrations::fileIn(dataFilesFolder), warnings);
    return correctedPrintValue(cover, store.forQueue(printers->currentPrinterName()));
}

CalibrationPageResult printCalibrationPage(PrinterSystem& printers, const UiText& texts) {
    // Drawn from the paper's edges: where the queue's printable area starts.
    const QPointF origin = printers.printableArea().value_or(QRectF()).topLeft();
    std::unique_ptr<PrintSurface> surface = printers.beginJob();
    if (!surface) return CalibrationPageResult::NoPage;
    return drawCalibrationPage(*surface, origin, texts) ? CalibrationPageResult::Printed
                                                        : CalibrationPageResult::StepFailed;
}

CorrectedJobResult printCorrectedCover(PrinterSystem* printers, const QString& dataFilesFolder,
                                       const UiText& texts, const PrintValue& cover,
                                       const CorrectedJobCalls& calls) {
    const auto failed = [&] {
        if (calls.stepFailed) calls.stepFailed();
    };
    if (!printers) {
        StampaCopertina(cover, nullptr, failed);
        return CorrectedJobResult::Sent;
    }
    QStringList warnings;
    const PrintValue corrected =
        correctedForCurrentPrinter(printers, dataFilesFolder, cover, &warnings);
    if (calls.fileWarning)
        for (const QString& w : warnings) calls.fileWarning(w);
    if (const std::optional<QRectF> area = printers->printableArea()) {
        const std::vector<ZoneOverrun> outside = zonesOutside(corrected, area->size());
        if (!outside.empty() && calls.printAnyway &&
            !calls.printAnyway(overrunWarning(outside, texts)))
            return CorrectedJobResult::Cancelled;
    }
    const QString paper = printers->paperInsteadOfA4();
    if (!paper.isEmpty() && calls.notify) calls.notify(texts[125].arg(paper));
    std::unique_ptr<PrintSurface> surface = printers->beginJob();
    StampaCopertina(corrected, surface.get(), failed);
    return CorrectedJobResult::Sent;
}

}  // namespace vsm
