#pragma once

#include <QtGlobal>

#include <limits>

namespace quillmark {

// Screen positions and sizes are stored in twips; 15 twips make one pixel.
inline constexpr int kTwipsPerPixel = 15;

// Form values come from stored data: the arithmetic is done in 64 bits and the
// result clamped, so that no value can overflow.
inline constexpr int clampToInt(qint64 value) {
    constexpr qint64 least = std::numeric_limits<int>::min();
    constexpr qint64 most = std::numeric_limits<int>::max();
    return static_cast<int>(value < least ? least : value > most ? most : value);
}

inline constexpr int twipsToPixels(int twips) {
    const qint64 wide = twips;
    // Round half away from zero so that a stored size maps back to itself.
    return clampToInt(wide >= 0 ? (wide + kTwipsPerPixel / 2) / kTwipsPerPixel
                                : -((-wide + kTwipsPerPixel / 2) / kTwipsPerPixel));
}

inline constexpr int pixelsToTwips(int pixels) {
    return clampToInt(qint64(pixels) * kTwipsPerPixel);
}

} // namespace quillmark
