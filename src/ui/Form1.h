// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Session.h"
#include "model/Refresh.h"
#include "platform/Platform.h"
#include "print/PdfExport.h"
#include "print/frmStampa.h"
#include "project/ProjectCommands.h"

#include <QMainWindow>
#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;

namespace vsm {

class OutlineView;
class Toolbar;
class ZoneView;

// The main window: menus, tool bar, model list, the preview and the hint line.
// It shows the session's state and forwards events to it.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // Designed inner size in twips.
    static constexpr int kDesignedInnerWidth = 9930;
    static constexpr int kDesignedInnerHeight = 7290;
    static constexpr int kMinimumOuterWidth = 8600;
    static constexpr int kMinimumOuterHeight = 5500;

    Form1(const Platform& platform, const AppFolder& folder, QString commandLine,
          QWidget* parent = nullptr);
    ~Form1() override;

    // Runs the load steps in their fixed order. False when this copy must end at
    // once (another copy is running).
    bool load();

    // The refresh: brings the preview up to date for the selected model.
    void Combo1_Click();

    // Selects model k in the list, which runs the refresh.
    void selectModel(int k);

    // The model list's selection, -1 when none.
    int currentModel() const;

    // Window state as stored: 0 normal, 1 minimised, 2 maximised.
    int storedWindowState() const;

    // Inner area size in twips.
    int scaleWidth() const;
    int scaleHeight() const;
    InnerSize innerSize() const { return {scaleWidth(), scaleHeight()}; }

    // Puts the current language's texts on the menus, labels and model list.
    void ApplyLanguage();

    // Re-anchors the window's furniture to its size and refreshes the preview.
    void Form_Resize();

    // File > Exit: ends at once, without the unload steps.
    void exitImmediately();

    // Prints the cover of the current model on the current printer.
    void StampaCopertina();
    // File > Print: the print dialog.
    void openPrintDialog();
    // File > Export PDF: the page vessomar-render writes, saved where the user says.
    void exportPdf();
    // File > Print preview: the page as it will print on the current printer.
    void openPrintPreview();

    // Tools > Add title: the title dialog.
    void openTitleDialog();
    // Tools > Options: the options dialog.
    void openOptionsDialog();
    // Tools > Printer calibration: the current printer's correction.
    void openCalibrationDialog();
    // Tools > Language: a language file chosen in a file dialog becomes the
    // interface language at once.
    void ChooseLanguage();
    // Help > Help: the help page of the current language in the desktop's browser.
    void OpenHelpPage();
    // Help > About: the about window, while the main window hides.
    void openAboutWindow();

    Toolbar& toolbar() { return *toolbar_; }

    // Shows the titles and switches of the composition on the window's controls.
    void showComposition();

    // A slot's fit mode, from a zone's context menu or the File menu: the preview
    // follows at once.
    void chooseFitMode(int slot, FitMode mode);

    ProjectCommands& projectCommands() { return *projectCommands_; }
    Session& session() { return session_; }
    const Session& session() const { return session_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    QMenu* addMenu(const QString& name);
    QAction* addEntry(QMenu* menu, const QString& name);
    void addSeparator(QMenu* menu, const QString& name);
    void buildControls();
    void buildPreview();
    void buildToolbar();
    void applyStoredWindowState();
    void fillModelList();
    void showPreview();
    void showTitleFont();
    void onCoverTitleEdited(const QString& text);
    void onOutlineSwitch();
    void keepMinimumSize();
    void anchorFurniture();
    void fitModelList();
    QLabel* image5(int index) const;
    void toolbarClicked(int index);
    void playSound(const QString& file);
    void openWithShell(const QString& address);
    void unload();
    void wireCommands();
    void setDropTargetFrom(QWidget* under);
    bool routeTitleBoxFileDrag(QEvent* event);
    void SalvaOpzioni();
    void buildFitMenu(QMenu* menu, int slot);
    void showFitModes();
    void showSoftPictures();
    void zoneHovered(int slot);
    void openZoneMenu(int slot, const QPoint& at);

    // The load steps, one function each, in the order load() runs them.
    void registerDropTarget();
    void createImagingEngines();
    void setVersionCaption();
    void setAppFolder();
    void giveZonesBlankPictures();
    void initialiseScale();
    void readSettings();
    void readOutputOptions();
    void loadCatalogue();
    void chooseLanguageFromLocale();
    void setModelCount();
    bool refuseSecondCopy();
    void placeSideZones();
    void setPrinterLandscape();
    void selectSavedModel();
    void switchTitlesOnAndRefresh();
    void openCommandLineProject();

    Platform platform_;
    AppFolder folderGiven_;
    QString commandLine_;
    Session session_;
    std::unique_ptr<ProjectCommands> projectCommands_;
    PrintDialogState printDialogState_;
    std::unique_ptr<PdfExport> pdfExport_;
    bool loaded_ = false;
    bool unloaded_ = false;
    bool exiting_ = false;

    QWidget* canvas_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label5_ = nullptr;
    QLabel* label6_ = nullptr;
    QLabel* sfondo1_ = nullptr;
    QFrame* shape5_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QFrame* line1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLabel* label3_ = nullptr;
    QFrame* bordo_ = nullptr;
    ZoneView *image1_, *image2_, *image3_, *image4_, *image6_, *image7_, *image8_;
    OutlineView *shape1_, *shape2_, *shape3_;
    Toolbar* toolbar_ = nullptr;
    QMenu* coverSearchMenu_ = nullptr;
    QList<QAction*> formatEntries_;
    std::array<QMenu*, 3> fitMenus_{};  // File > the shape of pictures 1 to 3
    QMenu* zoneMenu_ = nullptr;         // a zone's context menu, made when it opens
};

}  // namespace vsm
