#include "core/platform/Win32Icons.h"

#include "core/platform/GdiTable_p.h"
#include "core/platform/SysColors.h"

#include <QPainter>

namespace lumokit {

namespace {

QImage stretched(const Picture& picture, int cx, int cy) {
    const QImage image = picture.image();
    const int width = cx > 0 ? cx : image.width();
    const int height = cy > 0 ? cy : image.height();
    if (image.size() == QSize(width, height)) {
        return image;
    }
    // Nearest pixels, so silhouettes stay crisp and results exact.
    return image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

bool differsFromWhite(QRgb pixel) {
    const int alpha = qAlpha(pixel);
    if (alpha == 0) {
        return false;
    }
    const auto onWhite = [alpha](int channel) {
        return (channel * alpha + 255 * (255 - alpha)) / 255;
    };
    return onWhite(qRed(pixel)) != 255 || onWhite(qGreen(pixel)) != 255 ||
           onWhite(qBlue(pixel)) != 255;
}

void paintSilhouette(gdi::DeviceContext& dc, const QImage& image, int x, int y, COLORREF color) {
    QImage& surface = *dc.surface;
    const QRgb value = qRgb(GetRValue(color), GetGValue(color), GetBValue(color));
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 0; column < image.width(); ++column) {
            if (differsFromWhite(image.pixel(column, row)) && surface.valid(x + column, y + row)) {
                surface.setPixel(x + column, y + row, value);
            }
        }
    }
}

void paintImage(gdi::DeviceContext& dc, const QImage& image, int x, int y) {
    if (dc.surface->isNull()) {
        return;
    }
    QPainter painter(dc.surface);
    painter.drawImage(QPoint(x, y), image);
}

} // namespace

BOOL DrawStateA(HDC hdc, HBRUSH hbrFore, DRAWSTATEPROC, const Picture& picture, WPARAM, int x,
                int y, int cx, int cy, UINT uFlags) {
    gdi::DeviceContext* dc = gdi::context(hdc);
    const UINT type = uFlags & 0x000F;
    if (!dc || (type != DST_ICON && type != DST_BITMAP)) {
        return FALSE;
    }
    if (picture.isNull()) {
        return FALSE;
    }
    const QImage image = stretched(picture, cx, cy);
    if (uFlags & DSS_MONO) {
        COLORREF color = 0;
        gdi::brushColor(hbrFore, &color); // no brush: black
        paintSilhouette(*dc, image, x, y, color);
    } else if (uFlags & DSS_DISABLED) {
        paintSilhouette(*dc, image, x + 1, y + 1, GetSysColor(COLOR_3DHILIGHT));
        paintSilhouette(*dc, image, x, y, GetSysColor(COLOR_3DSHADOW));
    } else {
        paintImage(*dc, image, x, y);
    }
    gdi::notifyChanged(*dc, QRect(x, y, image.width() + 1, image.height() + 1));
    return TRUE;
}

BOOL DrawIconEx(HDC hdc, int xLeft, int yTop, const Picture& icon, int cxWidth, int cyWidth, UINT,
                HBRUSH, UINT) {
    gdi::DeviceContext* dc = gdi::context(hdc);
    if (!dc || icon.isNull()) {
        return FALSE;
    }
    const QImage image = stretched(icon, cxWidth, cyWidth);
    paintImage(*dc, image, xLeft, yTop);
    gdi::notifyChanged(*dc, QRect(xLeft, yTop, image.width(), image.height()));
    return TRUE;
}

} // namespace lumokit
