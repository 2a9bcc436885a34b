#include "core/control/clsSubClass.h"

#include "core/platform/Win32Window.h"

#include <QPointer>
#include <QVariantList>

namespace lumokit {

namespace {

constexpr const char* kOldProc = "SSC_OLDPROC";
constexpr const char* kObjectAddress = "SSC_OBJADDR";

} // namespace

clsSubClass::clsSubClass(QObject* parent) : QObject(parent) {}

clsSubClass::~clsSubClass() {
    // No window may keep a pointer to this object.
    for (int index = static_cast<int>(m_windows.size()); index >= 1; --index) {
        if (index <= static_cast<int>(m_windows.size())) {
            const HWND hwnd = m_windows[static_cast<std::size_t>(index - 1)];
            if (hwnd > 0) {
                SubClassHwnd(hwnd, false);
            }
        }
    }
}

bool clsSubClass::SubClassHwnd(HWND hwnd, bool bSubClass) {
    if (bSubClass) {
        if (!IsWindow(hwnd)) {
            RemovePropA(hwnd, kOldProc);
            RemovePropA(hwnd, kObjectAddress);
            RemoveWindowEntry(hwnd);
            return false;
        }
        if (GetPropA(hwnd, kOldProc) != 0) {
            return false; // taken, by this object or another
        }
        const LONG_PTR oldProc = SetWindowLongA(hwnd, GWL_WNDPROC, procToLong(&SubclassWndProc));
        if (oldProc == 0) {
            return false;
        }
        SetPropA(hwnd, kOldProc, oldProc);
        SetPropA(hwnd, kObjectAddress, reinterpret_cast<HANDLE>(this));
        AddWindowEntry(hwnd);
        return true;
    }

    bool restored = false;
    if (IsWindow(hwnd)) {
        const HANDLE oldProc = GetPropA(hwnd, kOldProc);
        if (oldProc != 0) {
            restored = SetWindowLongA(hwnd, GWL_WNDPROC, oldProc) != 0;
        }
    }
    RemovePropA(hwnd, kOldProc);
    RemovePropA(hwnd, kObjectAddress);
    RemoveWindowEntry(hwnd);
    return restored;
}

LRESULT clsSubClass::ForwardMessage(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    bool cancel = false;
    const QPointer<clsSubClass> self(this); // a handler may destroy this object
    emit NewMessage(hwnd, uMsg, wParam, lParam, cancel);
    if (self && hasEventSink()) {
        QVariantList args{QVariant::fromValue(hwnd), QVariant::fromValue(static_cast<LONG>(uMsg)),
                          QVariant::fromValue(static_cast<LONG>(wParam)),
                          QVariant::fromValue(lParam), QVariant::fromValue(toVariantBool(cancel))};
        raiseToSink(NewMessageEventId, args);
        if (args.size() == 5) {
            uMsg = static_cast<UINT>(args[1].toInt());
            wParam = static_cast<WPARAM>(args[2].toInt());
            lParam = static_cast<LPARAM>(args[3].toInt());
            cancel = args[4].toInt() != 0;
        }
    }
    if (cancel) {
        return 0;
    }
    const HANDLE oldProc = GetPropA(hwnd, kOldProc);
    if (oldProc == 0) {
        return 0;
    }
    return CallWindowProcA(longToProc(oldProc), hwnd, uMsg, wParam, lParam);
}

int clsSubClass::FindWindowEntry(HWND hwnd) const {
    for (std::size_t i = 0; i < m_windows.size(); ++i) {
        if (m_windows[i] == hwnd && m_windows[i] >= 1) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

int clsSubClass::FindFreeEntry() const {
    for (std::size_t i = 0; i < m_windows.size(); ++i) {
        if (m_windows[i] < 1) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

void clsSubClass::AddWindowEntry(HWND hwnd) {
    if (FindWindowEntry(hwnd) != 0) {
        return;
    }
    const int free = FindFreeEntry();
    if (free != 0) {
        m_windows[static_cast<std::size_t>(free - 1)] = hwnd;
    } else {
        m_windows.push_back(hwnd);
    }
}

void clsSubClass::RemoveWindowEntry(HWND hwnd) {
    const int index = FindWindowEntry(hwnd);
    if (index == 0) {
        return;
    }
    if (index == static_cast<int>(m_windows.size())) {
        m_windows.pop_back();
    } else {
        m_windows[static_cast<std::size_t>(index - 1)] = -1;
    }
}

LRESULT SubclassWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const HANDLE address = GetPropA(hwnd, kObjectAddress);
    if (address == 0) {
        return 0;
    }
    // A plain pointer: the object unhooks every window before it dies.
    auto* owner = reinterpret_cast<clsSubClass*>(address);
    return owner->ForwardMessage(hwnd, uMsg, wParam, lParam);
}

} // namespace lumokit
