// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/PrintChoice.h"

#include "common/LeadingNumber.h"
#include "common/Rounding.h"
#include "model/CoverCatalogue.h"
#include "platform/PrintSurface.h"

#include <exception>

namespace vsm {

namespace {

constexpr int kHighestQuality = -4;
constexpr int kLowestQuality = -1;
constexpr int kFirstQualityText = 95;     // texts 95..98 name the codes -4..-1
constexpr int kPrinterErrorNumber = 482;  // the classic runtime number of a printer error

// Stands in when the platform brings no printer system: nothing is installed.
class NoPrinters : public PrinterSystem {
public:
    QStringList printerNames() override { return {}; }
    QString defaultPrinterName() override { return {}; }
    bool setCurrentPrinter(const QString&) override { return false; }
    QString currentPrinterName() override { return {}; }
    bool makeDefault(const QString&) override { return false; }
    int printQuality() override { return 0; }
    bool setPrintQuality(int) override { return false; }
    void setOrientation(Orientation) override {}
    void setCopies(int) override {}
    std::unique_ptr<PrintSurface> beginJob() override { return nullptr; }
    std::optional<PaperArea> paperArea(Orientation) override { return std::nullopt; }
};

class NoPrompts : public MessagePrompts {
public:
    void message(QWidget*, const QString&, const QString&, Icon) override {}
};

PrinterSystem& printersOf(const Platform& platform) {
    static NoPrinters none;
    return platform.printers ? *platform.printers : none;
}

MessagePrompts& promptsOf(const Platform& platform) {
    static NoPrompts silent;
    return platform.prompts ? *platform.prompts : silent;
}

// Shown with OK only, under the application's own title.
void reportChoiceFailure(MessagePrompts& prompts, QWidget* owner, const QString& description) {
    prompts.message(owner, QString(), printerChoiceErrorText(kPrinterErrorNumber, description),
                    MessagePrompts::Icon::None);
}

bool makeCurrentAndDefault(PrinterSystem& printers, MessagePrompts& prompts, QWidget* owner,
                           const QString& name) {
    for (const QString& installed : printers.printerNames()) {
        if (installed.toUpper() != name.toUpper()) continue;
        if (!printers.setCurrentPrinter(installed)) {
            reportChoiceFailure(prompts, owner, QStringLiteral("Printer error"));
            return false;
        }
        // The installed spelling, so that the next opening finds it case for case.
        printers.makeDefault(installed);
        return true;
    }
    return false;
}

}  // namespace

QString printerChoiceErrorText(int number, const QString& description) {
    return QStringLiteral("Error %1 (%2) in procedura ImpostaStampante di Modulo Stampanti")
        .arg(QString::number(number), description);
}

bool ImpostaStampante(PrinterSystem& printers, MessagePrompts& prompts, QWidget* owner,
                      const QString& name) {
    QString failure;
    try {
        return makeCurrentAndDefault(printers, prompts, owner, name);
    } catch (const std::exception& e) {
        failure = QString::fromLocal8Bit(e.what());
    } catch (...) {
        failure = QStringLiteral("Unknown error");
    }
    reportChoiceFailure(prompts, owner, failure);
    return false;
}

PrintChoice::PrintChoice(const Platform& platform, PrintDialogState& state,
                         const QString& modelOrientation, QWidget* messageOwner)
    : printers_(printersOf(platform)),
      prompts_(promptsOf(platform)),
      state_(state),
      messageOwner_(messageOwner),
      orientation_(modelOrientation == kPortrait ? Orientation::Portrait
                                                 : Orientation::Landscape) {}

// --- Printer ---

QString PrintChoice::defaultPrinter() const {
    return printers_.defaultPrinterName().trimmed().section(QLatin1Char(','), 0, 0);
}

bool PrintChoice::choosePrinter(const QString& name) {
    return ImpostaStampante(printers_, prompts_, messageOwner_, name);
}

PrintChoice::TextOutcome PrintChoice::printerTextChanged(const QString& text) {
    // The first notification ever comes from filling the box at the first opening.
    if (!state_.firstNotificationSeen) {
        state_.firstNotificationSeen = true;
        return {true, std::nullopt};
    }
    TextOutcome outcome{false, chooseFromText(text)};
    probeQualities();
    choosePrinter(printers_.currentPrinterName());
    return outcome;
}

// Unlike ImpostaStampante, the box compares letter case too.
std::optional<QString> PrintChoice::chooseFromText(const QString& text) {
    for (const QString& name : printers_.printerNames()) {
        if (!text.trimmed().isEmpty() && name != text) continue;
        if (!printers_.setCurrentPrinter(name)) return std::nullopt;
        return name;
    }
    return std::nullopt;
}

// --- Quality ---

void PrintChoice::probeQualities() {
    qualities_.clear();
    qualityIndex_ = -1;
    for (int code = kHighestQuality; code <= kLowestQuality; ++code)
        if (accepts(code)) qualities_.push_back(code);
    chooseQuality(state_.printQualityIndex);
}

// Trying a code sets it; the printer's own setting is put back after.
bool PrintChoice::accepts(int code) {
    const int previous = printers_.printQuality();
    const bool accepted = printers_.setPrintQuality(code);
    printers_.setPrintQuality(previous);
    return accepted;
}

void PrintChoice::chooseQuality(int index) {
    if (index < 0 || index >= int(qualities_.size())) return;
    printers_.setPrintQuality(qualities_[size_t(index)]);
    qualityIndex_ = index;
    state_.printQualityIndex = static_cast<std::int16_t>(index);
}

int PrintChoice::qualityTextNumber(int code) {
    return kFirstQualityText + code - kHighestQuality;
}

// --- Orientation, copies and printing ---

void PrintChoice::toggleOrientation() {
    orientation_ =
        orientation_ == Orientation::Portrait ? Orientation::Landscape : Orientation::Portrait;
}

std::optional<std::int16_t> PrintChoice::copiesFrom(const QString& text) {
    const double number = leadingNumber(text);
    if (number <= 0) return std::nullopt;
    const std::optional<std::int16_t> copies = toIntegerHalfEven<std::int16_t>(number);
    if (copies && *copies >= 1) return copies;
    return std::nullopt;
}

void PrintChoice::applyToJob(const QString& copiesText) {
    printers_.setOrientation(orientation_);
    if (const auto copies = copiesFrom(copiesText)) printers_.setCopies(*copies);
}

void PrintChoice::warnSoftPictures(const QString& title, const QStringList& warnings) {
    if (warnings.isEmpty()) return;
    prompts_.message(messageOwner_, title, warnings.join(QLatin1Char('\n')),
                     MessagePrompts::Icon::Exclamation);
}

}  // namespace vsm
