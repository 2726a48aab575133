// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RealPlatform.h"

#include <QDir>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QEventLoop>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
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

// Only a lock held by a live copy means another copy runs. Any other failure (no
// right to write the folder, a full disk) says nothing about other copies.
InstanceGuard::Result LockFileInstanceGuard::acquire() {
    if (lock_->isLocked()) return Result::Owner;
    QDir().mkpath(QFileInfo(lock_->fileName()).absolutePath());
    if (lock_->tryLock(0)) return Result::Owner;
    if (lock_->error() == QLockFile::LockFailedError) return Result::OtherCopyRunning;
    problem_ = QStringLiteral("cannot take the lock file %1: %2")
                   .arg(lock_->fileName(), reasonForFailure());
    return Result::Unavailable;
}

QString LockFileInstanceGuard::reasonForFailure() const {
    const QFileInfo folder(QFileInfo(lock_->fileName()).absolutePath());
    if (!folder.isDir()) return QStringLiteral("%1 is not a folder").arg(folder.filePath());
    if (lock_->error() == QLockFile::PermissionError)
        return QStringLiteral("no permission to create files in %1").arg(folder.filePath());
    return QStringLiteral("the file cannot be created or written");
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

namespace vsm {

bool QtQuestionPrompts::askYesNo(QWidget* owner, const QString& title, const QString& text) {
    QMessageBox box(owner);
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(QMessageBox::Warning);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

namespace {

// "*.jpg" becomes "*.[jJ][pP][gG]", so that the dialog's matching ignores case.
QString caseless(const QString& pattern) {
    QString out;
    for (QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            out += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        else
            out += c;
    }
    return out;
}

QStringList nameFilters(const QList<FileFilter>& filters) {
    QStringList out;
    for (const FileFilter& f : filters) {
        QStringList patterns;
        for (const QString& p : f.pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            patterns << caseless(p.trimmed());
        out << QStringLiteral("%1 (%2)").arg(f.description, patterns.join(QLatin1Char(' ')));
    }
    return out;
}

QStringList runDialog(const FileDialogRequest& r, QFileDialog::FileMode mode,
                      QFileDialog::AcceptMode accept) {
    QFileDialog dialog(r.owner, r.title, r.initialFolder);
    dialog.setFileMode(mode);
    dialog.setAcceptMode(accept);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(nameFilters(r.filters));
    if (!r.filters.isEmpty())
        dialog.selectNameFilter(dialog.nameFilters().value(r.preselectedFilter));
    dialog.setDefaultSuffix(r.defaultExtension);
    if (!r.proposedName.isEmpty()) dialog.selectFile(r.proposedName);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles();
}

}  // namespace

QString QtFileDialogs::openFile(const FileDialogRequest& request) {
    return runDialog(request, QFileDialog::ExistingFile, QFileDialog::AcceptOpen).value(0);
}

QStringList QtFileDialogs::openFiles(const FileDialogRequest& request) {
    return runDialog(request, QFileDialog::ExistingFiles, QFileDialog::AcceptOpen);
}

QString QtFileDialogs::saveFile(const FileDialogRequest& request) {
    return runDialog(request, QFileDialog::AnyFile, QFileDialog::AcceptSave).value(0);
}

}  // namespace vsm

namespace vsm {

std::optional<QColor> QtColourDialogs::chooseColour(QWidget* owner, const QColor& start,
                                                    std::array<QColor, 16>& customColours) {
    for (int i = 0; i < 16; ++i) QColorDialog::setCustomColor(i, customColours[size_t(i)]);
    QColorDialog dialog(start, owner);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    if (!chosen) return std::nullopt;
    for (int i = 0; i < 16; ++i) customColours[size_t(i)] = QColorDialog::customColor(i);
    return dialog.selectedColor();
}

bool DesktopShell::open(const QString& fileOrAddress) {
    const QUrl url = fileOrAddress.contains(QLatin1String("://"))
                         ? QUrl(fileOrAddress)
                         : QUrl::fromLocalFile(fileOrAddress);
    return QDesktopServices::openUrl(url);
}

}  // namespace vsm

namespace vsm {

void QtSoundPlayer::playAndWait(const QString& wavPath) {
    if (!QFileInfo(wavPath).isFile() || QMediaDevices::audioOutputs().isEmpty()) return;
    QSoundEffect effect;
    QEventLoop loop;
    QTimer guard;  // a click lasts a tenth of a second; never wait long for it
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect.status() == QSoundEffect::Ready) effect.play();
        if (effect.status() == QSoundEffect::Error) loop.quit();
    });
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (!effect.isPlaying()) loop.quit();
    });
    effect.setSource(QUrl::fromLocalFile(wavPath));
    guard.start(1500);
    // The window does not react while the sound plays, as the click promises.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace vsm
