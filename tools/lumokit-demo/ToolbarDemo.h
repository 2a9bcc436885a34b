#pragma once

// The toolbars of lumokit-demo: both styles with every kind of item
// (buttons with and without captions, disabled, drop-downs with and without
// a list, check boxes, labels, place holders, separators) and more items
// than fit, so the chevron shows; their states are made with the mouse as a
// user makes them: hover, a press held, a drop-down list open, the chevron
// zone hot, and the pop-up menu shown with a sub-menu open.
#include <QImage>
#include <QWidget>

#include <vector>

namespace lumokit {
class lumoadvToolbar;
}

class ToolbarDemo {
public:
    // Places headings (headingWidth wide) and toolbars (barWidth wide) in
    // parent from y down; returns the y below them.
    int build(QWidget* parent, int left, int y, int barWidth, int headingWidth);
    // After the window is shown: hovers, presses and opens the menus.
    void forceStates();
    // The open menu windows drawn over a picture of the window.
    static void paintMenus(QImage& shot, const QWidget* window);

private:
    lumokit::lumoadvToolbar* addBar(QWidget* parent, int left, int& y, const QString& heading);
    std::vector<lumokit::lumoadvToolbar*> m_bars;
    int m_barWidth = 0;
    int m_headingWidth = 0;
};
