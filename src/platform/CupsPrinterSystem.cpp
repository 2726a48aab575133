#include "platform/CupsPrinterSystem.h"

#include "print/PainterPrintSurface.h"

#include <QPrinterInfo>

namespace vsm {

CupsPrinterSystem::CupsPrinterSystem() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}
CupsPrinterSystem::~CupsPrinterSystem() = default;

QStringList CupsPrinterSystem::printerNames() { return QPrinterInfo::availablePrinterNames(); }
QString CupsPrinterSystem::defaultPrinterName() { return QPrinterInfo::defaultPrinterName(); }

bool CupsPrinterSystem::setCurrentPrinter(const QString& name) {
    if (!printerNames().contains(name)) return false;
    printer_->setPrinterName(name);
    return true;
}

QString CupsPrinterSystem::currentPrinterName() { return printer_->printerName(); }
bool CupsPrinterSystem::makeDefault(const QString&) { return false; }
int CupsPrinterSystem::printQuality() { return quality_; }

bool CupsPrinterSystem::setPrintQuality(int code) {
    if (code < -4 || code > -1) return false;
    quality_ = code;
    return true;
}

void CupsPrinterSystem::setOrientation(Orientation orientation) {
    printer_->setPageOrientation(orientation == Orientation::Portrait ? QPageLayout::Portrait
                                                                      : QPageLayout::Landscape);
}

void CupsPrinterSystem::setCopies(int copies) { printer_->setCopyCount(copies); }

std::unique_ptr<PrintSurface> CupsPrinterSystem::beginJob() {
    if (printer_->printerName().isEmpty()) return nullptr;
    return std::make_unique<PainterPrintSurface>(printer_.get());
}

}  // namespace vsm
