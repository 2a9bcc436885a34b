#include "quillmark/shell/LineControl.h"

#include <QPainter>

namespace quillmark {

LineControl::LineControl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::setDirection(Direction New_Direction) {
    if (m_direction == New_Direction) {
        return;
    }
    m_direction = New_Direction;
    update();
}

void LineControl::setBorderColor(const QColor& New_BorderColor) {
    if (m_borderColor == New_BorderColor) {
        return;
    }
    m_borderColor = New_BorderColor;
    update();
}

QLine LineControl::line() const {
    const int right = qMax(0, width() - 1);
    const int bottom = qMax(0, height() - 1);
    switch (m_direction) {
    case Direction::Vertical:
        return QLine(right / 2, 0, right / 2, bottom);
    case Direction::Down:
        return QLine(0, 0, right, bottom);
    case Direction::Up:
        return QLine(0, bottom, right, 0);
    case Direction::Horizontal:
        break;
    }
    return QLine(0, bottom / 2, right, bottom / 2);
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(m_borderColor);
    painter.drawLine(line());
}

} // namespace quillmark
