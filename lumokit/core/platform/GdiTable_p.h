#pragma once

// Shared state of the graphics layer: device contexts and objects by handle.
#include "core/platform/Win32Types.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>

#include <functional>

namespace lumokit::gdi {

struct DeviceContext {
    QImage* surface = nullptr;
    std::function<void(const QRect&)> changed;
    std::function<void()> prepare;
    COLORREF textColor = 0;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = 2; // OPAQUE
    QFont deviceFont;
    HFONT selectedFont = 0;
    HBRUSH selectedBrush = 0;
};

DeviceContext* context(HDC hdc);
// The colour of a brush handle; false for no brush.
bool brushColor(HBRUSH brush, COLORREF* color);
// The font text is drawn with on this context.
QFont drawingFont(const DeviceContext& dc);
void notifyChanged(DeviceContext& dc, const QRect& area);

} // namespace lumokit::gdi
