// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

namespace vsm {

// The busy pointer for the whole program while it lives.
class BusyPointer {
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace vsm
