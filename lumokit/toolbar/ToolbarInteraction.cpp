#include "toolbar/ToolbarInteraction.h"

#include "core/control/InputArguments.h"
#include "core/control/Rounding.h"
#include "toolbar/ToolbarLayout.h"

namespace lumokit {

namespace {

constexpr int kEnter = 13;
constexpr int kMainPartEnd = 13; // the last 12 pixels of a drop-down button are its arrow
constexpr int kProbeY = 5;       // the row the bar's own probes look at
constexpr int kResizeProbe = 12; // ResizeBar names the item this far from the right

} // namespace

LONG ToolbarInteraction::ButtonFromPoint(double X, double Y) const {
    return ToolbarLayout::ButtonFromPoint(m_model, roundHalfEven(X), roundHalfEven(Y),
                                          m_host.innerSize().height());
}

bool ToolbarInteraction::raise(const Step& step, ToolbarEvent event, QVariantList args) {
    return step([&] { m_host.raise(event, args); });
}

bool ToolbarInteraction::raiseMouse(const Step& step, ToolbarEvent event, int Button, int Shift,
                                    float X, float Y) {
    return raise(step, event,
                 {QVariant::fromValue<qint16>(static_cast<qint16>(Button)),
                  QVariant::fromValue<qint16>(static_cast<qint16>(Shift)), X, Y});
}

// MouseOut carries fixed values: Shift 0 when the mouse left, 1 when a list closed.
bool ToolbarInteraction::raiseMouseOut(const Step& step, int Shift) {
    return raiseMouse(step, ToolbarEvent::MouseOut, vbLeftButton, Shift, 1.0f, 1.0f);
}

void ToolbarInteraction::resetLooks() {
    m_state.HoverIndex = -1;
    m_state.PressedIndex = -1;
}

void ToolbarInteraction::MouseOut() {
    m_host.trackMouseLeave();
    m_state.LeaveTracking = true;
    m_host.DrawControl();
}

void ToolbarInteraction::HideTip() {
    m_host.hideTipWindow();
    m_host.setTipDelay(0);
}

void ToolbarInteraction::ShowTip(const QString& text) {
    if (m_state.ToolTipItem != m_state.HoverIndex + 1) {
        HideTip();
    }
    if (text.isEmpty() || m_host.tipShownOrExpired()) {
        return;
    }
    m_host.showTipWindow(text);
    m_state.ToolTipItem = m_state.HoverIndex + 1;
}

void ToolbarInteraction::TipTimerTick(const Step& step) {
    if (step([&] { ShowTip(m_state.ToolTipText); })) {
        step([&] { m_host.setTipDelay(0); });
    }
}

// --- Mouse -----------------------------------------------------------------------

void ToolbarInteraction::MouseDown(const Step& step, int Button, int Shift, float X, float Y) {
    if (!step([&] { HideTip(); }) ||
        !raiseMouse(step, ToolbarEvent::MouseDown, Button, Shift, X, Y)) {
        return;
    }
    step([&] {
        m_state.PressedIndex = ButtonFromPoint(X, Y) - 1;
        m_state.HoverIndex = -1;
        if (m_state.InMoreZone) {
            resetLooks();
        }
        m_state.MouseIsDown = true;
        m_host.DrawControl();
    });
}

void ToolbarInteraction::updateHover(float X, float Y) {
    const QSize inner = m_host.innerSize();
    // An item that reaches the right edge itself is the first one only when
    // it fills the bar; then nothing is hot.
    if (Y < inner.height() && ButtonFromPoint(inner.width(), Y) != 1) {
        m_state.HoverIndex = ButtonFromPoint(X, Y) - 1;
    } else {
        resetLooks();
    }
    m_state.InMoreZone = X > inner.width() - kMoreZoneWidth;
    if (m_state.InMoreZone) {
        resetLooks();
        m_host.DrawControl();
    }
    // Moving off the pressed item cancels the press (the first item too).
    if (m_state.PressedIndex >= 0 && m_state.PressedIndex != m_state.HoverIndex) {
        resetLooks();
        m_host.DrawControl();
    }
}

void ToolbarInteraction::armTip(int Button) {
    if (m_host.tipShownOrExpired() || Button != 0) {
        return;
    }
    if (const ToolbarButton* hot = m_model.button(m_state.HoverIndex + 1)) {
        m_state.ToolTipText = hot->toolText;
        m_host.setTipDelay(kTipDelay);
    } else if (m_state.InMoreZone) {
        m_state.ToolTipText = m_settings.MoreText;
        m_host.setTipDelay(kTipDelay);
    }
}

void ToolbarInteraction::MouseMove(const Step& step, int Button, int, float X, float Y) {
    if (!step([&] { updateHover(X, Y); })) {
        return;
    }
    const ToolbarButton* hot = m_model.button(m_state.HoverIndex + 1);
    if (hot && hot->style != sStyle::sSeparate &&
        !raise(step, ToolbarEvent::MouseOverButton, {m_state.HoverIndex + 1, hot->description})) {
        return;
    }
    if (!step([&] {
            if (!(m_state.MouseIsDown && m_state.HoverIndex == m_state.PressedIndex)) {
                MouseOut();
            }
            if (m_state.ToolTipItem != m_state.HoverIndex + 1) {
                HideTip();
            }
        })) {
        return;
    }
    step([&] { armTip(Button); });
}

void ToolbarInteraction::MouseUp(const Step& step, int Button, int Shift, float X, float Y,
                                 bool clickFollows) {
    if (!raiseMouse(step, ToolbarEvent::MouseUp, Button, Shift, X, Y)) {
        return;
    }
    step([&] {
        m_state.LastMouseX = roundHalfEven(X);
        m_state.LastMouseY = roundHalfEven(Y);
        // The button is up; a release no click follows (another button, or
        // outside the bar) ends the press here.
        m_state.MouseIsDown = false;
        if (!clickFollows) {
            m_state.PressedIndex = -1;
        }
        MouseOut();
    });
}

void ToolbarInteraction::MouseLeave(const Step& step) {
    if (m_state.DropDownOpen) {
        return; // the dropped button stays pressed
    }
    if (step([&] {
            resetLooks();
            m_state.InMoreZone = false;
            m_state.LeaveTracking = false;
            HideTip();
            m_host.DrawControl();
        })) {
        raiseMouseOut(step, 0);
    }
}

void ToolbarInteraction::Resize(const Step& step) {
    const int SW = m_host.innerSize().width();
    if (raise(step, ToolbarEvent::ResizeBar, {ButtonFromPoint(SW - kResizeProbe, kProbeY)})) {
        step([&] { m_host.DrawControl(); });
    }
}

// --- Click -----------------------------------------------------------------------

bool ToolbarInteraction::isMainPartHit() const {
    long long x = ToolbarLayout::kFirstItemX;
    for (LONG i = 1; i <= m_model.ButtonCount(); ++i) {
        const ToolbarButton& b = *m_model.button(i);
        if (!b.visible) {
            continue;
        }
        if (m_state.LastMouseX <= x + b.width - kMainPartEnd) {
            return i == m_state.DroppedButton;
        }
        x += b.width;
    }
    return false;
}

bool ToolbarInteraction::clickButton(const Step& step, LONG R) {
    ToolbarButton* pressed = m_model.button(m_state.PressedIndex + 1);
    if (!pressed || !pressed->enable) {
        return true;
    }
    const int SW = m_host.innerSize().width();
    // A button under the chevron zone does not fire.
    const bool clear = ButtonFromPoint(SW, kProbeY) < 1 || m_state.PressedIndex + 1 < R;
    const LONG D = m_state.DroppedButton;
    switch (pressed->style) {
    case sStyle::sNormal:
        return !clear || raise(step, ToolbarEvent::ButtonClick, {D});
    case sStyle::sCheckBox:
        return !clear || (step([&] { pressed->isChecked = !pressed->isChecked; }) &&
                          raise(step, ToolbarEvent::ButtonClick, {D}));
    case sStyle::sDropDown:
        if (isMainPartHit()) {
            return raise(step, ToolbarEvent::ButtonClick, {D});
        }
        step([&] { m_host.openDropDown(D); });
        return false;
    default:
        return true;
    }
}

void ToolbarInteraction::Click(const Step& step) {
    LONG R = -1;
    if (!step([&] {
            m_state.DroppedButton = ButtonFromPoint(m_state.LastMouseX, m_state.LastMouseY);
            R = ButtonFromPoint(m_host.innerSize().width() - kMoreZoneWidth, kProbeY);
        })) {
        return;
    }
    if (R >= 1 && m_state.InMoreZone) {
        step([&] { m_host.openOverflow(R); });
        return;
    }
    if (m_state.DroppedButton > 0 && !clickButton(step, R)) {
        return;
    }
    if (step([&] {
            resetLooks();
            m_state.MouseIsDown = false;
            m_host.DrawControl();
        })) {
        raise(step, ToolbarEvent::Click, {});
    }
}

// --- Keys and focus ----------------------------------------------------------------

void ToolbarInteraction::KeyDown(const Step& step, int& KeyCode, int& Shift) {
    if (KeyCode != kEnter || !step([&] { m_host.DrawControl(); })) {
        return;
    }
    QVariantList args{QVariant::fromValue<qint16>(static_cast<qint16>(KeyCode)),
                      QVariant::fromValue<qint16>(static_cast<qint16>(Shift))};
    if (step([&] { m_host.raise(ToolbarEvent::KeyDown, args); })) {
        KeyCode = args.value(0).toInt();
        Shift = args.value(1).toInt();
    }
}

void ToolbarInteraction::KeyUp(const Step& step, int& KeyCode, int& Shift) {
    if (KeyCode != kEnter || !step([&] { m_host.DrawControl(); })) {
        return;
    }
    QVariantList args{QVariant::fromValue<qint16>(static_cast<qint16>(KeyCode)),
                      QVariant::fromValue<qint16>(static_cast<qint16>(Shift))};
    if (step([&] { m_host.raise(ToolbarEvent::KeyUp, args); })) {
        KeyCode = args.value(0).toInt();
        Shift = args.value(1).toInt();
    }
}

void ToolbarInteraction::KeyPress(const Step& step, int& KeyAscii) {
    QVariantList args{QVariant::fromValue<qint16>(static_cast<qint16>(KeyAscii))};
    if (step([&] { m_host.raise(ToolbarEvent::KeyPress, args); })) {
        KeyAscii = args.value(0).toInt();
    }
}

void ToolbarInteraction::FocusChanged(bool hasFocus) {
    m_state.HasFocus = hasFocus;
    if (!hasFocus) {
        m_host.DrawControl();
    }
}

// --- Menu windows closed -----------------------------------------------------------

void ToolbarInteraction::DropDownClosed(const Step& step, const DropDownResult& result) {
    const LONG D = m_state.DroppedButton;
    if (!result.IsCancel) {
        if (!step([&] {
                if (ToolbarMenuItem* item = m_model.dropDownItem(D, result.MenuIndex)) {
                    item->isChecked = result.newvalue;
                }
            }) ||
            !raise(step, ToolbarEvent::DropMenuClick, {D, result.MenuIndex})) {
            return;
        }
    }
    if (!step([&] {
            m_state.DropDownOpen = false;
            resetLooks();
        }) ||
        !raiseMouseOut(step, 1)) {
        return;
    }
    step([&] {
        m_state.MouseIsDown = false;
        m_host.DrawControl();
    });
}

void ToolbarInteraction::OverflowClosed(const Step& step, const DropDownResult& result) {
    bool alive = true;
    if (result.IsCancel) {
        // nothing chosen
    } else if (result.isCustomSub) {
        alive = raise(step, ToolbarEvent::DropButtonClick,
                      {result.customButton, result.customLeft, result.customTop, 1, 1});
    } else if (result.isSubCancel) {
        alive = step([&] {
                    if (ToolbarButton* b = m_model.button(result.GroupID)) {
                        b->isChecked = result.newvalue;
                    }
                }) &&
                raise(step, ToolbarEvent::ButtonClick, {result.GroupID});
    } else if (result.MenuIndex > 0) {
        alive = step([&] {
                    if (ToolbarMenuItem* item =
                            m_model.dropDownItem(result.GroupID, result.MenuIndex)) {
                        item->isChecked = result.newvalue;
                    }
                }) &&
                raise(step, ToolbarEvent::DropMenuClick, {result.GroupID, result.MenuIndex});
    }
    if (alive && step([&] { m_state.MoreOpen = false; }) && raiseMouseOut(step, 1)) {
        step([&] { m_host.DrawControl(); });
    }
}

void ToolbarInteraction::PopUpClosed(const Step& step, const DropDownResult& result) {
    if (result.IsCancel || result.MenuIndex <= 0) {
        return;
    }
    if (!result.isSubCancel) {
        if (step([&] {
                if (ToolbarSubMenuItem* sub =
                        m_model.popUpSubItem(result.GroupID, result.MenuIndex)) {
                    sub->isChecked = result.newvalue;
                    m_host.itemPropertyChanged("PopUpSubMenuIsChecked");
                }
            })) {
            raise(step, ToolbarEvent::PopUpSubMenuClick, {result.GroupID, result.MenuIndex});
        }
        return;
    }
    if (step([&] {
            if (ToolbarMenuItem* item = m_model.popUpItem(result.MenuIndex)) {
                item->isChecked = result.newvalue;
                m_host.itemPropertyChanged("PopUpIsChecked");
            }
        })) {
        raise(step, ToolbarEvent::PopUpMenuClick, {result.MenuIndex});
    }
}

} // namespace lumokit
