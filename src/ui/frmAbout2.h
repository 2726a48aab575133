// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"
#include "ui/CreditsScroller.h"

#include <QPointer>
#include <QWidget>

class QFrame;
class QLabel;
class QTimer;
class QEvent;

namespace vsm {

struct Session;
class UiText;

// The about window: product name and release above a panel of credits that
// scrolls upwards in an endless loop. It is a top-level window of its own; the
// main window stays hidden while it is open. The caller owns it (set
// Qt::WA_DeleteOnClose to let it go when it closes).
class frmAbout2 : public QWidget {
    Q_OBJECT
public:
    // Design heights of the viewport and the credits panel, in twips. The panel
    // stops when its top reaches 2235 - 4125 = -1890 and has left the viewport
    // once its top is below -4125.
    static constexpr int kViewportHeight = 2235;
    static constexpr int kPanelHeight = 4125;

    // homePage is shown on the panel and opened through the shell when clicked.
    frmAbout2(const Platform& platform, const Session& session, QString homePage,
              QWidget* mainWindow);
    ~frmAbout2() override;

    // Hides the main window and shows this one.
    void open();

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void buildTitle();
    void buildPanel();
    void load();
    void setCaptions(const UiText& text);
    void placeVersion();
    void Timer1_Timer();
    void showPanelTop();
    void openHomePage();
    bool closesOnClick(const QObject* control) const;

    Platform platform_;
    QString homePage_;
    QPointer<QWidget> mainWindow_;
    CreditsScroller scroller_{kViewportHeight, kPanelHeight};

    QLabel *imgTitle_, *lblTitle_, *lblVersion_;
    QFrame* frame1_;
    QWidget *picture1_, *picture2_;
    QLabel *lblDescription_, *lblHomePageCap_, *lblHomePage_, *lblCredits_, *image1_;
    QTimer* timer1_;
};

}  // namespace vsm
