#pragma once

// The toolbar's items and its pop-up menu, with the rules that fill them
// (what each add operation stores, by style) and the index rules of the
// public interface: every index is 1-based, and an index outside the items
// in use finds nothing. Counts never run past the stored items: a
// DropDownCount or PopUpSubCount set higher is clamped, and an add for a
// button or pop-up item that does not exist is ignored.
#include "toolbar/ToolbarItems.h"

#include <vector>

namespace lumokit {

class ToolbarModel {
public:
    struct NewButton {
        Picture icon;
        QString caption;
        sStyle style = sStyle::sNormal;
        QString toolText;
        QString description;
        bool enable = true;
        bool visible = true;
        LONG placeHolderWidth = 50;
        bool showCaption = false;
        bool checked = false;
    };
    struct NewMenuItem {
        QString caption;
        Picture icon;
        sStyle style = sStyle::sNormal;
        bool enable = true;
        bool visible = true;
        bool checked = false;
    };

    LONG ButtonCount() const { return static_cast<LONG>(m_buttons.size()); }
    LONG PopUpCount() const { return static_cast<LONG>(m_popUp.size()); }

    // Appends an item to the row; innerHeight is the bar's height in pixels,
    // the width of a button until the next paint lays it out.
    void AddButton(const NewButton& item, LONG innerHeight);
    // Appends to the drop-down list of a button; false (nothing stored) when
    // the button does not exist.
    bool AddMenu(LONG buttonIndex, const NewMenuItem& item);
    void AddPopUpMenu(const NewMenuItem& item);
    // Appends under a pop-up item; false when the item does not exist.
    bool AddPopUpSubMenu(LONG popUpIndex, const NewMenuItem& item);
    void ClearPopUpMenu();

    // Null outside 1..ButtonCount.
    ToolbarButton* button(LONG index);
    const ToolbarButton* button(LONG index) const;
    // Null unless the button has a drop-down list and menuIndex is one of
    // its items in use.
    ToolbarMenuItem* dropDownItem(LONG buttonIndex, LONG menuIndex);
    const ToolbarMenuItem* dropDownItem(LONG buttonIndex, LONG menuIndex) const;
    ToolbarMenuItem* popUpItem(LONG index);
    const ToolbarMenuItem* popUpItem(LONG index) const;
    // Null unless the pop-up item has sub-items and menuIndex is one of them.
    ToolbarSubMenuItem* popUpSubItem(LONG popUpIndex, LONG menuIndex);
    const ToolbarSubMenuItem* popUpSubItem(LONG popUpIndex, LONG menuIndex) const;

    // Sets how many stored items are in use, clamped to 0..stored; false
    // when the button or pop-up item does not exist (or, for sub-items,
    // has none in use: that count can be changed only while it is 1 or more).
    bool setDropDownCount(LONG buttonIndex, LONG count);
    bool setPopUpSubCount(LONG popUpIndex, LONG count);

    // Loading: an empty row, then buttons appended as they are read.
    void clearButtons() { m_buttons.clear(); }
    ToolbarButton& appendButton() { return m_buttons.emplace_back(); }

    const std::vector<ToolbarButton>& buttons() const { return m_buttons; }
    std::vector<ToolbarButton>& buttons() { return m_buttons; }

    // The record a drop-down or sub-menu item of this style gets.
    template <typename Item> static Item menuRecord(const NewMenuItem& item);

private:
    std::vector<ToolbarButton> m_buttons;
    std::vector<ToolbarMenuItem> m_popUp;
};

} // namespace lumokit
