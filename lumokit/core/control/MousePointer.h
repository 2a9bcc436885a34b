#pragma once

// A control's MousePointer and MouseIcon as the cursor over its window:
// 0 the default, 1-15 the host runtime's standard pointers, 99 the picture
// in MouseIcon (the default while there is none). Other numbers show the
// default.
#include <lumokit/Picture.h>

#include <QCursor>

#include <optional>

class QWidget;

namespace lumokit {

constexpr short vbDefault = 0;
constexpr short vbCustom = 99;

// The cursor for a pointer number; none for the default.
std::optional<QCursor> cursorForMousePointer(short pointer, const Picture& icon);
void applyMousePointer(QWidget& window, short pointer, const Picture& icon);

} // namespace lumokit
