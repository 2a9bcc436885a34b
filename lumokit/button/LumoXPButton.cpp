#include "button/LumoXPButton.h"

#include "core/com/TypeLibrary.h"
#include "core/control/HandlerSteps.h"
#include "core/control/LibraryMessages.h"
#include "core/control/LibraryVersion.h"
#include "core/control/MouseLeaveWatch.h"
#include "core/control/Painting.h"
#include "core/platform/SysColors.h"
#include "core/platform/Win32Gdi.h"
#include "core/platform/Win32Window.h"

#include <lumokit/TypeLibIds.h>

namespace lumokit {

namespace {

constexpr OLE_COLOR kSilhouetteColor = RGB(136, 141, 157);
constexpr OLE_COLOR kDisabledShadowColor = 0xFFFFFF;
constexpr OLE_COLOR kDisabledCaptionColor = 0x80000010; // button shadow
constexpr int kDisabledShadowSize = 1;

const QString kDefaultCaption = QStringLiteral("Lumo XPButton");

const EventInterfaceInfo* buttonEvents() {
    return TypeLibrary::instance().coclassById(CLSID_LumoXPButton)->eventInterface;
}

} // namespace

LumoXPButton::LumoXPButton(QWidget* parent) : UserControl(parent, buttonEvents()) {
    mSubClass = std::make_unique<MouseLeaveWatch>(
        hWnd(), [this](HWND hwnd, UINT& uMsg, WPARAM& wParam, LPARAM& lParam, bool& Cancel) {
            mSubClass_NewMessage(hwnd, uMsg, wParam, lParam, Cancel);
        });
    properties().place(*this);
}

LumoXPButton::~LumoXPButton() {
    UnloadSubClass();
}

void LumoXPButton::UnloadSubClass() {
    mSubClass.reset();
}

// --- Persistence --------------------------------------------------------------------

// The bag defaults differ from the placement defaults on purpose: a newly
// placed button saves the keys where the two differ.
const PropertyTable<LumoXPButton>& LumoXPButton::properties() {
    using B = LumoXPButton;
    static const PropertyTable<B> table = [] {
        PropertyTable<B> t;
        t.property<QString>(
             "Caption", kDefaultCaption, kDefaultCaption, [](const B& b) { return b.m_Caption; },
             [](B& b, const QString& caption) { b.setCaption(caption); })
            .field("BorderColor", &B::m_BorderColor, 0xFFFFFF, 0xFFFFFF)
            .field("BorderColorOver", &B::m_BorderColorOver, RGB(10, 36, 106), 0)
            // The icon alone: ShowIcon has a key of its own.
            .field("Icon", &B::m_Icon, Picture(), Picture())
            .field("BorderColorDown", &B::m_BorderColorDown, RGB(10, 36, 106), 0)
            .field("BackColor", &B::m_BackColor, RGB(219, 216, 209), 0)
            .field("BackColorOver", &B::m_BackColorOver, RGB(182, 189, 210), 0)
            .field("BackColorDown", &B::m_BackColorDown, RGB(133, 146, 181), 0)
            .field("BackColorIcon", &B::m_BackColorIcon, 0xE0E0E0, 0xE0E0E0)
            .field("BackColorIconOver", &B::m_BackColorIconOver, RGB(182, 189, 210), 0xFFFFFF)
            .field("BackColorIconDown", &B::m_BackColorIconDown, RGB(182, 189, 210), 0xF1F1F1)
            .field("IconSizeWidth", &B::m_IconSizeWidth, 16, 16)
            .field("IconSizeHeight", &B::m_IconSizeHeight, 16, 16)
            .font("Font")
            .property<bool>(
                "Enabled", true, true, [](const B& b) { return b.Enabled(); },
                [](B& b, const bool& enabled) { b.QWidget::setEnabled(enabled); })
            .field("ShadowSize", &B::m_ShadowSize, 0, 0)
            .field("FontColor", &B::m_FontColor, 0, 0)
            .field("ShadowColor", &B::m_ShadowColor, 0, 0)
            .field("ShowShadowOver", &B::m_ShowShadowOver, false, false)
            .field("MultiLine", &B::m_MultiLine, false, false)
            .field("AlignCaption", &B::m_AlignCaption, CaptionAlign::caLeft, CaptionAlign::caLeft)
            .field("ShowFocus", &B::m_ShowFocus, false, false)
            .field("FontColorOver", &B::m_FontColorOver, 0, 0)
            .field("FontColorDown", &B::m_FontColorDown, 0, 0)
            .field("Checked", &B::m_Checked, false, false)
            .field("Value", &B::m_Value, false, false)
            .field("CheckedColor", &B::m_CheckedColor, RGB(213, 215, 216), 0xFFC0C0)
            .property<short>(
                "OLEDropMode", vbOLEDropNone, vbOLEDropNone,
                [](const B& b) { return b.m_OLEDropMode; },
                [](B& b, const short& mode) {
                    b.m_OLEDropMode = mode;
                    b.setAcceptDrops(mode == vbOLEDropManual);
                })
            .field("FocusColor", &B::m_FocusColor, 0x808080, 0x808080)
            .field("ShowIcon", &B::m_ShowIcon, true, true)
            .field("Style", &B::m_Style, lumoStyle::lumoVivid, lumoStyle::lumoVivid)
            .field("ButtonFadeColor", &B::m_ButtonFadeColor, 0xFFFFFF, 0xFFFFFF);
        return t;
    }();
    return table;
}

void LumoXPButton::UserControl_InitProperties() {
    properties().place(*this);
    RefreshControl();
}

void LumoXPButton::UserControl_ReadProperties(const PropertyBag& PropBag) {
    properties().read(*this, PropBag);
    RefreshControl();
}

void LumoXPButton::UserControl_WriteProperties(PropertyBag& PropBag) {
    properties().write(*this, PropBag);
}

// --- Methods ----------------------------------------------------------------------

void LumoXPButton::RefreshControl() {
    DrawControl(XPButtonLayout::refreshLook(m_Checked, m_Value, IsOver));
}

void LumoXPButton::DrawControl(LONG buttontype) {
    const int w = ScaleWidth();
    const int h = ScaleHeight();
    if (FocusWindow != hWnd()) {
        HasFocus = false;
    }
    const UINT flags = XPButtonLayout::captionFlags(m_AlignCaption, m_MultiLine);
    const LONG look = XPButtonLayout::paintedLook(buttontype, m_Checked, m_Value, isEnabled());
    Cls();
    paintFace(look, w, h);
    paintCaption(look, w, h, flags);
    m_paintedLook = look;
}

void LumoXPButton::About() {
    LibraryMessages::MsgBox(QStringLiteral("Lumo XP Button\n"
                                           "https://lumokit.example.org/contact\n"
                                           "Version %1.%2 Build: %3")
                                .arg(LibraryVersion::Major)
                                .arg(LibraryVersion::Minor)
                                .arg(LibraryVersion::Revision));
}

void LumoXPButton::OLEDrag() {
    m_dragDrop.startDrag();
}

// --- Property writers ---------------------------------------------------------------
// Every write marks the property changed and repaints, even an unchanged
// value: hosts rewrite a value to force a repaint.

void LumoXPButton::setBorderColor(OLE_COLOR New_BorderColor) {
    writeProperty(m_BorderColor, New_BorderColor, "BorderColor");
}

void LumoXPButton::setBorderColorOver(OLE_COLOR New_BorderColorOver) {
    writeProperty(m_BorderColorOver, New_BorderColorOver, "BorderColorOver");
}

void LumoXPButton::setBorderColorDown(OLE_COLOR New_BorderColorDown) {
    writeProperty(m_BorderColorDown, New_BorderColorDown, "BorderColorDown");
}

void LumoXPButton::setBackColorOver(OLE_COLOR New_BackColorOver) {
    writeProperty(m_BackColorOver, New_BackColorOver, "BackColorOver");
}

void LumoXPButton::setBackColorDown(OLE_COLOR New_BackColorDown) {
    writeProperty(m_BackColorDown, New_BackColorDown, "BackColorDown");
}

void LumoXPButton::setBackColorIcon(OLE_COLOR New_BackColorIcon) {
    writeProperty(m_BackColorIcon, New_BackColorIcon, "BackColorIcon");
}

void LumoXPButton::setBackColorIconOver(OLE_COLOR New_BackColorIconOver) {
    writeProperty(m_BackColorIconOver, New_BackColorIconOver, "BackColorIconOver");
}

void LumoXPButton::setBackColorIconDown(OLE_COLOR New_BackColorIconDown) {
    writeProperty(m_BackColorIconDown, New_BackColorIconDown, "BackColorIconDown");
}

void LumoXPButton::setIconSizeWidth(LONG New_IconSizeWidth) {
    writeProperty(m_IconSizeWidth, New_IconSizeWidth, "IconSizeWidth");
}

void LumoXPButton::setIconSizeHeight(LONG New_IconSizeHeight) {
    writeProperty(m_IconSizeHeight, New_IconSizeHeight, "IconSizeHeight");
}

void LumoXPButton::setShadowSize(LONG New_ShadowSize) {
    writeProperty(m_ShadowSize, New_ShadowSize, "ShadowSize");
}

void LumoXPButton::setFontColor(OLE_COLOR New_FontColor) {
    writeProperty(m_FontColor, New_FontColor, "FontColor");
}

void LumoXPButton::setShadowColor(OLE_COLOR New_ShadowColor) {
    writeProperty(m_ShadowColor, New_ShadowColor, "ShadowColor");
}

void LumoXPButton::setAlignCaption(CaptionAlign New_AlignCaption) {
    writeProperty(m_AlignCaption, New_AlignCaption, "AlignCaption");
}

void LumoXPButton::setShowFocus(bool New_ShowFocus) {
    writeProperty(m_ShowFocus, New_ShowFocus, "ShowFocus");
}

void LumoXPButton::setFontColorOver(OLE_COLOR New_FontColorOver) {
    writeProperty(m_FontColorOver, New_FontColorOver, "FontColorOver");
}

void LumoXPButton::setFontColorDown(OLE_COLOR New_FontColorDown) {
    writeProperty(m_FontColorDown, New_FontColorDown, "FontColorDown");
}

void LumoXPButton::setChecked(bool New_Checked) {
    writeProperty(m_Checked, New_Checked, "Checked");
}

void LumoXPButton::setValue(bool New_Value) {
    writeProperty(m_Value, New_Value, "Value");
}

void LumoXPButton::setCheckedColor(OLE_COLOR New_CheckedColor) {
    writeProperty(m_CheckedColor, New_CheckedColor, "CheckedColor");
}

void LumoXPButton::setFocusColor(OLE_COLOR New_FocusColor) {
    writeProperty(m_FocusColor, New_FocusColor, "FocusColor");
}

void LumoXPButton::setShowIcon(bool New_ShowIcon) {
    writeProperty(m_ShowIcon, New_ShowIcon, "ShowIcon");
}

void LumoXPButton::setStyle(lumoStyle New_Style) {
    writeProperty(m_Style, New_Style, "Style");
}

void LumoXPButton::setButtonFadeColor(OLE_COLOR New_ButtonFadeColor) {
    writeProperty(m_ButtonFadeColor, New_ButtonFadeColor, "ButtonFadeColor");
}

// Takes effect at the next paint.
void LumoXPButton::setBackColor(OLE_COLOR New_BackColor) {
    m_BackColor = New_BackColor;
    propertyWritten("BackColor", false);
}

void LumoXPButton::setMultiLine(bool New_MultiLine) {
    m_MultiLine = New_MultiLine;
    propertyWritten("MultiLine", false);
}

void LumoXPButton::setShowShadowOver(bool New_ShowShadowOver) {
    m_ShowShadowOver = New_ShowShadowOver;
    propertyWritten("ShowShadowOver", false);
    DrawControl(static_cast<LONG>(XPLook::Normal));
}

void LumoXPButton::setOLEDropMode(short New_OLEDropMode) {
    m_OLEDropMode = New_OLEDropMode;
    setAcceptDrops(m_OLEDropMode == vbOLEDropManual);
    propertyWritten("OLEDropMode", false);
}

void LumoXPButton::setIcon(const Picture& New_Icon) {
    m_Icon = New_Icon;
    m_ShowIcon = m_Icon.Handle() >= 1;
    propertyWritten("Icon");
}

void LumoXPButton::setCaption(const QString& New_Caption) {
    m_Caption = New_Caption;
    // A caption without an access-key prefix keeps the key it had: hosts
    // rely on a caption like "Fish && Chips" not dropping the button's key.
    if (const std::optional<QChar> key = XPButtonLayout::accessKeyOf(m_Caption)) {
        setAccessKeys(QString(*key));
    }
    propertyWritten("Caption");
}

void LumoXPButton::setFont(const QFont& New_Font) {
    setControlFont(New_Font);
    propertyWritten("Font");
}

void LumoXPButton::setEnabled(bool New_Enabled) {
    QWidget::setEnabled(New_Enabled); // a change repaints through WM_ENABLE too
    propertyWritten("Enabled");
}

// --- Painting ---------------------------------------------------------------------------

void LumoXPButton::paintFace(LONG look, int w, int h) {
    const RECT face = XPButtonLayout::face(w, h);
    const RECT inner = XPButtonLayout::innerFrame(w, h, m_ShowIcon);
    const bool toggledOn = m_Checked && m_Value;
    switch (static_cast<XPLook>(look)) {
    case XPLook::Normal:
        paintBackground(m_BackColor, m_BackColorIcon, w, h);
        frameSolid(hDC(), face, HasFocus ? m_FocusColor : m_BorderColor);
        if (m_ShowIcon) {
            paintIcon(isEnabled() ? XPIconUse::Normal : XPIconUse::Disabled, h);
        }
        break;
    case XPLook::Over:
        paintBackground(m_BackColorOver, m_BackColorIconOver, w, h);
        if (toggledOn) {
            frameSolid(hDC(), inner, m_BorderColorDown);
        }
        frameSolid(hDC(), face, m_BorderColorOver);
        if (m_ShowIcon) {
            paintIcon(XPIconUse::OverSilhouette, h);
            paintIcon(XPIconUse::OverLifted, h);
        }
        break;
    case XPLook::Down:
        paintBackground(m_BackColorDown, m_BackColorIconDown, w, h);
        if (toggledOn) {
            frameSolid(hDC(), inner, m_BorderColorDown);
        }
        frameSolid(hDC(), face, m_BorderColorDown);
        if (m_ShowIcon) {
            paintIcon(XPIconUse::Normal, h);
        }
        break;
    case XPLook::CheckedOn:
        fillArea(face, m_BackColor, h);
        fillArea(m_ShowIcon ? XPButtonLayout::iconSquare(h) : face, m_CheckedColor, h);
        frameSolid(hDC(), face, m_BorderColor);
        frameSolid(hDC(), inner, m_BorderColorDown);
        if (m_ShowIcon) {
            paintIcon(XPIconUse::Normal, h);
        }
        break;
    default: // look 3 and unknown looks: the caption alone
        break;
    }
}

void LumoXPButton::paintBackground(OLE_COLOR faceColor, OLE_COLOR iconColor, int w, int h) {
    fillArea(XPButtonLayout::face(w, h), faceColor, h);
    if (m_ShowIcon) {
        fillArea(XPButtonLayout::iconSquare(h), iconColor, h);
    }
}

void LumoXPButton::fillArea(const RECT& area, OLE_COLOR color, int h) {
    switch (m_Style) {
    case lumoStyle::lumoXP:
        fillSolid(hDC(), area, color);
        break;
    case lumoStyle::lumoVivid:
        fillGradient(hDC(), area, m_ButtonFadeColor, color, h);
        break;
    default: // an unknown style paints no background
        break;
    }
}

void LumoXPButton::paintIcon(XPIconUse use, int h) {
    const int width = m_IconSizeWidth;
    const int height = m_IconSizeHeight;
    if (width < 0 || height < 0 || !XPButtonLayout::isDrawableIconSize(width, height)) {
        return;
    }
    const POINT at = XPButtonLayout::iconPosition(use, h, width, height);
    switch (use) {
    case XPIconUse::Normal:
    case XPIconUse::OverLifted:
        drawIcon(hDC(), m_Icon, at, width, height, IconState::Normal);
        break;
    case XPIconUse::Disabled:
        drawIcon(hDC(), m_Icon, at, width, height, IconState::Disabled);
        break;
    case XPIconUse::OverSilhouette:
        drawIcon(hDC(), m_Icon, at, width, height, IconState::Silhouette, kSilhouetteColor);
        break;
    }
}

void LumoXPButton::paintCaption(LONG look, int w, int h, UINT flags) {
    if (m_Caption.isEmpty()) {
        return;
    }
    const bool enabled = isEnabled();
    // A disabled caption is engraved: one white copy down and right.
    const LONG shadowSize = enabled ? m_ShadowSize : kDisabledShadowSize;
    setForeColor(enabled ? m_ShadowColor : kDisabledShadowColor);
    const bool shadowInThisLook =
        !(m_ShowShadowOver && enabled) || look == static_cast<LONG>(XPLook::Over);
    if (shadowInThisLook) {
        const int copies = XPButtonLayout::visibleShadowCount(shadowSize, w, h);
        for (int i = 1; i <= copies; ++i) {
            drawText(hDC(), m_Caption, XPButtonLayout::shadowRect(i, w, h, m_ShowIcon), flags);
        }
    }

    OLE_COLOR captionColor = kDisabledCaptionColor;
    if (enabled) {
        switch (static_cast<XPLook>(look)) {
        case XPLook::Over:
            captionColor = m_FontColorOver;
            break;
        case XPLook::Down:
            captionColor = m_FontColorDown;
            break;
        default:
            captionColor = m_FontColor;
            break;
        }
    }
    setForeColor(captionColor);
    drawText(hDC(), m_Caption, XPButtonLayout::captionRect(w, h, m_ShowIcon), flags);

    if (HasFocus && m_ShowFocus && enabled) {
        const RECT focus = XPButtonLayout::focusRect(w, h);
        DrawFocusRect(hDC(), &focus);
    }
}

// --- Handlers -------------------------------------------------------------------------

bool LumoXPButton::raiseClick() {
    return raiseEvent(&LumoXPButton::Click);
}

void LumoXPButton::UserControl_MouseDown(int Button, int Shift, float X, float Y) {
    HandlerSteps step(this, ErrorLabel::MouseDown);
    step([&] { raiseEvent(&LumoXPButton::MouseDown, Button, Shift, X, Y); });
    step([&] { IsDown = true; });
    step([&] { DrawControl(static_cast<LONG>(XPLook::Down)); });
}

void LumoXPButton::UserControl_MouseMove(int Button, int Shift, float X, float Y) {
    HandlerSteps step(this, ErrorLabel::MouseMove);
    step([&] { raiseEvent(&LumoXPButton::MouseMove, Button, Shift, X, Y); });
    if (!step.alive() || IsDown) {
        return;
    }
    step([&] { IsOver = false; });
    step([&] {
        if (mSubClass) {
            mSubClass->arm();
        }
    });
    step([&] { raiseEvent(&LumoXPButton::MouseOver); });
    step([&] { IsOver = true; });
    step([&] { DrawControl(static_cast<LONG>(XPLook::Over)); });
}

void LumoXPButton::UserControl_MouseUp(int Button, int Shift, float X, float Y) {
    HandlerSteps step(this, ErrorLabel::MouseUp);
    step([&] { raiseEvent(&LumoXPButton::MouseUp, Button, Shift, X, Y); });
    step([&] { IsDown = false; });
    step([&] { RefreshControl(); });
}

void LumoXPButton::UserControl_Click() {
    HandlerSteps step(this, ErrorLabel::Click);
    float x = 0;
    float y = 0;
    step([&] {
        // The screen point below the lower-left corner, for a drop-down.
        RECT window{};
        GetWindowRect(hWnd(), &window);
        x = static_cast<float>(window.left) * static_cast<float>(TwipsPerPixelX());
        y = static_cast<float>(window.bottom) * static_cast<float>(TwipsPerPixelY());
    });
    if (isEnabled()) {
        step([&] { setValue(!m_Value); });
        step([&] { raiseEvent(&LumoXPButton::DropClick, x, y); });
        step([&] { raiseClick(); });
    }
    step([&] { IsOver = false; });
    step([&] { RefreshControl(); });
}

void LumoXPButton::UserControl_DblClick() {
    HandlerSteps step(this, ErrorLabel::DblClick);
    if (isEnabled()) {
        step([&] { raiseClick(); });
    }
}

void LumoXPButton::UserControl_KeyDown(int& KeyCode, int& Shift) {
    HandlerSteps step(this, ErrorLabel::KeyDown);
    // Enter clicks even a disabled button; Space only an enabled one.
    if (KeyCode == VK_RETURN || (KeyCode == VK_SPACE && isEnabled())) {
        step([&] { raiseClick(); });
        step([&] { DrawControl(static_cast<LONG>(XPLook::Normal)); });
        step([&] { DrawControl(static_cast<LONG>(XPLook::Over)); });
    }
    if (step.alive() && isEnabled()) {
        step([&] { raiseEvent(&LumoXPButton::KeyDown, KeyCode, Shift); });
    }
}

void LumoXPButton::UserControl_KeyUp(int& KeyCode, int& Shift) {
    HandlerSteps step(this, ErrorLabel::KeyUp);
    if (isEnabled()) {
        step([&] { raiseEvent(&LumoXPButton::KeyUp, KeyCode, Shift); });
    }
    if (step.alive() && (KeyCode == VK_RETURN || (KeyCode == VK_SPACE && isEnabled()))) {
        step([&] { DrawControl(static_cast<LONG>(XPLook::Normal)); });
    }
}

void LumoXPButton::UserControl_KeyPress(int& KeyAscii) {
    HandlerSteps step(this, ErrorLabel::KeyPress);
    if (isEnabled()) {
        step([&] { raiseEvent(&LumoXPButton::KeyPress, KeyAscii); });
    }
}

void LumoXPButton::UserControl_AccessKeyPress(int) {
    HandlerSteps step(this, ErrorLabel::AccessKeyPress);
    step([&] { HasFocus = true; });
    step([&] { RefreshControl(); });
    step([&] { raiseClick(); });
}

void LumoXPButton::UserControl_GotFocus() {
    HandlerSteps step(this, ErrorLabel::GotFocus);
    step([&] { FocusWindow = GetFocus(); });
    step([&] { HasFocus = true; });
    step([&] { RefreshControl(); });
}

void LumoXPButton::UserControl_LostFocus() {
    HandlerSteps step(this, ErrorLabel::LostFocus);
    step([&] { HasFocus = false; });
    step([&] { RefreshControl(); });
}

void LumoXPButton::UserControl_AmbientChanged(const QString& PropertyName) {
    HandlerSteps step(this, ErrorLabel::AmbientChanged);
    if (PropertyName == QLatin1String("DisplayAsDefault")) {
        step([&] { HasFocus = Ambient().DisplayAsDefault(); });
        step([&] { RefreshControl(); });
    }
}

void LumoXPButton::UserControl_Resize() {
    HandlerSteps step(this, ErrorLabel::Resize);
    step([&] { RefreshControl(); });
}

LRESULT LumoXPButton::DefWindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_ENABLE) {
        RefreshControl(); // enabled or disabled from anywhere: show it
    }
    return UserControl::DefWindowProc(uMsg, wParam, lParam);
}

void LumoXPButton::mSubClass_NewMessage(HWND, UINT& uMsg, WPARAM&, LPARAM&, bool&) {
    MouseLeaveWatch::doubleClickAsPress(uMsg);
    if (uMsg != WM_MOUSELEAVE) {
        return;
    }
    HandlerSteps step(this, ErrorLabel::MouseOut);
    step([&] { IsOver = false; });
    step([&] { DrawControl(static_cast<LONG>(XPLook::Normal)); });
    step([&] { raiseEvent(&LumoXPButton::MouseOut, vbLeftButton, 0, 0.0f, 0.0f); });
}

} // namespace lumokit
