#pragma once

// Text on a device context: DrawTextA with the DT_ flags and the "&"
// access-key prefix, in the context's font and text colour. "MS Sans Serif"
// is drawn in the desktop's sans font; "Marlett" symbols are drawn as shapes.
#include "core/platform/Win32Types.h"

#include <QFont>
#include <QString>

namespace lumokit {

constexpr UINT DT_TOP = 0x00000000;
constexpr UINT DT_LEFT = 0x00000000;
constexpr UINT DT_CENTER = 0x00000001;
constexpr UINT DT_RIGHT = 0x00000002;
constexpr UINT DT_VCENTER = 0x00000004;
constexpr UINT DT_BOTTOM = 0x00000008;
constexpr UINT DT_WORDBREAK = 0x00000010;
constexpr UINT DT_SINGLELINE = 0x00000020;
constexpr UINT DT_EXPANDTABS = 0x00000040;
constexpr UINT DT_NOCLIP = 0x00000100;
constexpr UINT DT_CALCRECT = 0x00000400;
constexpr UINT DT_NOPREFIX = 0x00000800;
constexpr UINT DT_PATH_ELLIPSIS = 0x00004000;
constexpr UINT DT_END_ELLIPSIS = 0x00008000;
constexpr UINT DT_WORD_ELLIPSIS = 0x00040000;

// Returns the height of the text (from the rectangle's top to the text's
// bottom when centred or bottom-aligned); 0 on failure. nCount -1 = all.
// With DT_CALCRECT nothing is drawn and the rectangle receives the extent.
int DrawTextA(HDC hdc, const QString& text, int nCount, RECT* lpRect, UINT uFormat);

// Width and height in pixels of one line as DrawTextA would draw it (the
// prefix "&" not counted).
QSize textExtent(HDC hdc, const QString& text, UINT uFormat = DT_SINGLELINE);

// The font drawn for a face name of the platform ("MS Sans Serif" becomes
// the desktop's sans font); other fonts are returned unchanged.
QFont mappedFont(const QFont& font);
bool isMarlett(const QFont& font);

} // namespace lumokit
