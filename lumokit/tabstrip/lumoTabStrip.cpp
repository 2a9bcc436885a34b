#include "tabstrip/lumoTabStrip.h"

#include "core/com/TypeLibrary.h"
#include "core/control/HandlerSteps.h"
#include "core/control/MouseLeaveWatch.h"
#include "core/control/MousePointer.h"
#include "core/control/RetryTrap.h"
#include "core/control/cTimer.h"
#include "core/platform/Win32Window.h"
#include "popups/Tooltip.h"
#include "tabstrip/TabStripPainter.h"

#include <lumokit/TypeLibIds.h>

#include <cmath>

namespace lumokit {

namespace {

const EventInterfaceInfo* tabStripEvents() {
    return TypeLibrary::instance().coclassById(CLSID_lumoTabStrip)->eventInterface;
}

LONG toPixel(float value) {
    return static_cast<LONG>(std::lround(value));
}

} // namespace

lumoTabStrip::lumoTabStrip(QWidget* parent) : UserControl(parent, tabStripEvents()) {
    properties().place(*this);
    bool subclass = true;
    SubClass(subclass);
    Timer1 = std::make_unique<cTimer>();
    connect(Timer1.get(), &cTimer::Timer, this, &lumoTabStrip::Timer1_Timer);
}

lumoTabStrip::~lumoTabStrip() {
    bool subclass = false;
    SubClass(subclass);
    if (m_tipTab != 0) {
        Tooltip::HideTip(); // our tip goes with us
    }
}

void lumoTabStrip::SubClass(bool& sSub) {
    if (!sSub) {
        mSubClass.reset();
    } else if (!mSubClass) {
        mSubClass = std::make_unique<MouseLeaveWatch>(
            hWnd(), [this](HWND hwnd, UINT& uMsg, WPARAM& wParam, LPARAM& lParam, bool& Cancel) {
                mSubClass_NewMessage(hwnd, uMsg, wParam, lParam, Cancel);
            });
    }
}

// --- Persistence --------------------------------------------------------------------

const PropertyTable<lumoTabStrip>& lumoTabStrip::properties() {
    using T = lumoTabStrip;
    static const PropertyTable<T> table = [] {
        PropertyTable<T> t;
        t.property<OLE_COLOR>(
             "BackColor", 0x8000000Fu, 0x8000000Fu, [](const T& c) { return c.BackColor(); },
             [](T& c, const OLE_COLOR& v) { c.UserControl::setBackColor(v); })
            .field("TabColor", &T::m_TabColor, 13752539u, 13752539u)
            .field("TabColorOver", &T::m_TabColorOver, 13811126u, 13811126u)
            .field("TabColorDown", &T::m_TabColorDown, 11899525u, 11899525u)
            .field("SelectedBackColor", &T::m_SelectedBackColor, 0xFFFFFFu, 0xFFFFFFu)
            .field("TabBorColor", &T::m_TabBorColor, 0xFFFFFFu, 0xFFFFFFu)
            .field("TabBorColorOver", &T::m_TabBorColorOver, 6956042u, 6956042u)
            .field("TabBorColorDown", &T::m_TabBorColorDown, 6956042u, 6956042u)
            .field("CheckbgColor", &T::m_CheckbgColor, 14211029u, 14211029u)
            .field("CheckBorderColor", &T::m_CheckBorderColor, 6956042u, 6956042u)
            .field("BorderColor", &T::m_BorderColor, 0x808080u, 0x808080u)
            // The two styles are saved as 16-bit numbers.
            .property<short>(
                "Style", 1, 1, [](const T& c) { return static_cast<short>(c.m_Style); },
                [](T& c, const short& v) { c.m_Style = static_cast<lumobStyle>(v); })
            // Saved at its full width: any tab number comes back.
            .property<int>(
                "Selected", 1, 1, [](const T& c) { return c.m_model.Selected; },
                [](T& c, const int& v) { c.m_model.Selected = v; })
            .property<short>(
                "TabStyle", 0, 0, [](const T& c) { return static_cast<short>(c.m_TabStyle); },
                [](T& c, const short& v) { c.m_TabStyle = static_cast<lumoTabstyle>(v); })
            .property<Picture>(
                "MouseIcon", Picture(), Picture(), [](const T& c) { return c.m_MouseIcon; },
                [](T& c, const Picture& v) {
                    c.m_MouseIcon = v;
                    applyMousePointer(c, c.m_MousePointer, c.m_MouseIcon);
                })
            .property<short>(
                "MousePointer", 0, 0, [](const T& c) { return c.m_MousePointer; },
                [](T& c, const short& v) {
                    c.m_MousePointer = v;
                    applyMousePointer(c, c.m_MousePointer, c.m_MouseIcon);
                })
            .font("Font")
            // A colour: saved whole, so no caption colour is cut short.
            .field("FontColor", &T::m_FontColor, 0u, 0u)
            .field("FocusColor", &T::m_FocusColor, 255u, 255u);
        return t;
    }();
    return table;
}

void lumoTabStrip::UserControl_InitProperties() {
    properties().place(*this);
    PaintTabs();
}

void lumoTabStrip::UserControl_ReadProperties(const PropertyBag& PropBag) {
    properties().read(*this, PropBag);
    PaintTabs(); // once, with every value in place (the font included)
}

void lumoTabStrip::UserControl_WriteProperties(PropertyBag& PropBag) {
    properties().write(*this, PropBag);
}

// --- Methods ------------------------------------------------------------------------

void lumoTabStrip::AddTab(const Picture& Icon, const QString& Caption, const QString& description,
                          bool Enable, bool Visible, bool, const QString& sToolText) {
    TabRecord tab;
    if (Icon.Handle() != 0) {
        tab.icon = Icon;
    }
    tab.description = description;
    tab.enabled = Enable;
    tab.visible = Visible;
    tab.caption = Caption;
    tab.toolText = sToolText;
    const RetryTrap trap;
    if (!trap([&] { m_model.addTab(tab); })) {
        return;
    }
    trap([&] { PaintTabs(); });
}

void lumoTabStrip::PaintTabs() {
    TabStripPainter::paint(*this, m_model);
}

// --- Property writers ---------------------------------------------------------------
// Every write marks the property changed and repaints, even an unchanged
// value: hosts rewrite a value to force a repaint.

void lumoTabStrip::setBackColor(OLE_COLOR New_BackColor) {
    UserControl::setBackColor(New_BackColor);
    propertyWritten("BackColor");
}

void lumoTabStrip::setTabColor(OLE_COLOR New_TabColor) {
    writeProperty(m_TabColor, New_TabColor, "TabColor");
}

void lumoTabStrip::setTabColorOver(OLE_COLOR New_TabColorOver) {
    writeProperty(m_TabColorOver, New_TabColorOver, "TabColorOver");
}

void lumoTabStrip::setTabColorDown(OLE_COLOR New_TabColorDown) {
    writeProperty(m_TabColorDown, New_TabColorDown, "TabColorDown");
}

void lumoTabStrip::setSelectedBackColor(OLE_COLOR New_SelectedBackColor) {
    writeProperty(m_SelectedBackColor, New_SelectedBackColor, "SelectedBackColor");
}

void lumoTabStrip::setTabBorColor(OLE_COLOR New_TabBorColor) {
    writeProperty(m_TabBorColor, New_TabBorColor, "TabBorColor");
}

void lumoTabStrip::setTabBorColorOver(OLE_COLOR New_TabBorColorOver) {
    writeProperty(m_TabBorColorOver, New_TabBorColorOver, "TabBorColorOver");
}

void lumoTabStrip::setTabBorColorDown(OLE_COLOR New_TabBorColorDown) {
    writeProperty(m_TabBorColorDown, New_TabBorColorDown, "TabBorColorDown");
}

void lumoTabStrip::setCheckbgColor(OLE_COLOR New_CheckbgColor) {
    writeProperty(m_CheckbgColor, New_CheckbgColor, "CheckbgColor");
}

void lumoTabStrip::setCheckBorderColor(OLE_COLOR New_CheckBorderColor) {
    writeProperty(m_CheckBorderColor, New_CheckBorderColor, "CheckBorderColor");
}

void lumoTabStrip::setBorderColor(OLE_COLOR New_BorderColor) {
    writeProperty(m_BorderColor, New_BorderColor, "BorderColor");
}

void lumoTabStrip::setStyle(lumobStyle New_Style) {
    writeProperty(m_Style, New_Style, "Style");
}

// The keyboard focus follows: Enter and the arrows act from the tab the host
// selected, not from one an earlier paint or click left focused.
void lumoTabStrip::setSelected(LONG New_Selected) {
    m_model.focusTab = 0;
    writeProperty(m_model.Selected, New_Selected, "Selected");
}

void lumoTabStrip::setTabStyle(lumoTabstyle New_TabStyle) {
    writeProperty(m_TabStyle, New_TabStyle, "TabStyle");
}

template <typename T>
bool lumoTabStrip::writeTab(LONG index, T TabRecord::*field, const T& value, const char* name) {
    TabRecord* tab = m_model.tabToWrite(index);
    if (!tab) {
        return false;
    }
    tab->*field = value;
    PropertyChanged(QString::fromLatin1(name));
    return true;
}

void lumoTabStrip::setTabPicture(LONG index, const Picture& New_TabPicture) {
    if (writeTab(index, &TabRecord::icon, New_TabPicture, "TabPicture")) {
        PaintTabs();
    }
}

void lumoTabStrip::setTabEnable(LONG index, bool New_TabEnable) {
    if (writeTab(index, &TabRecord::enabled, New_TabEnable, "TabEnable")) {
        PaintTabs();
    }
}

void lumoTabStrip::setTabVisible(LONG index, bool New_TabVisible) {
    if (writeTab(index, &TabRecord::visible, New_TabVisible, "TabVisible")) {
        PaintTabs();
    }
}

void lumoTabStrip::setTabDescription(LONG index, const QString& New_TabDescription) {
    writeTab(index, &TabRecord::description, New_TabDescription, "TabDescription");
}

void lumoTabStrip::setTabTag(LONG index, const QString& New_TabTag) {
    writeTab(index, &TabRecord::tag, New_TabTag, "TabTag");
}

void lumoTabStrip::setTabToolText(LONG index, const QString& New_TabToolText) {
    writeTab(index, &TabRecord::toolText, New_TabToolText, "TabToolText");
}

void lumoTabStrip::setMouseIcon(const Picture& New_MouseIcon) {
    m_MouseIcon = New_MouseIcon;
    applyMousePointer(*this, m_MousePointer, m_MouseIcon);
    propertyWritten("MouseIcon", false);
}

void lumoTabStrip::setMousePointer(short New_MousePointer) {
    m_MousePointer = New_MousePointer;
    applyMousePointer(*this, m_MousePointer, m_MouseIcon);
    propertyWritten("MousePointer", false);
}

void lumoTabStrip::setFont(const QFont& New_Font) {
    setControlFont(New_Font);
    propertyWritten("Font");
}

void lumoTabStrip::setFontColor(OLE_COLOR New_FontColor) {
    m_FontColor = New_FontColor;
    propertyWritten("FontColor", false);
}

void lumoTabStrip::setFocusColor(OLE_COLOR New_FocusColor) {
    m_FocusColor = New_FocusColor;
    propertyWritten("FocusColor", false);
}

// --- Mouse ----------------------------------------------------------------------------

void lumoTabStrip::UserControl_MouseDown(int Button, int Shift, float X, float Y) {
    HandlerSteps step(this, ErrorLabel::MouseDown);
    step([&] { raiseEvent(&lumoTabStrip::MouseDown, Button, Shift, X, Y); });
    if (!step.alive()) {
        return;
    }
    step([&] { m_model.mouseDown(toPixel(X), toPixel(Y), ScaleHeight()); });
    step([&] { PaintTabs(); });
}

void lumoTabStrip::UserControl_MouseMove(int Button, int Shift, float X, float Y) {
    HandlerSteps step(this, ErrorLabel::MouseMove);
    step([&] { raiseEvent(&lumoTabStrip::MouseMove, Button, Shift, X, Y); });
    if (!step.alive()) {
        return;
    }
    step([&] { m_model.mouseMove(toPixel(X), toPixel(Y), ScaleHeight()); });
    step([&] {
        const LONG hovered = m_model.hovered;
        raiseEvent(&lumoTabStrip::MouseOverTab, static_cast<int>(hovered),
                   m_model.at(hovered).description);
    });
    if (!step.alive()) {
        return;
    }
    step([&] {
        if (m_tipTab != 0 && m_tipTab != m_model.hovered) {
            HideTip(); // the mouse left the tab whose tip was pending or shown
        }
    });
    step([&] { armTip(); });
    step([&] { TrackMouseLeave(); });
    step([&] { PaintTabs(); });
}

void lumoTabStrip::UserControl_MouseUp(int Button, int Shift, float X, float Y) {
    HandlerSteps step(this, ErrorLabel::MouseUp);
    step([&] { raiseEvent(&lumoTabStrip::MouseUp, Button, Shift, X, Y); });
    if (!step.alive()) {
        return;
    }
    // A click that follows acts where the button came up.
    step([&] { m_model.mouse = POINT{toPixel(X), toPixel(Y)}; });
    step([&] { m_model.mouseUp(); });
    step([&] { PaintTabs(); });
}

void lumoTabStrip::UserControl_Click() {
    HandlerSteps step(this, ErrorLabel::Click);
    step([&] {
        if (const std::optional<LONG> tab = m_model.click(ScaleHeight())) {
            raiseTabClick(*tab);
        }
    });
    step([&] { PaintTabs(); });
}

void lumoTabStrip::raiseTabClick(LONG index) {
    raiseEvent(&lumoTabStrip::TabClick, static_cast<int>(index));
}

void lumoTabStrip::TrackMouseLeave() {
    if (mSubClass) {
        mSubClass->arm();
    }
}

void lumoTabStrip::mSubClass_NewMessage(HWND, UINT& uMsg, WPARAM&, LPARAM&, bool&) {
    if (m_model.count() >= 1) {
        MouseLeaveWatch::doubleClickAsPress(uMsg);
    }
    if (uMsg == WM_MOUSELEAVE) {
        UserControl_MouseOut();
    }
}

void lumoTabStrip::UserControl_MouseOut() {
    HandlerSteps step(this, ErrorLabel::MouseOut);
    step([&] { m_model.mouseLeft(); });
    step([&] { HideTip(); });
    step([&] { PaintTabs(); });
    step([&] { raiseEvent(&lumoTabStrip::MouseOut); });
}

// --- Tooltip --------------------------------------------------------------------------

// A tip is armed for the hovered tab when none is pending or shown anywhere
// in the library and no tip expired since a caller last hid one.
void lumoTabStrip::armTip() {
    const QString& text = m_model.at(m_model.hovered).toolText;
    if (m_tipTab != 0 || text.isEmpty() || Tooltip::TipShown() || Tooltip::TipExpired()) {
        return;
    }
    m_tipText = text;
    m_tipTab = m_model.hovered;
    Timer1->setInterval(kTipDelay);
}

void lumoTabStrip::Timer1_Timer() {
    Timer1->setInterval(0);
    ShowTip(m_tipText);
}

void lumoTabStrip::ShowTip(const QString& text) {
    if (m_tipTab != m_model.hovered) {
        HideTip();
        return;
    }
    Tooltip::ShowTip(text); // reports its own errors under "Error in Sub ShowTip"
}

void lumoTabStrip::HideTip() {
    Timer1->setInterval(0);
    if (m_tipTab != 0) {
        m_tipTab = 0;
        Tooltip::HideTip();
    }
}

// --- Keys and focus -----------------------------------------------------------------

// The host's handler may change the key: setting KeyCode to 0 swallows it.
void lumoTabStrip::raiseKeyEvent(void (lumoTabStrip::*signal)(int, int), int& KeyCode, int& Shift) {
    QVariantList args{KeyCode, Shift};
    raiseEvent(signal, args);
    KeyCode = args.value(0).toInt();
    Shift = args.value(1).toInt();
}

void lumoTabStrip::UserControl_KeyDown(int& KeyCode, int& Shift) {
    HandlerSteps step(this, ErrorLabel::KeyDown);
    step([&] { raiseKeyEvent(&lumoTabStrip::KeyDown, KeyCode, Shift); });
    if (!step.alive()) {
        return;
    }
    step([&] { m_model.keyDown(KeyCode); });
    step([&] { PaintTabs(); });
}

void lumoTabStrip::UserControl_KeyUp(int& KeyCode, int& Shift) {
    HandlerSteps step(this, ErrorLabel::KeyUp);
    step([&] { raiseKeyEvent(&lumoTabStrip::KeyUp, KeyCode, Shift); });
    if (!step.alive()) {
        return;
    }
    step([&] {
        if (const std::optional<LONG> tab = m_model.keyUp(KeyCode)) {
            raiseTabClick(*tab);
        }
    });
    step([&] { PaintTabs(); });
}

void lumoTabStrip::UserControl_KeyPress(int& KeyAscii) {
    HandlerSteps step(this, ErrorLabel::KeyPress);
    step([&] {
        QVariantList args{KeyAscii};
        raiseEvent(&lumoTabStrip::KeyPress, args);
        KeyAscii = args.value(0).toInt();
    });
}

void lumoTabStrip::UserControl_GotFocus() {
    HandlerSteps step(this, ErrorLabel::GotFocus);
    step([&] { m_model.hasFocus = true; });
    step([&] { PaintTabs(); });
}

void lumoTabStrip::UserControl_LostFocus() {
    HandlerSteps step(this, ErrorLabel::LostFocus);
    step([&] { m_model.hasFocus = false; });
    step([&] { PaintTabs(); });
}

void lumoTabStrip::UserControl_Resize() {
    HandlerSteps step(this, ErrorLabel::Resize);
    step([&] { raiseEvent(static_cast<void (lumoTabStrip::*)()>(&lumoTabStrip::resize)); });
    if (!step.alive()) {
        return;
    }
    step([&] { m_model.resized(ScaleWidth(), ScaleHeight()); });
    step([&] { PaintTabs(); });
}

} // namespace lumokit
