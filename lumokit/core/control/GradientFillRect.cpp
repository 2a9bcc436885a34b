#include "core/control/GradientFillRect.h"

#include "core/platform/SysColors.h"
#include "core/platform/Win32Gdi.h"
#include "core/platform/Win32Rect.h"

#include <cmath>

namespace lumokit {

namespace {

struct Components {
    LONG red, green, blue;
};

Components split(COLORREF color) {
    return {GetRValue(color), GetGValue(color), GetBValue(color)};
}

// (n - i) * diff / n + end, in floating point, rounded half to even.
LONG blend(LONG n, LONG i, LONG diff, LONG end) {
    return static_cast<LONG>(
        std::nearbyint(static_cast<double>(n - i) * diff / static_cast<double>(n) + end));
}

void fillStripe(HDC hdc, const RECT& stripe, const RECT* clip, COLORREF color) {
    RECT shown = stripe;
    if (clip && !IntersectRect(&shown, &stripe, clip)) {
        return;
    }
    const HBRUSH brush = CreateSolidBrush(color);
    FillRect(hdc, &shown, brush);
    DeleteObject(brush);
}

void fillStripes(HDC hdc, OLE_COLOR fromColor, OLE_COLOR toColor, RECT& rect, LONG n,
                 LONG direction, const RECT* clip) {
    if (n < 0) {
        return; // no extent, no stripes (a negative step would run away)
    }
    COLORREF from = 0;
    COLORREF to = 0;
    OleTranslateColor(fromColor, 0, &from);
    OleTranslateColor(toColor, 0, &to);
    const Components start = split(from);
    const Components end = split(to);
    const Components diff{start.red - end.red, start.green - end.green, start.blue - end.blue};

    LONG step = n / 255;
    if (step == 0) {
        step = 1;
    }
    Components current = end;
    for (LONG i = n; i >= 0; i -= step) {
        if (direction == kGradientVertical) {
            rect.top = rect.bottom - step;
        } else {
            rect.left = rect.right - step;
        }
        fillStripe(hdc, rect, clip, RGB(current.red, current.green, current.blue));
        if (direction == kGradientVertical) {
            rect.bottom = rect.top;
        } else {
            rect.right = rect.left;
        }
        if (n > 0) {
            current = Components{blend(n, i, diff.red, end.red), blend(n, i, diff.green, end.green),
                                 blend(n, i, diff.blue, end.blue)};
        }
    }
}

} // namespace

void GradientFillRect(HDC hdc, OLE_COLOR fromColor, OLE_COLOR toColor, RECT& rect, LONG n,
                      LONG direction) {
    fillStripes(hdc, fromColor, toColor, rect, n, direction, nullptr);
}

void GradientFillRect(HDC hdc, OLE_COLOR fromColor, OLE_COLOR toColor, RECT& rect, LONG n,
                      LONG direction, const RECT& clip) {
    fillStripes(hdc, fromColor, toColor, rect, n, direction, &clip);
}

} // namespace lumokit
