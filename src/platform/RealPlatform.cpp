#include "platform/RealPlatform.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

namespace vsm {

bool RealProcessLauncher::startDetached(const QString& program, const QStringList& arguments,
                                        const QString& workingFolder) {
    const QString found = QFileInfo(program).isAbsolute()
                              ? (QFileInfo(program).isExecutable() ? program : QString())
                              : QStandardPaths::findExecutable(program);
    if (found.isEmpty()) return false;
    QProcess process;
    process.setProgram(found);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingFolder);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

LockFileInstanceGuard::LockFileInstanceGuard(QString lockPath)
    : lock_(std::make_unique<QLockFile>(lockPath)) {
    lock_->setStaleLockTime(0);  // the lock lives as long as the program, not 30 s
}

bool LockFileInstanceGuard::acquire() {
    if (lock_->isLocked()) return true;
    QDir().mkpath(QFileInfo(lock_->fileName()).absolutePath());
    return lock_->tryLock(0);
}

QString LockFileInstanceGuard::defaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return folder + QStringLiteral("/vessomar.lock");
}

void QtMessagePrompts::message(QWidget* owner, const QString& title, const QString& text,
                               Icon icon) {
    QMessageBox box(owner);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
        case Icon::Information: box.setIcon(QMessageBox::Information); break;
        case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
        case Icon::Question: box.setIcon(QMessageBox::Question); break;
        case Icon::None: break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

}  // namespace vsm
