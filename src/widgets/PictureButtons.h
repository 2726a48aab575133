// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QObject>
#include <QPixmap>
#include <functional>
#include <vector>

namespace vsm {

// A left-button release over the part of the widget that was pressed.
bool isLeftClickInside(QObject* watched, QEvent* event);

// The dialogs' picture buttons: a picture with its caption below. Moving the
// mouse onto one raises it 30 twips up and left, underlines its caption and plays
// the hover sound once; moving over the dialog's background lowers it again. A
// click on the picture or the caption is the button's click.
class PictureButtons : public QObject {
    Q_OBJECT
public:
    // hoverSound plays the hover sound (the caller decides whether sounds are on).
    PictureButtons(QWidget* dialog, std::function<void()> hoverSound,
                   std::function<void(int)> clicked);

    // Adds button `index` with its picture and caption at their rest positions.
    void add(QLabel* picture, QLabel* caption);
    bool isRaised(int index) const;
    void lowerAll();
    // A release counts as a click only over the part pressed; by default anywhere.
    void clickOnlyOnReleaseInside() { releaseInsideOnly_ = true; }

    static QPixmap okPicture(QSize size);
    static QPixmap cancelPicture(QSize size);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Button {
        QLabel* picture;
        QLabel* caption;
        QPoint pictureRest, captionRest;
        bool raised = false;
    };
    int indexOf(QObject* watched) const;
    bool isClick(QObject* watched, QEvent* event) const;
    void raise(int index);
    void place(Button& b, QPoint shift, bool underline);

    QWidget* dialog_;
    std::function<void()> hoverSound_;
    std::function<void(int)> clicked_;
    std::vector<Button> buttons_;
    bool releaseInsideOnly_ = false;
};

}  // namespace vsm
