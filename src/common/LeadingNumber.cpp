// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/LeadingNumber.h"

#include <cmath>

namespace vsm {

namespace {

bool isDigitAt(const QString& t, int i) { return i < t.size() && t[i].isDigit() && t[i] < '\x80'; }

int skipDigits(const QString& t, int i) {
    while (isDigitAt(t, i)) ++i;
    return i;
}

}  // namespace

double leadingNumber(const QString& text) {
    int i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const int start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const int intStart = i;
    i = skipDigits(text, i);
    bool anyDigits = i > intStart;
    if (i < text.size() && text[i] == '.') {
        const int fracStart = i + 1;
        const int fracEnd = skipDigits(text, fracStart);
        if (fracEnd > fracStart || anyDigits) i = fracEnd;
        anyDigits = anyDigits || fracEnd > fracStart;
    }
    if (!anyDigits) return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        int j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const int expEnd = skipDigits(text, j);
        if (expEnd > j) i = expEnd;
    }
    bool ok = false;
    const double value = text.mid(start, i - start).toDouble(&ok);  // QString::toDouble is C-locale
    if (ok) return value;
    return std::isinf(value) ? value : 0.0;  // a huge exponent overflows, as it should
}

}  // namespace vsm
