#include "core/control/MouseLeaveWatch.h"

#include "core/control/clsSubClass.h"
#include "core/platform/Win32Window.h"

namespace lumokit {

MouseLeaveWatch::MouseLeaveWatch(HWND hwnd, Handler handler)
    : m_hwnd(hwnd), m_subclass(std::make_unique<clsSubClass>()) {
    QObject::connect(m_subclass.get(), &clsSubClass::NewMessage, m_subclass.get(),
                     std::move(handler), Qt::DirectConnection);
    m_subclass->SubClassHwnd(m_hwnd, true);
}

MouseLeaveWatch::~MouseLeaveWatch() {
    m_subclass->SubClassHwnd(m_hwnd, false);
}

void MouseLeaveWatch::arm() const {
    // Asked again on every move: the window manager forgets after a notice.
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hwnd, 0};
    _TrackMouseEvent(&track);
}

void MouseLeaveWatch::doubleClickAsPress(UINT& uMsg) {
    if (uMsg == WM_LBUTTONDBLCLK) {
        uMsg = WM_LBUTTONDOWN;
    } else if (uMsg == WM_RBUTTONDBLCLK) {
        uMsg = WM_RBUTTONDOWN;
    }
}

} // namespace lumokit
