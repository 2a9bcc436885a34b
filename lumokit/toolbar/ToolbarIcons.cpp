#include "toolbar/ToolbarIcons.h"

#include "core/control/Painting.h"

#include <QImage>

namespace lumokit {

namespace {

Picture makeChevron() {
    QImage image(kChevronSize, kChevronSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    // Rows 1 to 5; the first column of each of the two strokes, which are
    // two pixels wide.
    const int firstColumns[] = {4, 5, 6, 5, 4};
    for (int row = 1; row <= 5; ++row) {
        for (const int start : {firstColumns[row - 1], firstColumns[row - 1] + 4}) {
            image.setPixel(start, row, qRgba(0, 0, 0, 255));
            image.setPixel(start + 1, row, qRgba(0, 0, 0, 255));
        }
    }
    return Picture::fromImage(image, Picture::Icon);
}

// Hosts set the icon size freely; a size no screen can show is not drawn.
bool drawable(int width, int height) {
    constexpr long long maxSide = 32767;
    constexpr long long maxPixels = 16LL * 1024 * 1024;
    return width >= 0 && height >= 0 && width <= maxSide && height <= maxSide &&
           static_cast<long long>(width) * height <= maxPixels;
}

} // namespace

const Picture& chevronIcon() {
    thread_local const Picture chevron = makeChevron();
    return chevron;
}

void drawPlainIcon(HDC hdc, const Picture& icon, POINT at, int width, int height) {
    if (!drawable(width, height)) {
        return;
    }
    drawIcon(hdc, icon, at, width, height, IconState::Normal);
}

void drawDisabledIcon(HDC hdc, const Picture& icon, POINT at, int width, int height) {
    if (!drawable(width, height)) {
        return;
    }
    drawIcon(hdc, icon, at, width, height, IconState::Silhouette, kDisabledIconColor);
}

void drawLiftedIcon(HDC hdc, const Picture& icon, POINT shadow, POINT lifted, int width,
                    int height) {
    if (!drawable(width, height)) {
        return;
    }
    drawIcon(hdc, icon, shadow, width, height, IconState::Silhouette, kLiftShadowColor);
    drawIcon(hdc, icon, lifted, width, height, IconState::Normal);
}

} // namespace lumokit
