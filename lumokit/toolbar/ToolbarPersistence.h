#pragma once

// The toolbar in its container's property bag: the toolbar-wide keys, then
// per button the button keys suffixed with its index ("ButtonCaption1"),
// then per drop-down item the item keys suffixed with the button's index and
// the item's ("DropDownCaption12" for button 1, item 2). Pop-up items are
// not saved. A value equal to its default is left out.
//
// Two indexes written one after the other can name two items (button 1 item
// 11 and button 11 item 1 both end in "111"). Only the items of a toolbar
// whose plain keys would be shared are written with an underscore between
// the indexes ("DropDownCaption1_11", "DropDownCaption11_1"); every other
// key keeps the plain form, so toolbars saved before read and save as they
// did. An item is read in the underscore form when its caption is stored so
// (every saved item stores its caption), else in the plain form.
#include "core/control/PropertyTable.h"
#include "toolbar/ToolbarModel.h"

#include <lumokit/PropertyBag.h>

#include <QString>

namespace lumokit {

class lumoadvToolbar;

class ToolbarPersistence {
public:
    // The values a newly placed toolbar takes.
    static void place(lumoadvToolbar& toolbar);
    static void read(lumoadvToolbar& toolbar, const PropertyBag& bag);
    static void write(const lumoadvToolbar& toolbar, PropertyBag& bag);

    // The row alone: count buttons read into an emptied model, or every
    // button of the model written.
    static void readButtons(const PropertyBag& bag, ToolbarModel& model, LONG count);
    static void writeButtons(PropertyBag& bag, const ToolbarModel& model);

    // The key of a drop-down item's value.
    static QString itemKey(const char* name, LONG button, LONG item, bool separated);

private:
    // The toolbar-wide keys before the font and "MoreText", in their order.
    static const PropertyTable<lumoadvToolbar>& toolbarKeys();
};

} // namespace lumokit
