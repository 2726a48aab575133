// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CupsPrinterSystem.h"
#include "platform/Platform.h"

#include <QLockFile>
#include <memory>
#include <utility>

namespace vsm {

class RealProcessLauncher : public ProcessLauncher {
public:
    // A program named without a folder is started only when it is found on PATH.
    bool startDetached(const QString& program, const QStringList& arguments,
                       const QString& workingFolder) override;
};

// A lock file in the user's runtime folder. QLockFile recognises a lock left by a
// crashed copy by its process id, so such a lock does not block the next start.
class LockFileInstanceGuard : public InstanceGuard {
public:
    explicit LockFileInstanceGuard(QString lockPath = defaultLockPath());
    Result acquire() override;
    QString problem() const override { return problem_; }
    static QString defaultLockPath();

private:
    QString reasonForFailure() const;

    std::unique_ptr<QLockFile> lock_;
    QString problem_;
};

class QtMessagePrompts : public MessagePrompts {
public:
    void message(QWidget* owner, const QString& title, const QString& text,
                 Icon icon) override;
};

class QtQuestionPrompts : public QuestionPrompts {
public:
    bool askYesNo(QWidget* owner, const QString& title, const QString& text) override;
};

// QFileDialog, modal and owned by the calling window. Patterns match whatever the
// case of the file's extension (a camera's "IMG_1234.JPG" shows under "*.jpg").
class QtFileDialogs : public FileDialogs {
public:
    QString openFile(const FileDialogRequest& request) override;
    QStringList openFiles(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;
};

// Qt Multimedia, waiting until the sound has finished. Without an audio device,
// or with a file that is missing or no sound, it returns at once in silence.
class QtSoundPlayer : public SoundPlayer {
public:
    void playAndWait(const QString& wavPath) override;
};

// QColorDialog. Its custom colours are shared by every dialog of the program, so
// they are loaded from and stored back into the caller's sixteen around each use.
class QtColourDialogs : public ColourDialogs {
public:
    std::optional<QColor> chooseColour(QWidget* owner, const QColor& start,
                                       std::array<QColor, 16>& customColours) override;
};

class DesktopShell : public Shell {
public:
    bool open(const QString& fileOrAddress) override;
};

class SystemLocaleSource : public LocaleSource {
public:
    QLocale userLocale() const override { return QLocale::system(); }
};

// The real platform services, owned together.
struct RealPlatform {
    explicit RealPlatform(CupsPrinterSystem::SurfaceMaker makeSurface)
        : printers(std::move(makeSurface)) {}

    RealProcessLauncher launcher;
    LockFileInstanceGuard instanceGuard;
    QtMessagePrompts prompts;
    SystemLocaleSource locale;
    QtQuestionPrompts questions;
    QtFileDialogs fileDialogs;
    QtSoundPlayer sounds;
    CupsPrinterSystem printers;
    QtColourDialogs colourDialogs;
    DesktopShell shell;

    Platform services() {
        return {&launcher, &instanceGuard, &prompts,  &locale,        &questions,
                &fileDialogs, &sounds,     &printers, &colourDialogs, &shell};
    }
};

}  // namespace vsm
