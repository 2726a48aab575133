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

// The user's newest job on a queue with that title; 0 when there is none.
int newestJob(const QString& queue, const QString& title) {
    cups_job_t* jobs = nullptr;
    const QByteArray name = queue.section(QLatin1Char('/'), 0, 0).toUtf8();
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, name.constData(), 1, CUPS_WHICHJOBS_ALL);
    int newest = 0;
    for (int i = 0; i < count; ++i)
        if (title.isEmpty() || QString::fromUtf8(jobs[i].title) == title)
            newest = std::max(newest, jobs[i].id);
    cupsFreeJobs(count, jobs);
    return newest;
}

// Hands a job's drawing on, and tells the printer system when the job was sent.
class JobSurface : public PrintSurface {
public:
    JobSurface(std::unique_ptr<PrintSurface> to, std::function<void()> sending,
               std::function<void()> ended)
        : to_(std::move(to)), sending_(std::move(sending)), ended_(std::move(ended)) {}
    bool setScaleToMillimetres() override { return to_->setScaleToMillimetres(); }
    bool paintPicture(const ComposedPicture& p, const MmRect& r) override {
        return to_->paintPicture(p, r);
    }
    bool lineBox(const MmRect& r) override { return to_->lineBox(r); }
    bool circle(const QPointF& c, double r) override { return to_->circle(c, r); }
    bool ellipse(const MmRect& bounds) override { return to_->ellipse(bounds); }
    bool line(const QPointF& a, const QPointF& b, double w) override { return to_->line(a, b, w); }
    std::optional<double> scaleWidth() override { return to_->scaleWidth(); }
    std::optional<double> scaleHeight() override { return to_->scaleHeight(); }
    std::optional<double> textWidth(const QString& t) override { return to_->textWidth(t); }
    std::optional<double> textHeight(const QString& t) override { return to_->textHeight(t); }
    bool setCurrentPosition(const QPointF& mm) override { return to_->setCurrentPosition(mm); }
    bool print(const QString& t) override { return to_->print(t); }
    // Qt hands the spool file to the scheduler as the painter ends and keeps
    // quiet about a refusal; the scheduler's last answer tells.
    bool endDoc() override {
        sending_();
        const bool ended = to_->endDoc();
        ended_();
        return ended;
    }

private:
    std::unique_ptr<PrintSurface> to_;
    std::function<void()> sending_;
    std::function<void()> ended_;
};

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
    current_ = name;
    choosePaper();
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
    applyJobOptions();
    std::unique_ptr<PrintSurface> surface = makeSurface_(printer_.get());
    if (!surface) return nullptr;
    lastJob_.reset();
    newestJobBefore_ = newestJob(current_, QString());
    return std::make_unique<JobSurface>(
        std::move(surface), [this] { addTrueSizeOptions(); }, [this] { jobEnded(); });
}

std::optional<QRectF> CupsPrinterSystem::printableArea() {
    const bool portrait = printer_->pageLayout().orientation() == QPageLayout::Portrait;
    const auto area = paperArea(portrait ? Orientation::Portrait : Orientation::Landscape);
    if (!area) return std::nullopt;
    return area->printableMm;
}

// Covers are laid out on A4; a queue without it prints on its own default paper.
void CupsPrinterSystem::choosePaper() {
    paperInsteadOfA4_.clear();
    const QPrinterInfo info = QPrinterInfo::printerInfo(current_);
    const QList<QPageSize> sizes = info.supportedPageSizes();
    const bool takesA4 = sizes.isEmpty() || std::any_of(sizes.begin(), sizes.end(), [](const QPageSize& s) {
        return s.id() == QPageSize::A4;
    });
    if (takesA4) {
        printer_->setPageSize(QPageSize(QPageSize::A4));
        return;
    }
    const QPageSize paper = info.defaultPageSize().isValid() ? info.defaultPageSize() : sizes.first();
    printer_->setPageSize(paper);
    paperInsteadOfA4_ = paper.name();
}

// A cover prints at true size: neither the scheduler nor the driver may fit it
// to the paper. Added as the job is sent, after the chosen options.
void CupsPrinterSystem::addTrueSizeOptions() {
    QStringList options = printer_->printEngine()->property(kCupsOptions).toStringList();
    options << QStringLiteral("print-scaling") << QStringLiteral("none")
            << QStringLiteral("fit-to-page") << QStringLiteral("false");
    printer_->printEngine()->setProperty(kCupsOptions, options);
}

void CupsPrinterSystem::jobEnded() {
    // Read before any other call to the scheduler replaces the answer.
    const ipp_status_t status = cupsLastError();
    const QString said = QString::fromUtf8(cupsLastErrorString());
    JobOutcome outcome;
    if (status >= IPP_STATUS_ERROR_BAD_REQUEST) {
        outcome.problem = said;
    } else {
        const int id = newestJob(current_, printer_->docName());
        if (id > newestJobBefore_) outcome.id = id;
        else outcome.problem = QStringLiteral("the scheduler reports no new job");
    }
    lastJob_ = outcome;
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
void CupsPrinterSystem::applyJobOptions() {
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
