// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"
#include "print/CalibrationEdit.h"

#include <QDialog>
#include <array>

class QLineEdit;

namespace vsm {

struct Session;

// The modal printer calibration dialog over a CalibrationEdit: the measured
// figures, the calibration page, and OK, Reset or Cancel.
class frmCalibrazione : public QDialog {
    Q_OBJECT
public:
    frmCalibrazione(const Platform& platform, const Session& session, QWidget* parent = nullptr);

    const CalibrationEdit& edit() const { return edit_; }

private:
    void printPage();
    void ok();
    void resetCorrection();
    void tell(const QString& text, MessagePrompts::Icon icon);

    const Platform& platform_;
    const Session& session_;
    CalibrationEdit edit_;
    std::array<QLineEdit*, CalibrationEdit::kFields> fields_{};
};

}  // namespace vsm
