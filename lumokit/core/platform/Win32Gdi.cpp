#include "core/platform/Win32Gdi.h"

#include "core/platform/GdiTable_p.h"
#include "core/platform/SysColors.h"
#include "core/platform/Win32Rect.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <map>
#include <variant>

namespace lumokit {

namespace {

struct Brush {
    COLORREF color;
};
struct Font {
    QFont font;
};
struct Region {
    RECT box;
};
using GdiObject = std::variant<Brush, Font, Region>;

struct GdiTable {
    std::map<HDC, gdi::DeviceContext> contexts;
    std::map<HGDIOBJ, GdiObject> objects;
    // Handles below 0x1000 stay free for system-colour brushes (index + 1).
    HGDIOBJ lastObject = 0x1000;
    HDC lastContext = 0x1000;
};

GdiTable& table() {
    thread_local GdiTable gdiTable;
    return gdiTable;
}

template <class T> T* object(HGDIOBJ handle) {
    auto& objects = table().objects;
    const auto found = objects.find(handle);
    return found == objects.end() ? nullptr : std::get_if<T>(&found->second);
}

HGDIOBJ addObject(GdiObject value) {
    GdiTable& t = table();
    const HGDIOBJ handle = ++t.lastObject;
    t.objects.emplace(handle, std::move(value));
    return handle;
}

// Fills whole pixels with one exact colour.
void fillPixels(gdi::DeviceContext& dc, const QRect& area, COLORREF color) {
    const QRect clipped = area.intersected(dc.surface->rect());
    if (clipped.isEmpty()) {
        return;
    }
    QImage& image = *dc.surface;
    const QImage::Format format = image.format();
    if (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
        format == QImage::Format_ARGB32_Premultiplied) {
        // Opaque pixels written in place: what a source fill gives, without
        // a painter for each of the many small fills a control makes.
        const QRgb value = toQColor(color).rgba();
        for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y)) + clipped.left();
            std::fill_n(line, clipped.width(), value);
        }
        return;
    }
    QPainter painter(dc.surface);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(clipped, toQColor(color));
}

void horizontalLine(gdi::DeviceContext& dc, int x0, int x1, int y, COLORREF color) {
    if (x1 > x0) {
        fillPixels(dc, QRect(x0, y, x1 - x0, 1), color);
    }
}

void verticalLine(gdi::DeviceContext& dc, int x, int y0, int y1, COLORREF color) {
    if (y1 > y0) {
        fillPixels(dc, QRect(x, y0, 1, y1 - y0), color);
    }
}

// System colours of the edge parts, indexed by the edge bits (0..15); -1 is
// no line. An edge with only an inner part is drawn where the outer goes.
constexpr std::array<int, 16> kTopLeftInner = {-1,
                                               -1,
                                               -1,
                                               -1,
                                               -1,
                                               COLOR_BTNHIGHLIGHT,
                                               COLOR_BTNHIGHLIGHT,
                                               -1,
                                               -1,
                                               COLOR_3DDKSHADOW,
                                               COLOR_3DDKSHADOW,
                                               -1,
                                               -1,
                                               -1,
                                               -1,
                                               -1};
constexpr std::array<int, 16> kTopLeftOuter = {-1,
                                               COLOR_3DLIGHT,
                                               COLOR_BTNSHADOW,
                                               -1,
                                               COLOR_BTNHIGHLIGHT,
                                               COLOR_3DLIGHT,
                                               COLOR_BTNSHADOW,
                                               -1,
                                               COLOR_3DDKSHADOW,
                                               COLOR_3DLIGHT,
                                               COLOR_BTNSHADOW,
                                               -1,
                                               -1,
                                               -1,
                                               -1,
                                               -1};
constexpr std::array<int, 16> kBottomRightInner = {
    -1, -1, -1, -1, -1, COLOR_BTNSHADOW, COLOR_BTNSHADOW, -1, -1, COLOR_3DLIGHT, COLOR_3DLIGHT,
    -1, -1, -1, -1, -1};
constexpr std::array<int, 16> kBottomRightOuter = {-1,
                                                   COLOR_3DDKSHADOW,
                                                   COLOR_BTNHIGHLIGHT,
                                                   -1,
                                                   COLOR_BTNSHADOW,
                                                   COLOR_3DDKSHADOW,
                                                   COLOR_BTNHIGHLIGHT,
                                                   -1,
                                                   COLOR_3DLIGHT,
                                                   COLOR_3DDKSHADOW,
                                                   COLOR_BTNHIGHLIGHT,
                                                   -1,
                                                   -1,
                                                   -1,
                                                   -1,
                                                   -1};

struct EdgeColors {
    int topLeftOuter, bottomRightOuter, topLeftInner, bottomRightInner;
};

EdgeColors edgeColors(UINT kind, UINT flags) {
    EdgeColors colors{kTopLeftOuter[kind], kBottomRightOuter[kind], kTopLeftInner[kind],
                      kBottomRightInner[kind]};
    if (flags & (BF_MONO | BF_FLAT)) {
        const int outer = (flags & BF_MONO) ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW;
        const int inner = (flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE;
        const auto keep = [](int part, int color) { return part == -1 ? -1 : color; };
        colors = EdgeColors{keep(colors.topLeftOuter, outer), keep(colors.bottomRightOuter, outer),
                            keep(colors.topLeftInner, inner), keep(colors.bottomRightInner, inner)};
    }
    return colors;
}

} // namespace

namespace gdi {

DeviceContext* context(HDC hdc) {
    auto& contexts = table().contexts;
    const auto found = contexts.find(hdc);
    if (found == contexts.end() || !found->second.surface) {
        return nullptr;
    }
    if (found->second.prepare) {
        found->second.prepare();
    }
    return &found->second;
}

bool brushColor(HBRUSH brush, COLORREF* color) {
    if (brush > 0 && brush <= COLOR_MENUBAR + 1) {
        *color = GetSysColor(brush - 1);
        return true;
    }
    if (const Brush* solid = object<Brush>(brush)) {
        *color = solid->color;
        return true;
    }
    return false;
}

QFont drawingFont(const DeviceContext& dc) {
    if (const Font* selected = object<Font>(dc.selectedFont)) {
        return selected->font;
    }
    return dc.deviceFont;
}

void notifyChanged(DeviceContext& dc, const QRect& area) {
    if (dc.changed && !area.isEmpty()) {
        dc.changed(area);
    }
}

} // namespace gdi

// --- Device contexts --------------------------------------------------------

HDC CreateSurfaceDC(QImage* surface, std::function<void(const QRect&)> changed) {
    if (!surface) {
        return 0;
    }
    GdiTable& t = table();
    const HDC hdc = ++t.lastContext;
    gdi::DeviceContext dc;
    dc.surface = surface;
    dc.changed = std::move(changed);
    t.contexts.emplace(hdc, std::move(dc));
    return hdc;
}

BOOL DeleteDC(HDC hdc) {
    return table().contexts.erase(hdc) ? TRUE : FALSE;
}

void setSurfacePreparer(HDC hdc, std::function<void()> prepare) {
    const auto found = table().contexts.find(hdc);
    if (found != table().contexts.end()) {
        found->second.prepare = std::move(prepare);
    }
}

QImage* surfaceOf(HDC hdc) {
    gdi::DeviceContext* dc = gdi::context(hdc);
    return dc ? dc->surface : nullptr;
}

void setDeviceFont(HDC hdc, const QFont& font) {
    if (gdi::DeviceContext* dc = gdi::context(hdc)) {
        dc->deviceFont = font;
    }
}

QFont currentFont(HDC hdc) {
    const gdi::DeviceContext* dc = gdi::context(hdc);
    return dc ? gdi::drawingFont(*dc) : QFont();
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    gdi::DeviceContext* dc = gdi::context(hdc);
    if (!dc) {
        return CLR_INVALID;
    }
    const COLORREF previous = dc->textColor;
    dc->textColor = color & 0x00FFFFFFu;
    return previous;
}

COLORREF GetTextColor(HDC hdc) {
    const gdi::DeviceContext* dc = gdi::context(hdc);
    return dc ? dc->textColor : CLR_INVALID;
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    gdi::DeviceContext* dc = gdi::context(hdc);
    if (!dc) {
        return CLR_INVALID;
    }
    const COLORREF previous = dc->bkColor;
    dc->bkColor = color & 0x00FFFFFFu;
    return previous;
}

COLORREF GetBkColor(HDC hdc) {
    const gdi::DeviceContext* dc = gdi::context(hdc);
    return dc ? dc->bkColor : CLR_INVALID;
}

int SetBkMode(HDC hdc, int mode) {
    gdi::DeviceContext* dc = gdi::context(hdc);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) {
        return 0;
    }
    const int previous = dc->bkMode;
    dc->bkMode = mode;
    return previous;
}

int GetBkMode(HDC hdc) {
    const gdi::DeviceContext* dc = gdi::context(hdc);
    return dc ? dc->bkMode : 0;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    const gdi::DeviceContext* dc = gdi::context(hdc);
    if (!dc || !dc->surface->valid(x, y)) {
        return CLR_INVALID;
    }
    return fromQColor(QColor(dc->surface->pixel(x, y)));
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    gdi::DeviceContext* dc = gdi::context(hdc);
    if (!dc || !dc->surface->valid(x, y)) {
        return CLR_INVALID;
    }
    fillPixels(*dc, QRect(x, y, 1, 1), color);
    gdi::notifyChanged(*dc, QRect(x, y, 1, 1));
    return color & 0x00FFFFFFu;
}

// --- Objects ------------------------------------------------------------------

HBRUSH CreateSolidBrush(COLORREF color) {
    return addObject(Brush{color & 0x00FFFFFFu});
}

HFONT CreateFontFromQFont(const QFont& font) {
    return addObject(Font{font});
}

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    // A region's box is normalised, like the platform's.
    return addObject(Region{RECT{std::min(left, right), std::min(top, bottom),
                                 std::max(left, right), std::max(top, bottom)}});
}

BOOL DeleteObject(HGDIOBJ handle) {
    GdiTable& t = table();
    if (!t.objects.erase(handle)) {
        return FALSE;
    }
    for (auto& [hdc, dc] : t.contexts) {
        if (dc.selectedFont == handle) {
            dc.selectedFont = 0;
        }
        if (dc.selectedBrush == handle) {
            dc.selectedBrush = 0;
        }
    }
    return TRUE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ handle) {
    gdi::DeviceContext* dc = gdi::context(hdc);
    if (!dc) {
        return 0;
    }
    if (object<Font>(handle)) {
        const HGDIOBJ previous = dc->selectedFont;
        dc->selectedFont = handle;
        return previous;
    }
    if (object<Brush>(handle)) {
        const HGDIOBJ previous = dc->selectedBrush;
        dc->selectedBrush = handle;
        return previous;
    }
    return 0;
}

int liveGdiObjectCount() {
    return static_cast<int>(table().objects.size());
}

int GetRgnBox(HRGN hrgn, RECT* lprc) {
    const Region* region = object<Region>(hrgn);
    if (!region || !lprc) {
        return RGN_ERROR;
    }
    *lprc = region->box;
    return IsRectEmpty(&region->box) ? NULLREGION : SIMPLEREGION;
}

// --- Drawing ------------------------------------------------------------------

int FillRect(HDC hdc, const RECT* lprc, HBRUSH hbr) {
    gdi::DeviceContext* dc = gdi::context(hdc);
    COLORREF color = 0;
    if (!dc || !lprc || !gdi::brushColor(hbr, &color)) {
        return 0;
    }
    const QRect area = toQRect(*lprc);
    fillPixels(*dc, area, color);
    gdi::notifyChanged(*dc, area);
    return 1;
}

int FrameRect(HDC hdc, const RECT* lprc, HBRUSH hbr) {
    gdi::DeviceContext* dc = gdi::context(hdc);
    COLORREF color = 0;
    if (!dc || !lprc || !gdi::brushColor(hbr, &color)) {
        return 0;
    }
    const RECT& r = *lprc;
    if (IsRectEmpty(&r)) {
        return 1;
    }
    horizontalLine(*dc, r.left, r.right, r.top, color);
    horizontalLine(*dc, r.left, r.right, r.bottom - 1, color);
    verticalLine(*dc, r.left, r.top, r.bottom, color);
    verticalLine(*dc, r.right - 1, r.top, r.bottom, color);
    gdi::notifyChanged(*dc, toQRect(r));
    return 1;
}

BOOL DrawEdge(HDC hdc, RECT* qrc, UINT edge, UINT grfFlags) {
    gdi::DeviceContext* dc = gdi::context(hdc);
    if (!dc || !qrc) {
        return FALSE;
    }
    const UINT kind = edge & (BDR_OUTER | BDR_INNER);
    const EdgeColors colors = edgeColors(kind, grfFlags);
    const RECT r = *qrc;
    const bool left = grfFlags & BF_LEFT;
    const bool top = grfFlags & BF_TOP;
    const bool right = grfFlags & BF_RIGHT;
    const bool bottom = grfFlags & BF_BOTTOM;
    const auto color = [](int index) { return GetSysColor(index); };

    if (colors.topLeftOuter != -1) {
        if (top) {
            horizontalLine(*dc, r.left, r.right, r.top, color(colors.topLeftOuter));
        }
        if (left) {
            verticalLine(*dc, r.left, r.top, r.bottom, color(colors.topLeftOuter));
        }
    }
    if (colors.bottomRightOuter != -1) {
        if (bottom) {
            horizontalLine(*dc, r.left, r.right, r.bottom - 1, color(colors.bottomRightOuter));
        }
        if (right) {
            verticalLine(*dc, r.right - 1, r.top, r.bottom, color(colors.bottomRightOuter));
        }
    }
    // The inner lines stop one pixel short where a neighbouring side has an edge.
    const int innerLeft = r.left + (left ? 1 : 0);
    const int innerRight = r.right - (right ? 1 : 0);
    const int innerTop = r.top + (top ? 1 : 0);
    const int innerBottom = r.bottom - (bottom ? 1 : 0);
    if (colors.topLeftInner != -1) {
        if (top) {
            horizontalLine(*dc, innerLeft, innerRight, r.top + 1, color(colors.topLeftInner));
        }
        if (left) {
            verticalLine(*dc, r.left + 1, innerTop, innerBottom, color(colors.topLeftInner));
        }
    }
    if (colors.bottomRightInner != -1) {
        if (bottom) {
            horizontalLine(*dc, innerLeft, innerRight, r.bottom - 2,
                           color(colors.bottomRightInner));
        }
        if (right) {
            verticalLine(*dc, r.right - 2, innerTop, innerBottom, color(colors.bottomRightInner));
        }
    }

    const int width = (kind == 0 ? 0 : 1) + (colors.topLeftInner != -1 ? 1 : 0);
    RECT inside = r;
    inside.left += left ? width : 0;
    inside.top += top ? width : 0;
    inside.right -= right ? width : 0;
    inside.bottom -= bottom ? width : 0;
    if (grfFlags & BF_MIDDLE) {
        fillPixels(*dc, toQRect(inside),
                   GetSysColor((grfFlags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE));
    }
    if (grfFlags & BF_ADJUST) {
        *qrc = inside;
    }
    gdi::notifyChanged(*dc, toQRect(r));
    return TRUE;
}

BOOL DrawFocusRect(HDC hdc, const RECT* lprc) {
    gdi::DeviceContext* dc = gdi::context(hdc);
    if (!dc || !lprc || IsRectEmpty(lprc)) {
        return FALSE;
    }
    const RECT& r = *lprc;
    QImage& image = *dc->surface;
    // The dotted pattern is fixed to the surface, so a second call hits the
    // same pixels and inverts them back.
    const auto invertStrip = [&](int x0, int y0, int x1, int y1) {
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                if ((x + y) % 2 == 0 && image.valid(x, y)) {
                    image.setPixel(x, y, image.pixel(x, y) ^ 0x00FFFFFFu);
                }
            }
        }
    };
    invertStrip(r.left, r.top, r.right, r.top + 1);
    invertStrip(r.left, r.bottom - 1, r.right, r.bottom);
    invertStrip(r.left, r.top + 1, r.left + 1, r.bottom - 1);
    invertStrip(r.right - 1, r.top + 1, r.right, r.bottom - 1);
    gdi::notifyChanged(*dc, toQRect(r));
    return TRUE;
}

} // namespace lumokit
