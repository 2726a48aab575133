// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace vsm {

struct CoverCatalogue;
struct CoverModel;
class LocaleSource;

// The options dialog's editing of the catalogue without its window: what a
// selected model keeps, and how the field texts are written back into it.
class CatalogueEdit {
public:
    // The ten fields: three position rows (left, top), then the sizes.
    enum Field {
        kZone1Left,
        kZone1Top,
        kZone2Left,
        kZone2Top,
        kZone3Left,
        kZone3Top,
        kWidth,
        kHeight,
        kZone2Width,
        kZone2Height,
        kFieldCount
    };
    using Texts = std::array<QString, kFieldCount>;

    // Sizes are read in the locale's number format; without one, in the default locale's.
    CatalogueEdit(CoverCatalogue& catalogue, const LocaleSource* locale);

    static bool isDisc(const CoverModel& m);

    // Selecting a model in the list; nothing when there is no such model. The
    // write-back follows what the model showed when it was chosen.
    const CoverModel* select(int model);
    // A model without a zone-2 top hides those positions; hidden ones are not stored.
    bool zone2PositionsShown() const { return zone2PositionsShown_; }

    // Leaving a field: it is remembered, and leaving the zone-2 top returns the top
    // the field must show instead when it lay above zone 1.
    std::optional<QString> leave(int field, const Texts& texts);
    int lastFieldLeft() const { return lastFieldLeft_; }

    // Zone 2 may not start above zone 1, nor above 1 mm when it is moved down.
    static std::optional<QString> zone2TopKeptBelow(const QString& zone1Top,
                                                    const QString& zone2Top);

    // Writes the texts into model `model`: positions trimmed as typed, sizes as
    // whole numbers, and the third zone's place when the record has one. False when
    // there is no such model or a size is no number; what follows that size is not
    // written.
    bool store(int model, const Texts& texts) const;

private:
    void storePositions(CoverModel& m, const Texts& texts) const;
    bool storeSizes(CoverModel& m, const Texts& texts) const;
    bool storeWholeNumber(std::int32_t& target, const QString& text) const;
    std::optional<std::int32_t> wholeNumber(const QString& text) const;

    CoverCatalogue& catalogue_;
    const LocaleSource* locale_;
    int lastFieldLeft_ = 0;
    bool zone2PositionsShown_ = false;
    bool zone2SizesKept_ = false;
};

}  // namespace vsm
