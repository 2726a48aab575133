// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/frmCalibrazione.h"

#include "model/Session.h"
#include "print/StampaCopertina.h"
#include "settings/UiText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vsm {

namespace {

constexpr int kTitleText = 119;
constexpr int kCrossText = 120;
constexpr int kRulerText = 121;
constexpr int kPrintPageText = 122;
constexpr int kResetText = 123;
constexpr int kRefusedText = 124;
constexpr int kOkText = 51;
constexpr int kCancelText = 37;

}  // namespace

frmCalibrazione::frmCalibrazione(const Platform& platform, const Session& session, QWidget* parent)
    : QDialog(parent),
      platform_(platform),
      session_(session),
      edit_(platform.printers, platform.locale, session.folder.dataFilesFolder()) {
    const UiText& t = session.uiText;
    setObjectName(QStringLiteral("frmCalibrazione"));
    setWindowTitle(dialogTitle(t[kTitleText]));

    auto* printer = new QLabel(edit_.queue(), this);
    printer->setObjectName(QStringLiteral("lblStampante"));
    auto* grid = new QGridLayout;
    const char* names[CalibrationEdit::kFields] = {"txtCroce1X", "txtCroce1Y", "txtCroce2X",
                                                   "txtCroce2Y", "txtRighelloX", "txtRighelloY"};
    for (int i = 0; i < CalibrationEdit::kFields; ++i) {
        fields_[i] = new QLineEdit(edit_.startText(CalibrationEdit::Field(i)), this);
        fields_[i]->setObjectName(QLatin1String(names[i]));
    }
    using F = CalibrationEdit::Field;
    const auto row = [&](int at, const QString& caption, QLineEdit* a, QLineEdit* b) {
        grid->addWidget(new QLabel(caption, this), at, 0);
        grid->addWidget(a, at, 1);
        if (b) grid->addWidget(b, at, 2);
    };
    row(0, t[kCrossText].arg(1), fields_[F::Cross1Left], fields_[F::Cross1Top]);
    row(1, t[kCrossText].arg(2), fields_[F::Cross2Left], fields_[F::Cross2Top]);
    row(2, t[kRulerText].arg(QStringLiteral("X")), fields_[F::RulerX], nullptr);
    row(3, t[kRulerText].arg(QStringLiteral("Y")), fields_[F::RulerY], nullptr);

    const auto button = [this](const QString& caption, const char* name, void (frmCalibrazione::*slot)()) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    const bool hasPrinter = !edit_.queue().isEmpty();
    QPushButton* printPage = button(t[kPrintPageText], "cmdStampaPagina", &frmCalibrazione::printPage);
    QPushButton* ok = button(t[kOkText], "cmdOK", &frmCalibrazione::ok);
    QPushButton* reset = button(t[kResetText], "cmdReimposta", &frmCalibrazione::resetCorrection);
    QPushButton* cancel = button(t[kCancelText], "cmdAnnulla", &QDialog::reject);
    for (QPushButton* b : {printPage, ok, reset}) b->setEnabled(hasPrinter);
    ok->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(printPage);
    buttons->addStretch();
    for (QPushButton* b : {ok, reset, cancel}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printer);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void frmCalibrazione::tell(const QString& text, MessagePrompts::Icon icon) {
    if (platform_.prompts) platform_.prompts->message(this, windowTitle(), text, icon);
}

void frmCalibrazione::printPage() {
    if (edit_.printPage(session_.uiText) != CalibrationPageResult::Printed && platform_.prompts)
        platform_.prompts->message(this, printFailureTitle(), printFailureText(),
                                   MessagePrompts::Icon::Exclamation);
}

void frmCalibrazione::ok() {
    CalibrationEdit::Texts texts;
    for (int i = 0; i < CalibrationEdit::kFields; ++i) texts[i] = fields_[i]->text();
    const CalibrationEdit::Outcome outcome = edit_.accept(texts);
    if (!outcome.accepted) {
        tell(session_.uiText[kRefusedText] + QLatin1Char('\n') + outcome.problem,
             MessagePrompts::Icon::Exclamation);
        return;
    }
    accept();
}

void frmCalibrazione::resetCorrection() {
    const QString problem = edit_.reset();
    if (!problem.isEmpty()) {
        tell(problem, MessagePrompts::Icon::Exclamation);
        return;
    }
    accept();
}

}  // namespace vsm
