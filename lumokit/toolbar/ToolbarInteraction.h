#pragma once

// The toolbar's state rules: how mouse, keys, size changes, the tooltip
// delay and the results of the menu windows move the hover and pressed
// looks, the overflow zone and the open lists, and which events they raise
// in which order. No painting and no windows here: what needs them goes to
// the ToolbarHost (the control, or a test's recorder).
//
// Each handler runs its statements through a Step, which the control backs
// with its error trap: a Step returns false once the handler must stop (the
// control was destroyed by a host's event handler, or the user cancelled).
#include "toolbar/DropDownMenu.h"
#include "toolbar/ToolbarModel.h"
#include "toolbar/ToolbarSettings.h"

#include <QSize>
#include <QString>
#include <QVariantList>

#include <functional>

namespace lumokit {

// The events of the toolbar, numbered as its event interface numbers them.
enum class ToolbarEvent {
    ButtonClick = 1,
    Click,
    DropButtonClick,
    DropMenuClick,
    PopUpMenuClick,
    PopUpSubMenuClick,
    ResizeBar,
    MouseOverButton,
    MouseDown,
    MouseMove,
    MouseOut,
    MouseUp,
    KeyDown,
    KeyUp,
    KeyPress
};

struct ToolbarState {
    LONG HoverIndex = -1;   // zero-based; negative for none
    LONG PressedIndex = -1; // zero-based; negative for none
    bool MouseIsDown = false;
    bool LeaveTracking = false;
    bool DropDownOpen = false;
    bool InMoreZone = false; // the mouse is in the last 10 pixels
    bool MoreOpen = false;
    LONG LastMouseX = 0;
    LONG LastMouseY = 0;
    LONG DroppedButton = 0; // 1-based
    LONG ToolTipItem = 0;   // 1-based: the item whose tip shows
    QString ToolTipText;
    bool HasFocus = false;
};

class ToolbarHost {
public:
    virtual ~ToolbarHost() = default;
    // SW and SH, the inner width and height.
    virtual QSize innerSize() const = 0;
    virtual void DrawControl() = 0;
    // Asks the window system for one mouse-leave notice.
    virtual void trackMouseLeave() = 0;
    // Raises an event; arguments taken by reference come back changed.
    virtual void raise(ToolbarEvent event, QVariantList& args) = 0;
    // An item property changed by a menu choice (the host is told, as a
    // setter would tell it).
    virtual void itemPropertyChanged(const char* name) = 0;
    // The tooltip window: shown, hidden (which also clears TipExpired), and
    // whether one shows or expired.
    virtual void showTipWindow(const QString& text) = 0;
    virtual void hideTipWindow() = 0;
    virtual bool tipShownOrExpired() const = 0;
    // Timer1's interval: the tooltip delay, 0 to stop it.
    virtual void setTipDelay(LONG milliseconds) = 0;
    // Opens the drop-down list of button D (or raises DropButtonClick when
    // it has no items), or the overflow list from button R on.
    virtual void openDropDown(LONG D) = 0;
    virtual void openOverflow(LONG R) = 0;
};

class ToolbarInteraction {
public:
    using Statement = std::function<void()>;
    using Step = std::function<bool(const Statement&)>;

    // The tooltip waits this long.
    static constexpr LONG kTipDelay = 500;
    // The overflow zone: the last pixels of the bar.
    static constexpr int kMoreZoneWidth = 10;

    ToolbarInteraction(ToolbarModel& model, const ToolbarSettings& settings, ToolbarHost& host)
        : m_model(model), m_settings(settings), m_host(host) {}

    ToolbarState& state() { return m_state; }
    const ToolbarState& state() const { return m_state; }

    void MouseDown(const Step& step, int Button, int Shift, float X, float Y);
    void MouseMove(const Step& step, int Button, int Shift, float X, float Y);
    // clickFollows: the host turns this release into a click.
    void MouseUp(const Step& step, int Button, int Shift, float X, float Y, bool clickFollows);
    void MouseLeave(const Step& step);
    void Click(const Step& step);
    void Resize(const Step& step);
    void KeyDown(const Step& step, int& KeyCode, int& Shift);
    void KeyUp(const Step& step, int& KeyCode, int& Shift);
    void KeyPress(const Step& step, int& KeyAscii);
    void FocusChanged(bool hasFocus);

    // The public MouseOut: arms the leave notice and repaints.
    void MouseOut();
    void ShowTip(const QString& text);
    void HideTip();
    void TipTimerTick(const Step& step);

    // The menu windows closed with these results.
    void DropDownClosed(const Step& step, const DropDownResult& result);
    void OverflowClosed(const Step& step, const DropDownResult& result);
    void PopUpClosed(const Step& step, const DropDownResult& result);

    LONG ButtonFromPoint(double X, double Y) const;

private:
    bool raise(const Step& step, ToolbarEvent event, QVariantList args);
    bool raiseMouse(const Step& step, ToolbarEvent event, int Button, int Shift, float X, float Y);
    bool raiseMouseOut(const Step& step, int Shift);
    void updateHover(float X, float Y);
    void armTip(int Button);
    // Step 3 of a click on a button: true when the click handler goes on.
    bool clickButton(const Step& step, LONG R);
    bool isMainPartHit() const;
    void resetLooks();

    ToolbarModel& m_model;
    const ToolbarSettings& m_settings;
    ToolbarHost& m_host;
    ToolbarState m_state;
};

} // namespace lumokit
