// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Units.h"
#include "platform/Platform.h"
#include "print/PrintChoice.h"

#include <QDialog>
#include <array>
#include <functional>

class QComboBox;
class QFrame;
class QLabel;

namespace vsm {

struct Session;
class PictureButtons;

// The modal print dialog: printer, quality, orientation and copies, then print.
// It shows a PrintChoice and forwards the user's events to it. Constructing it
// runs its load steps; either button closes it.
class frmStampa : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPrintButton = 0;
    static constexpr int kCancelButton = 1;

    frmStampa(const Platform& platform, const Session& session, PrintDialogState& state,
              std::function<void()> stampaCopertina, QWidget* parent = nullptr);

    const PrintChoice& choice() const { return choice_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildPrinterBox();
    void buildQualityBox();
    void buildCopiesBox();
    void buildOrientationBox();
    void buildButtons();
    QLabel* addLabel(const char* name, const TwipsRect& twips);
    QFrame* addFrame(const char* name, const TwipsRect& twips);

    void load();
    void setCaptions();
    void fillLists();
    void fillCopiesList();

    void FillPrinterList();
    void Combo1_Click();
    void showQualities();

    void showOrientation();
    void toggleOrientation();
    void buttonClicked(int index);
    void print();
    void playSound(const QString& file);

    Platform platform_;  // a copy of the pointers: callers often pass a temporary
    const Session& session_;
    PrintChoice choice_;
    std::function<void()> stampaCopertina_;

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
    PictureButtons* buttons_ = nullptr;
};

}  // namespace vsm
