#pragma once

// Where the toolbar's items go, with no surface: the bar's top and bottom,
// the widths each paint lays out and stores, which items are drawn before
// the row stops short of the right edge, whether the overflow chevron shows,
// the hit test, the look of an item and where its icon goes. All values are
// pixels in the control's client area.
#include "toolbar/ToolbarModel.h"

#include <lumokit/Enums.h>

#include <functional>
#include <vector>

namespace lumokit {

// The inner size and the rows the items span.
struct ToolbarMetrics {
    int SW = 0;
    int SH = 0;
    int top = 0;    // 1 without a border, 2 with one
    int bottom = 0; // SH - 1 without a border, SH - 2 with one
};

enum class ItemLook { Normal, Hover, Pressed };

// A drawn item: its 1-based index and rectangle (x, top, x + W, bottom).
struct PlacedItem {
    LONG index = 0;
    RECT rect;
};

struct ToolbarLayoutResult {
    std::vector<PlacedItem> items;
    bool chevron = false;
    RECT chevronRect; // where the chevron's face goes when it shows
};

// Icon corners for an item at x: plain, as a silhouette under the lifted
// icon, lifted, and for the disabled and pressed looks (halves to even).
struct ToolbarIconSpots {
    POINT plain;  // normal look, enabled or disabled, and pressed
    POINT shadow; // hover: the silhouette
    POINT lifted; // hover: the icon itself
};

class ToolbarLayout {
public:
    // The first seven pixels hold the grip.
    static constexpr int kFirstItemX = 7;
    static constexpr int kArrowWidth = 12;
    static constexpr int kSeparatorDrawnWidth = 5;

    static ToolbarMetrics metrics(int SW, int SH, lumoBorder border);

    // The 1-based index of the visible item whose stored width covers X (any
    // Y from 0 to SH - 1), -1 for none. Items past the drawn ones count too.
    static LONG ButtonFromPoint(const ToolbarModel& model, int X, int Y, int SH);

    // Lays the row out as a paint does: stores each drawn item's width and
    // returns the items to draw, stopping at the first that would reach SW - 8.
    static ToolbarLayoutResult layOut(ToolbarModel& model, const ToolbarMetrics& m,
                                      const std::function<int(const QString&)>& textWidth);

    // Width of a button (normal, drop-down or check box) as drawn.
    static LONG buttonWidth(const ToolbarButton& button, int bottom, int captionWidth);

    // The look of item index (1-based): disabled items always look normal.
    static ItemLook lookOf(LONG index, bool enabled, LONG hoverIndex, LONG pressedIndex);

    static RECT arrowPart(const RECT& item) {
        return RECT{item.right - kArrowWidth, item.top, item.right, item.bottom};
    }
    static RECT innerRect(const RECT& item) {
        return RECT{item.left + 1, item.top + 1, item.right - 1, item.bottom - 1};
    }
    static ToolbarIconSpots iconSpots(int x, int bottom, int iconWidth, int iconHeight);
};

} // namespace lumokit
