#include "tabstrip/TabStripModel.h"

#include "core/control/RuntimeErrors.h"

namespace lumokit {

namespace {

const TabRecord& emptyTab() {
    static const TabRecord empty;
    return empty;
}

} // namespace

const TabRecord& TabStripModel::tab(LONG index) const {
    if (index < 0) {
        raiseSubscriptOutOfRange();
    }
    return at(index);
}

const TabRecord& TabStripModel::at(LONG index) const {
    return index >= 0 && index <= count() ? m_tabs[static_cast<std::size_t>(index)] : emptyTab();
}

TabRecord* TabStripModel::tabToWrite(LONG index) {
    if (index < 0) {
        raiseSubscriptOutOfRange();
    }
    return index <= count() ? &m_tabs[static_cast<std::size_t>(index)] : nullptr;
}

LONG TabStripModel::tabWidth(lumoTabstyle style, int captionWidth) {
    switch (style) {
    case lumoTabstyle::IconOnly:
        return kIconWidth;
    case lumoTabstyle::CaptionOnly:
        return captionWidth + kCaptionPadding;
    case lumoTabstyle::IconCaption:
    default:
        return kIconWidth + captionWidth + kCaptionPadding;
    }
}

LONG TabStripModel::layOut(lumoTabstyle style,
                           const std::function<int(const QString&)>& captionWidth) {
    LONG x = 0;
    for (LONG i = 1; i <= count(); ++i) {
        TabRecord& t = m_tabs[static_cast<std::size_t>(i)];
        if (!t.visible) {
            continue;
        }
        t.width = tabWidth(style, style == lumoTabstyle::IconOnly ? 0 : captionWidth(t.caption));
        x += t.width;
    }
    rightEdge = x;
    return x;
}

LONG TabStripModel::HitTest(LONG x, LONG y, int H) const {
    if (x < 0 || y < H - (kRowHeight - 1) || y > H - 1) {
        return 0;
    }
    LONG left = 0;
    for (LONG i = 1; i <= count(); ++i) {
        const TabRecord& t = m_tabs[static_cast<std::size_t>(i)];
        if (!t.visible) {
            continue;
        }
        if (x <= left + t.width) {
            return i;
        }
        left += t.width;
    }
    return 0;
}

void TabStripModel::settleForPaint() {
    for (LONG i = 1; i <= count(); ++i) {
        if (m_tabs[static_cast<std::size_t>(i)].visible) {
            if (Selected == 0) {
                Selected = 1;
            }
            if (focusTab == 0) {
                focusTab = Selected;
            }
            return;
        }
    }
}

void TabStripModel::mouseDown(LONG x, LONG y, int H) {
    mouse = POINT{x, y};
    pressed = HitTest(x, y, H);
}

void TabStripModel::mouseMove(LONG x, LONG y, int H) {
    mouse = POINT{x, y};
    hovered = HitTest(x, y, H);
}

void TabStripModel::mouseUp() {
    pressed = 0;
}

void TabStripModel::mouseLeft() {
    hovered = 0;
    pressed = 0;
}

std::optional<LONG> TabStripModel::select(LONG index) {
    if (!at(index).enabled) {
        return std::nullopt;
    }
    Selected = index;
    focusTab = index;
    return index;
}

std::optional<LONG> TabStripModel::click(int H) {
    const bool inRow = mouse.y > H - kRowHeight && mouse.y < H;
    const bool onTabs = mouse.x > 0 && mouse.x < rightEdge;
    if (!inRow || !onTabs) {
        return std::nullopt;
    }
    return select(HitTest(mouse.x, mouse.y, H));
}

void TabStripModel::keyDown(int keyCode) {
    if (hasFocus && keyCode == VK_RETURN && at(keyTab()).enabled) {
        pressed = keyTab();
    }
}

std::optional<LONG> TabStripModel::keyUp(int keyCode) {
    if (!hasFocus) {
        return std::nullopt;
    }
    const LONG current = keyTab();
    LONG next = current;
    switch (keyCode) {
    case VK_RETURN:
        if (!at(current).enabled) {
            return std::nullopt;
        }
        pressed = 0;
        Selected = current;
        return current;
    case VK_LEFT:
        if (current < 2) {
            return std::nullopt;
        }
        next = current - 1;
        break;
    case VK_RIGHT:
        if (current >= count()) {
            return std::nullopt;
        }
        next = current + 1;
        break;
    default:
        return std::nullopt;
    }
    // Arrows walk over disabled and hidden tabs too; only an enabled one is
    // announced.
    pressed = 0;
    focusTab = next;
    Selected = next;
    return at(next).enabled ? std::optional<LONG>(next) : std::nullopt;
}

} // namespace lumokit
