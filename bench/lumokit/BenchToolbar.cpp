// The toolbar: a row of 200 items, half of them drop-down buttons with a
// list, every fifth with its caption shown, on a bar wide enough to draw
// them all. Figures: a full DrawControl in both looks, and a mouse move
// that changes the hot item (it repaints the whole bar). The floor draws
// the same fills, frames, arrows, icons and captions once with one QPainter
// on a QImage; text drawn by Qt is most of it.
#include "BenchControls.h"

#include "toolbar/ToolbarLayout.h"
#include "toolbar/lumoadvToolbar.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <memory>

using namespace lumokit;

namespace {

constexpr int kItems = 200;
constexpr int kWidth = 7600;
constexpr int kHeight = 26;

Picture icon(int i) {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setBrush(QColor::fromHsv((i * 37) % 360, 160, 200));
    painter.drawRect(2, 2, 11, 11);
    painter.end();
    return Picture::fromImage(image, Picture::Icon);
}

std::unique_ptr<lumoadvToolbar> makeBar(lumoStyle style) {
    auto bar = std::make_unique<lumoadvToolbar>();
    bar->resize(kWidth, kHeight);
    bar->initNew();
    bar->setStyle(style);
    for (int i = 1; i <= kItems; ++i) {
        const bool dropDown = i % 2 == 0;
        bar->AddButton(icon(i), QStringLiteral("Item %1").arg(i),
                       dropDown ? sStyle::sDropDown : sStyle::sNormal,
                       QStringLiteral("Tip %1").arg(i), {}, true, true, 50, i % 5 == 0);
        if (dropDown) {
            for (int j = 1; j <= 3; ++j) {
                bar->AddMenu(i, QStringLiteral("Entry %1").arg(j), {}, sStyle::sNormal);
            }
        }
    }
    bar->DrawControl();
    return bar;
}

// The drawing a paint of the bar does, with one painter: the same fills
// (a frame is four one-pixel fills, the arrow's triangle one fill a row), the
// same icons and captions.
void frame(QPainter& painter, const QRect& r, const QColor& color) {
    painter.fillRect(r.left(), r.top(), r.width(), 1, color);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, color);
    painter.fillRect(r.left(), r.top(), 1, r.height(), color);
    painter.fillRect(r.right(), r.top(), 1, r.height(), color);
}

void floorPaint(QImage& image, const lumoadvToolbar& bar, bool vivid) {
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QColor face(219, 216, 209);
    const QColor border(10, 36, 106);
    const int bottom = kHeight - 1;
    if (vivid) {
        for (int y = bottom + 10; y >= 0; --y) {
            painter.fillRect(0, y - 1, kWidth, 1, QColor(255, 255 - y, 255 - 2 * y));
        }
    } else {
        painter.fillRect(0, 1, kWidth, bottom - 1, face);
    }
    painter.fillRect(2, 2, 1, bottom - 4, Qt::gray);
    painter.fillRect(4, 2, 1, bottom - 4, Qt::gray);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setFont(bar.drawingFont());
    painter.setPen(Qt::black);
    int x = ToolbarLayout::kFirstItemX;
    for (int i = 1; i <= bar.ButtonCount(); ++i) {
        const int w = bar.ButtonPlaceHolderWidth(i);
        const QRect item(x, 1, w, bottom - 1);
        if (!vivid) {
            painter.fillRect(item, face);
            frame(painter, item, border);
        }
        if (bar.ButtonStyle(i) == sStyle::sDropDown) {
            const QRect arrow(x + w - 12, 1, 12, bottom - 1);
            if (!vivid) {
                painter.fillRect(arrow, face);
                frame(painter, arrow, border);
            }
            const QPoint c = arrow.center();
            for (int row = 0; row < 4; ++row) {
                painter.fillRect(c.x() - 3 + row, c.y() - 1 + row, 7 - 2 * row, 1, Qt::black);
            }
        }
        painter.drawImage(QPoint(x + 3, 4), bar.ButtonPicture(i).image());
        if (bar.ButtonShowCaption(i)) {
            painter.drawText(QRect(x + bottom, 1, w, bottom - 1), Qt::AlignVCenter | Qt::AlignLeft,
                             bar.ButtonCaption(i));
        }
        x += w;
    }
}

void moveTo(lumoadvToolbar& bar, int x) {
    QMouseEvent move(QEvent::MouseMove, QPointF(x, 8), bar.mapToGlobal(QPointF(x, 8)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&bar, &move);
}

void run() {
    for (const lumoStyle style : {lumoStyle::lumoXP, lumoStyle::lumoVivid}) {
        const bool vivid = style == lumoStyle::lumoVivid;
        auto bar = makeBar(style);
        const std::string look = vivid ? "vivid" : "XP";
        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        const double floor = bench::cpuMicrosecondsPerCall([&] { floorPaint(image, *bar, vivid); });
        bench::report("DrawControl, 200 items, " + look,
                      bench::cpuMicrosecondsPerCall([&] { bar->DrawControl(); }), floor, "us");
        // Between the second and the third item: each move makes another one hot.
        const int second = ToolbarLayout::kFirstItemX + bar->ButtonPlaceHolderWidth(1) + 5;
        const int third = second + bar->ButtonPlaceHolderWidth(2);
        bool toggle = false;
        bench::report("mouse move onto another item, " + look, bench::cpuMicrosecondsPerCall([&] {
                          moveTo(*bar, (toggle = !toggle) ? second : third);
                      }),
                      floor, "us");
    }
}

const bool registered = bench::registerCase("toolbar", &run);

} // namespace
