#pragma once

// Device contexts over QImage surfaces and the solid brushes, fonts and
// rectangle regions drawn with. Fills, frames, edges and the focus
// rectangle are pixel-exact; nothing is antialiased.
#include "core/platform/Win32Types.h"

#include <QFont>

#include <functional>

class QImage;
class QRect;

namespace lumokit {

// --- Device contexts --------------------------------------------------------

// A context drawing on surface (not owned; must outlive the context). After
// each drawing call, changed receives the touched area (e.g. to repaint).
HDC CreateSurfaceDC(QImage* surface, std::function<void(const QRect&)> changed = {});
BOOL DeleteDC(HDC hdc);
// Called before every use of the context, so its owner can bring the
// surface up to date (a hidden widget is resized without an event).
void setSurfacePreparer(HDC hdc, std::function<void()> prepare);
QImage* surfaceOf(HDC hdc);
// The font text is drawn with unless a font object is selected.
void setDeviceFont(HDC hdc, const QFont& font);
QFont currentFont(HDC hdc);

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF GetTextColor(HDC hdc);
COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF GetBkColor(HDC hdc);
int SetBkMode(HDC hdc, int mode);
int GetBkMode(HDC hdc);
COLORREF GetPixel(HDC hdc, int x, int y); // CLR_INVALID outside the surface
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// --- Objects ------------------------------------------------------------------

HBRUSH CreateSolidBrush(COLORREF color);
// A font object over a Qt font (face names are mapped when drawing).
HFONT CreateFontFromQFont(const QFont& font);
HRGN CreateRectRgn(int left, int top, int right, int bottom);
BOOL DeleteObject(HGDIOBJ object);
// Selects a font or brush; returns the one it replaces (0 when the device
// font was in use, or for an unknown object).
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);
int liveGdiObjectCount();

constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int RGN_ERROR = 0;
int GetRgnBox(HRGN hrgn, RECT* lprc);

// --- Drawing ------------------------------------------------------------------

// Brushes may also be a system colour index + 1, as window classes use them.
int FillRect(HDC hdc, const RECT* lprc, HBRUSH hbr);
// A one-pixel frame just inside the rectangle.
int FrameRect(HDC hdc, const RECT* lprc, HBRUSH hbr);

constexpr UINT BDR_RAISEDOUTER = 0x0001;
constexpr UINT BDR_SUNKENOUTER = 0x0002;
constexpr UINT BDR_RAISEDINNER = 0x0004;
constexpr UINT BDR_SUNKENINNER = 0x0008;
constexpr UINT BDR_OUTER = 0x0003;
constexpr UINT BDR_INNER = 0x000C;
constexpr UINT EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr UINT EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr UINT BF_LEFT = 0x0001;
constexpr UINT BF_TOP = 0x0002;
constexpr UINT BF_RIGHT = 0x0004;
constexpr UINT BF_BOTTOM = 0x0008;
constexpr UINT BF_TOPLEFT = BF_TOP | BF_LEFT;
constexpr UINT BF_TOPRIGHT = BF_TOP | BF_RIGHT;
constexpr UINT BF_BOTTOMLEFT = BF_BOTTOM | BF_LEFT;
constexpr UINT BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
constexpr UINT BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr UINT BF_MIDDLE = 0x0800;
constexpr UINT BF_SOFT = 0x1000;
constexpr UINT BF_ADJUST = 0x2000;
constexpr UINT BF_FLAT = 0x4000;
constexpr UINT BF_MONO = 0x8000;
// Outer edge first, then inner; top and left lines before bottom and
// right, so the top-right and bottom-left corners take the lower-right
// colour. Diagonal and soft edges are not offered (drawn as plain edges).
BOOL DrawEdge(HDC hdc, RECT* qrc, UINT edge, UINT grfFlags);

// Inverts every other pixel of the rectangle's outline; drawing the same
// rectangle again restores the pixels.
BOOL DrawFocusRect(HDC hdc, const RECT* lprc);

} // namespace lumokit
