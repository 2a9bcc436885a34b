#include "quillmark/shell/KeyAscii.h"

#include <QKeyEvent>

namespace quillmark {

int keyAsciiOf(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab || key.key() == Qt::Key_Delete) {
        return -1;
    }
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    if ((modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier)) {
        return -1;
    }
    const QString text = key.text();
    if (text.size() != 1 || text.at(0).unicode() == 0x7F) {
        return -1;
    }
    const QChar ch = text.at(0);
    // Whatever text the platform attached to the key, Ctrl with a letter
    // types its control character.
    if ((modifiers & Qt::ControlModifier) && ch.unicode() < 0x80 && ch.isLetter()) {
        return ch.toUpper().unicode() & 0x1F;
    }
    return ch.unicode();
}

} // namespace quillmark
