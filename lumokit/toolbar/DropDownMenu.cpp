#include "toolbar/DropDownMenu.h"

#include <algorithm>

namespace lumokit {

void DropDownMenu::AddMenu(const QString& mItem, const Picture& mIcon, sStyle Style, LONG ID,
                           bool mEnable, bool mVisible, bool mIsChecked, OLE_COLOR MaskColor,
                           LONG buttonHeight) {
    DropDownMenuEntry& e = m_entries.emplace_back();
    e.caption = mItem;
    e.picture = mIcon;
    e.ID = ID;
    e.style = Style;
    e.enable = mEnable;
    e.visible = mVisible;
    e.maskColor = MaskColor;
    switch (Style) {
    case sStyle::sNormal:
    case sStyle::sDropDown:
        e.height = buttonHeight;
        break;
    case sStyle::sCheckBox:
        e.height = buttonHeight;
        e.isChecked = mIsChecked;
        break;
    case sStyle::sSeparate:
        e.height = kSeparatorHeight;
        break;
    default: // place holders and labels take no room
        e.height = 0;
        break;
    }
}

bool DropDownMenu::AddSubMenu(LONG parentIndex, const QString& mItem, const Picture& mIcon,
                              sStyle Style, bool mEnable, bool mVisible, bool mIsChecked,
                              OLE_COLOR MaskColor) {
    DropDownMenuEntry* parent = entry(parentIndex);
    if (!parent) {
        return false;
    }
    DropDownSubEntry& s = parent->subEntries.emplace_back();
    s.caption = mItem;
    s.picture = mIcon;
    s.enable = mEnable;
    s.visible = mVisible;
    s.maskColor = MaskColor;
    switch (Style) {
    case sStyle::sNormal:
    case sStyle::sDropDown: // sub-menus open no further
        s.height = kSubRowHeight;
        s.style = sStyle::sNormal;
        break;
    case sStyle::sSeparate:
        s.height = kSeparatorHeight;
        s.style = sStyle::sSeparate;
        break;
    case sStyle::sPlaceHolder:
        s.style = sStyle::sPlaceHolder;
        break;
    case sStyle::sCheckBox:
        s.height = kSubRowHeight;
        s.style = sStyle::sCheckBox;
        s.isChecked = mIsChecked;
        break;
    default: // labels keep neither a height nor a style
        break;
    }
    return true;
}

DropDownMenuEntry* DropDownMenu::entry(LONG index) {
    return index >= 1 && index <= count() ? &m_entries[static_cast<std::size_t>(index - 1)]
                                          : nullptr;
}

const DropDownMenuEntry* DropDownMenu::entry(LONG index) const {
    return index >= 1 && index <= count() ? &m_entries[static_cast<std::size_t>(index - 1)]
                                          : nullptr;
}

LONG DropDownMenu::IsWithinButton(double X, double Y, int innerWidth) const {
    if (X < 0 || X > innerWidth - 1 || Y < 0) {
        return 0;
    }
    long long y = 0;
    for (LONG i = 1; i <= count(); ++i) {
        const DropDownMenuEntry& e = *entry(i);
        if (!e.visible) {
            continue;
        }
        if (y + e.height - 1 >= Y) {
            return i;
        }
        y += e.height;
    }
    return 0;
}

int DropDownMenu::entryOffset(LONG index) const {
    long long y = 0;
    for (LONG i = 1; i < index && i <= count(); ++i) {
        const DropDownMenuEntry& e = *entry(i);
        y += e.visible ? e.height : 0;
    }
    return static_cast<int>(y);
}

QSize DropDownMenu::menuSize(const std::function<int(const QString&)>& textWidth, LONG buttonHeight,
                             int screenHeight) const {
    long long widest = 0;
    long long height = 1;
    for (const DropDownMenuEntry& e : m_entries) {
        if (e.visible) {
            widest = std::max<long long>(widest, textWidth(e.caption));
            height += e.height;
        }
    }
    // Cut only when the entries need more than the screen has, so the size
    // does not depend on how often the menu was sized before.
    const long long wanted = height + 1;
    const long long cut = screenHeight - kScreenMargin;
    const int finalHeight = static_cast<int>(wanted > screenHeight ? std::max(1LL, cut) : wanted);
    return QSize(static_cast<int>(widest + buttonHeight + kExtraWidth), finalHeight);
}

std::vector<DropDownMenu::Row> DropDownMenu::drawRows(LONG buttonHeight) {
    std::vector<Row> rows;
    long long top = 2;
    long long bottom = buttonHeight;
    for (LONG i = 1; i <= count(); ++i) {
        DropDownMenuEntry& e = *entry(i);
        if (!e.visible) {
            continue;
        }
        if (e.style == sStyle::sSeparate) {
            e.height = kDrawnSeparatorHeight;
        }
        rows.push_back(Row{i, static_cast<int>(top), static_cast<int>(bottom)});
        top += e.height;
        bottom += e.height;
    }
    return rows;
}

} // namespace lumokit
