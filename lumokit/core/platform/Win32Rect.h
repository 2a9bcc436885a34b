#pragma once

// Rectangle helpers; right and bottom are exclusive, and a rectangle whose
// right is not past its left (or bottom past its top) is empty.
#include "core/platform/Win32Types.h"

#include <QRect>

namespace lumokit {

BOOL SetRect(RECT* lprc, int xLeft, int yTop, int xRight, int yBottom);
BOOL SetRectEmpty(RECT* lprc);
BOOL IsRectEmpty(const RECT* lprc);
// The overlap of both, or an empty rectangle (and FALSE) when none.
BOOL IntersectRect(RECT* lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2);
BOOL OffsetRect(RECT* lprc, int dx, int dy);
BOOL InflateRect(RECT* lprc, int dx, int dy);
BOOL PtInRect(const RECT* lprc, POINT pt);

QRect toQRect(const RECT& rect); // an empty QRect for an empty rectangle
RECT fromQRect(const QRect& rect);

} // namespace lumokit
