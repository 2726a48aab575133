// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

namespace vsm {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the event loop, so that a
// desktop asking the program to quit closes its window the ordinary way and no
// settings are lost.
class QuitSignals : public QObject {
    Q_OBJECT
public:
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;

signals:
    void quitRequested();

private:
    void drain();
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace vsm
