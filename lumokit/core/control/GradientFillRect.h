#pragma once

// The stripe gradient of the controls: stripes of n/255 pixels (at least 1)
// from the bottom (vertical, direction 0) or right edge (horizontal, 1),
// starting in the end colour and moving towards the start colour. The
// rectangle is used as the work area and changed in place.
#include "core/platform/Win32Types.h"

namespace lumokit {

constexpr int kGradientVertical = 0;
constexpr int kGradientHorizontal = 1;

void GradientFillRect(HDC hdc, OLE_COLOR fromColor, OLE_COLOR toColor, RECT& rect, LONG n,
                      LONG direction);
// The same stripes, drawn only where they fall inside clip: a gradient whose
// extent is larger than its rectangle keeps off its neighbours.
void GradientFillRect(HDC hdc, OLE_COLOR fromColor, OLE_COLOR toColor, RECT& rect, LONG n,
                      LONG direction, const RECT& clip);

} // namespace lumokit
