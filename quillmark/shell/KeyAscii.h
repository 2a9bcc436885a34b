#pragma once

class QKeyEvent;

namespace quillmark {

// The character a key press types, as a control's KeyPress event receives
// it: printable characters, Enter 13, Backspace 8, Escape 27, and Ctrl with a
// letter its control character (Ctrl+V is 22). -1 for keys that raise no
// KeyPress: Tab, Delete, navigation and function keys, Alt shortcuts.
int keyAsciiOf(const QKeyEvent& key);

} // namespace quillmark
