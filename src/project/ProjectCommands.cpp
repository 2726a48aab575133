// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/ProjectCommands.h"

#include "model/Session.h"
#include "common/TextFile.h"
#include "project/CommDlgs.h"
#include "project/PictureLoader.h"
#include "project/ProjectFile.h"
#include "settings/InterfaceSound.h"
#include "settings/UiText.h"

#include <QDir>
#include <QFileInfo>

namespace vsm {

namespace {

const QString kProjectFilter =
    CommDlgs::joinFilter({QStringLiteral("File .vsm (Vessomar)"), QStringLiteral("*.vsm")});

}  // namespace

ProjectCommands::ProjectCommands(const Platform& platform, Session& session,
                                 const QString& appFolder, MainWindowHooks hooks)
    : platform_(platform), session_(session), hooks_(std::move(hooks)), saveFolder_(appFolder) {}

void ProjectCommands::OpenProject(const QString& path) {
    if (!TextFile::isRegularFile(path)) return;
    projectPath_ = path;
    const ProjectFile::ReadOutcome outcome = ProjectFile::readInto(session_, path);
    hooks_.showComposition();
    hooks_.refresh();
    for (const QString& damaged : outcome.damagedPictures) warnDamaged(damaged);
    if (!outcome.ok) {
        // The session now mixes the lines read from this file with the earlier
        // composition; that belongs to neither file, so Save has to ask for a name.
        projectPath_.clear();
        showFailure(outcome.error);
        return;
    }
    if (*outcome.currentModel != hooks_.currentModel()) hooks_.selectModel(*outcome.currentModel);
}

void ProjectCommands::openCommand() {
    const QString start = CommDlgs::existingFolderOr(session_.settings.lastProjectFolder, QDir::currentPath());
    const QString path = CommDlgs::ShowOpenDialog(*platform_.fileDialogs, hooks_.owner, 1,
                                                  dialogTitle(session_.uiText[101]), QString(),
                                                  kProjectFilter, start, QStringLiteral("vsm"));
    if (path.trimmed().isEmpty() || !QFileInfo(path).isFile()) return;
    session_.settings.lastProjectFolder = CommDlgs::TrovaPath(path);
    OpenProject(path);
    hooks_.saveSettings();
}

void ProjectCommands::saveCommand() {
    if (projectPath_.isEmpty()) {
        saveAsCommand();
    } else {
        hooks_.busy(true);
        QString error;
        const bool written =
            ProjectFile::WriteProject(session_, hooks_.currentModel(), projectPath_, &error);
        hooks_.busy(false);
        if (!written) {
            showFailure(error);
            return;
        }
    }
    playClick();
}

void ProjectCommands::saveAsCommand() {
    CommDlgs::FileDialogArguments dialog;
    dialog.initialFolder = CommDlgs::existingFolderOr(saveFolder_, QDir::currentPath());
    dialog.fileName = !projectPath_.isEmpty()
                          ? projectPath_
                          : stripAmpersands(session_.uiText[102]) + QStringLiteral(".vsm");
    dialog.title = dialogTitle(session_.uiText[52]);
    dialog.filter = kProjectFilter;
    dialog.defaultExtension = QStringLiteral("vsm");
    dialog.owner = hooks_.owner;
    const QString path = CommDlgs::ShowFileDialog(*platform_.fileDialogs, dialog).text;
    if (path.isEmpty()) return;
    if (QFileInfo::exists(path) &&
        !platform_.questions->askYesNo(
            hooks_.owner, dialogTitle(session_.uiText[18]),
            session_.uiText[103] + QStringLiteral("\n\n") + session_.uiText[104]))
        return;
    hooks_.busy(true);
    saveFolder_ = CommDlgs::TrovaPath(path);
    projectPath_ = path;
    QString error;
    const bool written = ProjectFile::WriteProject(session_, hooks_.currentModel(), path, &error);
    hooks_.busy(false);
    if (!written) showFailure(error);
}

void ProjectCommands::ChoosePicture(int slot) {
    const QString start = CommDlgs::existingFolderOr(session_.settings.lastPictureFolder,
                                           session_.folder.templatesFolder());
    const QString filter = CommDlgs::joinFilter({session_.uiText[20], QStringLiteral("*.jpg"),
                                                 session_.uiText[21], QStringLiteral("*.*")});
    const QString path = CommDlgs::ShowOpenDialog(*platform_.fileDialogs, hooks_.owner, 1,
                                                  dialogTitle(session_.uiText[19]), QString(),
                                                  filter, start, QStringLiteral("jpg"));
    if (path.isEmpty()) return;
    session_.settings.lastPictureFolder = CommDlgs::TrovaPath(path);
    const auto picture = loadPicture(path);
    if (!picture) return;
    session_.pictureSlots.put(slot, picture->composed(), path);
    hooks_.refresh();
    if (picture->damaged) warnDamaged(path);
    hooks_.saveSettings();
}

void ProjectCommands::GotADrop(const QString& path) {
    const int slot = dropTargetSlot_.toInt();
    if (slot >= 1 && slot <= 3) {
        const auto picture = loadPicture(path);
        if (!picture) {
            platform_.prompts->message(
                hooks_.owner, QStringLiteral("Impossibile aprire il file"),
                QStringLiteral("Immagine non valida o non riconosciuta dal programma!"),
                MessagePrompts::Icon::Exclamation);
            return;
        }
        session_.pictureSlots.put(slot, picture->composed(), path);
        hooks_.refresh();
        if (picture->damaged) warnDamaged(path);
        return;
    }
    hooks_.refresh();
}

void ProjectCommands::warnDamaged(const QString& path) {
    platform_.prompts->message(hooks_.owner, session_.uiText[110],
                               session_.uiText[109] + QStringLiteral("\n\n") +
                                   QDir::toNativeSeparators(path),
                               MessagePrompts::Icon::Exclamation);
}

void ProjectCommands::showFailure(const QString& description) {
    platform_.prompts->message(hooks_.owner, dialogTitle(session_.uiText[105]), description,
                               MessagePrompts::Icon::Exclamation);
}

void ProjectCommands::playClick() {
    playInterfaceSound(session_.settings.soundsOn, platform_.sounds, session_.folder.clickSound());
}

}  // namespace vsm
