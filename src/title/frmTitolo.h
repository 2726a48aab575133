// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"
#include "title/TitleSettings.h"

#include <QDialog>
#include <QFont>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace vsm {

class PictureButtons;
struct Session;

// The title dialog: the cover and spine titles, their typeface, size, style and
// colour, and whether each is drawn. It edits a copy; nothing reaches the
// composition before OK.
class frmTitolo : public QDialog {
    Q_OBJECT
public:
    // refresh is the main window's refresh, run when the dialog closes.
    frmTitolo(const Platform& platform, Session& session, std::function<void()> refresh,
              QWidget* parent = nullptr);
    ~frmTitolo() override;

    // The edited typeface, size and style, as the preview label carries them.
    QFont previewFont() const { return preview_; }
    StoredColour swatchColour() const { return swatch_; }

    void ok();
    void cancel();

private:
    void build();
    void load();
    void setCaptions();
    void fillLists();
    void showPreview();
    void onSizeText(const QString& text);
    void onStyleSwitch();
    void chooseColour();
    void showSwatch();
    void playSound(const QString& file);
    bool eventFilter(QObject* watched, QEvent* event) override;

    Platform platform_;
    Session& session_;
    std::function<void()> refresh_;
    QFont preview_;
    float previewSize_ = 0;
    StoredColour swatch_ = 0;
    bool closing_ = false;

    QLineEdit *text1_, *text2_;
    QComboBox *combo1_, *combo2_;
    QCheckBox *check1_, *check2_, *check3_, *check4_, *check5_;
    QLabel *label2_, *label3_, *label4_, *label5_, *label6_, *label7_, *label8_, *label9_,
        *label10_, *label11_, *label35_, *shape16_;
    PictureButtons* buttons_ = nullptr;
};

}  // namespace vsm
