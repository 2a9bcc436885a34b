#pragma once

// The drawing steps the controls and the library's windows share, on a
// device context and in OLE colours (system colours are translated first):
// a solid fill or frame with a brush made for it and deleted at once, the
// stripe gradient, an icon in one of its states, and text with the "&"
// access-key prefix in the context's font and text colour.
#include "core/control/GradientFillRect.h"
#include "core/platform/Win32Types.h"

#include <lumokit/Picture.h>

#include <QString>

namespace lumokit {

void fillSolid(HDC hdc, const RECT& area, OLE_COLOR color);
// A one-pixel frame just inside the area.
void frameSolid(HDC hdc, const RECT& area, OLE_COLOR color);
// GradientFillRect over the area, which the caller keeps unchanged.
void fillGradient(HDC hdc, RECT area, OLE_COLOR fromColor, OLE_COLOR toColor, LONG extent,
                  LONG direction = kGradientVertical);
// The same, vertical, with no stripe falling outside the area.
void fillGradientInside(HDC hdc, RECT area, OLE_COLOR fromColor, OLE_COLOR toColor, LONG extent);
// The band gradient of the toolbar and its menus: horizontal bands of
// H div 255 pixels (at least 1) from the area's bottom up, across its left
// to right; the two lowest carry the start colour, the top one comes close
// to the end colour. The area's top is not a limit: bands run up as far as
// H takes them.
void fillBands(HDC hdc, const RECT& area, OLE_COLOR startColor, OLE_COLOR endColor, LONG H);

enum class IconState {
    Normal,
    Disabled,   // embossed in the button highlight and shadow colours
    Silhouette, // every pixel of the icon in one colour
};
// The picture drawn width x height at the point, as DrawStateA draws icons.
void drawIcon(HDC hdc, const Picture& icon, POINT at, int width, int height, IconState state,
              OLE_COLOR silhouetteColor = 0);

// DrawTextA over the area with the flags; the caller's area is kept.
void drawText(HDC hdc, const QString& text, RECT area, UINT flags);

} // namespace lumokit
