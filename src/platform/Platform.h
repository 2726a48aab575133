#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

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
    virtual ~InstanceGuard() = default;
    // True when this copy is the only one; it then stays the owner until it ends.
    virtual bool acquire() = 0;
};

// Message boxes; modal on screen, recorded in tests.
class MessagePrompts {
public:
    enum class Icon { None, Information, Exclamation, Critical, Question };
    virtual ~MessagePrompts() = default;
    virtual void message(QWidget* owner, const QString& title, const QString& text,
                         Icon icon) = 0;
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
};

}  // namespace vsm
