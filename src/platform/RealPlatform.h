#pragma once

#include "platform/Platform.h"

#include <QLockFile>
#include <memory>

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
    bool acquire() override;
    static QString defaultLockPath();

private:
    std::unique_ptr<QLockFile> lock_;
};

class QtMessagePrompts : public MessagePrompts {
public:
    void message(QWidget* owner, const QString& title, const QString& text,
                 Icon icon) override;
};

class SystemLocaleSource : public LocaleSource {
public:
    QLocale userLocale() const override { return QLocale::system(); }
};

// The real platform services, owned together.
struct RealPlatform {
    RealProcessLauncher launcher;
    LockFileInstanceGuard instanceGuard;
    QtMessagePrompts prompts;
    SystemLocaleSource locale;

    Platform services() { return {&launcher, &instanceGuard, &prompts, &locale}; }
};

}  // namespace vsm
