#pragma once

#include "platform/Platform.h"

#include <QDialog>
#include <QPoint>
#include <array>
#include <cstdint>
#include <functional>

class QComboBox;
class QFrame;
class QLabel;

namespace vsm {

struct Session;

// What the print dialog keeps for the life of the program.
struct PrintDialogState {
    std::int16_t printQualityIndex = 0;  // list position selected when the list is filled
    bool firstNotificationSeen = false;  // the printer box ignores its very first notification
};

// The message ImpostaStampante shows when choosing a printer fails.
QString printerChoiceErrorText(int number, const QString& description);

// Makes the installed printer of that name (any letter case) current and the
// user's default. False when no installed printer has that name, or when the
// choice fails (which is reported in a message).
bool ImpostaStampante(PrinterSystem& printers, MessagePrompts& prompts, QWidget* owner,
                      const QString& name);

// The modal print dialog: printer, quality, orientation and copies, then print.
// Constructing it runs its load steps; either button closes it.
class frmStampa : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPrintButton = 0;
    static constexpr int kCancelButton = 1;

    frmStampa(const Platform& platform, const Session& session, PrintDialogState& state,
              std::function<void()> stampaCopertina, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    struct RestPosition {
        QPoint label, image;  // twips
    };

    void buildControls();
    void buildPrinterBox();
    void buildQualityBox();
    void buildCopiesBox();
    void buildOrientationBox();
    void buildButtons();
    QLabel* addLabel(const char* name, const QRect& twips);
    QFrame* addFrame(const char* name, const QRect& twips);

    void load();
    void showModelOrientation();
    void setCaptions();
    void fillLists();
    void saveRestPositions();
    void fillCopiesList();

    QString DefaultPrinterName();
    void FillPrinterList();
    void Combo1_Click();
    void choosePrinterFromText();
    void FillQualityList();
    bool TryPrintQuality(int code);
    void cboQualita_Click(int index);
    bool impostaStampante(const QString& name);

    void toggleOrientation();
    void buttonClicked(int index);
    void print();
    void applyCopies();
    void raiseButton(int index);
    void lowerButtons();
    void placeButton(int index, QPoint offsetTwips);
    void playSound(const char* relativePath);
    static int indexOf(QObject* control);

    Platform platform_;  // a copy of the pointers: callers often pass a temporary
    const Session& session_;
    PrintDialogState& state_;
    std::function<void()> stampaCopertina_;
    PrinterSystem& printers_;

    QComboBox* combo1_ = nullptr;
    QComboBox* cboQualita_ = nullptr;
    QComboBox* combo2_ = nullptr;
    QLabel* image2_ = nullptr;
    QLabel* image3_ = nullptr;
    std::array<QLabel*, 2> image1_{};
    std::array<QLabel*, 2> label1_{};
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label4_ = nullptr;
    QLabel* label5_ = nullptr;
    std::array<RestPosition, 2> rest_{};
    std::array<bool, 2> raised_{};
};

}  // namespace vsm
