#pragma once

#include <QtGlobal>

namespace quillmark {

// Screen positions and sizes are stored in twips; 15 twips make one pixel.
inline constexpr int kTwipsPerPixel = 15;

inline constexpr int twipsToPixels(int twips) {
    // Round half away from zero so that a stored size maps back to itself.
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

inline constexpr int pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

} // namespace quillmark
