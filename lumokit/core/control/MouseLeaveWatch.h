#pragma once

// A control's own window, subclassed so that the control hears the mouse
// leave it. arm(), called on every mouse move, asks the window manager for
// one WM_MOUSELEAVE notice; that notice, and every other message of the
// window, reaches the control's handler first, which may change or swallow
// it. Destroying the watch puts the window's own procedure back.
#include "core/platform/Win32Types.h"

#include <functional>
#include <memory>

namespace lumokit {

class clsSubClass;

class MouseLeaveWatch {
public:
    using Handler =
        std::function<void(HWND hwnd, UINT& uMsg, WPARAM& wParam, LPARAM& lParam, bool& Cancel)>;

    MouseLeaveWatch(HWND hwnd, Handler handler);
    ~MouseLeaveWatch();
    MouseLeaveWatch(const MouseLeaveWatch&) = delete;
    MouseLeaveWatch& operator=(const MouseLeaveWatch&) = delete;

    void arm() const;

    // Turns a double click into a plain press, so that a quick second click
    // is a second ordinary click.
    static void doubleClickAsPress(UINT& uMsg);

private:
    HWND m_hwnd;
    std::unique_ptr<clsSubClass> m_subclass;
};

} // namespace lumokit
