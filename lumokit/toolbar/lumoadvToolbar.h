#pragma once

// The owner-drawn horizontal toolbar: push buttons, separators, place
// holders, drop-down buttons with a list, check-box buttons and labels in a
// row, an overflow chevron with a list of the items that do not fit, and a
// pop-up menu the host builds and shows where it likes. Hosts reach it
// through dispatch ("LumoKit.lumoadvToolbar"); Qt programs may use it
// directly. Indexes are 1-based; an index that names nothing reads empty and
// writes nothing.
//
// A new toolbar takes the placement defaults (buttons RGB(219,216,209),
// ...); its property bag supplies other defaults for missing keys.
#include "core/control/PropertyTable.h"
#include "core/control/UserControl.h"
#include "toolbar/ToolbarInteraction.h"
#include "toolbar/ToolbarModel.h"
#include "toolbar/ToolbarSettings.h"
#include "toolbar/frmdropdown.h"

#include <lumokit/Enums.h>
#include <lumokit/Picture.h>

#include <QFont>
#include <QHash>
#include <QPointer>

#include <memory>

namespace lumokit {

class cTimer;
class MouseLeaveWatch;

class lumoadvToolbar : public UserControl, private ToolbarHost {
    Q_OBJECT
    Q_PROPERTY(uint ButtonColor READ ButtonColor WRITE setButtonColor)
    Q_PROPERTY(uint ButtonColorOver READ ButtonColorOver WRITE setButtonColorOver)
    Q_PROPERTY(uint ButtonColorDown READ ButtonColorDown WRITE setButtonColorDown)
    Q_PROPERTY(uint ButtonBorderColor READ ButtonBorderColor WRITE setButtonBorderColor)
    Q_PROPERTY(uint ButtonBorderColorOver READ ButtonBorderColorOver WRITE setButtonBorderColorOver)
    Q_PROPERTY(uint ButtonBorderColorDown READ ButtonBorderColorDown WRITE setButtonBorderColorDown)
    Q_PROPERTY(uint CheckedColor READ CheckedColor WRITE setCheckedColor)
    Q_PROPERTY(uint ButtonFadeColor READ ButtonFadeColor WRITE setButtonFadeColor)
    Q_PROPERTY(uint MenuBgColor READ MenuBgColor WRITE setMenuBgColor)
    Q_PROPERTY(uint MenuIconBGColor READ MenuIconBGColor WRITE setMenuIconBGColor)
    Q_PROPERTY(uint bgTopColor READ bgTopColor WRITE setbgTopColor)
    Q_PROPERTY(uint bgBottomColor READ bgBottomColor WRITE setbgBottomColor)
    Q_PROPERTY(uint StripColor READ StripColor WRITE setStripColor)
    Q_PROPERTY(uint SepColor READ SepColor WRITE setSepColor)
    Q_PROPERTY(int IconSizeWidth READ IconSizeWidth WRITE setIconSizeWidth)
    Q_PROPERTY(int IconSizeHeight READ IconSizeHeight WRITE setIconSizeHeight)
    Q_PROPERTY(lumokit::lumoStyle Style READ Style WRITE setStyle)
    Q_PROPERTY(lumokit::lumoBorder Border READ Border WRITE setBorder)
    Q_PROPERTY(lumokit::lumobgFade BackgroundFade READ BackgroundFade WRITE setBackgroundFade)
    Q_PROPERTY(QString MoreText READ MoreText WRITE setMoreText)
    Q_PROPERTY(QFont ToolbarFont READ ToolbarFont WRITE setToolbarFont)
    Q_PROPERTY(QFont Font READ Font)
    Q_PROPERTY(int ButtonCount READ ButtonCount)
    Q_PROPERTY(int PopUpCount READ PopUpCount)

public:
    explicit lumoadvToolbar(QWidget* parent = nullptr);
    ~lumoadvToolbar() override;

    // --- Methods --------------------------------------------------------------
    // true: subclass the toolbar's window to hear the mouse leave; false: stop.
    void SubClass(bool& sSub);
    void AddMenu(LONG buttonindex, const QString& mItem, const Picture& mIcon, sStyle Style,
                 bool mEnable = true, bool mVisible = true, bool mIsChecked = false);
    void AddButton(const Picture& Icon = {}, const QString& Caption = {},
                   sStyle Style = sStyle::sNormal, const QString& sToolText = {},
                   const QString& description = {}, bool Enable = true, bool Visible = true,
                   LONG PlaceHoderWidth = 50, bool ShowCaption = false, bool iChecked = false);
    void AddSeparate(bool Visible = true);
    void AddPlaceHolder(LONG pWidth, bool Visible = true);
    void AddPopUpMenu(const QString& mItem, const Picture& mIcon, sStyle Style = sStyle::sNormal,
                      bool mEnable = true, bool mVisible = true, bool mIsChecked = false);
    void AddPopUpSubMenu(LONG buttonindex, const QString& mItem, const Picture& mIcon,
                         sStyle Style = sStyle::sNormal, bool mEnable = true, bool mVisible = true,
                         bool mIsChecked = false);
    // Shows the pop-up menu at a screen point in twips; the choice arrives
    // as PopUpMenuClick or PopUpSubMenuClick when it closes.
    void ShowPopUp(LONG& pLeft, LONG& pTop);
    void ClearPopUpMenu();
    void Refresh();
    void DrawControl() override;
    void About();
    // Arms the mouse-leave notice and repaints; returns an empty value.
    QVariant MouseOut(qint16& Button, qint16& Shift, float& x, float& y);

    // --- Toolbar-wide properties ------------------------------------------------
    OLE_COLOR ButtonColor() const { return m_settings.ButtonColor; }
    void setButtonColor(OLE_COLOR New_ButtonColor);
    OLE_COLOR ButtonColorOver() const { return m_settings.ButtonColorOver; }
    void setButtonColorOver(OLE_COLOR New_ButtonColorOver);
    OLE_COLOR ButtonColorDown() const { return m_settings.ButtonColorDown; }
    void setButtonColorDown(OLE_COLOR New_ButtonColorDown);
    OLE_COLOR ButtonBorderColor() const { return m_settings.ButtonBorderColor; }
    void setButtonBorderColor(OLE_COLOR New_ButtonBorderColor);
    OLE_COLOR ButtonBorderColorOver() const { return m_settings.ButtonBorderColorOver; }
    void setButtonBorderColorOver(OLE_COLOR New_ButtonBorderColorOver);
    OLE_COLOR ButtonBorderColorDown() const { return m_settings.ButtonBorderColorDown; }
    void setButtonBorderColorDown(OLE_COLOR New_ButtonBorderColorDown);
    OLE_COLOR CheckedColor() const { return m_settings.CheckedColor; }
    void setCheckedColor(OLE_COLOR New_CheckedColor);
    OLE_COLOR ButtonFadeColor() const { return m_settings.ButtonFadeColor; }
    // Takes effect at the next paint (as the two menu colours and MoreText).
    void setButtonFadeColor(OLE_COLOR New_ButtonFadeColor);
    OLE_COLOR MenuBgColor() const { return m_settings.MenuBgColor; }
    void setMenuBgColor(OLE_COLOR New_MenuBgColor);
    OLE_COLOR MenuIconBGColor() const { return m_settings.MenuIconBGColor; }
    void setMenuIconBGColor(OLE_COLOR New_MenuIconBGColor);
    OLE_COLOR bgTopColor() const { return m_settings.bgTopColor; }
    // Repaints only when the colour changes, and tells the host nothing.
    void setbgTopColor(OLE_COLOR New_bgTopColor);
    OLE_COLOR bgBottomColor() const { return m_settings.bgBottomColor; }
    void setbgBottomColor(OLE_COLOR New_bgBottomColor);
    OLE_COLOR StripColor() const { return m_settings.StripColor; }
    void setStripColor(OLE_COLOR New_StripColor);
    OLE_COLOR SepColor() const { return m_settings.SepColor; }
    void setSepColor(OLE_COLOR New_SepColor);
    LONG IconSizeWidth() const { return m_settings.IconSizeWidth; }
    void setIconSizeWidth(LONG New_IconSizeWidth);
    LONG IconSizeHeight() const { return m_settings.IconSizeHeight; }
    void setIconSizeHeight(LONG New_IconSizeHeight);
    lumoStyle Style() const { return m_settings.Style; }
    void setStyle(lumoStyle New_Style);
    lumoBorder Border() const { return m_settings.Border; }
    void setBorder(lumoBorder New_Border);
    lumobgFade BackgroundFade() const { return m_settings.BackgroundFade; }
    void setBackgroundFade(lumobgFade New_BackgroundFade);
    QString MoreText() const { return m_settings.MoreText; }
    void setMoreText(const QString& New_MoreText);
    QFont ToolbarFont() const { return m_settings.ToolbarFont.toQFont(); }
    void setToolbarFont(const QFont& New_ToolbarFont);
    // The control surface's font; items are drawn in it with ToolbarFont's face.
    QFont Font() const { return font(); }
    LONG ButtonCount() const { return m_model.ButtonCount(); }
    LONG PopUpCount() const { return m_model.PopUpCount(); }

    // --- Per-button properties (index 1..ButtonCount) ---------------------------
    Picture ButtonPicture(LONG index) const;
    void setButtonPicture(LONG index, const Picture& New_ButtonPicture);
    bool ButtonEnable(LONG index) const;
    void setButtonEnable(LONG index, bool New_ButtonEnable);
    bool ButtonVisible(LONG index) const;
    void setButtonVisible(LONG index, bool New_ButtonVisible);
    QString ButtonDescription(LONG index) const;
    void setButtonDescription(LONG index, const QString& New_ButtonDescription);
    QString ButtonTag(LONG index) const;
    void setButtonTag(LONG index, const QString& New_ButtonTag);
    QString ButtonToolText(LONG index) const;
    void setButtonToolText(LONG index, const QString& New_ButtonToolText);
    bool ButtonIsChecked(LONG index) const;
    void setButtonIsChecked(LONG index, bool New_ButtonIsChecked);
    QString ButtonCaption(LONG index) const;
    // With ShowCaption on, a caption also sets the width the item takes.
    void setButtonCaption(LONG index, const QString& New_ButtonCaption);
    sStyle ButtonStyle(LONG index) const;
    void setButtonStyle(LONG index, sStyle New_ButtonStyle);
    bool ButtonShowCaption(LONG index) const;
    void setButtonShowCaption(LONG index, bool New_ButtonShowCaption);
    LONG DropDownCount(LONG index) const;
    // At most the number of items added to the button's list.
    void setDropDownCount(LONG index, LONG New_DropDownCount);
    LONG ButtonPlaceHolderWidth(LONG index) const;
    void setButtonPlaceHolderWidth(LONG index, LONG New_ButtonPlaceHolderWidth);

    // --- Per-drop-down-item properties (button, item) ---------------------------
    bool DropDownEnable(LONG buttonindex, LONG MenuIndex) const;
    void setDropDownEnable(LONG buttonindex, LONG MenuIndex, bool New_DropDownEnable);
    OLE_COLOR DropDownMaskColor(LONG buttonindex, LONG MenuIndex) const;
    void setDropDownMaskColor(LONG buttonindex, LONG MenuIndex, OLE_COLOR New_DropDownMaskColor);
    bool DropDownIsChecked(LONG buttonindex, LONG MenuIndex) const;
    void setDropDownIsChecked(LONG buttonindex, LONG MenuIndex, bool New_DropDownIsChecked);
    bool DropDownVisible(LONG buttonindex, LONG MenuIndex) const;
    void setDropDownVisible(LONG buttonindex, LONG MenuIndex, bool New_DropDownVisible);
    QString DropDownCaption(LONG buttonindex, LONG MenuIndex) const;
    void setDropDownCaption(LONG buttonindex, LONG MenuIndex, const QString& New_DropDownCaption);
    QString DropDownTag(LONG buttonindex, LONG MenuIndex) const;
    void setDropDownTag(LONG buttonindex, LONG MenuIndex, const QString& New_DropDownTag);
    sStyle DropDownStyle(LONG buttonindex, LONG MenuIndex) const;
    void setDropDownStyle(LONG buttonindex, LONG MenuIndex, sStyle New_DropDownStyle);
    Picture DropDownPicture(LONG buttonindex, LONG MenuIndex) const;
    void setDropDownPicture(LONG buttonindex, LONG MenuIndex, const Picture& New_DropDownPicture);

    // --- Per-pop-up-item properties (index 1..PopUpCount) -----------------------
    Picture PopUpPicture(LONG index) const;
    void setPopUpPicture(LONG index, const Picture& New_PopUpPicture);
    QString PopUpCaption(LONG index) const;
    void setPopUpCaption(LONG index, const QString& New_PopUpCaption);
    QString PopUpTag(LONG index) const;
    void setPopUpTag(LONG index, const QString& New_PopUpTag);
    bool PopUpEnable(LONG index) const;
    void setPopUpEnable(LONG index, bool New_PopUpEnable);
    bool PopUpVisible(LONG index) const;
    void setPopUpVisible(LONG index, bool New_PopUpVisible);
    sStyle PopUpStyle(LONG index) const;
    void setPopUpStyle(LONG index, sStyle New_PopUpStyle);
    bool PopUpIsChecked(LONG index) const;
    void setPopUpIsChecked(LONG index, bool New_PopUpIsChecked);

    // --- Per-sub-item properties (pop-up item, sub-item) ------------------------
    bool PopUpSubMenuEnable(LONG buttonindex, LONG MenuIndex) const;
    void setPopUpSubMenuEnable(LONG buttonindex, LONG MenuIndex, bool New_PopUpSubMenuEnable);
    OLE_COLOR PopUpSubMenuMaskColor(LONG buttonindex, LONG MenuIndex) const;
    void setPopUpSubMenuMaskColor(LONG buttonindex, LONG MenuIndex,
                                  OLE_COLOR New_PopUpSubMenuMaskColor);
    bool PopUpSubMenuIsChecked(LONG buttonindex, LONG MenuIndex) const;
    void setPopUpSubMenuIsChecked(LONG buttonindex, LONG MenuIndex, bool New_PopUpSubMenuIsChecked);
    bool PopUpSubMenuVisible(LONG buttonindex, LONG MenuIndex) const;
    void setPopUpSubMenuVisible(LONG buttonindex, LONG MenuIndex, bool New_PopUpSubMenuVisible);
    QString PopUpSubMenuCaption(LONG buttonindex, LONG MenuIndex) const;
    void setPopUpSubMenuCaption(LONG buttonindex, LONG MenuIndex,
                                const QString& New_PopUpSubMenuCaption);
    QString PopUpSubMenuTag(LONG buttonindex, LONG MenuIndex) const;
    void setPopUpSubMenuTag(LONG buttonindex, LONG MenuIndex, const QString& New_PopUpSubMenuTag);
    sStyle PopUpSubMenuStyle(LONG buttonindex, LONG MenuIndex) const;
    void setPopUpSubMenuStyle(LONG buttonindex, LONG MenuIndex, sStyle New_PopUpSubMenuStyle);
    Picture PopUpSubMenuPicture(LONG buttonindex, LONG MenuIndex) const;
    void setPopUpSubMenuPicture(LONG buttonindex, LONG MenuIndex,
                                const Picture& New_PopUpSubMenuPicture);
    LONG PopUpSubCount(LONG buttonindex) const;
    // Only while the item has sub-items; at most the number added.
    void setPopUpSubCount(LONG buttonindex, LONG New_PopUpSubCount);

    // --- State, for hosts and tests (read-only) ----------------------------------
    const ToolbarState& state() const { return m_interaction.state(); }
    const ToolbarModel& model() const { return m_model; }
    const ToolbarSettings& settings() const { return m_settings; }
    frmdropdown* dropDownWindow() const { return fdrop.data(); }
    frmdropdown* overflowWindow() const { return fmore.data(); }
    frmdropdown* popUpWindow() const { return fpopup.data(); }
    cTimer* tipTimer() const { return Timer1.get(); }
    // The font items are drawn in: the control's, with ToolbarFont's face.
    QFont drawingFont() const;
    // The width of a caption in that font.
    int captionWidth(const QString& caption);

signals:
    void ButtonClick(int buttonindex);
    void Click();
    void DropButtonClick(int buttonindex, int dleft, int dtop, int dx, int dy);
    void DropMenuClick(int buttonindex, int MenuIndex);
    void PopUpMenuClick(int MenuIndex);
    void PopUpSubMenuClick(int MenuIndex, int SubIndex);
    void ResizeBar(int buttonindex);
    void MouseOverButton(int buttonindex, const QString& description);
    void MouseDown(int Button, int Shift, float x, float y);
    void MouseMove(int Button, int Shift, float x, float y);
    void MouseOut(int Button, int Shift, float x, float y);
    void MouseUp(int Button, int Shift, float x, float y);
    void KeyDown(int KeyCode, int Shift);
    void KeyUp(int KeyCode, int Shift);
    void KeyPress(int KeyAscii);

protected:
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(const PropertyBag& PropBag) override;
    void UserControl_WriteProperties(PropertyBag& PropBag) override;
    void UserControl_MouseDown(int Button, int Shift, float X, float Y) override;
    void UserControl_MouseMove(int Button, int Shift, float X, float Y) override;
    void UserControl_MouseUp(int Button, int Shift, float X, float Y) override;
    void UserControl_Click() override;
    void UserControl_KeyDown(int& KeyCode, int& Shift) override;
    void UserControl_KeyUp(int& KeyCode, int& Shift) override;
    void UserControl_KeyPress(int& KeyAscii) override;
    void UserControl_GotFocus() override;
    void UserControl_LostFocus() override;
    void UserControl_Resize() override;
    void repaintAfterWrite() override { DrawControl(); }

private:
    friend class ToolbarPersistence;

    // ToolbarHost
    QSize innerSize() const override { return QSize(ScaleWidth(), ScaleHeight()); }
    void trackMouseLeave() override;
    void raise(ToolbarEvent event, QVariantList& args) override;
    void itemPropertyChanged(const char* name) override {
        PropertyChanged(QString::fromLatin1(name));
    }
    void showTipWindow(const QString& text) override;
    void hideTipWindow() override;
    bool tipShownOrExpired() const override;
    void setTipDelay(LONG milliseconds) override;
    void openDropDown(LONG D) override;
    void openOverflow(LONG R) override;

    void mSubClass_NewMessage(HWND hwnd, UINT& uMsg, WPARAM& wParam, LPARAM& lParam, bool& Cancel);
    void Timer1_Timer();
    void fdrop_Unload();
    void fmore_Unload();
    void fpopup_Unload();
    void ApplyMenuSettings(frmdropdown& window) const;
    frmdropdown* newMenuWindow(void (lumoadvToolbar::*closed)());
    void setColor(OLE_COLOR& field, OLE_COLOR value, const char* name, bool repaint);
    void setBackgroundColor(OLE_COLOR& field, COLORREF& resolved, OLE_COLOR value);

    // Per-item property helpers: read a field, or store it and tell the host.
    template <typename Item, typename T> static T fieldOf(const Item* item, T Item::*field) {
        return item ? item->*field : T{};
    }
    template <typename Item, typename T>
    void setFieldOf(Item* item, T Item::*field, const T& value, const char* name,
                    bool repaint = false) {
        if (!item) {
            return;
        }
        item->*field = value;
        propertyWritten(name, repaint);
    }

    ToolbarModel m_model;
    ToolbarSettings m_settings;
    ToolbarInteraction m_interaction{m_model, m_settings, *this};
    LONG m_storedButtonCount = 0; // read from the bag, before the buttons
    // Caption widths in the drawing font named by the key: every paint lays
    // out every caption, and measuring text is dear.
    QString m_captionFontKey;
    QHash<QString, int> m_captionWidths;
    std::unique_ptr<MouseLeaveWatch> mSubClass;
    std::unique_ptr<cTimer> Timer1; // the tooltip delay
    QPointer<frmdropdown> fdrop;    // drop-down lists
    QPointer<frmdropdown> fmore;    // the overflow list
    QPointer<frmdropdown> fpopup;   // the pop-up menu
};

} // namespace lumokit
