// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QLocale>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>

class QWidget;

namespace vsm {

// Starts programs as separate, hidden processes that are not waited for.
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // Starts program with its arguments (never through a shell). False when the
    // program cannot be started.
    virtual bool startDetached(const QString& program, const QStringList& arguments,
                               const QString& workingFolder) = 0;
};

// Tells whether another copy of the program is already running.
class InstanceGuard {
public:
    enum class Result {
        Owner,             // this copy is the only one and stays the owner until it ends
        OtherCopyRunning,  // a live copy holds the lock
        Unavailable,       // the lock cannot be taken for another reason: see problem()
    };
    virtual ~InstanceGuard() = default;
    virtual Result acquire() = 0;
    // After Unavailable: which lock could not be taken, and why.
    virtual QString problem() const = 0;
};

// Message boxes; modal on screen, recorded in tests.
class MessagePrompts {
public:
    enum class Icon { None, Information, Exclamation, Critical, Question };
    virtual ~MessagePrompts() = default;
    virtual void message(QWidget* owner, const QString& title, const QString& text,
                         Icon icon) = 0;
};

// Yes/No questions; true for Yes.
class QuestionPrompts {
public:
    virtual ~QuestionPrompts() = default;
    virtual bool askYesNo(QWidget* owner, const QString& title, const QString& text) = 0;
};

// A filter entry of a file dialog: a description and its patterns ("*.jpg").
struct FileFilter {
    QString description;
    QString pattern;
};

// What a file dialog is asked to show.
struct FileDialogRequest {
    QWidget* owner = nullptr;
    QString title;
    QList<FileFilter> filters;
    int preselectedFilter = 0;  // index into filters
    QString initialFolder;
    QString proposedName;
    QString defaultExtension;  // without dot; appended to a name typed without one
};

// Modal open and save dialogs. Every call returns full paths, empty on cancel.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual QString openFile(const FileDialogRequest& request) = 0;
    virtual QStringList openFiles(const FileDialogRequest& request) = 0;
    // Does not ask about overwriting; the caller asks.
    virtual QString saveFile(const FileDialogRequest& request) = 0;
};

// Interface sounds, played to the end before the call returns. Without an audio
// device they are silent.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void playAndWait(const QString& wavPath) = 0;
};

class PrintSurface;

// A sheet of paper and the part of it a printer reaches, in millimetres from the
// paper's top-left corner, turned the way the job prints.
struct PaperArea {
    QSizeF paperMm;
    QRectF printableMm;
};

// The installed printers and the one the next job goes to, with the settings that
// apply to that job. Print quality codes: -4 high, -3 medium, -2 low, -1 draft.
class PrinterSystem {
public:
    enum class Orientation { Portrait = 1, Landscape = 2 };
    virtual ~PrinterSystem() = default;
    // Installed printers in the system's order.
    virtual QStringList printerNames() = 0;
    // The user's default printer as the system names it; empty when there is none.
    virtual QString defaultPrinterName() = 0;
    // Makes an installed printer the one that later jobs use.
    virtual bool setCurrentPrinter(const QString& name) = 0;
    virtual QString currentPrinterName() = 0;
    // Makes the printer the user's default, so the next opening preselects it.
    virtual bool makeDefault(const QString& name) = 0;
    virtual int printQuality() = 0;
    // Fails for a code the current printer does not accept.
    virtual bool setPrintQuality(int code) = 0;
    virtual void setOrientation(Orientation orientation) = 0;
    virtual void setCopies(int copies) = 0;
    // A surface on the current printer for one job; nothing without a printer.
    virtual std::unique_ptr<PrintSurface> beginJob() = 0;
    // The current printer's paper and printable area for a job in that
    // orientation, without changing the job; nothing without a printer.
    virtual std::optional<PaperArea> paperArea(Orientation orientation) = 0;
    // The printable area of the next job's paper, in millimetres from the paper's
    // top-left corner in the job's orientation; nothing when it is not known.
    virtual std::optional<QRectF> printableArea() { return std::nullopt; }
    // The paper the current printer prints on because it cannot take A4; empty
    // when it takes A4.
    virtual QString paperInsteadOfA4() { return {}; }
};

// The modal colour dialog. It starts on the given colour and shows and updates
// the sixteen custom colours it is handed; nothing when the user cancels.
class ColourDialogs {
public:
    virtual ~ColourDialogs() = default;
    virtual std::optional<QColor> chooseColour(QWidget* owner, const QColor& start,
                                               std::array<QColor, 16>& customColours) = 0;
};

// The desktop's "open": a file with its associated program, an address in the
// browser. Failures are the caller's to ignore.
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool open(const QString& fileOrAddress) = 0;
};

// The user's locale.
class LocaleSource {
public:
    virtual ~LocaleSource() = default;
    virtual QLocale userLocale() const = 0;
};

// The platform services the program reaches through seams. The pointers are not
// owned; the real set lives in main, tests build one from fakes.
struct Platform {
    ProcessLauncher* launcher = nullptr;
    InstanceGuard* instanceGuard = nullptr;
    MessagePrompts* prompts = nullptr;
    LocaleSource* locale = nullptr;
    QuestionPrompts* questions = nullptr;
    FileDialogs* fileDialogs = nullptr;
    SoundPlayer* sounds = nullptr;
    PrinterSystem* printers = nullptr;
    ColourDialogs* colourDialogs = nullptr;
    Shell* shell = nullptr;
};

}  // namespace vsm
