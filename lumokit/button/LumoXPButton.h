#pragma once

// The XP-style push button: a flat face with a one-pixel frame, an optional
// icon square on the left, a caption with an optional drop shadow, separate
// colours for the normal, mouse-over and pressed looks, a toggle mode
// (Checked) and the screen point below its lower-left corner for drop-downs
// (DropClick). Hosts reach it through dispatch ("LumoKit.LumoXPButton");
// Qt programs may use it directly through its Qt properties and signals.
//
// A new button has the placement defaults (Init: BackColor 0xD1D8DB, ...);
// a property bag supplies different defaults for missing keys, on purpose.
#include "button/OleDataObject.h"
#include "button/XPButtonDragDrop.h"
#include "button/XPButtonLayout.h"
#include "core/control/PropertyTable.h"
#include "core/control/UserControl.h"

#include <lumokit/ComPtr.h>
#include <lumokit/Enums.h>
#include <lumokit/Picture.h>

#include <QFont>
#include <QPointF>
#include <QString>

#include <memory>

namespace lumokit {

class MouseLeaveWatch;

class LumoXPButton : public UserControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(lumokit::Picture Icon READ Icon WRITE setIcon)
    Q_PROPERTY(QFont Font READ Font WRITE setFont)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(uint BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(uint BorderColorOver READ BorderColorOver WRITE setBorderColorOver)
    Q_PROPERTY(uint BorderColorDown READ BorderColorDown WRITE setBorderColorDown)
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(uint BackColorOver READ BackColorOver WRITE setBackColorOver)
    Q_PROPERTY(uint BackColorDown READ BackColorDown WRITE setBackColorDown)
    Q_PROPERTY(uint BackColorIcon READ BackColorIcon WRITE setBackColorIcon)
    Q_PROPERTY(uint BackColorIconOver READ BackColorIconOver WRITE setBackColorIconOver)
    Q_PROPERTY(uint BackColorIconDown READ BackColorIconDown WRITE setBackColorIconDown)
    Q_PROPERTY(int IconSizeWidth READ IconSizeWidth WRITE setIconSizeWidth)
    Q_PROPERTY(int IconSizeHeight READ IconSizeHeight WRITE setIconSizeHeight)
    Q_PROPERTY(int ShadowSize READ ShadowSize WRITE setShadowSize)
    Q_PROPERTY(uint FontColor READ FontColor WRITE setFontColor)
    Q_PROPERTY(uint ShadowColor READ ShadowColor WRITE setShadowColor)
    Q_PROPERTY(bool ShowShadowOver READ ShowShadowOver WRITE setShowShadowOver)
    Q_PROPERTY(bool MultiLine READ MultiLine WRITE setMultiLine)
    Q_PROPERTY(lumokit::CaptionAlign AlignCaption READ AlignCaption WRITE setAlignCaption)
    Q_PROPERTY(bool ShowFocus READ ShowFocus WRITE setShowFocus)
    Q_PROPERTY(uint FontColorOver READ FontColorOver WRITE setFontColorOver)
    Q_PROPERTY(uint FontColorDown READ FontColorDown WRITE setFontColorDown)
    Q_PROPERTY(bool Checked READ Checked WRITE setChecked)
    Q_PROPERTY(bool Value READ Value WRITE setValue)
    Q_PROPERTY(uint CheckedColor READ CheckedColor WRITE setCheckedColor)
    Q_PROPERTY(int hwnd READ hwnd)
    Q_PROPERTY(int hDC READ hDC)
    Q_PROPERTY(short OLEDropMode READ OLEDropMode WRITE setOLEDropMode)
    Q_PROPERTY(uint FocusColor READ FocusColor WRITE setFocusColor)
    Q_PROPERTY(bool ShowIcon READ ShowIcon WRITE setShowIcon)
    Q_PROPERTY(lumokit::lumoStyle Style READ Style WRITE setStyle)
    Q_PROPERTY(uint ButtonFadeColor READ ButtonFadeColor WRITE setButtonFadeColor)

public:
    // Drop effects and drag-over states of the OLE events.
    static constexpr int vbDropEffectNone = 0;
    static constexpr int vbDropEffectCopy = 1;
    static constexpr int vbDropEffectMove = 2;
    static constexpr int vbEnter = 0;
    static constexpr int vbLeave = 1;
    static constexpr int vbOver = 2;
    static constexpr short vbOLEDropNone = 0;
    static constexpr short vbOLEDropManual = 1;

    explicit LumoXPButton(QWidget* parent = nullptr);
    ~LumoXPButton() override;

    // --- Methods --------------------------------------------------------------
    // Repaints in the look that fits the current state.
    void RefreshControl();
    // Kept for hosts that call it; the face is only painted by DrawControl.
    void Refresh() {}
    void DrawControl(LONG buttontype);
    void About();
    // Starts an OLE drag: the host fills the data in OLEStartDrag.
    void OLEDrag();
    // Releases the subclassing of the window; the button then no longer
    // learns that the mouse left it.
    void UnloadSubClass();

    // --- Properties -------------------------------------------------------------
    Picture Icon() const { return m_Icon; }
    void setIcon(const Picture& New_Icon);
    OLE_COLOR BorderColor() const { return m_BorderColor; }
    void setBorderColor(OLE_COLOR New_BorderColor);
    QString Caption() const { return m_Caption; }
    void setCaption(const QString& New_Caption);
    OLE_COLOR BorderColorOver() const { return m_BorderColorOver; }
    void setBorderColorOver(OLE_COLOR New_BorderColorOver);
    OLE_COLOR BorderColorDown() const { return m_BorderColorDown; }
    void setBorderColorDown(OLE_COLOR New_BorderColorDown);
    // The face colour; the surface itself is cleared in UserControl's colour.
    OLE_COLOR BackColor() const { return m_BackColor; }
    // Takes effect at the next paint.
    void setBackColor(OLE_COLOR New_BackColor);
    OLE_COLOR BackColorOver() const { return m_BackColorOver; }
    void setBackColorOver(OLE_COLOR New_BackColorOver);
    OLE_COLOR BackColorDown() const { return m_BackColorDown; }
    void setBackColorDown(OLE_COLOR New_BackColorDown);
    OLE_COLOR BackColorIcon() const { return m_BackColorIcon; }
    void setBackColorIcon(OLE_COLOR New_BackColorIcon);
    OLE_COLOR BackColorIconOver() const { return m_BackColorIconOver; }
    void setBackColorIconOver(OLE_COLOR New_BackColorIconOver);
    OLE_COLOR BackColorIconDown() const { return m_BackColorIconDown; }
    void setBackColorIconDown(OLE_COLOR New_BackColorIconDown);
    LONG IconSizeWidth() const { return m_IconSizeWidth; }
    void setIconSizeWidth(LONG New_IconSizeWidth);
    LONG IconSizeHeight() const { return m_IconSizeHeight; }
    void setIconSizeHeight(LONG New_IconSizeHeight);
    // The control's font (QWidget::font); the writer also repaints.
    QFont Font() const { return font(); }
    void setFont(const QFont& New_Font);
    // The button's own setting; a disabled parent also disables it.
    bool Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }
    void setEnabled(bool New_Enabled);
    LONG ShadowSize() const { return m_ShadowSize; }
    void setShadowSize(LONG New_ShadowSize);
    OLE_COLOR FontColor() const { return m_FontColor; }
    void setFontColor(OLE_COLOR New_FontColor);
    OLE_COLOR ShadowColor() const { return m_ShadowColor; }
    void setShadowColor(OLE_COLOR New_ShadowColor);
    bool ShowShadowOver() const { return m_ShowShadowOver; }
    // Paints the normal look at once.
    void setShowShadowOver(bool New_ShowShadowOver);
    bool MultiLine() const { return m_MultiLine; }
    // Takes effect at the next paint.
    void setMultiLine(bool New_MultiLine);
    CaptionAlign AlignCaption() const { return m_AlignCaption; }
    void setAlignCaption(CaptionAlign New_AlignCaption);
    bool ShowFocus() const { return m_ShowFocus; }
    void setShowFocus(bool New_ShowFocus);
    OLE_COLOR FontColorOver() const { return m_FontColorOver; }
    void setFontColorOver(OLE_COLOR New_FontColorOver);
    OLE_COLOR FontColorDown() const { return m_FontColorDown; }
    void setFontColorDown(OLE_COLOR New_FontColorDown);
    // Toggle mode: a click flips Value, and Value True shows look 4.
    bool Checked() const { return m_Checked; }
    void setChecked(bool New_Checked);
    bool Value() const { return m_Value; }
    void setValue(bool New_Value);
    OLE_COLOR CheckedColor() const { return m_CheckedColor; }
    void setCheckedColor(OLE_COLOR New_CheckedColor);
    HWND hwnd() const { return hWnd(); }
    // 0 none, 1 manual (the drop events are raised).
    short OLEDropMode() const { return m_OLEDropMode; }
    void setOLEDropMode(short New_OLEDropMode);
    OLE_COLOR FocusColor() const { return m_FocusColor; }
    void setFocusColor(OLE_COLOR New_FocusColor);
    bool ShowIcon() const { return m_ShowIcon; }
    void setShowIcon(bool New_ShowIcon);
    lumoStyle Style() const { return m_Style; }
    void setStyle(lumoStyle New_Style);
    OLE_COLOR ButtonFadeColor() const { return m_ButtonFadeColor; }
    void setButtonFadeColor(OLE_COLOR New_ButtonFadeColor);

    // --- State the looks are chosen from (read-only, for hosts and tests) ---
    bool isDown() const { return IsDown; }
    bool isOver() const { return IsOver; }
    bool hasFocusLook() const { return HasFocus; }
    // The look the last DrawControl painted.
    LONG paintedLook() const { return m_paintedLook; }

signals:
    void Click();
    void DropClick(float x, float y);
    void MouseOver();
    void MouseDown(int Button, int Shift, float x, float y);
    void MouseMove(int Button, int Shift, float x, float y);
    void MouseOut(int Button, int Shift, float x, float y);
    void MouseUp(int Button, int Shift, float x, float y);
    void KeyDown(int KeyCode, int Shift);
    void KeyUp(int KeyCode, int Shift);
    void KeyPress(int KeyAscii);
    // The drag events pass some arguments by reference: a handler that
    // changes them answers the button (direct connections only).
    void OLECompleteDrag(int Effect);
    void OLEDragDrop(lumokit::OleDataObject* Data, int& Effect, int Button, int Shift, float x,
                     float y);
    void OLEDragOver(lumokit::OleDataObject* Data, int& Effect, int Button, int Shift, float x,
                     float y, int State);
    void OLEGiveFeedback(int& Effect, bool& DefaultCursors);
    void OLESetData(lumokit::OleDataObject* Data, int DataFormat);
    void OLEStartDrag(lumokit::OleDataObject* Data, int& AllowedEffects);

protected:
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(const PropertyBag& PropBag) override;
    void UserControl_WriteProperties(PropertyBag& PropBag) override;
    void UserControl_MouseDown(int Button, int Shift, float X, float Y) override;
    void UserControl_MouseMove(int Button, int Shift, float X, float Y) override;
    void UserControl_MouseUp(int Button, int Shift, float X, float Y) override;
    void UserControl_Click() override;
    void UserControl_DblClick() override;
    void UserControl_KeyDown(int& KeyCode, int& Shift) override;
    void UserControl_KeyPress(int& KeyAscii) override;
    void UserControl_KeyUp(int& KeyCode, int& Shift) override;
    void UserControl_AccessKeyPress(int KeyAscii) override;
    void UserControl_GotFocus() override;
    void UserControl_LostFocus() override;
    void UserControl_Resize() override;
    void UserControl_AmbientChanged(const QString& PropertyName) override;
    LRESULT DefWindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void repaintAfterWrite() override { RefreshControl(); }

    void dragEnterEvent(QDragEnterEvent* event) override { m_dragDrop.enter(event); }
    void dragMoveEvent(QDragMoveEvent* event) override { m_dragDrop.move(event); }
    void dragLeaveEvent(QDragLeaveEvent* event) override { m_dragDrop.leave(event); }
    void dropEvent(QDropEvent* event) override { m_dragDrop.drop(event); }

private:
    friend class XPButtonDragDrop; // raises the OLE events
    static const PropertyTable<LumoXPButton>& properties();
    void mSubClass_NewMessage(HWND hwnd, UINT& uMsg, WPARAM& wParam, LPARAM& lParam, bool& Cancel);

    // Painting steps of DrawControl.
    void paintFace(LONG look, int w, int h);
    void paintBackground(OLE_COLOR faceColor, OLE_COLOR iconColor, int w, int h);
    void fillArea(const RECT& area, OLE_COLOR color, int h);
    void paintIcon(XPIconUse use, int h);
    void paintCaption(LONG look, int w, int h, UINT flags);
    bool raiseClick();

    // Saved properties; the property table gives their values for a new button.
    Picture m_Icon;
    OLE_COLOR m_ButtonFadeColor{};
    bool m_ShowIcon{};
    OLE_COLOR m_FocusColor{};
    OLE_COLOR m_CheckedColor{};
    bool m_Checked{};
    bool m_Value{};
    OLE_COLOR m_FontColorOver{};
    OLE_COLOR m_FontColorDown{};
    bool m_ShowFocus{};
    CaptionAlign m_AlignCaption{};
    bool m_MultiLine{};
    bool m_ShowShadowOver{};
    OLE_COLOR m_FontColor{};
    OLE_COLOR m_ShadowColor{};
    LONG m_ShadowSize{};
    LONG m_IconSizeWidth{};
    LONG m_IconSizeHeight{};
    OLE_COLOR m_BackColorIcon{};
    OLE_COLOR m_BackColorIconOver{};
    OLE_COLOR m_BackColorIconDown{};
    OLE_COLOR m_BackColor{};
    OLE_COLOR m_BackColorOver{};
    OLE_COLOR m_BackColorDown{};
    OLE_COLOR m_BorderColorDown{};
    OLE_COLOR m_BorderColor{};
    OLE_COLOR m_BorderColorOver{};
    lumoStyle m_Style{};
    QString m_Caption;
    short m_OLEDropMode = vbOLEDropNone;

    std::unique_ptr<MouseLeaveWatch> mSubClass; // the button's own window, subclassed
    HWND FocusWindow = 0; // had the keyboard focus when the button last got it
    bool IsDown = false;  // a mouse button is held on the button
    bool IsOver = false;
    bool HasFocus = false; // draws itself as focused or default
    LONG m_paintedLook = 0;
    XPButtonDragDrop m_dragDrop{*this};
};

} // namespace lumokit
