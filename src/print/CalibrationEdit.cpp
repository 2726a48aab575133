// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/CalibrationEdit.h"

#include "platform/Platform.h"

#include <QLocale>
#include <cmath>

namespace vsm {

CalibrationEdit::CalibrationEdit(PrinterSystem* printers, const LocaleSource* locale,
                                 QString dataFilesFolder)
    : printers_(printers), locale_(locale), dataFilesFolder_(std::move(dataFilesFolder)) {}

QString CalibrationEdit::queue() const {
    return printers_ ? printers_->currentPrinterName() : QString();
}

QString CalibrationEdit::file() const { return PrinterCalibrations::fileIn(dataFilesFolder_); }

QString CalibrationEdit::startText(Field field) const {
    const double values[kFields] = {layout_.cross1.x(), layout_.cross1.y(), layout_.cross2.x(),
                                    layout_.cross2.y(), layout_.rulerLengthMm,
                                    layout_.rulerLengthMm};
    const QLocale locale = locale_ ? locale_->userLocale() : QLocale();
    return locale.toString(values[field], 'g', 6);
}

std::optional<double> CalibrationEdit::number(const QString& text) const {
    const QLocale locale = locale_ ? locale_->userLocale() : QLocale();
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

CalibrationEdit::Outcome CalibrationEdit::accept(const Texts& texts) {
    const QString name = queue();
    if (name.isEmpty()) return {false, QStringLiteral("no printer is chosen")};
    double v[kFields];
    for (int i = 0; i < kFields; ++i) {
        const std::optional<double> n = number(texts[i]);
        if (!n)
            return {false, QStringLiteral("“%1” is not a number").arg(texts[i].trimmed())};
        v[i] = *n;
    }
    const CalibrationMeasurement measured{{v[Cross1Left], v[Cross1Top]},
                                          {v[Cross2Left], v[Cross2Top]}, v[RulerX], v[RulerY]};
    const QPointF origin = printers_->printableArea().value_or(QRectF()).topLeft();
    const CorrectionResult result = correctionFromMeasurement(measured, origin, layout_);
    if (!result.correction) return {false, result.problem};
    PrinterCalibrations store = PrinterCalibrations::read(file(), nullptr);
    if (!store.set(name, *result.correction))
        return {false, correctionProblem(*result.correction)};
    const QString problem = write(store);
    return {problem.isEmpty(), problem};
}

QString CalibrationEdit::write(const PrinterCalibrations& store) const {
    return store.write(file()) ? QString() : QStringLiteral("%1 cannot be written").arg(file());
}

QString CalibrationEdit::reset() {
    PrinterCalibrations store = PrinterCalibrations::read(file(), nullptr);
    if (!store.find(queue())) return {};
    store.reset(queue());
    return write(store);
}

std::optional<PrinterCorrection> CalibrationEdit::stored() const {
    return PrinterCalibrations::read(file(), nullptr).find(queue());
}

CalibrationPageResult CalibrationEdit::printPage(const UiText& texts) {
    if (!printers_ || queue().isEmpty()) return CalibrationPageResult::NoPage;
    printers_->setOrientation(PrinterSystem::Orientation::Portrait);
    printers_->setCopies(1);
    return printCalibrationPage(*printers_, texts);
}

}  // namespace vsm
