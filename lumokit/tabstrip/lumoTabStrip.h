#pragma once

// An owner-drawn tab strip: a row of tabs along the bottom edge, each with
// an optional 16 x 16 icon and a caption, under the page of the selected
// tab, which the selected tab opens into. Hosts add tabs at run time
// (AddTab) and reach them through indexed properties; they hear clicks and
// hovering through TabClick and MouseOverTab. Tabs are not saved with the
// control, only its colours, styles, selection, font and pointer.
//
// Hosts create it as "LumoKit.lumoTabStrip"; Qt programs may use it
// directly through its Qt properties and signals.
#include "core/control/PropertyTable.h"
#include "core/control/UserControl.h"
#include "tabstrip/TabStripModel.h"

#include <lumokit/Enums.h>
#include <lumokit/Picture.h>

#include <QFont>
#include <QString>

#include <memory>

namespace lumokit {

class MouseLeaveWatch;
class cTimer;

class lumoTabStrip : public UserControl {
    Q_OBJECT
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(uint TabColor READ TabColor WRITE setTabColor)
    Q_PROPERTY(uint TabColorOver READ TabColorOver WRITE setTabColorOver)
    Q_PROPERTY(uint TabColorDown READ TabColorDown WRITE setTabColorDown)
    Q_PROPERTY(uint SelectedBackColor READ SelectedBackColor WRITE setSelectedBackColor)
    Q_PROPERTY(uint TabBorColor READ TabBorColor WRITE setTabBorColor)
    Q_PROPERTY(uint TabBorColorOver READ TabBorColorOver WRITE setTabBorColorOver)
    Q_PROPERTY(uint TabBorColorDown READ TabBorColorDown WRITE setTabBorColorDown)
    Q_PROPERTY(uint CheckbgColor READ CheckbgColor WRITE setCheckbgColor)
    Q_PROPERTY(uint CheckBorderColor READ CheckBorderColor WRITE setCheckBorderColor)
    Q_PROPERTY(uint BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(lumokit::lumobStyle Style READ Style WRITE setStyle)
    Q_PROPERTY(int Selected READ Selected WRITE setSelected)
    Q_PROPERTY(lumokit::lumoTabstyle TabStyle READ TabStyle WRITE setTabStyle)
    Q_PROPERTY(lumokit::Picture MouseIcon READ MouseIcon WRITE setMouseIcon)
    Q_PROPERTY(short MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(QFont Font READ Font WRITE setFont)
    Q_PROPERTY(uint FontColor READ FontColor WRITE setFontColor)
    Q_PROPERTY(uint FocusColor READ FocusColor WRITE setFocusColor)

public:
    // How long the mouse rests on a tab before its tooltip shows.
    static constexpr LONG kTipDelay = 500;

    explicit lumoTabStrip(QWidget* parent = nullptr);
    ~lumoTabStrip() override;

    // The signal resize() below hides QWidget's own.
    using QWidget::resize;

    // --- Methods --------------------------------------------------------------
    // Adds a tab at the end and repaints. An icon without an image is none.
    void AddTab(const Picture& Icon = {}, const QString& Caption = {},
                const QString& description = {}, bool Enable = true, bool Visible = true,
                bool iChecked = false, const QString& sToolText = {});
    // Starts (true) or ends (false) the subclassing of the window that tells
    // the strip the mouse left it and turns double clicks into clicks.
    void SubClass(bool& sSub);
    void PaintTabs();

    // --- Properties -------------------------------------------------------------
    OLE_COLOR BackColor() const { return UserControl::BackColor(); }
    void setBackColor(OLE_COLOR New_BackColor);
    OLE_COLOR TabColor() const { return m_TabColor; }
    void setTabColor(OLE_COLOR New_TabColor);
    OLE_COLOR TabColorOver() const { return m_TabColorOver; }
    void setTabColorOver(OLE_COLOR New_TabColorOver);
    OLE_COLOR TabColorDown() const { return m_TabColorDown; }
    void setTabColorDown(OLE_COLOR New_TabColorDown);
    OLE_COLOR SelectedBackColor() const { return m_SelectedBackColor; }
    void setSelectedBackColor(OLE_COLOR New_SelectedBackColor);
    // Stored and saved; no part of the look.
    OLE_COLOR TabBorColor() const { return m_TabBorColor; }
    void setTabBorColor(OLE_COLOR New_TabBorColor);
    OLE_COLOR TabBorColorOver() const { return m_TabBorColorOver; }
    void setTabBorColorOver(OLE_COLOR New_TabBorColorOver);
    OLE_COLOR TabBorColorDown() const { return m_TabBorColorDown; }
    void setTabBorColorDown(OLE_COLOR New_TabBorColorDown);
    OLE_COLOR CheckbgColor() const { return m_CheckbgColor; }
    void setCheckbgColor(OLE_COLOR New_CheckbgColor);
    OLE_COLOR CheckBorderColor() const { return m_CheckBorderColor; }
    void setCheckBorderColor(OLE_COLOR New_CheckBorderColor);
    // Stored and saved; no part of the look.
    OLE_COLOR BorderColor() const { return m_BorderColor; }
    void setBorderColor(OLE_COLOR New_BorderColor);
    lumobStyle Style() const { return m_Style; }
    void setStyle(lumobStyle New_Style);
    // Any number; 0 shows tab 1 at the next paint. Raises no event. The
    // keyboard focus moves to the selected tab.
    LONG Selected() const { return m_model.Selected; }
    void setSelected(LONG New_Selected);
    lumoTabstyle TabStyle() const { return m_TabStyle; }
    void setTabStyle(lumoTabstyle New_TabStyle);

    // Indexed: above the count a read is empty and a write does nothing;
    // below 0 both raise error 9 (subscript out of range).
    Picture TabPicture(LONG index) const { return m_model.tab(index).icon; }
    void setTabPicture(LONG index, const Picture& New_TabPicture);
    bool TabEnable(LONG index) const { return m_model.tab(index).enabled; }
    void setTabEnable(LONG index, bool New_TabEnable);
    bool TabVisible(LONG index) const { return m_model.tab(index).visible; }
    void setTabVisible(LONG index, bool New_TabVisible);
    QString TabDescription(LONG index) const { return m_model.tab(index).description; }
    void setTabDescription(LONG index, const QString& New_TabDescription);
    QString TabTag(LONG index) const { return m_model.tab(index).tag; }
    void setTabTag(LONG index, const QString& New_TabTag);
    QString TabToolText(LONG index) const { return m_model.tab(index).toolText; }
    void setTabToolText(LONG index, const QString& New_TabToolText);

    Picture MouseIcon() const { return m_MouseIcon; }
    void setMouseIcon(const Picture& New_MouseIcon);
    short MousePointer() const { return m_MousePointer; }
    void setMousePointer(short New_MousePointer);
    QFont Font() const { return font(); }
    void setFont(const QFont& New_Font);
    // Takes effect at the next paint.
    OLE_COLOR FontColor() const { return m_FontColor; }
    void setFontColor(OLE_COLOR New_FontColor);
    // Takes effect at the next paint.
    OLE_COLOR FocusColor() const { return m_FocusColor; }
    void setFocusColor(OLE_COLOR New_FocusColor);

    // The tabs and the interaction state, for the painter, hosts and tests.
    const TabStripModel& model() const { return m_model; }
    cTimer* tipTimer() const { return Timer1.get(); }

signals:
    void TabClick(int lgTab);
    void MouseOverTab(int lgTab, const QString& sDescription);
    void MouseOut();
    void KeyDown(int KeyCode, int Shift);
    void KeyPress(int KeyAscii);
    void KeyUp(int KeyCode, int Shift);
    void MouseDown(int Button, int Shift, float x, float y);
    void MouseMove(int Button, int Shift, float x, float y);
    void MouseUp(int Button, int Shift, float x, float y);
    void resize();

protected:
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(const PropertyBag& PropBag) override;
    void UserControl_WriteProperties(PropertyBag& PropBag) override;
    void UserControl_MouseDown(int Button, int Shift, float X, float Y) override;
    void UserControl_MouseMove(int Button, int Shift, float X, float Y) override;
    void UserControl_MouseUp(int Button, int Shift, float X, float Y) override;
    void UserControl_Click() override;
    void UserControl_KeyDown(int& KeyCode, int& Shift) override;
    void UserControl_KeyPress(int& KeyAscii) override;
    void UserControl_KeyUp(int& KeyCode, int& Shift) override;
    void UserControl_GotFocus() override;
    void UserControl_LostFocus() override;
    void UserControl_Resize() override;
    void repaintAfterWrite() override { PaintTabs(); }

private:
    static const PropertyTable<lumoTabStrip>& properties();
    void mSubClass_NewMessage(HWND hwnd, UINT& uMsg, WPARAM& wParam, LPARAM& lParam, bool& Cancel);
    void UserControl_MouseOut();
    void Timer1_Timer();
    void TrackMouseLeave();
    void ShowTip(const QString& text);
    void HideTip();
    void armTip();
    void raiseTabClick(LONG index);
    void raiseKeyEvent(void (lumoTabStrip::*signal)(int, int), int& KeyCode, int& Shift);
    // Writes one field of a tab that exists; marks the property changed.
    template <typename T>
    bool writeTab(LONG index, T TabRecord::*field, const T& value, const char* name);

    TabStripModel m_model;
    OLE_COLOR m_TabColor{};
    OLE_COLOR m_TabColorOver{};
    OLE_COLOR m_TabColorDown{};
    OLE_COLOR m_SelectedBackColor{};
    OLE_COLOR m_TabBorColor{};
    OLE_COLOR m_TabBorColorOver{};
    OLE_COLOR m_TabBorColorDown{};
    OLE_COLOR m_CheckbgColor{};
    OLE_COLOR m_CheckBorderColor{};
    OLE_COLOR m_BorderColor{};
    lumobStyle m_Style{};
    lumoTabstyle m_TabStyle{};
    Picture m_MouseIcon;
    short m_MousePointer = 0;
    OLE_COLOR m_FontColor{};
    OLE_COLOR m_FocusColor{};

    LONG m_tipTab = 0; // the tab whose tooltip is pending or showing
    QString m_tipText;
    std::unique_ptr<cTimer> Timer1;             // the tooltip delay
    std::unique_ptr<MouseLeaveWatch> mSubClass; // the strip's own window, subclassed
};

} // namespace lumokit
