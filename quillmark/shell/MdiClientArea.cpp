#include "quillmark/shell/MdiClientArea.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

namespace quillmark {

namespace {

constexpr int kEmblemWidth = 320;
constexpr int kEmblemHeight = 240;
constexpr int kMargin = 24;

void drawPage(QPainter& p, const QRectF& page, bool left) {
    QPainterPath path;
    const qreal curl = 10;
    if (left) {
        path.moveTo(page.topRight());
        path.quadTo(page.center().x(), page.top() - curl, page.left(), page.top());
        path.lineTo(page.bottomLeft());
        path.quadTo(page.center().x(), page.bottom() - curl, page.right(), page.bottom());
    } else {
        path.moveTo(page.topLeft());
        path.quadTo(page.center().x(), page.top() - curl, page.right(), page.top());
        path.lineTo(page.bottomRight());
        path.quadTo(page.center().x(), page.bottom() - curl, page.left(), page.bottom());
    }
    path.closeSubpath();
    p.setPen(QPen(QColor(176, 190, 210), 2));
    p.setBrush(QColor(246, 249, 253));
    p.drawPath(path);
    // Ruled lines and a money column.
    p.setPen(QPen(QColor(205, 215, 230), 1));
    for (qreal y = page.top() + 22; y < page.bottom() - 10; y += 14) {
        p.drawLine(QPointF(page.left() + 10, y), QPointF(page.right() - 10, y));
    }
    p.setPen(QPen(QColor(225, 185, 185), 1));
    const qreal column = page.right() - 40;
    p.drawLine(QPointF(column, page.top() + 12), QPointF(column, page.bottom() - 8));
}

void drawQuill(QPainter& p) {
    QPainterPath feather;
    feather.moveTo(200, 200);
    feather.cubicTo(215, 120, 260, 50, 305, 15);
    feather.cubicTo(290, 70, 255, 140, 200, 200);
    p.setPen(QPen(QColor(120, 135, 160), 1.5));
    p.setBrush(QColor(214, 222, 236));
    p.drawPath(feather);
    p.setPen(QPen(QColor(90, 105, 135), 2));
    p.drawLine(QPointF(192, 214), QPointF(286, 40));
}

} // namespace

MdiClientArea::MdiClientArea(QWidget* parent) : QMdiArea(parent) {
    setBackground(Qt::white);
}

QImage MdiClientArea::drawEmblem() {
    QImage image(kEmblemWidth, kEmblemHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawPage(p, QRectF(20, 60, 130, 160), true);
    drawPage(p, QRectF(150, 60, 130, 160), false);
    drawQuill(p);
    return image;
}

const QImage& MdiClientArea::emblem() {
    static const QImage image = drawEmblem();
    return image;
}

QRect MdiClientArea::emblemRect(const QSize& area) {
    return QRect(area.width() - kEmblemWidth - kMargin, area.height() - kEmblemHeight - kMargin,
                 kEmblemWidth, kEmblemHeight);
}

void MdiClientArea::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.fillRect(event->rect(), Qt::white);
    const QRect target = emblemRect(viewport()->size());
    if (target.intersects(event->rect())) {
        painter.drawImage(target, emblem());
    }
}

} // namespace quillmark
