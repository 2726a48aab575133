// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form1.h"

#include "common/Version.h"
#include "platform/PrintSurface.h"
#include "model/PictureFit.h"

#include "print/CorrectedJob.h"
#include "print/SessionPrintValue.h"
#include "print/StampaCopertina.h"
#include "print/CoverPage.h"
#include "print/frmCalibrazione.h"
#include "ui/PrintPreviewWindow.h"
#include "project/CommDlgs.h"
#include "settings/HelpPages.h"
#include "settings/InterfaceSound.h"
#include "settings/frmOpzioni.h"
#include "title/frmTitolo.h"
#include "settings/MainCaptions.h"
#include "settings/PortableMode.h"
#include "ui/PreviewWidgets.h"
#include "ui/Toolbar.h"
#include "ui/WebAddresses.h"
#include "ui/frmAbout2.h"
#include "widgets/PlaceControl.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>
#include <cstdio>

namespace vsm {

namespace {

// The resize layout and the minimum size convert their twips offsets by whole
// division, not by twipsToPixels: rounding would move the anchored furniture and
// the minimum by a pixel from where the window has always put them.
constexpr int k = kTwipsPerPixel;

constexpr int kLine1Y = 780;
constexpr int kHintHeight = 300;

}  // namespace

Form1::Form1(const Platform& platform, const AppFolder& folder, QString commandLine,
             QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      folderGiven_(folder),
      commandLine_(std::move(commandLine)) {
    setObjectName(QStringLiteral("Form1"));
    buildMenus();
    buildControls();
    wireCommands();
    keepMinimumSize();
    resize(twipsToPixels(kDesignedInnerWidth),
           twipsToPixels(kDesignedInnerHeight) + menuBar()->sizeHint().height());
}

Form1::~Form1() = default;

bool Form1::load() {
    registerDropTarget();          // 1
    createImagingEngines();        // 2
    /* 3: the catalogue holds 22 records, CoverCatalogue::kLastModelIndex */
    setVersionCaption();           // 4
    setAppFolder();                // 5
    giveZonesBlankPictures();      // 6
    initialiseScale();             // 7
    readSettings();                // 8
    loadCatalogue();               // 9
    chooseLanguageFromLocale();    // 10
    setModelCount();               // 11
    ApplyLanguage();               // 12
    if (refuseSecondCopy()) return false;  // 13
    placeSideZones();              // 14
    setPrinterLandscape();         // 15
    loaded_ = true;
    selectSavedModel();            // 16
    switchTitlesOnAndRefresh();    // 17
    openCommandLineProject();      // 18
    return true;
}

void Form1::registerDropTarget() { setAcceptDrops(true); }

// The session holds the two engines: one draws titles, one cuts the slim pieces.
void Form1::createImagingEngines() {}

void Form1::setVersionCaption() { setWindowTitle(Version::caption()); }

void Form1::setAppFolder() { session_.folder = folderGiven_; }

void Form1::giveZonesBlankPictures() {
    for (int n = 1; n <= 3; ++n) session_.pictureSlots.put(n, blankPicture(), QString());
}

void Form1::initialiseScale() {
    session_.model.previewScale = 20;
    session_.model.loadScaleHeight = static_cast<std::int16_t>(scaleHeight());
}

void Form1::readSettings() {
    session_.readSettings();
    readOutputOptions();
    applyStoredWindowState();
}

void Form1::readOutputOptions() {
    QStringList warnings;
    session_.readOutputOptions(&warnings);
    for (const QString& w : warnings) std::fprintf(stderr, "%s\n", qPrintable(w));
}

void Form1::loadCatalogue() { session_.loadCatalogue(); }

void Form1::chooseLanguageFromLocale() {
    session_.chooseLanguageIfBlank(platform_.locale->userLocale());
}

void Form1::setModelCount() { session_.modelCount = session_.catalogue.modelCount; }

// Only a live copy refuses the start; a lock that cannot be taken for another
// reason is reported and the program starts anyway.
bool Form1::refuseSecondCopy() {
    switch (platform_.instanceGuard->acquire()) {
        case InstanceGuard::Result::Owner:
            return false;
        case InstanceGuard::Result::Unavailable:
            std::fprintf(stderr, "Vessomar: %s; starting without the one-copy check\n",
                         qPrintable(platform_.instanceGuard->problem()));
            return false;
        case InstanceGuard::Result::OtherCopyRunning:
            break;
    }
    platform_.prompts->message(nullptr, dialogTitle(session_.uiText[18]), session_.uiText[107],
                               MessagePrompts::Icon::Exclamation);
    return true;
}

void Form1::placeSideZones() {
    PreviewControls& p = session_.preview;
    p.image2.rect.twips.moveLeft(p.image1.rect.twips.right());
    p.image3.rect.twips.moveLeft(p.image2.rect.twips.right());
}

void Form1::setPrinterLandscape() {
    session_.model.printerOrientation = PrinterOrientation::Landscape;
}

void Form1::selectSavedModel() { selectModel(session_.settings.savedModelIndex); }

void Form1::switchTitlesOnAndRefresh() {
    session_.model.coverTitleOn = 1;
    session_.model.spineTitleOn = 1;
    Combo1_Click();
}

void Form1::openCommandLineProject() {
    if (!commandLine_.trimmed().isEmpty()) projectCommands_->OpenProject(commandLine_);
}

void Form1::wireCommands() {
    MainWindowHooks hooks;
    hooks.owner = this;
    hooks.refresh = [this] { Combo1_Click(); };
    hooks.currentModel = [this] { return currentModel(); };
    hooks.selectModel = [this](int model) { selectModel(model); };
    hooks.showComposition = [this] { showComposition(); };
    hooks.busy = [](bool on) {
        if (on) QApplication::setOverrideCursor(Qt::WaitCursor);
        else QApplication::restoreOverrideCursor();
    };
    hooks.saveSettings = [this] { SalvaOpzioni(); };
    projectCommands_ =
        std::make_unique<ProjectCommands>(platform_, session_, folderGiven_.root, hooks);
    ProjectCommands* p = projectCommands_.get();
    const auto on = [this](const char* name, auto slot) {
        connect(findChild<QAction*>(QLatin1String(name)), &QAction::triggered, this, slot);
    };
    on("mnuFileStampa", [this] { openPrintDialog(); });
    on("mnuFileAnteprima", [this] { openPrintPreview(); });
    on("mnuFileEsportaPdf", [this] { exportPdf(); });
    on("mnuTitolo", [this] { openTitleDialog(); });
    on("mnuOpzioni", [this] { openOptionsDialog(); });
    on("mnuCalibrazione", [this] { openCalibrationDialog(); });
    on("mnuLingua", [this] { ChooseLanguage(); });
    on("mnuMenu1Guida", [this] { OpenHelpPage(); });
    on("mnuAggLingua", [this] { openWithShell(WebAddresses::languages()); });
    on("mnuDonazioniFaiunadonazione", [this] { openWithShell(WebAddresses::donation()); });
    on("mnuAggiornamenti", [this] { openWithShell(WebAddresses::product()); });
    on("mnuVersione",
       [this] { openWithShell(session_.folder.path(QStringLiteral("/Versioni.txt"))); });
    on("mnuMenu1Informazioni", [this] { openAboutWindow(); });
    on("mnuApriDS", [p] { p->openCommand(); });
    on("mnuSalva", [p] { p->saveCommand(); });
    on("mnuSalvaConNome", [p] { p->saveAsCommand(); });
    on("mnuFileApri", [p] { p->ChoosePicture(1); });
    on("mnuImg2", [p] { p->ChoosePicture(2); });
    on("mnuImg3", [p] { p->ChoosePicture(3); });
    for (ZoneView* zone : {image1_, image2_, image3_, image4_, image6_, image7_, image8_}) {
        const int slot = slotOfZone(zone->objectName());
        connect(zone, &ZoneView::clicked, this, [p, slot] { p->ChoosePicture(slot); });
        connect(zone, &ZoneView::hovered, this, [this, p, slot] {
            p->setDropTargetSlot(QString::number(slot));
            zoneHovered(slot);
        });
        zone->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(zone, &QWidget::customContextMenuRequested, this, [this, zone, slot](QPoint at) {
            openZoneMenu(slot, zone->mapToGlobal(at));
        });
    }
}

// Three exclusive entries, one per mode, each carrying its mode.
void Form1::buildFitMenu(QMenu* menu, int slot) {
    auto* group = new QActionGroup(menu);
    for (const FitMode mode : kFitModes) {
        QAction* entry = menu->addAction(fitModeCaption(session_.uiText, mode));
        entry->setObjectName(QStringLiteral("mnuFitMode%1").arg(int(mode)));
        entry->setCheckable(true);
        entry->setChecked(session_.pictureSlots[slot].mode == mode);
        entry->setActionGroup(group);
        connect(entry, &QAction::triggered, this,
                [this, slot, mode] { chooseFitMode(slot, mode); });
    }
}

void Form1::openZoneMenu(int slot, const QPoint& at) {
    if (zoneMenu_) {
        zoneMenu_->setObjectName(QString());
        zoneMenu_->deleteLater();
    }
    zoneMenu_ = new QMenu(this);
    zoneMenu_->setObjectName(QStringLiteral("mnuZoneFit"));
    buildFitMenu(zoneMenu_, slot);
    zoneMenu_->popup(at);
}

void Form1::chooseFitMode(int slot, FitMode mode) {
    if (setFitMode(session_, slot, mode)) Combo1_Click();
    showFitModes();
    zoneHovered(slot);
}

void Form1::showFitModes() {
    for (int slot = 1; slot <= 3; ++slot) {
        const QList<QAction*> entries = fitMenus_[size_t(slot - 1)]->actions();
        for (int i = 0; i < entries.size(); ++i)
            entries[i]->setChecked(session_.pictureSlots[slot].mode == kFitModes[i]);
    }
}

// The hint line keeps saying which pictures print soft while they do.
void Form1::showSoftPictures() {
    const QStringList warnings = softPictureWarnings(session_, currentModel());
    toolbar_->setStandingHint(warnings.join(QStringLiteral("  ")));
}

void Form1::zoneHovered(int slot) {
    for (const SoftPicture& soft : softPictures(session_, currentModel()))
        if (soft.slot == slot) label1_->setText(softPictureWarning(session_.uiText, soft));
}

void Form1::openPrintDialog() {
    frmStampa dialog(platform_, session_, printDialogState_, [this] { StampaCopertina(); }, this);
    dialog.exec();
}

void Form1::exportPdf() {
    if (!pdfExport_) pdfExport_ = std::make_unique<PdfExport>(platform_);
    pdfExport_->run(this, session_, currentModel(), projectCommands_->projectPath());
}

void Form1::openPrintPreview() {
    const int model = currentModel();
    QStringList warnings;
    const PrintValue pageValue = correctedForCurrentPrinter(
        platform_.printers, session_.folder.dataFilesFolder(), printValue(session_, model), &warnings);
    for (const QString& w : warnings) std::fprintf(stderr, "%s\n", qPrintable(w));
    const PaperArea paper = PagePreview::paperFor(platform_.printers, printsPortrait(session_, model));
    const double screenDpi = logicalDpiX() * devicePixelRatioF();
    auto* window = new PrintPreviewWindow(PagePreview(pageValue, paper, screenDpi), session_.uiText,
                                          [this] { openPrintDialog(); }, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void Form1::openTitleDialog() {
    frmTitolo dialog(platform_, session_, [this] {
        showComposition();
        Combo1_Click();
    }, this);
    dialog.exec();
}

void Form1::openOptionsDialog() {
    frmOpzioni dialog(
        platform_, session_, currentModel(),
        [this] { session_.saveCatalogue(currentModel(), storedWindowState()); },
        [this] {
            session_.readSettings();
            session_.loadCatalogue();
        },
        this);
    const OutputOptions before = session_.output;
    dialog.exec();
    if (session_.output != before) Combo1_Click();  // a disc face may be clipped now
}

void Form1::openCalibrationDialog() {
    frmCalibrazione dialog(platform_, session_, this);
    dialog.exec();
}

void Form1::ChooseLanguage() {
    const QString filter = CommDlgs::joinFilter(
        {session_.uiText[46], QStringLiteral("*.lng"), session_.uiText[21], QStringLiteral("*")});
    const QString path = CommDlgs::ShowOpenDialog(
        *platform_.fileDialogs, this, 1, dialogTitle(session_.uiText[45]), QString(), filter,
        session_.folder.langFolder(), QStringLiteral("lng"));
    if (path.isEmpty()) return;
    const int model = currentModel();
    session_.settings.languageName = languageNameFromPath(path, session_.settings.languageName);
    SalvaOpzioni();
    ApplyLanguage();
    selectModel(model);
    Form_Resize();
}

void Form1::openAboutWindow() {
    auto* about = new frmAbout2(platform_, session_, WebAddresses::kHome, this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

void Form1::OpenHelpPage() {
    const QString page = session_.folder.path(helpPageFor(session_.settings.languageName));
    if (platform_.shell && QFileInfo::exists(page)) platform_.shell->open(page);
}

void Form1::StampaCopertina() {
    CorrectedJobCalls calls;
    calls.printAnyway = [this](const QString& warning) {
        return !platform_.questions ||
               platform_.questions->askYesNo(this, session_.uiText[115], warning);
    };
    calls.notify = [this](const QString& notice) {
        platform_.prompts->message(this, session_.uiText[115], notice,
                                   MessagePrompts::Icon::Information);
    };
    calls.fileWarning = [](const QString& w) { std::fprintf(stderr, "%s\n", qPrintable(w)); };
    calls.stepFailed = [this] {
        platform_.prompts->message(this, printFailureTitle(), printFailureText(),
                                   MessagePrompts::Icon::Exclamation);
    };
    printCorrectedCover(platform_.printers, session_.folder.dataFilesFolder(), session_.uiText,
                        printValue(session_, currentModel()), calls);
}

void Form1::SalvaOpzioni() {
    session_.settings.write(session_.folder.settingsFile(), currentModel(), storedWindowState());
}

void Form1::showComposition() {
    const QSignalBlocker quietText(text1_);
    const QSignalBlocker quietSwitch(check1_);
    text1_->setText(session_.titles.coverTitleText);
    text2_->setText(session_.titles.spineTitleText);
    check1_->setChecked(session_.outlineOn);
    showTitleFont();
}

// While a file is dragged, the zone under the pointer names the slot it goes to;
// anything else (background, tool bar) names none.
void Form1::setDropTargetFrom(QWidget* under) {
    const int slot = under ? slotOfZone(under->objectName()) : 0;
    projectCommands_->setDropTargetSlot(slot ? QString::number(slot) : QString());
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void Form1::dragMoveEvent(QDragMoveEvent* event) {
    setDropTargetFrom(canvas_->childAt(canvas_->mapFrom(this, event->position().toPoint())));
    event->acceptProposedAction();
}

// Files dragged over the cover-title box go where they go over any other place
// outside the zones, instead of becoming the title's text.
bool Form1::routeTitleBoxFileDrag(QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    auto* drag = static_cast<QDropEvent*>(event);
    const QList<QUrl> urls = drag->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) return false;
    if (type == QEvent::Drop) {
        dropEvent(drag);
    } else {
        setDropTargetFrom(text1_);
        drag->acceptProposedAction();
    }
    return true;
}

void Form1::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty()) return;
    event->acceptProposedAction();
    // Only the first file of a drop counts.
    projectCommands_->GotADrop(urls.first().toLocalFile());
}

void Form1::applyStoredWindowState() {
    switch (session_.settings.savedWindowState) {
        case 1: setWindowState(Qt::WindowMinimized); break;
        case 2: setWindowState(Qt::WindowMaximized); break;
        default: setWindowState(Qt::WindowNoState); break;
    }
}

int Form1::storedWindowState() const {
    if (windowState() & Qt::WindowMinimized) return 1;
    if (windowState() & Qt::WindowMaximized) return 2;
    return 0;
}

int Form1::scaleWidth() const { return canvas_->width() * k; }
int Form1::scaleHeight() const { return canvas_->height() * k; }

void Form1::Combo1_Click() {
    session_.model.currentModel = combo1_->currentIndex();
    refreshPreview(session_, innerSize());
    showPreview();
    showSoftPictures();
    showFitModes();
}

void Form1::showPreview() {
    const PreviewControls& p = session_.preview;
    label3_->setGeometry(twipsToPixels(p.label3));
    label3_->setVisible(p.label3Visible);
    bordo_->setGeometry(twipsToPixels(p.bordo));
    bordo_->setVisible(p.bordoVisible);
    const std::pair<ZoneView*, const ZoneControl*> zones[] = {
        {image1_, &p.image1}, {image2_, &p.image2}, {image3_, &p.image3}, {image4_, &p.image4},
        {image6_, &p.image6}, {image7_, &p.image7}, {image8_, &p.image8}};
    for (const auto& [view, zone] : zones) {
        view->setGeometry(twipsToPixels(zone->rect));
        view->setPicture(zone->picture);
        view->setVisible(zone->visible);
    }
    const std::pair<OutlineView*, const OutlineControl*> outlines[] = {
        {shape1_, &p.shape1}, {shape2_, &p.shape2}, {shape3_, &p.shape3}};
    for (const auto& [view, outline] : outlines) {
        view->setGeometry(twipsToPixels(outline->rect));
        view->setOutline(*outline);
        view->setVisible(outline->visible);
    }
}

void Form1::selectModel(int index) {
    combo1_->setCurrentIndex(index >= 0 && index < combo1_->count() ? index : -1);
    Combo1_Click();
}

int Form1::currentModel() const { return combo1_->currentIndex(); }

void Form1::ApplyLanguage() {
    session_.readLanguageFile();
    fillModelList();
    for (int i = 0; i < formatEntries_.size(); ++i)
        formatEntries_[i]->setText(formatEntryCaption(session_.uiText, i));
    toolbar_->captureRestPositions();
    toolbar_->setTexts(session_.uiText);
    for (const auto& [name, caption] : mainWindowCaptions(session_.uiText)) {
        if (auto* action = findChild<QAction*>(name)) action->setText(caption);
        else if (auto* menu = findChild<QMenu*>(name)) menu->setTitle(caption);
        else if (auto* label = findChild<QLabel*>(name)) label->setText(caption);
    }
    text1_->setPlaceholderText(stripAmpersands(session_.uiText[92]));
    for (int slot = 1; slot <= 3; ++slot) {
        QMenu* menu = fitMenus_[size_t(slot - 1)];
        menu->setTitle(fitMenuCaption(session_.uiText, slot));
        const QList<QAction*> entries = menu->actions();
        for (int i = 0; i < entries.size(); ++i)
            entries[i]->setText(fitModeCaption(session_.uiText, kFitModes[i]));
    }
}

void Form1::fillModelList() {
    const QSignalBlocker quiet(combo1_);
    combo1_->clear();
    for (int i = 0; i < session_.modelCount; ++i) combo1_->addItem(modelName(session_.uiText, i));
}

void Form1::onCoverTitleEdited(const QString& text) {
    session_.titles.coverTitleText = text;
    Combo1_Click();
}

void Form1::onOutlineSwitch() {
    session_.outlineOn = check1_->isChecked();
    Combo1_Click();
}

// The cover-title box shows the titles' font and colour.
void Form1::showTitleFont() {
    const TitleSettings& t = session_.titles;
    QFont font(t.fontName);
    font.setPointSizeF(t.fontSize);
    font.setBold(t.bold);
    font.setItalic(t.italic);
    font.setUnderline(t.underline);
    text1_->setFont(font);
    QPalette palette = text1_->palette();
    palette.setColor(QPalette::Text, toQColor(t.colour));
    text1_->setPalette(palette);
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (loaded_) Form_Resize();
}

void Form1::Form_Resize() {
    keepMinimumSize();
    anchorFurniture();
    toolbar_->captureRestPositions();
    Combo1_Click();
    fitModelList();
    for (QWidget* w : std::initializer_list<QWidget*>{combo1_, label1_, sfondo1_, check1_, label6_,
                                                      shape5_, image5(0), image5(1), image5(2),
                                                      image5(8), image5(9)})
        w->show();
}

// The minimum is an outer size, so it follows the frame the desktop draws. A window
// manager that gives a smaller size anyway (a tiling one) still gets a laid-out
// window: the resize that brought it runs the layout as any other.
void Form1::keepMinimumSize() {
    const QSize frame = frameGeometry().size() - size();
    setMinimumSize(kMinimumOuterWidth / k - frame.width(),
                   kMinimumOuterHeight / k - frame.height());
}

void Form1::anchorFurniture() {
    for (QWidget* w : std::initializer_list<QWidget*>{label1_, sfondo1_, image5(2), check1_,
                                                      label6_, shape5_})
        w->hide();
    const int sw = scaleWidth() / k, sh = scaleHeight() / k;
    label1_->setGeometry(0, sh - label1_->height(), sw, label1_->height());
    const QSize outer = frameGeometry().size();
    sfondo1_->setGeometry(0, kLine1Y / k, outer.width(), outer.height() - kLine1Y / k);
    image5(2)->move(sw - image5(2)->width() - 160 / k, image5(2)->y());
    check1_->move(check1_->x(), label1_->y() - check1_->height() - 200 / k);
    label6_->move(label6_->x(), check1_->y());
    shape5_->setGeometry(label1_->geometry());
    text1_->move((sw - text1_->width()) / 2, check1_->y() + check1_->height() / 2 - text1_->height() / 2);
    line1_->setGeometry(line1_->x(), line1_->y(), outer.width() - line1_->x(), line1_->height());
}

// The model list is 4000 twips wide, right of its label and the search button,
// and narrowed to end 150 twips before the right-hand button.
void Form1::fitModelList() {
    combo1_->hide();
    int left = label5_->x() + label5_->width() + 100 / k;
    int width = 4000 / k;
    const int searchRight = image5(8)->x() + image5(8)->width() + 150 / k;
    if (searchRight > left) left = searchRight;
    const int rightButton = image5(2)->x() - 150 / k;
    if (rightButton < left + width) width = rightButton - left;
    combo1_->setGeometry(left, combo1_->y(), std::max(0, width), combo1_->height());
}

void Form1::exitImmediately() {
    exiting_ = true;
    QApplication::exit(0);
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!exiting_ && !unloaded_) unload();
    event->accept();
}

void Form1::unload() {
    unloaded_ = true;
    session_.saveCatalogue(currentModel(), storedWindowState());
    if (PortableMode::isPortable(session_.folder))
        PortableMode::runCleanup(*platform_.launcher, session_.folder);
    setAcceptDrops(false);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text1_)
        return routeTitleBoxFileDrag(event) || QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove) {
        if (watched == canvas_ || watched == sfondo1_) toolbar_->backgroundMoved();
        // These moves must not reach the background behind the controls.
        if (watched == check1_) {
            toolbar_->outlineSwitchHovered(session_.uiText[29]);
            return true;
        }
        if (watched == label5_) {
            toolbar_->modelLabelHovered(session_.uiText[30]);
            return true;
        }
    }
    if (watched == label6_ && event->type() == QEvent::MouseButtonRelease) {
        check1_->toggle();  // clicking the caption toggles the switch
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

QMenu* Form1::addMenu(const QString& name) {
    QMenu* menu = menuBar()->addMenu(name);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name + QStringLiteral("Action"));
    return menu;
}

QAction* Form1::addEntry(QMenu* menu, const QString& name) {
    QAction* action = menu->addAction(name);
    action->setObjectName(name);
    return action;
}

void Form1::addSeparator(QMenu* menu, const QString& name) {
    menu->addSeparator()->setObjectName(name);
}

void Form1::buildMenus() {
    QMenu* file = addMenu(QStringLiteral("mnuFile"));
    addEntry(file, QStringLiteral("mnuApriDS"));
    addSeparator(file, QStringLiteral("div"));
    addEntry(file, QStringLiteral("mnuSalva"));
    addEntry(file, QStringLiteral("mnuSalvaConNome"));
    addSeparator(file, QStringLiteral("sep"));
    addEntry(file, QStringLiteral("mnuFileApri"));
    addEntry(file, QStringLiteral("mnuImg2"));
    addEntry(file, QStringLiteral("mnuImg3"));
    for (int slot = 1; slot <= 3; ++slot) {
        QMenu* menu = file->addMenu(QString());
        menu->setObjectName(QStringLiteral("mnuFitSlot%1").arg(slot));
        buildFitMenu(menu, slot);
        fitMenus_[size_t(slot - 1)] = menu;
    }
    addSeparator(file, QStringLiteral("sep2"));
    addEntry(file, QStringLiteral("mnuFileStampa"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F12));
    addEntry(file, QStringLiteral("mnuFileAnteprima"));
    addEntry(file, QStringLiteral("mnuFileEsportaPdf"));
    addSeparator(file, QStringLiteral("mnuFileMenu1"));
    connect(addEntry(file, QStringLiteral("mnuFileEsci")), &QAction::triggered, this,
            &Form1::exitImmediately);

    QMenu* format = addMenu(QStringLiteral("mnuFormato"));
    for (int i = 0; i < kFormatMenuEntries; ++i) {
        QAction* entry = addEntry(format, QStringLiteral("mnuFormato1"));
        entry->setProperty("Index", i);
        connect(entry, &QAction::triggered, this, [this, i] { selectModel(i); });
        formatEntries_ << entry;
    }

    QMenu* tools = addMenu(QStringLiteral("mnuStrumenti"));
    addEntry(tools, QStringLiteral("mnuOpzioni"));
    addEntry(tools, QStringLiteral("mnuCalibrazione"));
    addSeparator(tools, QStringLiteral("mnuLinea"));
    addEntry(tools, QStringLiteral("mnuTitolo"));
    addSeparator(tools, QStringLiteral("rop"));
    coverSearchMenu_ = tools->addMenu(QStringLiteral("mnuCercaCover"));
    coverSearchMenu_->setObjectName(QStringLiteral("mnuCercaCover"));
    for (const WebAddresses::CoverSearchSite& site : WebAddresses::coverSearchSites()) {
        QAction* entry = coverSearchMenu_->addAction(site.caption);
        entry->setObjectName(QStringLiteral("mnuCercaCoverSito"));
        connect(entry, &QAction::triggered, this, [this, a = site.address] { openWithShell(a); });
    }
    addSeparator(tools, QStringLiteral("s1"));
    addEntry(tools, QStringLiteral("mnuLingua"));
    addEntry(tools, QStringLiteral("mnuAggLingua"));

    QMenu* donations = addMenu(QStringLiteral("mnuDonazioni"));
    addEntry(donations, QStringLiteral("mnuDonazioniFaiunadonazione"));

    QMenu* help = addMenu(QStringLiteral("mnuGuida"));
    addEntry(help, QStringLiteral("mnuMenu1Guida"))->setShortcut(QKeySequence(Qt::Key_F1));
    addSeparator(help, QStringLiteral("mnuMenu1Menu2"));
    addEntry(help, QStringLiteral("mnuVersione"));
    addEntry(help, QStringLiteral("mnuAggiornamenti"));
    addSeparator(help, QStringLiteral("R1"));
    addEntry(help, QStringLiteral("mnuMenu1Informazioni"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1));
}

void Form1::buildControls() {
    canvas_ = new QWidget(this);
    canvas_->setObjectName(QStringLiteral("Canvas"));
    canvas_->resize(twipsToPixels(kDesignedInnerWidth), twipsToPixels(kDesignedInnerHeight));
    setCentralWidget(canvas_);
    canvas_->setMouseTracking(true);
    canvas_->installEventFilter(this);
    const int w = kDesignedInnerWidth, h = kDesignedInnerHeight;

    sfondo1_ = placeControl<QLabel>(canvas_, "Sfondo1", 0, kLine1Y, w, h - kLine1Y);
    sfondo1_->setStyleSheet(QStringLiteral(
        "background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #e9eef5, stop:1 #cfd8e3);"));
    sfondo1_->setMouseTracking(true);
    sfondo1_->installEventFilter(this);

    line1_ = placeControl<QFrame>(canvas_, "Line1", -30, kLine1Y - 15, w + 30, 30);
    line1_->setFrameShape(QFrame::HLine);
    line1_->setFrameShadow(QFrame::Sunken);

    buildPreview();

    label5_ = placeControl<QLabel>(canvas_, "Label5", 2600, 300, 1000, 285);
    label5_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    combo1_ = placeControl<QComboBox>(canvas_, "Combo1", 3700, 255, 4000, 345);
    combo1_->setMaxVisibleItems(22);
    connect(combo1_, qOverload<int>(&QComboBox::activated), this, [this] { Combo1_Click(); });
    label5_->setBuddy(combo1_);  // the caption's access key opens the list

    check1_ =
        placeControl<QCheckBox>(canvas_, "Check1", 150, h - kHintHeight - 255 - 200, 255, 255);
    connect(check1_, &QCheckBox::toggled, this, &Form1::onOutlineSwitch);
    label6_ = placeControl<QLabel>(canvas_, "Label6", 420, h - kHintHeight - 255 - 200, 2400, 255);
    label6_->installEventFilter(this);
    for (QWidget* hinted : std::initializer_list<QWidget*>{check1_, label5_}) {
        hinted->setMouseTracking(true);
        hinted->installEventFilter(this);
    }

    text1_ =
        placeControl<QLineEdit>(canvas_, "Text1", (w - 4200) / 2, h - kHintHeight - 600, 4200, 480);
    text1_->setAlignment(Qt::AlignCenter);
    connect(text1_, &QLineEdit::textChanged, this, &Form1::onCoverTitleEdited);
    text1_->installEventFilter(this);
    text2_ = new QLineEdit(canvas_);  // the spine title; edited in the title dialog
    text2_->setObjectName(QStringLiteral("Text2"));
    text2_->hide();
    showTitleFont();

    label1_ = placeControl<QLabel>(canvas_, "Label1", 0, h - kHintHeight, w, kHintHeight);
    label1_->setIndent(6);
    shape5_ = new QFrame(canvas_);
    shape5_->setObjectName(QStringLiteral("Shape5"));
    shape5_->setFrameShape(QFrame::Panel);
    shape5_->setFrameShadow(QFrame::Sunken);
    shape5_->setAttribute(Qt::WA_TransparentForMouseEvents);
    shape5_->setGeometry(label1_->geometry());
    buildToolbar();
}

// The sheet behind the zones, the zones behind their outlines.
void Form1::buildPreview() {
    bordo_ = new QFrame(canvas_);
    bordo_->setObjectName(QStringLiteral("Bordo"));
    bordo_->setStyleSheet(QStringLiteral("background: #8a94a3;"));
    bordo_->hide();
    label3_ = new QLabel(canvas_);
    label3_->setObjectName(QStringLiteral("Label3"));
    label3_->setStyleSheet(QStringLiteral("background: white;"));
    label3_->hide();
    const auto zone = [this](const char* name) {
        auto* view = new ZoneView(QString::fromLatin1(name), canvas_);
        view->hide();
        return view;
    };
    image1_ = zone("Image1");
    image2_ = zone("Image2");
    image3_ = zone("Image3");
    image4_ = zone("Image4");
    image6_ = zone("Image6");
    image7_ = zone("Image7");
    image8_ = zone("Image8");
    const auto outline = [this](const char* name) {
        auto* view = new OutlineView(QString::fromLatin1(name), canvas_);
        view->hide();
        return view;
    };
    shape1_ = outline("Shape1");
    shape2_ = outline("Shape2");
    shape3_ = outline("Shape3");
}

void Form1::buildToolbar() {
    Toolbar::Hooks hooks;
    hooks.hoverSound = [this] { playSound(session_.folder.hoverSound()); };
    hooks.clicked = [this](int index) { toolbarClicked(index); };
    hooks.clearDropTarget = [this] {
        if (projectCommands_) projectCommands_->setDropTargetSlot(QString());
    };
    toolbar_ = new Toolbar(canvas_, label1_, hooks);
}

QLabel* Form1::image5(int index) const { return toolbar_->button(index); }

void Form1::playSound(const QString& file) {
    playInterfaceSound(session_.settings.soundsOn, platform_.sounds, file);
}

void Form1::toolbarClicked(int index) {
    playSound(session_.folder.clickSound());
    switch (index) {
        case 0: projectCommands_->openCommand(); break;
        case 1: openPrintDialog(); break;
        case 2: openWithShell(WebAddresses::donation()); break;
        case 3: openOptionsDialog(); break;
        case 4: openAboutWindow(); break;
        case 5: OpenHelpPage(); break;
        case 8: coverSearchMenu_->popup(QCursor::pos()); break;
        case 9: openTitleDialog(); break;
        default: break;  // buttons 6 and 7 only click
    }
}

void Form1::openWithShell(const QString& address) {
    if (platform_.shell) platform_.shell->open(address);
}

}  // namespace vsm
