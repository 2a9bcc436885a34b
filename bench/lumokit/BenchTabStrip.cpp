// The whole paint of a tab strip (PaintTabs): 8 tabs with icons on a 640 x
// 200 strip in the Vivid look, tab 3 selected and tab 5 hovered. Floor: the
// same fills, frames, icons and captions drawn once with one QPainter on a
// QImage of the same size.
#include "BenchControls.h"

#include "tabstrip/lumoTabStrip.h"

#include <QFont>
#include <QPainter>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 200;
constexpr int kTabs = 8;
constexpr int kRow = 24;

QImage icon() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(QColor(30, 120, 60));
    return image;
}

QString caption(int i) {
    return QStringLiteral("Tab %1").arg(i);
}

// What PaintTabs draws, the plain way.
void paintFloor(QImage& image, const QFont& font, const QImage& picture) {
    QPainter p(&image);
    p.setFont(font);
    p.fillRect(image.rect(), QColor(212, 208, 200));
    int x = 0;
    for (int i = 1; i <= kTabs; ++i) {
        const int w = 24 + p.fontMetrics().horizontalAdvance(caption(i)) + 8;
        for (int row = 0; row <= kRow; ++row) { // the gradient's stripes
            p.fillRect(QRect(x, kHeight - 1 - row, w, 1), QColor(255 - row, 250, 240));
        }
        if (i == 5) {
            p.setPen(QColor(10, 36, 106));
            p.drawRect(QRect(x, kHeight - kRow, w - 1, kRow - 1));
        }
        if (i == 3) {
            p.fillRect(QRect(0, 0, kWidth, kHeight - kRow), Qt::white);
            p.drawRect(QRect(0, 0, kWidth - 1, kHeight - kRow - 1));
            for (int row = 0; row <= kRow; ++row) {
                p.fillRect(QRect(x + 1, kHeight - 2 - row, w - 1, 1), QColor(255 - row, 250, 240));
            }
            p.drawRect(QRect(x, kHeight - kRow - 1, w - 1, kRow));
            p.fillRect(QRect(x, kHeight - kRow - 1, w, 1), Qt::white);
        }
        p.drawImage(QPoint(x + 3, kHeight - 21), picture);
        p.setPen(Qt::black);
        p.drawText(QRect(x + 22, kHeight - kRow, w - 22, kRow), Qt::AlignCenter, caption(i));
        x += w;
    }
}

void run() {
    using namespace lumokit;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    const Picture picture = Picture::fromImage(icon(), Picture::Icon);

    lumoTabStrip strip;
    strip.initNew();
    strip.setFont(font);
    strip.resize(kWidth, kHeight);
    for (int i = 1; i <= kTabs; ++i) {
        strip.AddTab(picture, caption(i), QStringLiteral("about %1").arg(i));
    }
    strip.setSelected(3);
    const double paint = bench::cpuMicrosecondsPerCall([&strip] { strip.PaintTabs(); });

    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    const QImage plainIcon = icon();
    const double floor = bench::cpuMicrosecondsPerCall([&] { paintFloor(image, font, plainIcon); });
    bench::report("tab strip: full paint, 8 tabs, 640 x 200", paint, floor, "us");
}

const bool registered = bench::registerCase("tabstrip", &run);

} // namespace
