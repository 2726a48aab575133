// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace vsm {

// How covers are made ready for cutting, kept in Files/Output.ini. The defaults
// change nothing on the page.
struct OutputOptions {
    static constexpr double kMaxBleedMm = 5;
    static constexpr double kMinHoleMm = 15;
    static constexpr double kMaxHoleMm = 46;
    static constexpr double kDefaultHoleMm = 41;

    double bleedMm = 0;  // how far each picture reaches past its trim line
    bool cropMarks = false;
    bool clipDiscs = false;  // disc faces print only on the disc, the hole left white
    double holeMm = kDefaultHoleMm;

    bool operator==(const OutputOptions& o) const {
        return bleedMm == o.bleedMm && cropMarks == o.cropMarks && clipDiscs == o.clipDiscs &&
               holeMm == o.holeMm;
    }

    bool operator!=(const OutputOptions& o) const { return !(*this == o); }

    // Why a bleed or a hole diameter is refused; empty when it is usable.
    static QString bleedProblem(double mm);
    static QString holeProblem(double mm);

    static QString fileIn(const QString& dataFilesFolder);
    // A missing file reads as the defaults. A bad value is skipped, described in
    // warnings with its line, and its default kept.
    static OutputOptions read(const QString& path, QStringList* warnings);
    // Atomically; false when the file cannot be written.
    bool write(const QString& path) const;
};

}  // namespace vsm
