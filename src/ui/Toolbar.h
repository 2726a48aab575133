// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QObject>
#include <array>
#include <cstdint>
#include <functional>

namespace vsm {

class UiText;

// The main window's ten picture buttons and the hint line they write to. Moving
// onto a button raises it 30 twips right and down, plays the hover sound once and
// shows its hint; at most one button is raised. Buttons 3 and 9 show each other's
// hints, button 0 shows text 106.
class Toolbar : public QObject {
    Q_OBJECT
public:
    static constexpr int kButtons = 10;

    struct Hooks {
        std::function<void()> hoverSound;       // plays only when sounds are on
        std::function<void(int)> clicked;       // button index
        std::function<void()> clearDropTarget;  // moving here drops nothing into a zone
    };

    Toolbar(QWidget* canvas, QLabel* hintLine, Hooks hooks);

    QLabel* button(int index) const { return buttons_[size_t(index)]; }
    bool isRaised(int index) const { return raised_[size_t(index)]; }

    // Hints (texts 0..9 without "&") and the texts of button 0 and the background.
    void setTexts(const UiText& text);
    // The buttons' current places become their rest positions.
    void captureRestPositions();

    void hover(int index);
    // Lowers every raised button but `except` (-1 for none).
    void LowerToolbarButtons(int except);
    void backgroundMoved();
    // A hint that stands while its cause lasts: the background shows it instead of
    // the default hint, and it shows at once. Empty: none.
    void setStandingHint(const QString& hint);
    void outlineSwitchHovered(const QString& outlineHint);
    void modelLabelHovered(const QString& modelHint);

    // Twips, as the window's design gives them.
    std::int16_t restLeft(int index) const { return restLeft_[size_t(index)]; }
    std::int16_t restTop(int index) const { return restTop_[size_t(index)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString hintFor(int index) const;
    void moveToRest(int index, int shiftPixels);

    QLabel* hintLine_;
    Hooks hooks_;
    std::array<QLabel*, kButtons> buttons_{};
    std::array<bool, kButtons> raised_{};
    std::array<std::int16_t, 16> restLeft_{};
    std::array<std::int16_t, 16> restTop_{};
    std::array<QString, 11> hoverText_{};
    QString openHint_;    // text 106
    QString defaultHint_; // text 14
    QString standingHint_;
};

}  // namespace vsm
