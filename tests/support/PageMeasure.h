// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/CoverCatalogue.h"

#include <QImage>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

namespace vsm::test {

// Where a zone's cut outline should land, from the catalogue alone: millimetres
// from the printable area's corner. Circles use the zone's width as diameter.
struct ExpectedOutline {
    QRectF mm;
    bool circle = false;
};
std::vector<ExpectedOutline> expectedOutlines(const CoverCatalogue& catalogue, int model);

// Measures a thin dark outline on a rasterised page near where it is expected.
// The result is the outline's rectangle in millimetres from the page's corner
// (for a circle its bounding square), found from the darkness-weighted centre
// of each of its four sides; nothing when a side is not found.
std::optional<QRectF> measureOutline(const QImage& page, double dpi, const ExpectedOutline& near,
                                     QPointF originMm);

// The largest distance between the measured and expected edges, and between the
// measured and expected sizes, in millimetres.
struct OutlineError {
    double position = 0;
    double size = 0;
};
OutlineError outlineError(const QRectF& measured, const QRectF& expected);

// A one-page PDF rasterised by pdftoppm at dpi, in grey unless colour is asked
// for; null when that fails.
QImage rasterisePdf(const QString& pdf, double dpi, bool colour = false);

}  // namespace vsm::test
