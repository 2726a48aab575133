#pragma once

#include "platform/Platform.h"

#include <QPrinter>
#include <memory>

namespace vsm {

// Printers of the CUPS scheduler: the installed queues, the user's default
// destination and a QPrinter for the next job.
class CupsPrinterSystem : public PrinterSystem {
public:
    CupsPrinterSystem();
    ~CupsPrinterSystem() override;
    QStringList printerNames() override;
    QString defaultPrinterName() override;
    bool setCurrentPrinter(const QString& name) override;
    QString currentPrinterName() override;
    bool makeDefault(const QString& name) override;
    int printQuality() override;
    bool setPrintQuality(int code) override;
    void setOrientation(Orientation orientation) override;
    void setCopies(int copies) override;
    std::unique_ptr<PrintSurface> beginJob() override;

    QPrinter& printer() { return *printer_; }

private:
    std::unique_ptr<QPrinter> printer_;
    int quality_ = -3;
};

}  // namespace vsm
