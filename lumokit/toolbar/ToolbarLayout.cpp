#include "toolbar/ToolbarLayout.h"

#include "core/control/Rounding.h"

namespace lumokit {

namespace {

constexpr int kRightMargin = 8;    // an item is drawn while its right edge stays below SW - 8
constexpr int kCaptionPadding = 8; // after a caption
constexpr int kDropDownExtra = 10; // a drop-down button's arrow, beside the square
constexpr int kLabelPadding = 4;
constexpr int kChevronFromRight = 9; // the chevron shows when an item reaches here

} // namespace

ToolbarMetrics ToolbarLayout::metrics(int SW, int SH, lumoBorder border) {
    const int inset = border == lumoBorder::lumoNoBorder ? 1 : 2;
    return ToolbarMetrics{SW, SH, inset, SH - inset};
}

LONG ToolbarLayout::ButtonFromPoint(const ToolbarModel& model, int X, int Y, int SH) {
    if (Y < 0 || Y > SH - 1) {
        return -1;
    }
    long long x = kFirstItemX;
    for (LONG i = 1; i <= model.ButtonCount(); ++i) {
        const ToolbarButton& b = *model.button(i);
        if (!b.visible) {
            continue;
        }
        if (x <= X && X <= x + b.width - 1) {
            return i;
        }
        x += b.width;
    }
    return -1;
}

LONG ToolbarLayout::buttonWidth(const ToolbarButton& button, int bottom, int captionWidth) {
    const long long square = button.style == sStyle::sDropDown ? bottom + kDropDownExtra : bottom;
    if (!button.caption.isEmpty() && button.showCaption) {
        return static_cast<LONG>(captionWidth + square + kCaptionPadding);
    }
    return static_cast<LONG>(square);
}

ToolbarLayoutResult ToolbarLayout::layOut(ToolbarModel& model, const ToolbarMetrics& m,
                                          const std::function<int(const QString&)>& textWidth) {
    ToolbarLayoutResult result;
    long long x = kFirstItemX;
    for (LONG i = 1; i <= model.ButtonCount(); ++i) {
        ToolbarButton& b = *model.button(i);
        if (!b.visible) {
            continue;
        }
        if (x >= static_cast<long long>(m.SW) - (static_cast<long long>(b.width) + kRightMargin)) {
            break;
        }
        switch (b.style) {
        case sStyle::sSeparate:
            b.width = kSeparatorDrawnWidth;
            break;
        case sStyle::sPlaceHolder:
            break;
        case sStyle::sLabel:
            if (b.width < 0) {
                b.width = textWidth(b.caption) + kLabelPadding;
            }
            break;
        case sStyle::sNormal:
        case sStyle::sDropDown:
        case sStyle::sCheckBox:
            b.width = buttonWidth(b, m.bottom, b.showCaption ? textWidth(b.caption) : 0);
            break;
        default: // an unknown style is not drawn and takes no room
            continue;
        }
        const int left = static_cast<int>(x);
        result.items.push_back(PlacedItem{i, RECT{left, m.top, left + b.width, m.bottom}});
        x += b.width;
    }
    result.chevron = ButtonFromPoint(model, m.SW - kChevronFromRight, 5, m.SH) >= 1;
    result.chevronRect = RECT{m.SW - 11, m.top, m.SW - 1, m.bottom};
    return result;
}

ItemLook ToolbarLayout::lookOf(LONG index, bool enabled, LONG hoverIndex, LONG pressedIndex) {
    if (!enabled) {
        return ItemLook::Normal;
    }
    if (index - 1 == pressedIndex) {
        return ItemLook::Pressed;
    }
    return index - 1 == hoverIndex ? ItemLook::Hover : ItemLook::Normal;
}

ToolbarIconSpots ToolbarLayout::iconSpots(int x, int bottom, int iconWidth, int iconHeight) {
    const double ix = x + bottom / 2.0 - iconWidth / 2.0;
    const double iy = bottom / 2.0 - iconHeight / 2.0;
    const auto at = [](double px, double py) {
        return POINT{roundHalfEven(px), roundHalfEven(py)};
    };
    return ToolbarIconSpots{at(ix, iy + 1), at(ix + 1, iy + 1), at(ix - 1, iy - 1)};
}

} // namespace lumokit
