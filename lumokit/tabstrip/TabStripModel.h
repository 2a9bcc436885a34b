#pragma once

// The tab strip's tabs and the rules that need no surface: how wide each
// tab is, which tab lies under a point, and how clicks, keys and the mouse
// change the hovered, pressed, selected and keyboard-focus tabs. The control
// feeds it input and raises the events it answers; the painter reads it.
//
// Tabs are numbered from 1. Slot 0 exists but is never painted; it and any
// number above the count read as an empty tab (disabled, invisible).
#include "core/platform/Win32Types.h"

#include <lumokit/Enums.h>
#include <lumokit/Picture.h>

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace lumokit {

struct TabRecord {
    Picture icon;
    QString description;
    LONG width = 0; // at the last paint; the hit test uses it
    bool enabled = false;
    bool visible = false;
    QString caption;
    QString tag;
    QString toolText;
};

class TabStripModel {
public:
    // The tab row is the bottom 24 pixels; the page lies above it.
    static constexpr int kRowHeight = 24;
    static constexpr int kIconWidth = 24;
    static constexpr int kCaptionPadding = 8;

    TabStripModel() : m_tabs(1) {}

    LONG count() const { return static_cast<LONG>(m_tabs.size()) - 1; }
    void addTab(TabRecord tab) { m_tabs.push_back(std::move(tab)); }
    // For a host: error 9 below 0.
    const TabRecord& tab(LONG index) const;
    // For the rules and the painter: any number, none raising.
    const TabRecord& at(LONG index) const;
    // Null above the count (a write there does nothing); error 9 below 0.
    TabRecord* tabToWrite(LONG index);

    // --- Layout ------------------------------------------------------------
    static LONG tabWidth(lumoTabstyle style, int captionWidth);
    // Stores the width of every visible tab, its caption measured by
    // captionWidth, and returns the right edge of the row.
    LONG layOut(lumoTabstyle style, const std::function<int(const QString&)>& captionWidth);
    // The visible tab under (x, y) of a strip H pixels high, by the widths of
    // the last layout; 0 for none. Tabs own their right edge, and the top
    // row of the tab row belongs to no tab.
    LONG HitTest(LONG x, LONG y, int H) const;

    // What a paint settles: Selected 0 shows tab 1, and the keyboard focus
    // follows the selection until a click or key moves it. Only while a tab
    // is visible.
    void settleForPaint();
    // The tab that keys act on: the keyboard-focus tab, else the selected one.
    LONG keyTab() const { return focusTab != 0 ? focusTab : Selected; }

    // --- Input ---------------------------------------------------------------
    void mouseDown(LONG x, LONG y, int H);
    void mouseMove(LONG x, LONG y, int H);
    void mouseUp();
    void mouseLeft();
    // The tab a click at the last mouse position selects, if it selects one.
    std::optional<LONG> click(int H);
    // Enter shows the key tab pressed, if it is enabled.
    void keyDown(int keyCode);
    // The tab to announce with TabClick, if any.
    std::optional<LONG> keyUp(int keyCode);
    // The tab that reaches the right edge W, by the widths of the last paint.
    void resized(int W, int H) { overflow = HitTest(W, H - kRowHeight / 2, H); }

    // --- State -------------------------------------------------------------
    LONG Selected = 1; // no range check: a host may select any number
    LONG hovered = 0;
    LONG pressed = 0;
    LONG focusTab = 0; // 0: the selected tab
    LONG overflow = 0; // drawn with the arrow until the next resize
    LONG rightEdge = 0;
    bool hasFocus = false;
    POINT mouse{};

private:
    std::optional<LONG> select(LONG index);

    std::vector<TabRecord> m_tabs; // [0] is the empty slot
};

} // namespace lumokit
