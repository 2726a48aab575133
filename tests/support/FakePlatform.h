// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"
#include "support/FakePrinterSystem.h"

#include <QStringList>
#include <utility>
#include <vector>

namespace vsm::test {

struct FakeLauncher : ProcessLauncher {
    struct Start {
        QString program;
        QStringList arguments;
        QString workingFolder;
        QString commandText() const { return (QStringList{program} + arguments).join(' '); }
    };
    std::vector<Start> starts;
    bool startDetached(const QString& program, const QStringList& arguments,
                       const QString& workingFolder) override {
        starts.push_back({program, arguments, workingFolder});
        return true;
    }
};

struct FakeInstanceGuard : InstanceGuard {
    bool otherCopyRunning = false;
    QString unavailable;  // not empty: the lock cannot be taken, for this reason
    Result acquire() override {
        if (otherCopyRunning) return Result::OtherCopyRunning;
        return unavailable.isEmpty() ? Result::Owner : Result::Unavailable;
    }
    QString problem() const override { return unavailable; }
};

struct FakePrompts : MessagePrompts {
    struct Shown {
        QString title, text;
        Icon icon;
    };
    std::vector<Shown> shown;
    void message(QWidget*, const QString& title, const QString& text, Icon icon) override {
        shown.push_back({title, text, icon});
    }
};

struct FakeQuestions : QuestionPrompts {
    bool answerYes = true;
    std::vector<std::pair<QString, QString>> asked;  // title, text
    bool askYesNo(QWidget*, const QString& title, const QString& text) override {
        asked.emplace_back(title, text);
        return answerYes;
    }
};

// Returns prepared answers and records what each dialog was asked to show.
struct FakeFileDialogs : FileDialogs {
    QStringList nextAnswer;  // empty: the user cancels
    std::vector<FileDialogRequest> requests;
    std::vector<QString> kinds;  // "open", "openMany", "save"
    QString openFile(const FileDialogRequest& r) override { return record("open", r).value(0); }
    QStringList openFiles(const FileDialogRequest& r) override { return record("openMany", r); }
    QString saveFile(const FileDialogRequest& r) override { return record("save", r).value(0); }

private:
    QStringList record(const char* kind, const FileDialogRequest& r) {
        requests.push_back(r);
        kinds.emplace_back(QString::fromLatin1(kind));
        return std::exchange(nextAnswer, {});
    }
};

struct FakeSounds : SoundPlayer {
    QStringList played;
    void playAndWait(const QString& path) override { played << path; }
};

// Answers with a prepared colour (or a cancel) and records where it started.
struct FakeColourDialogs : ColourDialogs {
    std::optional<QColor> answer;
    std::vector<QColor> starts;
    std::optional<QColor> chooseColour(QWidget*, const QColor& start,
                                       std::array<QColor, 16>& custom) override {
        starts.push_back(start);
        if (answer) custom[0] = *answer;  // the user stored it as a custom colour too
        return answer;
    }
};

struct FakeShell : Shell {
    QStringList opened;
    bool works = true;
    bool open(const QString& target) override {
        opened << target;
        return works;
    }
};

struct FakeLocale : LocaleSource {
    QLocale locale{QLocale::English, QLocale::UnitedKingdom};
    QLocale userLocale() const override { return locale; }
};

// A full set of fakes.
struct FakePlatform {
    FakeLauncher launcher;
    FakeInstanceGuard instanceGuard;
    FakePrompts prompts;
    FakeLocale locale;
    FakeQuestions questions;
    FakeFileDialogs fileDialogs;
    FakeSounds sounds;
    FakePrinterSystem printers;
    FakeColourDialogs colourDialogs;
    FakeShell shell;
    Platform services() {
        return {&launcher,    &instanceGuard, &prompts,  &locale,        &questions,
                &fileDialogs, &sounds,        &printers, &colourDialogs, &shell};
    }
};

}  // namespace vsm::test
