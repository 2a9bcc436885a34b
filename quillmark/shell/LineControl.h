#pragma once

#include <QColor>
#include <QWidget>

namespace quillmark {

// A line drawn across the control's rectangle: horizontal through its middle,
// vertical through its centre, or along one of its diagonals.
class LineControl : public QWidget {
    Q_OBJECT
public:
    enum class Direction { Horizontal, Vertical, Down, Up };

    explicit LineControl(QWidget* parent = nullptr);

    Direction direction() const { return m_direction; }
    void setDirection(Direction New_Direction);
    QColor BorderColor() const { return m_borderColor; }
    void setBorderColor(const QColor& New_BorderColor);
    // The line's two ends in this control's coordinates.
    QLine line() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Direction m_direction = Direction::Horizontal;
    QColor m_borderColor = QColor(128, 128, 128);
};

} // namespace quillmark
