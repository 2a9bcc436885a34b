#pragma once

// The demo window's tab strip and status bar sections. Each adds a heading
// and its controls to window from y = top across width pixels, and returns
// the y below them; looks that need input (hover, pressed, focus) are shown
// by the steps it appends to afterShow, which run once the window is shown.
#include <lumokit/Picture.h>

#include <functional>
#include <vector>

class QWidget;

namespace demo {

using AfterShow = std::vector<std::function<void()>>;

int addTabStripSection(QWidget* window, int top, int width, const lumokit::Picture& icon,
                       AfterShow& afterShow);
int addStatusbarSection(QWidget* window, int top, int width);

// A bold heading across the window; returns the y below it.
int addSectionHeading(QWidget* window, const QString& text, int top, int width);

} // namespace demo
