#pragma once

#include "platform/Platform.h"

#include <QStringList>
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
    bool acquire() override { return !otherCopyRunning; }
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
    Platform services() { return {&launcher, &instanceGuard, &prompts, &locale}; }
};

}  // namespace vsm::test
