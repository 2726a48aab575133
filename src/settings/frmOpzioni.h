#pragma once

#include "platform/Platform.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace vsm {

struct CoverModel;
struct Session;
class PictureButtons;

// The options dialog: print positions and zone sizes of each model, and the sound
// switch. Leaving a field writes it into the in-memory catalogue; OK saves the
// settings and the catalogue, Cancel reads both back from disk.
class frmOpzioni : public QDialog {
    Q_OBJECT
public:
    static constexpr int kOkButton = 0;
    static constexpr int kCancelButton = 1;
    static constexpr int kFieldCount = 10;

    // saveCatalogue writes the settings file, then the catalogue; reload
    // reads the settings file (without applying the window state) and the catalogue.
    frmOpzioni(const Platform& platform, Session& session, int currentModel,
               std::function<void()> saveCatalogue, std::function<void()> reload,
               QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QLabel* addLabel(const char* name, const QRect& twips);
    void buildModelBox();
    void buildPositionRows();
    void buildSizeFields();
    void buildSoundSwitch();
    void buildButtons();
    QLineEdit* addField(int index, const QRect& twips);

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
    void keepZone2TopBelowZone1Top();
    void storePositions(CoverModel& m) const;
    bool storeSizes(CoverModel& m) const;
    bool storeWholeNumber(std::int32_t& target, int field) const;
    std::optional<std::int32_t> wholeNumber(int field) const;

    void buttonClicked(int index);
    void playSoundIfTicked(const QString& file);
    int fieldIndexOf(QObject* watched) const;
    int lastFieldLeft() const;

    Platform platform_;  // a copy of the pointers: callers often pass a temporary
    Session& session_;
    std::function<void()> saveCatalogue_;
    std::function<void()> reload_;

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

    // What the selected model showed when it was chosen; the write-back follows it.
    bool zone2PositionsShown_ = false;
    bool zone2SizesKept_ = false;
    bool closing_ = false;  // a button has run; focus leaving on close writes nothing
};

}  // namespace vsm
