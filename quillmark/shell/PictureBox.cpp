#include "quillmark/shell/PictureBox.h"

#include <QMouseEvent>

namespace quillmark {

PictureBox::PictureBox(QWidget* parent) : QLabel(parent) {}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    // Keep the press so that the release comes back here as a click.
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit Click();
    }
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QLabel::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) {
        emit DblClick();
    }
}

} // namespace quillmark
