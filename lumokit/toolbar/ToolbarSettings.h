#pragma once

// The toolbar-wide settings: colours (OLE colours, system colours allowed),
// icon size, look, border, background, the overflow tooltip text and the
// font whose face the items are drawn in. The control keeps one; painting
// and the menu windows read it.
#include "core/platform/Win32Types.h"

#include <lumokit/Enums.h>
#include <lumokit/StdFont.h>

#include <QString>

namespace lumokit {

struct ToolbarSettings {
    OLE_COLOR ButtonColor = 0;
    OLE_COLOR ButtonColorOver = 0;
    OLE_COLOR ButtonColorDown = 0;
    OLE_COLOR ButtonBorderColor = 0;
    OLE_COLOR ButtonBorderColorOver = 0;
    OLE_COLOR ButtonBorderColorDown = 0;
    OLE_COLOR CheckedColor = 0;
    OLE_COLOR ButtonFadeColor = 0;
    OLE_COLOR MenuBgColor = 0;
    OLE_COLOR MenuIconBGColor = 0;
    OLE_COLOR bgTopColor = 0;
    OLE_COLOR bgBottomColor = 0;
    OLE_COLOR StripColor = 0;
    OLE_COLOR SepColor = 0;
    LONG IconSizeWidth = 16;
    LONG IconSizeHeight = 16;
    lumoStyle Style = lumoStyle::lumoVivid;
    lumoBorder Border = lumoBorder::lumoNoBorder;
    lumobgFade BackgroundFade = lumobgFade::lumoFade;
    QString MoreText;
    StdFont ToolbarFont;
    // Saved with the toolbar, otherwise unused.
    bool Checked = false;
    bool Value = false;
    // bgTopColor and bgBottomColor resolved to red, green and blue when they
    // were set; the background gradient is drawn from these.
    COLORREF bgTopRGB = 0;
    COLORREF bgBottomRGB = 0;
};

} // namespace lumokit
