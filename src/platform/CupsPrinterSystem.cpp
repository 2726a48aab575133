// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CupsPrinterSystem.h"

#include "platform/PrintSurface.h"

#include <cups/cups.h>
#include <QPageSize>
#include <QPrintEngine>
#include <QPrinterInfo>
#include <algorithm>

namespace vsm {

namespace {

constexpr int kIppDraft = 3;
constexpr int kIppNormal = 4;
constexpr int kIppHigh = 5;
constexpr int kHighestCode = -4;
constexpr int kLowestCode = -1;

// Qt's CUPS print engine takes extra job options as a flat list of name, value.
const auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// Qt lists a CUPS instance as "name/instance".
QString destId(const cups_dest_t& dest) {
    QString id = QString::fromUtf8(dest.name);
    if (dest.instance) id += QLatin1Char('/') + QString::fromUtf8(dest.instance);
    return id;
}

// The user's destinations (lpoptions included), freed when it goes.
struct DestList {
    cups_dest_t* dests = nullptr;
    int count = 0;
    DestList() { count = std::max(0, cupsGetDests(&dests)); }
    ~DestList() { cupsFreeDests(count, dests); }
    DestList(const DestList&) = delete;
    DestList& operator=(const DestList&) = delete;
    cups_dest_t* begin() const { return dests; }
    cups_dest_t* end() const { return dests + count; }
};

std::vector<int> integersOf(ipp_attribute_t* attr) {
    std::vector<int> values;
    for (int i = 0; attr && i < ippGetCount(attr); ++i) values.push_back(ippGetInteger(attr, i));
    return values;
}

QSize toDotsPerInch(int x, int y, ipp_res_t units) {
    if (units != IPP_RES_PER_CM) return {x, y};
    return {int(x * 2.54 + 0.5), int(y * 2.54 + 0.5)};
}

// Distinct resolutions, the finest first.
std::vector<QSize> resolutionsOf(ipp_attribute_t* attr) {
    std::vector<QSize> sizes;
    for (int i = 0; attr && i < ippGetCount(attr); ++i) {
        int y = 0;
        ipp_res_t units = IPP_RES_PER_INCH;
        const int x = ippGetResolution(attr, i, &y, &units);
        if (x > 0 && y > 0) sizes.push_back(toDotsPerInch(x, y, units));
    }
    const auto finer = [](QSize a, QSize b) {
        const qint64 areaA = qint64(a.width()) * a.height(), areaB = qint64(b.width()) * b.height();
        return areaA != areaB ? areaA > areaB : a.width() > b.width();
    };
    std::sort(sizes.begin(), sizes.end(), finer);
    sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
    return sizes;
}

// Asks the scheduler; a destination it cannot describe reports nothing.
CupsQualitySupport askQualitySupport(const QString& name) {
    CupsQualitySupport support;
    const QStringList parts = name.split(QLatin1Char('/'));
    const QByteArray queue = parts.value(0).toUtf8();
    const QByteArray instance = parts.value(1).toUtf8();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(),
                                         instance.isEmpty() ? nullptr : instance.constData());
    if (!dest) return support;
    if (cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
        support.printQualities =
            integersOf(cupsFindDestSupported(CUPS_HTTP_DEFAULT, dest, info, CUPS_PRINT_QUALITY));
        support.resolutions = resolutionsOf(
            cupsFindDestSupported(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution"));
        cupsFreeDestInfo(info);
    }
    cupsFreeDests(1, dest);
    return support;
}

std::optional<CupsQualityChoice> byPrintQuality(int code, const std::vector<int>& supported) {
    const int wanted = code == -4 ? kIppHigh : code == -3 ? kIppNormal : kIppDraft;
    if (std::find(supported.begin(), supported.end(), wanted) == supported.end())
        return std::nullopt;
    return CupsQualityChoice{wanted, {}};
}

std::optional<CupsQualityChoice> byResolution(int code, const std::vector<QSize>& finestFirst) {
    if (code == kLowestCode) return CupsQualityChoice{0, finestFirst.back()};
    const size_t rank = size_t(code - kHighestCode);  // -4 -> 0, -3 -> 1, -2 -> 2
    if (rank >= finestFirst.size()) return std::nullopt;
    return CupsQualityChoice{0, finestFirst[rank]};
}

QString resolutionOption(QSize dpi) {
    if (dpi.width() == dpi.height()) return QStringLiteral("%1dpi").arg(dpi.width());
    return QStringLiteral("%1x%2dpi").arg(dpi.width()).arg(dpi.height());
}

}  // namespace

std::optional<CupsQualityChoice> cupsQualityFor(int code, const CupsQualitySupport& support) {
    if (code < kHighestCode || code > kLowestCode) return std::nullopt;
    if (!support.printQualities.empty()) return byPrintQuality(code, support.printQualities);
    if (!support.resolutions.empty()) return byResolution(code, support.resolutions);
    return CupsQualityChoice{};
}

CupsPrinterSystem::CupsPrinterSystem(SurfaceMaker makeSurface)
    : makeSurface_(std::move(makeSurface)), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    printer_->setPageSize(QPageSize(QPageSize::A4));
    printer_->setDocName(QStringLiteral("Vessomar cover"));  // the job's title in the queue
    // Without any printer Qt starts on its PDF writer, which is no printer of ours.
    if (printer_->outputFormat() == QPrinter::NativeFormat) current_ = printer_->printerName();
}

CupsPrinterSystem::~CupsPrinterSystem() = default;

QStringList CupsPrinterSystem::printerNames() {
    return QPrinterInfo::availablePrinterNames();
}

QString CupsPrinterSystem::defaultPrinterName() {
    const DestList dests;
    const cups_dest_t* chosen = cupsGetDest(nullptr, nullptr, dests.count, dests.dests);
    return chosen ? destId(*chosen) : QString();
}

bool CupsPrinterSystem::setCurrentPrinter(const QString& name) {
    if (name.isEmpty() || !printerNames().contains(name)) return false;
    printer_->setPrinterName(name);
    if (printer_->outputFormat() != QPrinter::NativeFormat || printer_->printerName() != name)
        return false;
    printer_->setPageSize(QPageSize(QPageSize::A4));
    current_ = name;
    support_.reset();
    return true;
}

QString CupsPrinterSystem::currentPrinterName() {
    return current_;
}

// Marks the one destination as the default in the user's lpoptions.
bool CupsPrinterSystem::makeDefault(const QString& name) {
    const DestList dests;
    bool found = false;
    for (cups_dest_t& dest : dests) {
        dest.is_default = !found && destId(dest).compare(name, Qt::CaseInsensitive) == 0;
        found = found || dest.is_default;
    }
    return found && cupsSetDests2(CUPS_HTTP_DEFAULT, dests.count, dests.dests) == 0;
}

int CupsPrinterSystem::printQuality() {
    return quality_;
}

bool CupsPrinterSystem::setPrintQuality(int code) {
    if (current_.isEmpty() || !cupsQualityFor(code, qualitySupport())) return false;
    quality_ = code;
    return true;
}

void CupsPrinterSystem::setOrientation(Orientation orientation) {
    printer_->setPageOrientation(orientation == Orientation::Portrait ? QPageLayout::Portrait
                                                                      : QPageLayout::Landscape);
}

void CupsPrinterSystem::setCopies(int copies) {
    printer_->setCopyCount(copies);
}

std::unique_ptr<PrintSurface> CupsPrinterSystem::beginJob() {
    if (current_.isEmpty()) return nullptr;
    applyQuality();
    return makeSurface_(printer_.get());
}

std::optional<PaperArea> CupsPrinterSystem::paperArea(Orientation orientation) {
    if (current_.isEmpty()) return std::nullopt;
    QPageLayout layout = printer_->pageLayout();
    layout.setOrientation(orientation == Orientation::Portrait ? QPageLayout::Portrait
                                                               : QPageLayout::Landscape);
    return PaperArea{layout.fullRect(QPageLayout::Millimeter).size(),
                     layout.paintRect(QPageLayout::Millimeter)};
}

const CupsQualitySupport& CupsPrinterSystem::qualitySupport() {
    if (!support_) support_ = askQualitySupport(current_);
    return *support_;
}

// Qt may make a new print engine when the printer changes, so the options are
// put on just before each job.
void CupsPrinterSystem::applyQuality() {
    const std::optional<CupsQualityChoice> choice = cupsQualityFor(quality_, qualitySupport());
    QStringList options;
    if (choice && choice->printQuality)
        options << QStringLiteral(CUPS_PRINT_QUALITY) << QString::number(choice->printQuality);
    if (choice && !choice->resolution.isEmpty()) {
        options << QStringLiteral("printer-resolution") << resolutionOption(choice->resolution);
        printer_->setResolution(choice->resolution.width());
    }
    printer_->printEngine()->setProperty(kCupsOptions, options);
}

}  // namespace vsm
