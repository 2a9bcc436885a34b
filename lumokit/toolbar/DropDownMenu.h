#pragma once

// What a menu window of the toolbar holds and decides without a surface:
// its entries with their sub-entries, the settings the toolbar hands it,
// the entry under a point, the size it takes, the rows it draws, and the
// result the toolbar reads when it closes.
#include "core/platform/Win32Types.h"

#include <lumokit/Enums.h>
#include <lumokit/Picture.h>

#include <QFont>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

namespace lumokit {

struct DropDownSubEntry {
    QString caption;
    Picture picture;
    LONG height = 0;
    sStyle style = sStyle::sNormal;
    bool enable = false;
    bool visible = false;
    bool isChecked = false;
    OLE_COLOR maskColor = 0;
};

struct DropDownMenuEntry {
    QString caption;
    Picture picture;
    LONG height = 0;
    LONG ID = 0; // the index the caller gave
    sStyle style = sStyle::sNormal;
    bool enable = false;
    bool visible = false;
    std::vector<DropDownSubEntry> subEntries;
    bool isChecked = false;
    OLE_COLOR maskColor = 0;

    LONG SubCount() const { return static_cast<LONG>(subEntries.size()); }
};

// Sizes and colours, written by the toolbar before use.
struct DropDownSettings {
    LONG m_ButtonHeight = 26; // row height and icon column width
    LONG m_iconHeight = 16;
    lumoStyle m_Style = lumoStyle::lumoVivid;
    LONG m_DrawMode = 0;    // kept; draws no differently
    LONG m_ButtonSize = 24; // kept; draws no differently
    OLE_COLOR m_ButtonBorderColor = 0;
    OLE_COLOR m_ButtonBorderColorOver = 0;
    OLE_COLOR m_ButtonBorderColorDown = 0;
    OLE_COLOR m_BgColor = 0xFFFFFF;
    OLE_COLOR m_BgColorOver = 0;
    OLE_COLOR m_BgColorDown = 0;
    OLE_COLOR m_ButtonColor = 0;
    OLE_COLOR m_ButtonColorOver = 0;
    OLE_COLOR m_ButtonColorDown = 0;
    OLE_COLOR m_MenuBGColor = 0xFFFFFF;
    OLE_COLOR m_MenuIconBGColor = 0x8000000F;
    OLE_COLOR m_CheckedColor = 0;
    QFont font;
};

// What the toolbar reads when a menu window closes.
struct DropDownResult {
    LONG MenuIndex = 0;       // the entry chosen, 1-based; 0 for none
    LONG GroupID = 0;         // its ID; for a sub-entry, the ID of the parent entry
    bool newvalue = false;    // the chosen entry's check state after the click
    bool IsCancel = false;    // closed without a choice
    bool isSubCancel = false; // a top-level entry was chosen
    bool isCustomSub = false; // the arrow of a drop-down entry without sub-entries
    // Handed over with isCustomSub: the button, and the entry's screen
    // position in twips.
    LONG customButton = 0;
    LONG customLeft = 0;
    LONG customTop = 0;
};

class DropDownMenu {
public:
    // Rows: the separator is 5 pixels when added and drawn 3 pixels high.
    static constexpr LONG kSeparatorHeight = 5;
    static constexpr LONG kDrawnSeparatorHeight = 3;
    static constexpr LONG kSubRowHeight = 24;
    // Beside the widest caption and the icon column.
    static constexpr int kExtraWidth = 70;
    // A menu taller than the screen leaves this much of it free (900 twips).
    static constexpr int kScreenMargin = 60;

    void AddMenu(const QString& mItem, const Picture& mIcon, sStyle Style, LONG ID, bool mEnable,
                 bool mVisible, bool mIsChecked, OLE_COLOR MaskColor, LONG buttonHeight);
    // False when there is no such entry.
    bool AddSubMenu(LONG parentIndex, const QString& mItem, const Picture& mIcon, sStyle Style,
                    bool mEnable, bool mVisible, bool mIsChecked, OLE_COLOR MaskColor);
    void ClearMenu() { m_entries.clear(); }

    LONG count() const { return static_cast<LONG>(m_entries.size()); }
    // Null outside 1..count.
    DropDownMenuEntry* entry(LONG index);
    const DropDownMenuEntry* entry(LONG index) const;

    // The entry under the point (visible entries stacked from y = 0), or 0.
    LONG IsWithinButton(double X, double Y, int innerWidth) const;
    // Where an entry starts in that stacking.
    int entryOffset(LONG index) const;

    // The window's size: wide enough for the widest caption, tall enough for
    // every visible entry, cut short of the screen's height.
    QSize menuSize(const std::function<int(const QString&)>& textWidth, LONG buttonHeight,
                   int screenHeight) const;

    struct Row {
        LONG index;
        int top;
        int bottom;
    };
    // The rows as the window draws them, visible entries only: the first
    // from 2 to buttonHeight, each next one lower by the previous entry's
    // height. Drawing a separator makes it 3 pixels high from then on.
    std::vector<Row> drawRows(LONG buttonHeight);

    // The entry's chosen state: disabled entries and separators are never
    // chosen (a click on them leaves the menu open).
    static bool isChoosable(const DropDownMenuEntry& entry) {
        return entry.enable && entry.style != sStyle::sSeparate;
    }

private:
    std::vector<DropDownMenuEntry> m_entries;
};

} // namespace lumokit
