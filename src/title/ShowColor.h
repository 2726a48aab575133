// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ComposedPicture.h"
#include "platform/Platform.h"

#include <QString>
#include <array>

namespace vsm {

// The colour chooser: set the owner and the starting colour, call ShowColor, then
// read whether it was cancelled and the chosen colour. The sixteen custom colours
// live as long as the instance.
class ShowColor {
public:
    explicit ShowColor(ColourDialogs& dialogs);

    bool ColorAnnulla() const { return cancelled_; }
    StoredColour RGBResult() const { return result_; }
    void setRGBResult(StoredColour colour) { result_ = colour; }
    void hOwner(QWidget* owner) { owner_ = owner; }

    // Sixteen colours of four characters each (red, green, blue, zero): exactly 64
    // characters; a shorter text is padded with spaces, a longer one cut.
    void setCustomColors(const QString& text);
    QString CustomColors() const { return customColours_; }

    // Shows the dialog modally. A cancel keeps the colours and sets ColorAnnulla.
    void showColor();

private:
    std::array<QColor, 16> customAsColours() const;
    void storeCustom(const std::array<QColor, 16>& colours);

    ColourDialogs& dialogs_;
    StoredColour result_ = 0;  // black
    bool cancelled_ = false;
    QWidget* owner_ = nullptr;
    QString customColours_ = QString(64, QChar(0));
};

}  // namespace vsm
