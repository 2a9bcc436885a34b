#pragma once

// The pictures and icon looks the toolbar and its menu windows share: the
// overflow chevron (the menu window's own icon, also its sub-menu arrow),
// the grey silhouette of a disabled icon and the lifted look of a hot one.
#include "core/platform/Win32Types.h"

#include <lumokit/Picture.h>

namespace lumokit {

constexpr int kChevronSize = 16;
constexpr OLE_COLOR kDisabledIconColor = 0x808080;
constexpr OLE_COLOR kLiftShadowColor = 0x9D8D88; // red 136, green 141, blue 157

// A transparent 16 x 16 icon with two black right-pointing chevrons, two
// pixels wide, in rows 1 to 5. Made once per thread.
const Picture& chevronIcon();

// The icon at width x height: plainly, as a grey silhouette, or lifted (a
// silhouette shadow at `shadow`, then the icon itself at `lifted`).
void drawPlainIcon(HDC hdc, const Picture& icon, POINT at, int width, int height);
void drawDisabledIcon(HDC hdc, const Picture& icon, POINT at, int width, int height);
void drawLiftedIcon(HDC hdc, const Picture& icon, POINT shadow, POINT lifted, int width,
                    int height);

} // namespace lumokit
