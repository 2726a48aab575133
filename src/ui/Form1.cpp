#include "ui/Form1.h"

#include "app/RegOCX.h"
#include "settings/MainCaptions.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace vsm {

namespace {

QRect twipsRect(int left, int top, int width, int height) {
    constexpr int k = Form1::kTwipsPerPixel;
    return {left / k, top / k, width / k, height / k};
}

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
    resize(kDesignedInnerWidth / kTwipsPerPixel,
           kDesignedInnerHeight / kTwipsPerPixel + menuBar()->sizeHint().height());
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
    selectSavedModel();            // 16
    switchTitlesOnAndRefresh();    // 17
    openCommandLineProject();      // 18
    return true;
}

void Form1::registerDropTarget() { setAcceptDrops(true); }

void Form1::createImagingEngines() {}

void Form1::setVersionCaption() { setWindowTitle(Version::caption()); }

void Form1::setAppFolder() { session_.folder = folderGiven_; }

void Form1::giveZonesBlankPictures() {}

void Form1::initialiseScale() {
    session_.previewScale = 20;
    session_.loadScaleHeight = static_cast<std::int16_t>(scaleHeight());
}

void Form1::readSettings() {
    session_.readSettings();
    applyStoredWindowState();
}

void Form1::loadCatalogue() { session_.loadCatalogue(); }

void Form1::chooseLanguageFromLocale() {
    session_.chooseLanguageIfBlank(platform_.locale->userLocale());
}

void Form1::setModelCount() { session_.modelCount = session_.catalogue.modelCount; }

bool Form1::refuseSecondCopy() {
    if (platform_.instanceGuard->acquire()) return false;
    platform_.prompts->message(nullptr, session_.uiText[18], session_.uiText[107],
                               MessagePrompts::Icon::Exclamation);
    return true;
}

void Form1::placeSideZones() {}

void Form1::setPrinterLandscape() {
    session_.printerOrientation = PrinterOrientation::Landscape;
}

void Form1::selectSavedModel() { selectModel(session_.settings.savedModelIndex); }

void Form1::switchTitlesOnAndRefresh() {
    session_.coverTitleOn = 1;
    session_.spineTitleOn = 1;
    Combo1_Click();
}

void Form1::openCommandLineProject() {}

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

int Form1::scaleWidth() const { return canvas_->width() * kTwipsPerPixel; }
int Form1::scaleHeight() const { return canvas_->height() * kTwipsPerPixel; }

void Form1::Combo1_Click() {}

void Form1::selectModel(int k) {
    combo1_->setCurrentIndex(k >= 0 && k < combo1_->count() ? k : -1);
    Combo1_Click();
}

int Form1::currentModel() const { return combo1_->currentIndex(); }

void Form1::ApplyLanguage() {
    session_.readLanguageFile();
    fillModelList();
    for (int k = 0; k < formatEntries_.size(); ++k)
        formatEntries_[k]->setText(formatEntryCaption(session_.uiText, k));
    for (const auto& [name, caption] : mainWindowCaptions(session_.uiText)) {
        if (auto* action = findChild<QAction*>(name)) action->setText(caption);
        else if (auto* menu = findChild<QMenu*>(name)) menu->setTitle(caption);
        else if (auto* label = findChild<QLabel*>(name)) label->setText(caption);
    }
}

void Form1::fillModelList() {
    const QSignalBlocker quiet(combo1_);
    combo1_->clear();
    for (int k = 0; k < session_.modelCount; ++k)
        combo1_->addItem(modelName(session_.uiText, k));
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
    if (RegOCX::isPortable(session_.folder))
        RegOCX::runPortableCleanup(*platform_.launcher, session_.folder);
    setAcceptDrops(false);
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
    addSeparator(file, QStringLiteral("sep2"));
    addEntry(file, QStringLiteral("mnuFileStampa"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F12));
    addSeparator(file, QStringLiteral("mnuFileMenu1"));
    connect(addEntry(file, QStringLiteral("mnuFileEsci")), &QAction::triggered, this,
            &Form1::exitImmediately);

    QMenu* format = addMenu(QStringLiteral("mnuFormato"));
    for (int k = 0; k < kFormatMenuEntries; ++k) {
        QAction* entry = addEntry(format, QStringLiteral("mnuFormato1"));
        entry->setProperty("Index", k);
        connect(entry, &QAction::triggered, this, [this, k] { selectModel(k); });
        formatEntries_ << entry;
    }

    QMenu* tools = addMenu(QStringLiteral("mnuStrumenti"));
    addEntry(tools, QStringLiteral("mnuOpzioni"));
    addSeparator(tools, QStringLiteral("mnuLinea"));
    addEntry(tools, QStringLiteral("mnuTitolo"));
    addSeparator(tools, QStringLiteral("rop"));
    QMenu* search = tools->addMenu(QStringLiteral("mnuCercaCover"));
    search->setObjectName(QStringLiteral("mnuCercaCover"));
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
    canvas_->resize(kDesignedInnerWidth / kTwipsPerPixel, kDesignedInnerHeight / kTwipsPerPixel);
    setCentralWidget(canvas_);

    line1_ = new QFrame(canvas_);
    line1_->setObjectName(QStringLiteral("Line1"));
    line1_->setFrameShape(QFrame::HLine);
    line1_->setFrameShadow(QFrame::Sunken);

    label5_ = new QLabel(canvas_);
    label5_->setObjectName(QStringLiteral("Label5"));
    combo1_ = new QComboBox(canvas_);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setMaxVisibleItems(22);
    connect(combo1_, qOverload<int>(&QComboBox::activated), this, [this] { Combo1_Click(); });

    check1_ = new QCheckBox(canvas_);
    check1_->setObjectName(QStringLiteral("Check1"));
    label6_ = new QLabel(canvas_);
    label6_->setObjectName(QStringLiteral("Label6"));

    label1_ = new QLabel(canvas_);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setFrameShape(QFrame::StyledPanel);
    label1_->setIndent(6);
    placeFurniture();
}

// Fixed furniture at its designed place; the tool bar sits above the separator.
void Form1::placeFurniture() {
    const int w = kDesignedInnerWidth, h = kDesignedInnerHeight;
    line1_->setGeometry(twipsRect(-30, 770, w + 30, 30));
    label5_->setGeometry(twipsRect(2600, 330, 900, 285));
    combo1_->setGeometry(twipsRect(3600, 270, 4000, 345));
    label1_->setGeometry(twipsRect(0, h - 300, w, 300));
    check1_->setGeometry(twipsRect(150, h - 300 - 255 - 200, 255, 255));
    label6_->setGeometry(twipsRect(420, h - 300 - 255 - 200, 2400, 255));
}

}  // namespace vsm
