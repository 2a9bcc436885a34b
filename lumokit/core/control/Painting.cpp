#include "core/control/Painting.h"

#include "core/platform/SysColors.h"
#include "core/platform/Win32Gdi.h"
#include "core/platform/Win32Icons.h"
#include "core/platform/Win32Text.h"

namespace lumokit {

void fillSolid(HDC hdc, const RECT& area, OLE_COLOR color) {
    const HBRUSH brush = CreateSolidBrush(translateColor(color));
    FillRect(hdc, &area, brush);
    DeleteObject(brush);
}

void frameSolid(HDC hdc, const RECT& area, OLE_COLOR color) {
    const HBRUSH brush = CreateSolidBrush(translateColor(color));
    FrameRect(hdc, &area, brush);
    DeleteObject(brush);
}

void fillGradient(HDC hdc, RECT area, OLE_COLOR fromColor, OLE_COLOR toColor, LONG extent,
                  LONG direction) {
    GradientFillRect(hdc, fromColor, toColor, area, extent, direction);
}

void fillGradientInside(HDC hdc, RECT area, OLE_COLOR fromColor, OLE_COLOR toColor, LONG extent) {
    const RECT clip = area;
    GradientFillRect(hdc, fromColor, toColor, area, extent, kGradientVertical, clip);
}

// The same stripes as GradientFillRect, seen from the other end: its end
// colour lies at the bottom.
void fillBands(HDC hdc, const RECT& area, OLE_COLOR startColor, OLE_COLOR endColor, LONG H) {
    fillGradient(hdc, area, endColor, startColor, H);
}

void drawIcon(HDC hdc, const Picture& icon, POINT at, int width, int height, IconState state,
              OLE_COLOR silhouetteColor) {
    switch (state) {
    case IconState::Normal:
        DrawStateA(hdc, 0, nullptr, icon, 0, at.x, at.y, width, height, DST_ICON);
        break;
    case IconState::Disabled:
        DrawStateA(hdc, 0, nullptr, icon, 0, at.x, at.y, width, height, DST_ICON | DSS_DISABLED);
        break;
    case IconState::Silhouette: {
        const HBRUSH brush = CreateSolidBrush(translateColor(silhouetteColor));
        DrawStateA(hdc, brush, nullptr, icon, 0, at.x, at.y, width, height, DST_ICON | DSS_MONO);
        DeleteObject(brush);
        break;
    }
    }
}

void drawText(HDC hdc, const QString& text, RECT area, UINT flags) {
    DrawTextA(hdc, text, -1, &area, flags);
}

} // namespace lumokit
