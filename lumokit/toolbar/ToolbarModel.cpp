#include "toolbar/ToolbarModel.h"

#include <algorithm>

namespace lumokit {

namespace {

constexpr LONG kSeparatorWidth = 4;
constexpr LONG kDropDownArrowWidth = 12;
constexpr LONG kMenuRowHeight = 24;
constexpr LONG kMenuSeparatorHeight = 5;
constexpr LONG kPopUpSeparatorHeight = 4;
const QString kDash = QStringLiteral("-");

// 1-based index into a vector of which the first `inUse` entries count.
template <typename V> auto* at(V& items, LONG index, LONG inUse) {
    const LONG limit = std::min(inUse, static_cast<LONG>(items.size()));
    return index >= 1 && index <= limit ? &items[static_cast<std::size_t>(index - 1)] : nullptr;
}

// Appends after the `inUse` items; a record past them (a count lowered
// before) is replaced by the new one.
template <typename V, typename Item> void appendInUse(V& items, LONG& inUse, Item record) {
    items.resize(static_cast<std::size_t>(std::max<LONG>(inUse, 0)));
    items.push_back(std::move(record));
    inUse = static_cast<LONG>(items.size());
}

} // namespace

void ToolbarModel::AddButton(const NewButton& item, LONG innerHeight) {
    ToolbarButton& b = m_buttons.emplace_back();
    const auto withIcon = [&] {
        b.picture = item.icon;
        b.description = item.description;
        b.caption = item.caption;
        b.showCaption = item.showCaption;
    };
    switch (item.style) {
    case sStyle::sNormal:
        withIcon();
        b.width = innerHeight;
        break;
    case sStyle::sSeparate:
        b.width = kSeparatorWidth;
        b.caption = kDash;
        break;
    case sStyle::sPlaceHolder:
        b.width = item.placeHolderWidth;
        b.caption = kDash;
        break;
    case sStyle::sDropDown:
        withIcon();
        b.width = innerHeight + kDropDownArrowWidth;
        break;
    case sStyle::sCheckBox:
        withIcon();
        b.width = innerHeight;
        b.isChecked = item.checked;
        break;
    case sStyle::sLabel:
        b.width = item.placeHolderWidth;
        b.caption = item.caption;
        break;
    default: // an unknown style stores only the fields every item has
        break;
    }
    b.enable = item.enable;
    b.style = item.style;
    b.visible = item.visible;
    b.toolText = item.toolText;
}

template <typename Item> Item ToolbarModel::menuRecord(const NewMenuItem& item) {
    Item record;
    record.caption = item.caption;
    record.enable = item.enable;
    record.visible = item.visible;
    switch (item.style) {
    case sStyle::sNormal:
        record.height = kMenuRowHeight;
        record.picture = item.icon;
        break;
    case sStyle::sSeparate:
        record.style = sStyle::sSeparate;
        record.height = kMenuSeparatorHeight;
        break;
    case sStyle::sPlaceHolder:
        record.style = sStyle::sPlaceHolder;
        record.height = kMenuRowHeight;
        break;
    case sStyle::sDropDown: // lists hold no nested lists
        record.style = sStyle::sPlaceHolder;
        record.height = kMenuRowHeight;
        record.picture = item.icon;
        break;
    case sStyle::sCheckBox:
        record.style = sStyle::sCheckBox;
        record.height = kMenuRowHeight;
        record.picture = item.icon;
        record.isChecked = item.checked;
        break;
    case sStyle::sLabel:
        record.style = sStyle::sLabel;
        break;
    default:
        break;
    }
    return record;
}

template ToolbarMenuItem ToolbarModel::menuRecord<ToolbarMenuItem>(const NewMenuItem&);
template ToolbarSubMenuItem ToolbarModel::menuRecord<ToolbarSubMenuItem>(const NewMenuItem&);

bool ToolbarModel::AddMenu(LONG buttonIndex, const NewMenuItem& item) {
    ToolbarButton* b = button(buttonIndex);
    if (!b) {
        return false;
    }
    appendInUse(b->dropDownItems, b->dropDownCount, menuRecord<ToolbarMenuItem>(item));
    return true;
}

void ToolbarModel::AddPopUpMenu(const NewMenuItem& item) {
    ToolbarMenuItem& p = m_popUp.emplace_back();
    switch (item.style) {
    case sStyle::sNormal:
    case sStyle::sDropDown: // opens its sub-items
        p.picture = item.icon;
        p.caption = item.caption;
        break;
    case sStyle::sSeparate:
        p.height = kPopUpSeparatorHeight;
        p.caption = kDash;
        break;
    case sStyle::sPlaceHolder:
        p.caption = kDash;
        break;
    case sStyle::sCheckBox:
        p.picture = item.icon;
        p.caption = item.caption;
        p.isChecked = item.checked;
        break;
    default:
        break;
    }
    p.enable = item.enable;
    p.style = item.style;
    p.visible = item.visible;
}

bool ToolbarModel::AddPopUpSubMenu(LONG popUpIndex, const NewMenuItem& item) {
    ToolbarMenuItem* p = popUpItem(popUpIndex);
    if (!p) {
        return false;
    }
    appendInUse(p->subItems, p->subCount, menuRecord<ToolbarSubMenuItem>(item));
    return true;
}

void ToolbarModel::ClearPopUpMenu() {
    // The next item added starts from an empty record.
    m_popUp.clear();
}

ToolbarButton* ToolbarModel::button(LONG index) {
    return at(m_buttons, index, ButtonCount());
}

const ToolbarButton* ToolbarModel::button(LONG index) const {
    return at(m_buttons, index, ButtonCount());
}

ToolbarMenuItem* ToolbarModel::dropDownItem(LONG buttonIndex, LONG menuIndex) {
    ToolbarButton* b = button(buttonIndex);
    return b ? at(b->dropDownItems, menuIndex, b->dropDownCount) : nullptr;
}

const ToolbarMenuItem* ToolbarModel::dropDownItem(LONG buttonIndex, LONG menuIndex) const {
    const ToolbarButton* b = button(buttonIndex);
    return b ? at(b->dropDownItems, menuIndex, b->dropDownCount) : nullptr;
}

ToolbarMenuItem* ToolbarModel::popUpItem(LONG index) {
    return at(m_popUp, index, PopUpCount());
}

const ToolbarMenuItem* ToolbarModel::popUpItem(LONG index) const {
    return at(m_popUp, index, PopUpCount());
}

ToolbarSubMenuItem* ToolbarModel::popUpSubItem(LONG popUpIndex, LONG menuIndex) {
    ToolbarMenuItem* p = popUpItem(popUpIndex);
    return p ? at(p->subItems, menuIndex, p->subCount) : nullptr;
}

const ToolbarSubMenuItem* ToolbarModel::popUpSubItem(LONG popUpIndex, LONG menuIndex) const {
    const ToolbarMenuItem* p = popUpItem(popUpIndex);
    return p ? at(p->subItems, menuIndex, p->subCount) : nullptr;
}

bool ToolbarModel::setDropDownCount(LONG buttonIndex, LONG count) {
    ToolbarButton* b = button(buttonIndex);
    if (!b) {
        return false;
    }
    b->dropDownCount = std::clamp<LONG>(count, 0, static_cast<LONG>(b->dropDownItems.size()));
    return true;
}

bool ToolbarModel::setPopUpSubCount(LONG popUpIndex, LONG count) {
    ToolbarMenuItem* p = popUpItem(popUpIndex);
    if (!p || p->subCount < 1) {
        return false;
    }
    p->subCount = std::clamp<LONG>(count, 0, static_cast<LONG>(p->subItems.size()));
    return true;
}

} // namespace lumokit
