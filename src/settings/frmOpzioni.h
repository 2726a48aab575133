// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Units.h"
#include "platform/Platform.h"
#include "settings/CatalogueEdit.h"
#include "settings/OutputOptions.h"

#include <QDialog>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;

namespace vsm {

struct CoverModel;
struct Session;
class PictureButtons;

// The options dialog: print positions and zone sizes of each model, the sound
// switch and the output options for cutting (written to Output.ini on OK). Leaving a field writes it into the in-memory catalogue through a
// CatalogueEdit; OK saves the settings and the catalogue, Cancel reads both back
// from disk.
class frmOpzioni : public QDialog {
    Q_OBJECT
public:
    static constexpr int kOkButton = 0;
    static constexpr int kCancelButton = 1;
    static constexpr int kFieldCount = CatalogueEdit::kFieldCount;

    // saveCatalogue writes the settings file, then the catalogue; reload
    // reads the settings file (without applying the window state) and the catalogue.
    frmOpzioni(const Platform& platform, Session& session, int currentModel,
               std::function<void()> saveCatalogue, std::function<void()> reload,
               QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QLabel* addLabel(const char* name, const TwipsRect& twips);
    void buildModelBox();
    void buildPositionRows();
    void buildSizeFields();
    void buildSoundSwitch();
    void buildButtons();
    void buildOutputOptions();
    void showOutputOptions();
    OutputOptions chosenOutputOptions() const;
    void saveOutputOptions();
    QLineEdit* addField(int index, const TwipsRect& twips);

    void load(int currentModel);
    void setCaptions();
    void setRowCaptions();
    void fillModelList();

    void Combo1_Click();
    void showZone1(const CoverModel& m);
    void showSizeFields(const CoverModel& m);
    void showZone2Positions(const CoverModel& m);
    void showZone3Positions(int model);

    void writeBack(int field);
    CatalogueEdit::Texts fieldTexts() const;

    void buttonClicked(int index);
    void playSoundIfTicked(const QString& file);
    int fieldIndexOf(QObject* watched) const;

    Platform platform_;  // a copy of the pointers: callers often pass a temporary
    Session& session_;
    std::function<void()> saveCatalogue_;
    std::function<void()> reload_;
    CatalogueEdit edit_;

    QComboBox* combo1_ = nullptr;
    std::array<QLineEdit*, kFieldCount> text1_{};
    std::array<QLabel*, 3> label5_{};
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label4_ = nullptr;
    QLabel* label6_ = nullptr;
    QLabel* label7_ = nullptr;
    QLabel* label8_ = nullptr;
    QCheckBox* check1_ = nullptr;
    std::array<QLabel*, 2> image1_{};
    std::array<QLabel*, 2> label1_{};
    PictureButtons* buttons_ = nullptr;
    QLabel* outputTitle_ = nullptr;
    QLabel* bleedLabel_ = nullptr;
    QDoubleSpinBox* bleed_ = nullptr;
    QCheckBox* cropMarks_ = nullptr;
    QCheckBox* clipDiscs_ = nullptr;
    QLabel* holeLabel_ = nullptr;
    QDoubleSpinBox* hole_ = nullptr;

    bool closing_ = false;  // a button has run; focus leaving on close writes nothing
};

}  // namespace vsm
