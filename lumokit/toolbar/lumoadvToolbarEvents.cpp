// The toolbar's handlers, its side of the state rules (events, tooltip,
// mouse-leave tracking) and its menu windows: opening the drop-down and
// overflow lists and the pop-up menu, and reading them when they close.
#include "core/control/HandlerSteps.h"
#include "core/control/InputArguments.h"
#include "core/control/MouseLeaveWatch.h"
#include "core/control/cTimer.h"
#include "core/platform/Win32Window.h"
#include "popups/Tooltip.h"
#include "toolbar/ToolbarLayout.h"
#include "toolbar/ToolbarSteps.h"
#include "toolbar/frmdropdown.h"
#include "toolbar/lumoadvToolbar.h"

#include <algorithm>

namespace lumokit {

namespace {

constexpr LONG kTwips = TWIPS_PER_PIXEL;
constexpr LONG kDropDxOffset = 300;  // dx of DropButtonClick, as hosts have it
constexpr LONG kOverflowMargin = 60; // twips
constexpr LONG kOverflowAbove = 30;  // twips
constexpr LONG kOverflowLift = 15;   // twips

using MouseSignal = void (lumoadvToolbar::*)(int, int, float, float);

// The x at which item D starts in the row (visible items, stored widths).
LONG itemLeft(const ToolbarModel& model, LONG D) {
    long long x = ToolbarLayout::kFirstItemX;
    for (LONG i = 1; i < D && i <= model.ButtonCount(); ++i) {
        const ToolbarButton& b = *model.button(i);
        x += b.visible ? b.width : 0;
    }
    return static_cast<LONG>(x);
}

} // namespace

// --- Handlers -------------------------------------------------------------------------

void lumoadvToolbar::UserControl_MouseDown(int Button, int Shift, float X, float Y) {
    m_interaction.MouseDown(handlerSteps(this, ErrorLabel::MouseDown), Button, Shift, X, Y);
}

void lumoadvToolbar::UserControl_MouseMove(int Button, int Shift, float X, float Y) {
    m_interaction.MouseMove(retrySteps(this, ToolbarErrors::MouseMove), Button, Shift, X, Y);
}

void lumoadvToolbar::UserControl_MouseUp(int Button, int Shift, float X, float Y) {
    const bool over = X >= 0 && Y >= 0 && X < ScaleWidth() && Y < ScaleHeight();
    m_interaction.MouseUp(handlerSteps(this, ErrorLabel::MouseUp), Button, Shift, X, Y,
                          Button == vbLeftButton && over);
}

void lumoadvToolbar::UserControl_Click() {
    m_interaction.Click(retrySteps(this, ToolbarErrors::Click));
}

void lumoadvToolbar::UserControl_KeyDown(int& KeyCode, int& Shift) {
    m_interaction.KeyDown(handlerSteps(this, ErrorLabel::KeyDown), KeyCode, Shift);
}

void lumoadvToolbar::UserControl_KeyUp(int& KeyCode, int& Shift) {
    m_interaction.KeyUp(handlerSteps(this, ErrorLabel::KeyUp), KeyCode, Shift);
}

void lumoadvToolbar::UserControl_KeyPress(int& KeyAscii) {
    m_interaction.KeyPress(handlerSteps(this, ErrorLabel::KeyPress), KeyAscii);
}

void lumoadvToolbar::UserControl_GotFocus() {
    m_interaction.FocusChanged(true);
}

void lumoadvToolbar::UserControl_LostFocus() {
    m_interaction.FocusChanged(false);
}

void lumoadvToolbar::UserControl_Resize() {
    m_interaction.Resize(handlerSteps(this, ErrorLabel::Resize));
}

void lumoadvToolbar::mSubClass_NewMessage(HWND, UINT& uMsg, WPARAM&, LPARAM&, bool&) {
    if (uMsg == WM_MOUSELEAVE) {
        m_interaction.MouseLeave(handlerSteps(this, ErrorLabel::MouseOut));
    }
}

void lumoadvToolbar::Timer1_Timer() {
    m_interaction.TipTimerTick(handlerSteps(this, ToolbarErrors::Timer));
}

// --- Host side of the state rules -------------------------------------------------------

void lumoadvToolbar::trackMouseLeave() {
    if (mSubClass) {
        mSubClass->arm();
    }
}

void lumoadvToolbar::raise(ToolbarEvent event, QVariantList& args) {
    switch (event) {
    case ToolbarEvent::ButtonClick:
        raiseEvent(&lumoadvToolbar::ButtonClick, args);
        break;
    case ToolbarEvent::Click:
        raiseEvent(&lumoadvToolbar::Click, args);
        break;
    case ToolbarEvent::DropButtonClick:
        raiseEvent(&lumoadvToolbar::DropButtonClick, args);
        break;
    case ToolbarEvent::DropMenuClick:
        raiseEvent(&lumoadvToolbar::DropMenuClick, args);
        break;
    case ToolbarEvent::PopUpMenuClick:
        raiseEvent(&lumoadvToolbar::PopUpMenuClick, args);
        break;
    case ToolbarEvent::PopUpSubMenuClick:
        raiseEvent(&lumoadvToolbar::PopUpSubMenuClick, args);
        break;
    case ToolbarEvent::ResizeBar:
        raiseEvent(&lumoadvToolbar::ResizeBar, args);
        break;
    case ToolbarEvent::MouseOverButton:
        raiseEvent(&lumoadvToolbar::MouseOverButton, args);
        break;
    case ToolbarEvent::MouseDown:
        raiseEvent(&lumoadvToolbar::MouseDown, args);
        break;
    case ToolbarEvent::MouseMove:
        raiseEvent(&lumoadvToolbar::MouseMove, args);
        break;
    case ToolbarEvent::MouseOut:
        raiseEvent(static_cast<MouseSignal>(&lumoadvToolbar::MouseOut), args);
        break;
    case ToolbarEvent::MouseUp:
        raiseEvent(&lumoadvToolbar::MouseUp, args);
        break;
    case ToolbarEvent::KeyDown:
        raiseEvent(&lumoadvToolbar::KeyDown, args);
        break;
    case ToolbarEvent::KeyUp:
        raiseEvent(&lumoadvToolbar::KeyUp, args);
        break;
    case ToolbarEvent::KeyPress:
        raiseEvent(&lumoadvToolbar::KeyPress, args);
        break;
    }
}

void lumoadvToolbar::showTipWindow(const QString& text) {
    Tooltip::ShowTip(text);
}

void lumoadvToolbar::hideTipWindow() {
    Tooltip::HideTip();
}

bool lumoadvToolbar::tipShownOrExpired() const {
    return Tooltip::TipShown() || Tooltip::TipExpired();
}

void lumoadvToolbar::setTipDelay(LONG milliseconds) {
    if (Timer1) {
        Timer1->setInterval(milliseconds);
    }
}

// --- Menu windows -----------------------------------------------------------------------

void lumoadvToolbar::ApplyMenuSettings(frmdropdown& window) const {
    const ToolbarSettings& s = m_settings;
    DropDownSettings menu;
    menu.m_ButtonHeight = s.IconSizeHeight + 10;
    menu.m_iconHeight = s.IconSizeHeight;
    menu.m_Style = s.Style;
    menu.m_DrawMode = static_cast<LONG>(lumoDrawMode::lumoFast);
    menu.m_ButtonSize = 24;
    menu.m_ButtonBorderColor = s.ButtonBorderColor;
    menu.m_ButtonBorderColorDown = s.ButtonBorderColorDown;
    menu.m_ButtonBorderColorOver = s.ButtonBorderColorOver;
    menu.m_BgColor = s.MenuBgColor;
    menu.m_BgColorOver = s.ButtonColorOver;
    menu.m_BgColorDown = s.ButtonColorDown;
    menu.m_ButtonColor = s.ButtonColor;
    menu.m_ButtonColorOver = s.ButtonColorOver;
    menu.m_ButtonColorDown = s.ButtonColorDown;
    menu.m_MenuBGColor = s.MenuBgColor;
    menu.m_MenuIconBGColor = s.MenuIconBGColor;
    menu.m_CheckedColor = s.CheckedColor;
    menu.font = s.ToolbarFont.toQFont();
    window.applySettings(menu);
}

void lumoadvToolbar::openDropDown(LONG D) {
    const ToolbarButton* button = m_model.button(D);
    if (!button || !fdrop) {
        return;
    }
    ApplyMenuSettings(*fdrop);
    RECT window{};
    GetWindowRect(hWnd(), &window);
    const LONG L = window.left * kTwips;
    LONG T = (window.bottom - 1) * kTwips;
    const LONG Off = itemLeft(m_model, D) * kTwips;
    if (button->dropDownCount < 1) {
        QVariantList args{D, L + Off, T, window.left + Off - kDropDxOffset, T};
        raise(ToolbarEvent::DropButtonClick, args);
        return;
    }
    fdrop->beginMenu();
    for (LONG i = 1; i <= button->dropDownCount; ++i) {
        const ToolbarMenuItem& item = *m_model.dropDownItem(D, i);
        // A list item holds no list of its own: one styled as a drop-down
        // is shown as a plain entry.
        const sStyle style = item.style == sStyle::sDropDown ? sStyle::sNormal : item.style;
        fdrop->AddMenu(item.caption, item.picture, style, i, item.enable, item.visible,
                       item.isChecked, item.maskColor);
    }
    const LONG listHeight = fdrop->height() * kTwips;
    if (T + listHeight > GetSystemMetrics(SM_CYSCREEN) * kTwips) {
        T = window.top * kTwips - listHeight; // opens above the bar
    }
    m_interaction.state().DropDownOpen = true;
    DrawControl();
    ApplyMenuSettings(*fdrop);
    fdrop->showAt(L + Off, T);
}

void lumoadvToolbar::openOverflow(LONG R) {
    if (!fmore) {
        return;
    }
    ToolbarState& s = m_interaction.state();
    s.HoverIndex = -1;
    s.PressedIndex = -1;
    RECT window{};
    GetWindowRect(hWnd(), &window);
    LONG L = window.right * kTwips;
    LONG T = (window.bottom - 1) * kTwips;
    ApplyMenuSettings(*fmore);
    fmore->beginMenu();
    for (LONG i = R; i <= m_model.ButtonCount(); ++i) {
        const ToolbarButton& b = *m_model.button(i);
        fmore->AddMenu(b.caption, b.picture, b.style, i, b.enable, b.visible, b.isChecked,
                       b.maskColor);
        if (b.style != sStyle::sDropDown) {
            continue;
        }
        // Under the entry just added, which is not entry i unless R is 1.
        const LONG entry = fmore->menu().count();
        for (LONG j = 1; j <= b.dropDownCount; ++j) {
            const ToolbarMenuItem& item = *m_model.dropDownItem(i, j);
            fmore->AddSubMenu(entry, item.caption, item.picture, item.style, item.enable,
                              item.visible, item.isChecked, item.maskColor);
        }
    }
    const LONG listWidth = fmore->width() * kTwips;
    const LONG listHeight = fmore->height() * kTwips;
    if (listWidth > L) {
        L = listWidth + kOverflowMargin;
    }
    if (T + listHeight > GetSystemMetrics(SM_CYSCREEN) * kTwips) {
        T = std::max<LONG>(0, window.top * kTwips - (listHeight + kOverflowAbove));
    }
    fmore->showAt(L - listWidth, T - kOverflowLift);
    s.MoreOpen = true;
    DrawControl(); // the chevron shows the list open
}

void lumoadvToolbar::ShowPopUp(LONG& pLeft, LONG& pTop) {
    POINT cursor{};
    GetCursorPos(&cursor);
    if (m_model.PopUpCount() < 1 || !fpopup) {
        return;
    }
    ApplyMenuSettings(*fpopup);
    fpopup->beginMenu();
    for (LONG i = 1; i <= m_model.PopUpCount(); ++i) {
        const ToolbarMenuItem& item = *m_model.popUpItem(i);
        fpopup->AddMenu(item.caption, item.picture, item.style, i, item.enable, item.visible,
                        item.isChecked, item.maskColor);
        for (LONG j = 1; j <= item.subCount; ++j) {
            const ToolbarSubMenuItem& sub = *m_model.popUpSubItem(i, j);
            fpopup->AddSubMenu(i, sub.caption, sub.picture, sub.style, sub.enable, sub.visible,
                               sub.isChecked, sub.maskColor);
        }
    }
    fpopup->xPopupMenu = true;
    fpopup->showAt(pLeft, pTop);
}

void lumoadvToolbar::fdrop_Unload() {
    const DropDownResult result = fdrop->result();
    const QPointer<lumoadvToolbar> self(this);
    m_interaction.DropDownClosed(handlerSteps(this, ToolbarErrors::fdropUnload), result);
    if (self && fdrop) {
        fdrop->beginMenu();
    }
}

void lumoadvToolbar::fmore_Unload() {
    const DropDownResult result = fmore->result();
    const QPointer<lumoadvToolbar> self(this);
    m_interaction.OverflowClosed(handlerSteps(this, ToolbarErrors::fmoreUnload), result);
    if (self && fmore) {
        fmore->beginMenu();
    }
}

void lumoadvToolbar::fpopup_Unload() {
    fpopup->xPopupMenu = false;
    const DropDownResult result = fpopup->result();
    const QPointer<lumoadvToolbar> self(this);
    m_interaction.PopUpClosed(handlerSteps(this, ToolbarErrors::fpopupUnload), result);
    if (self && fpopup) {
        fpopup->beginMenu();
    }
}

} // namespace lumokit
