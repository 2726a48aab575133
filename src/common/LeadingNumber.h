// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace vsm {

// The leading decimal number of a text, read with "." as decimal point whatever the
// locale: blanks before it are skipped, an optional sign, digits, an optional
// fraction and exponent. A text without a leading number gives 0.
double leadingNumber(const QString& text);

}  // namespace vsm
