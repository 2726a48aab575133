// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace vsm {

// What the print dialog keeps for the life of the program.
struct PrintDialogState {
    std::int16_t printQualityIndex = 0;  // list position selected when the list is filled
    bool firstNotificationSeen = false;  // the printer box ignores its very first notification
};

// The message ImpostaStampante shows when choosing a printer fails.
QString printerChoiceErrorText(int number, const QString& description);

// Makes the installed printer of that name (any letter case) current and the
// user's default. False when no installed printer has that name, or when the
// choice fails (which is reported in a message).
bool ImpostaStampante(PrinterSystem& printers, MessagePrompts& prompts, QWidget* owner,
                      const QString& name);

// The print dialog's choices without its window: the printer, the qualities it
// accepts, the orientation and the copies. The dialog shows this state and
// forwards the user's events; printing hands the choices to the job.
class PrintChoice {
public:
    using Orientation = PrinterSystem::Orientation;

    // What the printer box shows after its text changed.
    struct TextOutcome {
        bool ignored = false;          // the program's very first notification
        std::optional<QString> shows;  // the printer the text chose, spelled as installed
    };

    // A platform without printers or prompts stands for no printer and silent
    // messages. messageOwner is the window that failure messages belong to.
    PrintChoice(const Platform& platform, PrintDialogState& state,
                const QString& modelOrientation, QWidget* messageOwner = nullptr);

    // --- Printer ---
    QStringList installedPrinters() const { return printers_.printerNames(); }
    // The user's default by name: an entry "name,driver,port" names it before its first comma.
    QString defaultPrinter() const;
    // ImpostaStampante on this choice's printers.
    bool choosePrinter(const QString& name);
    // The printer box's text changed. A blank text chooses the first printer, an
    // exact name that printer, anything else none; then the qualities are probed
    // again and the current printer becomes the default.
    TextOutcome printerTextChanged(const QString& text);
    QString chosenPrinter() const { return printers_.currentPrinterName(); }

    // --- Quality ---
    // Asks the current printer which codes it accepts, best first, and selects the
    // remembered list position when the list has it.
    void probeQualities();
    const std::vector<int>& qualities() const { return qualities_; }
    int qualityIndex() const { return qualityIndex_; }  // -1: none selected
    void chooseQuality(int index);
    // The interface text that names a quality code.
    static int qualityTextNumber(int code);

    // --- Orientation and copies ---
    Orientation orientation() const { return orientation_; }
    void toggleOrientation();
    // The copies a text asks for: its leading number rounded half to even, when that
    // is at least 1 and fits; nothing otherwise, which leaves the job's copies alone.
    static std::optional<std::int16_t> copiesFrom(const QString& text);

    // Printing: the orientation and the copies go to the job.
    void applyToJob(const QString& copiesText);
    // Before printing, one message naming every picture that prints soft; none
    // when there is none.
    void warnSoftPictures(const QString& title, const QStringList& warnings);

private:
    std::optional<QString> chooseFromText(const QString& text);
    bool accepts(int code);

    PrinterSystem& printers_;
    MessagePrompts& prompts_;
    PrintDialogState& state_;
    QWidget* messageOwner_;
    std::vector<int> qualities_;
    int qualityIndex_ = -1;
    Orientation orientation_;
};

}  // namespace vsm
