#include "server/ToolboxImages.h"

#include <lumokit/TypeLibIds.h>

#include <QBuffer>
#include <QColor>

namespace lumokit {

namespace {

const QColor frame(10, 36, 106);
const QColor face(219, 216, 209);
const QColor highlight(182, 189, 210);
const QColor white(255, 255, 255);
const QColor shadow(128, 128, 128);

// Inclusive pixel rectangles keep the drawings exact without a painter.
void fill(QImage& image, int left, int top, int right, int bottom, const QColor& colour) {
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            image.setPixelColor(x, y, colour);
        }
    }
}

void frameRect(QImage& image, int left, int top, int right, int bottom, const QColor& colour) {
    fill(image, left, top, right, top, colour);
    fill(image, left, bottom, right, bottom, colour);
    fill(image, left, top, left, bottom, colour);
    fill(image, right, top, right, bottom, colour);
}

QImage blank() {
    QImage image(ToolboxImages::Size, ToolboxImages::Size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// A flat button with an icon square and a caption line.
QImage button() {
    QImage image = blank();
    fill(image, 0, 3, 15, 12, face);
    frameRect(image, 0, 3, 15, 12, frame);
    fill(image, 2, 5, 6, 10, highlight);
    fill(image, 8, 7, 13, 8, frame);
    return image;
}

// A bar with a grip, three buttons and the overflow chevron.
QImage toolbar() {
    QImage image = blank();
    fill(image, 0, 4, 15, 11, face);
    fill(image, 1, 5, 1, 10, shadow);
    for (int left : {3, 7}) {
        fill(image, left, 6, left + 2, 9, highlight);
        frameRect(image, left, 6, left + 2, 9, frame);
    }
    for (int y = 6; y <= 9; ++y) {
        image.setPixelColor(y <= 7 ? 11 + (y - 6) : 11 + (9 - y), y, frame);
        image.setPixelColor(y <= 7 ? 13 + (y - 6) : 13 + (9 - y), y, frame);
    }
    return image;
}

// Two tabs along the bottom under a white page.
QImage tabStrip() {
    QImage image = blank();
    fill(image, 0, 1, 15, 10, white);
    frameRect(image, 0, 1, 15, 10, shadow);
    fill(image, 1, 10, 6, 14, white);
    frameRect(image, 0, 10, 7, 14, shadow);
    fill(image, 1, 10, 6, 10, white);
    fill(image, 9, 11, 14, 13, face);
    frameRect(image, 8, 11, 15, 14, shadow);
    return image;
}

// A gradient bar with two framed panels and a size grip.
QImage statusbar() {
    QImage image = blank();
    for (int y = 4; y <= 12; ++y) {
        const int t = (y - 4) * 255 / 8;
        fill(image, 0, y, 15, y,
             QColor(face.red() + (255 - face.red()) * t / 255,
                    face.green() + (255 - face.green()) * t / 255,
                    face.blue() + (255 - face.blue()) * t / 255));
    }
    frameRect(image, 1, 5, 7, 11, white);
    frameRect(image, 9, 5, 12, 11, white);
    for (int i = 0; i < 3; ++i) {
        image.setPixelColor(15 - i, 12, shadow);
        image.setPixelColor(15, 12 - i, shadow);
    }
    return image;
}

} // namespace

QImage ToolboxImages::image(int resourceId) {
    switch (resourceId) {
    case IDB_LumoXPButton:
        return button();
    case IDB_lumoadvToolbar:
        return toolbar();
    case IDB_lumoTabStrip:
        return tabStrip();
    case IDB_lumoStatusbar:
        return statusbar();
    default:
        return {};
    }
}

QByteArray ToolboxImages::png(int resourceId) {
    const QImage picture = image(resourceId);
    if (picture.isNull()) {
        return {};
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

} // namespace lumokit
