// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/CatalogueEdit.h"

#include "common/LeadingNumber.h"
#include "common/Rounding.h"
#include "model/CaseKinds.h"
#include "model/CoverCatalogue.h"
#include "platform/Platform.h"

#include <QLocale>

namespace vsm {

CatalogueEdit::CatalogueEdit(CoverCatalogue& catalogue, const LocaleSource* locale)
    : catalogue_(catalogue), locale_(locale) {}

bool CatalogueEdit::isDisc(const CoverModel& m) {
    return m.shape.trimmed() == kCircle;
}

const CoverModel* CatalogueEdit::select(int model) {
    const CoverModel* m = catalogue_.model(model);
    if (!m) return nullptr;
    zone2PositionsShown_ = leadingNumber(m->zone2Top) != 0;
    zone2SizesKept_ = m->zone2Width > 0;
    return m;
}

std::optional<QString> CatalogueEdit::leave(int field, const Texts& texts) {
    lastFieldLeft_ = field;
    if (field != kZone2Top) return std::nullopt;
    return zone2TopKeptBelow(texts[kZone1Top], texts[kZone2Top]);
}

std::optional<QString> CatalogueEdit::zone2TopKeptBelow(const QString& zone1Top,
                                                        const QString& zone2Top) {
    if (leadingNumber(zone1Top) <= leadingNumber(zone2Top)) return std::nullopt;
    if (leadingNumber(zone1Top) < 1) return QStringLiteral("1");
    return zone1Top;
}

bool CatalogueEdit::store(int model, const Texts& texts) const {
    CoverModel* m = catalogue_.model(model);
    if (!m) return false;
    storePositions(*m, texts);
    if (!storeSizes(*m, texts)) return false;
    // The third zone's place is kept once in the catalogue, for the record that has one.
    if (caseKind(model).thirdZone) {
        catalogue_.zone3Left = texts[kZone3Left].trimmed();
        catalogue_.zone3Top = texts[kZone3Top].trimmed();
    }
    return true;
}

void CatalogueEdit::storePositions(CoverModel& m, const Texts& texts) const {
    m.zone1Left = texts[kZone1Left].trimmed();
    m.zone1Top = texts[kZone1Top].trimmed();
    if (!zone2PositionsShown_) return;
    m.zone2Left = texts[kZone2Left].trimmed();
    m.zone2Top = texts[kZone2Top].trimmed();
}

// A disc has one diameter for width and height of every zone it has.
bool CatalogueEdit::storeSizes(CoverModel& m, const Texts& texts) const {
    const bool disc = isDisc(m);
    if (!storeWholeNumber(m.zone1Width, texts[kWidth]) ||
        !storeWholeNumber(m.zone1Height, texts[disc ? kWidth : kHeight]))
        return false;
    if (!zone2SizesKept_) return true;
    return storeWholeNumber(m.zone2Width, texts[disc ? kWidth : kZone2Width]) &&
           storeWholeNumber(m.zone2Height, texts[disc ? kWidth : kZone2Height]);
}

bool CatalogueEdit::storeWholeNumber(std::int32_t& target, const QString& text) const {
    const std::optional<std::int32_t> number = wholeNumber(text);
    if (number) target = *number;
    return number.has_value();
}

// Sizes are typed in the user's own number format.
std::optional<std::int32_t> CatalogueEdit::wholeNumber(const QString& text) const {
    const QLocale locale = locale_ ? locale_->userLocale() : QLocale();
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (!ok) return std::nullopt;
    return toIntegerHalfEven<std::int32_t>(value);
}

}  // namespace vsm
