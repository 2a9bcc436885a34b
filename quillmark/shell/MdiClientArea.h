#pragma once

#include <QImage>
#include <QMdiArea>

namespace quillmark {

// The main window's client area: white, with the program's emblem (an open
// ledger and a quill) drawn in its lower right corner behind the screens.
class MdiClientArea : public QMdiArea {
    Q_OBJECT
public:
    explicit MdiClientArea(QWidget* parent = nullptr);

    // The emblem picture, drawn once.
    static const QImage& emblem();
    // Where the emblem stands in a client area of this size.
    static QRect emblemRect(const QSize& area);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static QImage drawEmblem();
};

} // namespace quillmark
