// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"
#include "platform/PrintSurface.h"
#include "support/RecordingSurface.h"

#include <QList>
#include <QStringList>
#include <memory>
#include <optional>
#include <stdexcept>

namespace vsm::test {

// Hands every operation on to a surface that outlives the job.
struct RelaySurface : PrintSurface {
    explicit RelaySurface(PrintSurface& to) : to_(to) {}
    bool setScaleToMillimetres() override { return to_.setScaleToMillimetres(); }
    bool paintPicture(const ComposedPicture& p, const MmRect& rect) override {
        return to_.paintPicture(p, rect);
    }
    bool lineBox(const MmRect& rect) override { return to_.lineBox(rect); }
    bool circle(const QPointF& c, double r) override { return to_.circle(c, r); }
    bool ellipse(const MmRect& bounds) override { return to_.ellipse(bounds); }
    bool line(const QPointF& a, const QPointF& b, double w) override { return to_.line(a, b, w); }
    std::optional<double> scaleWidth() override { return to_.scaleWidth(); }
    std::optional<double> scaleHeight() override { return to_.scaleHeight(); }
    std::optional<double> textWidth(const QString& t) override { return to_.textWidth(t); }
    std::optional<double> textHeight(const QString& t) override { return to_.textHeight(t); }
    bool setCurrentPosition(const QPointF& mm) override { return to_.setCurrentPosition(mm); }
    bool print(const QString& t) override { return to_.print(t); }
    bool endDoc() override { return to_.endDoc(); }

private:
    PrintSurface& to_;
};

// Installed printers, the user's default and the job settings, all in memory.
struct FakePrinterSystem : PrinterSystem {
    QStringList installed;
    QString defaultName;                           // what the system reports as default
    QList<int> acceptedQualities{-4, -3, -2, -1};  // by the current printer; none without one
    QString current;
    QStringList madeDefault;  // every makeDefault call, in order
    int quality = -3;
    std::optional<Orientation> orientation;  // empty until set
    std::optional<int> copies;               // empty until set
    QStringList refused;                     // setCurrentPrinter answers false for these
    QString selectionThrows;                 // when set, setCurrentPrinter throws this text
    bool givesSurface = false;               // beginJob draws on surface
    int jobs = 0;
    RecordingSurface surface;  // what every job drew
    std::optional<PaperArea> paper;  // the current printer's, as set; never turned

    QStringList printerNames() override { return installed; }
    QString defaultPrinterName() override { return defaultName; }
    bool setCurrentPrinter(const QString& name) override {
        if (!selectionThrows.isEmpty()) throw std::runtime_error(selectionThrows.toStdString());
        if (!installed.contains(name) || refused.contains(name)) return false;
        current = name;
        return true;
    }
    QString currentPrinterName() override { return current; }
    bool makeDefault(const QString& name) override {
        madeDefault << name;
        defaultName = name;
        return true;
    }
    int printQuality() override { return quality; }
    bool setPrintQuality(int code) override {
        if (current.isEmpty() || !acceptedQualities.contains(code)) return false;
        quality = code;
        return true;
    }
    void setOrientation(Orientation o) override { orientation = o; }
    void setCopies(int n) override { copies = n; }
    std::unique_ptr<PrintSurface> beginJob() override {
        ++jobs;
        if (!givesSurface) return nullptr;
        return std::make_unique<RelaySurface>(surface);
    }
    std::optional<PaperArea> paperArea(Orientation) override {
        return current.isEmpty() ? std::nullopt : paper;
    }
};

}  // namespace vsm::test
