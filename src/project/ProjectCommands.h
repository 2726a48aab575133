// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

#include <QString>
#include <functional>

namespace vsm {

struct Session;

// What the project and picture commands need of the main window.
struct MainWindowHooks {
    QWidget* owner = nullptr;
    std::function<void()> refresh;           // the model-selection refresh
    std::function<int()> currentModel;       // the model list's selection
    std::function<void(int)> selectModel;    // selects a model, which refreshes
    std::function<void()> showComposition;   // puts titles and switches on the controls
    std::function<void(bool)> busy;          // busy pointer on or off
    std::function<void()> saveSettings;      // writes the settings file
};

// Opening and saving projects, choosing and dropping pictures.
class ProjectCommands {
public:
    // Save as starts in the program folder until the first save elsewhere.
    ProjectCommands(const Platform& platform, Session& session, const QString& appFolder,
                    MainWindowHooks hooks);

    // Restores a composition. A path with no file behind it does nothing. A failure
    // is shown and leaves the lines read before it applied, with no project path,
    // so that a later Save asks for a name and overwrites neither project.
    void OpenProject(const QString& path);

    void openCommand();
    void saveCommand();
    void saveAsCommand();

    // The picture chooser for slot 1, 2 or 3.
    void ChoosePicture(int slot);

    // Puts a dropped file into the slot named by dropTargetSlot.
    void GotADrop(const QString& path);

    QString projectPath() const { return projectPath_; }
    QString saveFolder() const { return saveFolder_; }
    QString dropTargetSlot() const { return dropTargetSlot_; }
    void setDropTargetSlot(const QString& slot) { dropTargetSlot_ = slot; }

private:
    void showFailure(const QString& description);
    // Tells the user that the picture shown is only the part of the file that
    // could be read.
    void warnDamaged(const QString& path);
    void playClick();

    Platform platform_;
    Session& session_;
    MainWindowHooks hooks_;
    QString projectPath_;
    QString saveFolder_;
    QString dropTargetSlot_;
};

}  // namespace vsm
