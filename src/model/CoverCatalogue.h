// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace vsm {

// One case type: the sizes of its picture zones in millimetres, the page
// orientation, the zone shape and where each zone lands on the printed page.
struct CoverModel {
    QString modelTag;  // kept in the file only
    std::int32_t zone1Width = 0;
    std::int32_t zone1Height = 0;
    QString orientation;  // "Verticale" (portrait) or "Orizzontale" (landscape)
    std::int32_t zone2Width = 0;  // 0: the model has no zone 2
    std::int32_t zone2Height = 0;
    QString shape;      // "Cerchio" for disc labels, anything else is a rectangle
    QString spareText;  // kept in the file only
    // Positions stay texts exactly as entered; their leading number is used.
    QString zone1Left;
    QString zone1Top;
    QString zone2Left;
    QString zone2Top;

    bool operator==(const CoverModel& o) const;
};

inline const QString kPortrait = QStringLiteral("Verticale");
inline const QString kLandscape = QStringLiteral("Orizzontale");
inline const QString kCircle = QStringLiteral("Cerchio");

// The ordered table of case types. Record order carries fixed behaviour (record 0
// is the full box the slim covers are cut from; CaseKinds says what each other
// record is), so the file must hold its records in that order.
struct CoverCatalogue {
    static constexpr int kCapacity = 31;
    static constexpr int kLastModelIndex = 21;
    static constexpr int kModelRecords = kLastModelIndex + 1;
    static constexpr int kFileLines = kModelRecords * 12 + 2;

    std::array<CoverModel, kCapacity> models{};
    QString zone3Left;  // one pair for the whole catalogue, kept after the third-zone record
    QString zone3Top;
    std::int16_t modelCount = 0;

    // Model i, or nothing when i lies outside the table.
    const CoverModel* model(int i) const;
    CoverModel* model(int i);

    // Reads items in sequence regardless of lines; a missing file or a short one
    // leaves the fields it does not reach as they were. modelCount becomes 22 in
    // every case, so every model name is listed.
    bool load(const QString& path);
    void loadText(const QString& text);

    // Writes the 266 lines, one item a line.
    bool save(const QString& path) const;
    QStringList lines() const;

    bool operator==(const CoverCatalogue& o) const;
};

}  // namespace vsm
