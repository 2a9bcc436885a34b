#pragma once

// The records of the toolbar: one per item of the row, per drop-down or
// pop-up menu item, and per pop-up sub-menu item. Plain data; the rules
// that fill and read them live in ToolbarModel.
#include "core/platform/Win32Types.h"

#include <lumokit/Enums.h>
#include <lumokit/Picture.h>

#include <QString>

#include <vector>

namespace lumokit {

struct ToolbarSubMenuItem {
    QString caption;
    Picture picture;
    LONG height = 0; // 24 a row, 5 a separator
    sStyle style = sStyle::sNormal;
    bool enable = false;
    bool visible = false;
    bool isChecked = false;
    OLE_COLOR maskColor = 0;
    QString tag;
};

// A drop-down list item, or an item of the pop-up menu (only those have
// sub-items).
struct ToolbarMenuItem {
    QString caption;
    Picture picture;
    LONG height = 0; // 24 a row, 5 a drop-down separator, 4 a pop-up separator
    sStyle style = sStyle::sNormal;
    bool enable = false;
    bool visible = false;
    bool isChecked = false;
    QString tag;
    OLE_COLOR maskColor = 0;
    // Stored sub-items; subCount of them are in use (never more).
    std::vector<ToolbarSubMenuItem> subItems;
    LONG subCount = 0;
};

struct ToolbarButton {
    Picture picture;
    QString description; // passed with MouseOverButton
    LONG width = 0;      // pixels; each paint stores the width it drew
    bool enable = false;
    bool visible = false;
    sStyle style = sStyle::sNormal;
    QString caption;
    LONG dropDownCount = 0; // items of dropDownItems in use (never more)
    bool showCaption = false;
    bool isChecked = false;
    QString tag;
    QString toolText;
    OLE_COLOR maskColor = 0; // handed to the overflow list; set only by loading
    std::vector<ToolbarMenuItem> dropDownItems;
};

} // namespace lumokit
