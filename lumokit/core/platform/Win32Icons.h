#pragma once

// Pictures on a device context. The picture is passed where the platform
// takes an icon or bitmap handle; an empty picture draws nothing.
#include "core/platform/Win32Types.h"

#include <lumokit/Picture.h>

namespace lumokit {

constexpr UINT DST_COMPLEX = 0x0000;
constexpr UINT DST_TEXT = 0x0001;
constexpr UINT DST_PREFIXTEXT = 0x0002;
constexpr UINT DST_ICON = 0x0003;
constexpr UINT DST_BITMAP = 0x0004;
constexpr UINT DSS_NORMAL = 0x0000;
constexpr UINT DSS_UNION = 0x0010;
constexpr UINT DSS_DISABLED = 0x0020;
constexpr UINT DSS_MONO = 0x0080;

using DRAWSTATEPROC = void*; // no output callbacks are offered

// Draws the picture at (x, y) stretched to cx by cy (its own size when 0).
// DSS_MONO: a silhouette in the brush's colour. DSS_DISABLED: embossed, a
// highlight silhouette one pixel down-right under a shadow silhouette. The
// silhouette is every pixel that differs from white when the picture is
// laid on white.
BOOL DrawStateA(HDC hdc, HBRUSH hbrFore, DRAWSTATEPROC qfnCallBack, const Picture& picture,
                WPARAM wData, int x, int y, int cx, int cy, UINT uFlags);

constexpr UINT DI_MASK = 0x0001;
constexpr UINT DI_IMAGE = 0x0002;
constexpr UINT DI_NORMAL = 0x0003;
constexpr UINT DI_DEFAULTSIZE = 0x0008;

BOOL DrawIconEx(HDC hdc, int xLeft, int yTop, const Picture& icon, int cxWidth, int cyWidth,
                UINT istepIfAniCur, HBRUSH hbrFlickerFreeDraw, UINT diFlags);

} // namespace lumokit
