#pragma once

// How the controls turn computed sizes and positions into pixels: to the
// nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4), as
// the platform's conversion of a floating-point value to an integer does.
#include <algorithm>
#include <cmath>

namespace lumokit {

inline int roundHalfEven(double value) {
    // Far outside any surface, yet safe from overflow.
    constexpr double limit = 1 << 24;
    // nearbyint follows the default rounding mode, which is to nearest even.
    return static_cast<int>(std::nearbyint(std::clamp(value, -limit, limit)));
}

} // namespace lumokit
