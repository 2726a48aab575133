// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Toolbar.h"

#include "common/Rounding.h"
#include "settings/UiText.h"
#include "common/Units.h"
#include "ui/ToolbarIcons.h"

#include <QEvent>
#include <QMouseEvent>

namespace vsm {

namespace {

constexpr int kRaiseTwips = 30;

// Designed places.
const TwipsRect kDesign[Toolbar::kButtons] = {
    TwipsRect::of(150, 180, 480, 420),   TwipsRect::of(720, 120, 600, 510),
    TwipsRect::of(8820, 190, 1380, 390), TwipsRect::of(8280, 900, 750, 720),
    TwipsRect::of(7500, 810, 735, 825),  TwipsRect::of(9150, 870, 690, 825),
    TwipsRect::of(1110, 1860, 750, 795), TwipsRect::of(210, 1860, 750, 720),
    TwipsRect::of(2010, 150, 435, 480),  TwipsRect::of(1440, 150, 435, 480)};

}  // namespace

Toolbar::Toolbar(QWidget* canvas, QLabel* hintLine, Hooks hooks)
    : QObject(canvas), hintLine_(hintLine), hooks_(std::move(hooks)) {
    for (int i = 0; i < kButtons; ++i) {
        auto* b = new QLabel(canvas);
        b->setObjectName(QStringLiteral("Image5"));
        b->setProperty("Index", i);
        b->setGeometry(twipsToPixels(kDesign[i]));
        b->setPixmap(toolbarIcon(i, b->size()));
        b->setAlignment(Qt::AlignCenter);
        b->setMouseTracking(true);
        b->installEventFilter(this);
        if (i != 6 && i != 7) b->setCursor(Qt::PointingHandCursor);
        buttons_[size_t(i)] = b;
    }
    captureRestPositions();
}

void Toolbar::setTexts(const UiText& text) {
    for (int i = 0; i < kButtons; ++i) hoverText_[size_t(i)] = stripAmpersands(text[i]);
    openHint_ = text[106];
    defaultHint_ = text[14];
}

// Positions are kept in 16-bit twips; one that does not fit (a button past about
// 2184 pixels) keeps the rest position it had instead of wrapping round.
void Toolbar::captureRestPositions() {
    const auto keepIfFits = [](std::int16_t& stored, int pixels) {
        if (const auto twips = checkedProduct<std::int16_t>(pixels, kTwipsPerPixel))
            stored = *twips;
    };
    for (int i = 0; i < kButtons; ++i) {
        keepIfFits(restLeft_[size_t(i)], buttons_[size_t(i)]->x());
        keepIfFits(restTop_[size_t(i)], buttons_[size_t(i)]->y());
    }
}

QString Toolbar::hintFor(int index) const {
    if (index == 0) return openHint_;
    if (index == 3) return hoverText_[9];  // the options button shows the options caption,
    if (index == 9) return hoverText_[3];  // and the title button the title caption
    return hoverText_[size_t(index)];
}

void Toolbar::moveToRest(int index, int shiftPixels) {
    buttons_[size_t(index)]->move(twipsToPixels(restLeft_[size_t(index)]) + shiftPixels,
                                  twipsToPixels(restTop_[size_t(index)]) + shiftPixels);
}

void Toolbar::hover(int index) {
    LowerToolbarButtons(index);
    if (raised_[size_t(index)]) return;
    moveToRest(index, twipsToPixels(kRaiseTwips));
    raised_[size_t(index)] = true;
    if (hooks_.hoverSound) hooks_.hoverSound();
    hintLine_->setText(hintFor(index));
}

void Toolbar::LowerToolbarButtons(int except) {
    for (int k = 0; k < kButtons; ++k) {
        if (!raised_[size_t(k)] || k == except) continue;
        moveToRest(k, 0);
        raised_[size_t(k)] = false;
        hintLine_->clear();
    }
    if (hooks_.clearDropTarget) hooks_.clearDropTarget();
}

void Toolbar::backgroundMoved() {
    const QString& rest = standingHint_.isEmpty() ? defaultHint_ : standingHint_;
    if (hintLine_->text() != rest) hintLine_->setText(rest);
    LowerToolbarButtons(-1);
}

void Toolbar::setStandingHint(const QString& hint) {
    if (hint == standingHint_) return;
    const bool showing = !standingHint_.isEmpty() && hintLine_->text() == standingHint_;
    standingHint_ = hint;
    if (!hint.isEmpty()) hintLine_->setText(hint);
    else if (showing) hintLine_->setText(defaultHint_);
}

void Toolbar::outlineSwitchHovered(const QString& outlineHint) {
    if (hintLine_->text().isEmpty()) hintLine_->setText(outlineHint);
}

void Toolbar::modelLabelHovered(const QString& modelHint) {
    if (hintLine_->text() != modelHint) hintLine_->setText(modelHint);
}

bool Toolbar::eventFilter(QObject* watched, QEvent* event) {
    const int index = watched->property("Index").toInt();
    if (event->type() == QEvent::MouseMove) {
        hover(index);
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (hooks_.clicked) hooks_.clicked(index);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vsm
