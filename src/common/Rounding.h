// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace vsm {

// The program rounds to the nearest whole number with halves going to the even
// neighbour (12.5 -> 12, 13.5 -> 14). qRound and std::round do not, so every
// conversion to an integer goes through here.
inline double roundHalfEven(double value) {
    return std::nearbyint(value);  // default FE_TONEAREST is ties-to-even
}

// Rounds half-to-even into the integer type T; empty when the result does not fit
// (an overflow makes the step that needed the number fail).
template <typename T>
std::optional<T> toIntegerHalfEven(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double r = roundHalfEven(value);
    if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
        r > static_cast<double>(std::numeric_limits<T>::max()))
        return std::nullopt;
    return static_cast<T>(r);
}

// Product of two integers in the type T; empty on overflow.
template <typename T>
std::optional<T> checkedProduct(std::int64_t a, std::int64_t b) {
    const std::int64_t p = a * b;  // operands here are at most 32-bit wide
    if (p < std::numeric_limits<T>::min() || p > std::numeric_limits<T>::max())
        return std::nullopt;
    return static_cast<T>(p);
}

}  // namespace vsm
