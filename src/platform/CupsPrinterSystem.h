// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

#include <QPrinter>
#include <QSize>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace vsm {

// What a CUPS destination reports about print quality.
struct CupsQualitySupport {
    std::vector<int> printQualities;  // IPP print-quality values: 3 draft, 4 normal, 5 high
    std::vector<QSize> resolutions;   // dots per inch, across and down
};

// How one quality code goes out with a job: an IPP print-quality value or a
// resolution; neither when the destination reports no quality choices at all.
struct CupsQualityChoice {
    int printQuality = 0;  // 0: not sent
    QSize resolution;      // empty: not sent
};

// Maps a quality code (-4 high, -3 medium, -2 low, -1 draft) onto a destination.
// With print-quality: -4 high, -3 normal, -2 and -1 draft. With resolutions only,
// best first: -4 the highest, -3 the second, -2 the third, -1 the lowest. Empty
// when the destination cannot honour the code.
std::optional<CupsQualityChoice> cupsQualityFor(int code, const CupsQualitySupport& support);

// Printers of the CUPS scheduler: the installed queues, the user's default
// destination and a QPrinter for the next job. Without a scheduler the lists are
// empty and every change fails.
class CupsPrinterSystem : public PrinterSystem {
public:
    // Makes the page renderer a job draws with; it lives above this layer.
    using SurfaceMaker = std::function<std::unique_ptr<PrintSurface>(QPaintDevice*)>;

    explicit CupsPrinterSystem(SurfaceMaker makeSurface);
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
    std::optional<PaperArea> paperArea(Orientation orientation) override;
    std::optional<QRectF> printableArea() override;
    QString paperInsteadOfA4() override { return paperInsteadOfA4_; }

    // What the scheduler said of the last job once it ended: its id, or why it
    // was refused.
    struct JobOutcome {
        int id = 0;
        QString problem;  // empty when the scheduler took the job
    };
    std::optional<JobOutcome> lastJob() const { return lastJob_; }

    QPrinter& printer() { return *printer_; }

private:
    const CupsQualitySupport& qualitySupport();
    void applyJobOptions();
    void choosePaper();
    void addTrueSizeOptions();
    void jobEnded();

    SurfaceMaker makeSurface_;
    std::unique_ptr<QPrinter> printer_;
    QString current_;
    int quality_ = -3;
    std::optional<CupsQualitySupport> support_;  // of the current printer, asked once
    QString paperInsteadOfA4_;
    int newestJobBefore_ = 0;
    std::optional<JobOutcome> lastJob_;
};

}  // namespace vsm
