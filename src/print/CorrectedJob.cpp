// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/CorrectedJob.h"

#include "platform/Platform.h"
#include "platform/PrintSurface.h"
#include "print/PrinterCalibration.h"
#include "print/StampaCopertina.h"
#include "settings/UiText.h"

namespace vsm {

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
    const PrinterCalibrations store =
        PrinterCalibrations::read(PrinterCalibrations::fileIn(dataFilesFolder), &warnings);
    if (calls.fileWarning)
        for (const QString& w : warnings) calls.fileWarning(w);
    const PrintValue corrected =
        correctedPrintValue(cover, store.forQueue(printers->currentPrinterName()));
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
