#include "core/platform/Win32Window.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QMetaObject>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <map>
#include <memory>
#include <set>
#include <unordered_map>

namespace lumokit {

namespace {

struct WindowRecord {
    QPointer<QWidget> widget;
    QString windowClass;
    WNDPROC proc = nullptr;
    std::map<QByteArray, HANDLE> props;
    LONG_PTR userData = 0;
    LONG_PTR style = 0;
    LONG_PTR exStyle = 0;
    LONG_PTR id = 0;
    bool trackingLeave = false;
};

// Delivers WM_MOUSELEAVE to armed windows and drops windows whose widget
// goes away.
class WindowEvents : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

struct WindowTable {
    std::map<HWND, WindowRecord> windows;
    std::unordered_map<const QWidget*, HWND> byWidget;
    std::map<QString, LONG> classStyles;
    std::set<WNDPROC> knownProcs{&DefWindowProcA};
    HWND lastHandle = 0x100;
    std::unique_ptr<WindowEvents> events;
    std::function<QPoint()> cursorSource;
};

WindowTable& table() {
    thread_local WindowTable windowTable;
    return windowTable;
}

WindowRecord* record(HWND hwnd) {
    auto& windows = table().windows;
    const auto found = windows.find(hwnd);
    if (found == windows.end() || !found->second.widget) {
        return nullptr;
    }
    return &found->second;
}

void forget(HWND hwnd) {
    WindowTable& t = table();
    const auto found = t.windows.find(hwnd);
    if (found == t.windows.end()) {
        return;
    }
    for (auto it = t.byWidget.begin(); it != t.byWidget.end(); ++it) {
        if (it->second == hwnd) {
            t.byWidget.erase(it);
            break;
        }
    }
    t.windows.erase(found);
}

bool WindowEvents::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Leave) {
        const HWND hwnd = hwndOf(static_cast<QWidget*>(watched));
        WindowRecord* window = record(hwnd);
        if (window && window->trackingLeave) {
            window->trackingLeave = false; // one notice per arming
            SendMessageA(hwnd, WM_MOUSELEAVE, 0, 0);
        }
    }
    return false;
}

QRect screenRect(const QWidget* widget) {
    if (widget->isWindow()) {
        return widget->frameGeometry();
    }
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

void fillRect(RECT* target, const QRect& rect) {
    target->left = rect.left();
    target->top = rect.top();
    target->right = rect.left() + rect.width();
    target->bottom = rect.top() + rect.height();
}

} // namespace

// --- The window table -------------------------------------------------------

HWND registerWindow(QWidget* widget, const QString& windowClass, WNDPROC baseProc) {
    if (!widget) {
        return 0;
    }
    WindowTable& t = table();
    if (const HWND existing = hwndOf(widget)) {
        return existing;
    }
    if (!t.events) {
        t.events = std::make_unique<WindowEvents>();
    }
    const HWND hwnd = (t.lastHandle += 2); // never reused, so stale handles stay dead
    WindowRecord window;
    window.widget = widget;
    window.windowClass = windowClass.isEmpty()
                             ? QString::fromLatin1(widget->metaObject()->className())
                             : windowClass;
    window.proc = baseProc ? baseProc : &DefWindowProcA;
    t.knownProcs.insert(window.proc);
    t.windows.emplace(hwnd, std::move(window));
    t.byWidget.emplace(widget, hwnd);
    widget->installEventFilter(t.events.get());
    QObject::connect(widget, &QObject::destroyed, [hwnd] { forget(hwnd); });
    return hwnd;
}

void unregisterWindow(HWND hwnd) {
    if (WindowRecord* window = record(hwnd)) {
        window->widget->removeEventFilter(table().events.get());
    }
    forget(hwnd);
}

HWND hwndOf(const QWidget* widget) {
    const auto& byWidget = table().byWidget;
    const auto found = byWidget.find(widget);
    return found == byWidget.end() ? 0 : found->second;
}

HWND ensureWindowHandle(QWidget* widget) {
    return registerWindow(widget, QString());
}

QWidget* widgetOf(HWND hwnd) {
    const WindowRecord* window = record(hwnd);
    return window ? window->widget.data() : nullptr;
}

int liveWindowCount() {
    int count = 0;
    for (const auto& entry : table().windows) {
        count += entry.second.widget ? 1 : 0;
    }
    return count;
}

// --- Procedures and messages ------------------------------------------------

BOOL IsWindow(HWND hwnd) {
    return record(hwnd) ? TRUE : FALSE;
}

LRESULT DefWindowProcA(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

LONG_PTR procToLong(WNDPROC proc) {
    return reinterpret_cast<LONG_PTR>(proc);
}

WNDPROC longToProc(LONG_PTR value) {
    return reinterpret_cast<WNDPROC>(value);
}

LONG_PTR SetWindowLongA(HWND hwnd, int nIndex, LONG_PTR dwNewLong) {
    WindowRecord* window = record(hwnd);
    if (!window) {
        return 0;
    }
    LONG_PTR previous = 0;
    switch (nIndex) {
    case GWL_WNDPROC: {
        const WNDPROC proc = longToProc(dwNewLong);
        if (!proc) {
            return 0;
        }
        previous = procToLong(window->proc);
        window->proc = proc;
        table().knownProcs.insert(proc);
        return previous;
    }
    case GWL_USERDATA:
        previous = window->userData;
        window->userData = dwNewLong;
        return previous;
    case GWL_STYLE:
        previous = window->style;
        window->style = dwNewLong;
        return previous;
    case GWL_EXSTYLE:
        previous = window->exStyle;
        window->exStyle = dwNewLong;
        return previous;
    case GWL_ID:
        previous = window->id;
        window->id = dwNewLong;
        return previous;
    default:
        return 0;
    }
}

LONG_PTR GetWindowLongA(HWND hwnd, int nIndex) {
    const WindowRecord* window = record(hwnd);
    if (!window) {
        return 0;
    }
    switch (nIndex) {
    case GWL_WNDPROC:
        return procToLong(window->proc);
    case GWL_USERDATA:
        return window->userData;
    case GWL_STYLE:
        return window->style;
    case GWL_EXSTYLE:
        return window->exStyle;
    case GWL_ID:
        return window->id;
    default:
        return 0;
    }
}

LRESULT CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (!lpPrevWndFunc || !table().knownProcs.contains(lpPrevWndFunc)) {
        return 0;
    }
    return lpPrevWndFunc(hwnd, uMsg, wParam, lParam);
}

LRESULT SendMessageA(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const WindowRecord* window = record(hwnd);
    if (!window) {
        return 0;
    }
    return window->proc(hwnd, uMsg, wParam, lParam);
}

BOOL PostMessageA(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    WindowRecord* window = record(hwnd);
    if (!window) {
        return FALSE;
    }
    QMetaObject::invokeMethod(
        window->widget.data(), [=] { SendMessageA(hwnd, uMsg, wParam, lParam); },
        Qt::QueuedConnection);
    return TRUE;
}

BOOL SetPropA(HWND hwnd, const char* lpString, HANDLE hData) {
    WindowRecord* window = record(hwnd);
    if (!window || !lpString) {
        return FALSE;
    }
    window->props[QByteArray(lpString)] = hData;
    return TRUE;
}

HANDLE GetPropA(HWND hwnd, const char* lpString) {
    const WindowRecord* window = record(hwnd);
    if (!window || !lpString) {
        return 0;
    }
    const auto found = window->props.find(QByteArray(lpString));
    return found == window->props.end() ? 0 : found->second;
}

HANDLE RemovePropA(HWND hwnd, const char* lpString) {
    WindowRecord* window = record(hwnd);
    if (!window || !lpString) {
        return 0;
    }
    const auto found = window->props.find(QByteArray(lpString));
    if (found == window->props.end()) {
        return 0;
    }
    const HANDLE value = found->second;
    window->props.erase(found);
    return value;
}

static QString className(const WindowRecord& window) {
    return window.windowClass.isEmpty()
               ? QString::fromLatin1(window.widget->metaObject()->className())
               : window.windowClass;
}

DWORD GetClassLongA(HWND hwnd, int nIndex) {
    const WindowRecord* window = record(hwnd);
    if (!window || nIndex != GCL_STYLE) {
        return 0;
    }
    const auto& styles = table().classStyles;
    const auto found = styles.find(className(*window));
    return found == styles.end() ? 0 : static_cast<DWORD>(found->second);
}

DWORD SetClassLongA(HWND hwnd, int nIndex, LONG dwNewLong) {
    const WindowRecord* window = record(hwnd);
    if (!window || nIndex != GCL_STYLE) {
        return 0;
    }
    LONG& style = table().classStyles[className(*window)];
    const DWORD previous = static_cast<DWORD>(style);
    style = dwNewLong;
    return previous;
}

void AddDropShadow(HWND hwnd) {
    const DWORD style = GetClassLongA(hwnd, GCL_STYLE);
    SetClassLongA(hwnd, GCL_STYLE, static_cast<LONG>(style | CS_DROPSHADOW));
}

// --- Input state --------------------------------------------------------------

HWND SetCapture(HWND hwnd) {
    const HWND previous = GetCapture();
    if (QWidget* widget = widgetOf(hwnd)) {
        widget->grabMouse();
    }
    return previous;
}

BOOL ReleaseCapture() {
    if (QWidget* grabber = QWidget::mouseGrabber()) {
        grabber->releaseMouse();
    }
    return TRUE;
}

HWND GetCapture() {
    return hwndOf(QWidget::mouseGrabber());
}

HWND GetFocus() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? ensureWindowHandle(focus) : 0;
}

HWND SetFocus(HWND hwnd) {
    const HWND previous = GetFocus();
    if (QWidget* widget = widgetOf(hwnd)) {
        widget->setFocus(Qt::OtherFocusReason);
    }
    return previous;
}

BOOL GetCursorPos(POINT* lpPoint) {
    if (!lpPoint) {
        return FALSE;
    }
    const auto& source = table().cursorSource;
    const QPoint position = source ? source() : QCursor::pos();
    lpPoint->x = position.x();
    lpPoint->y = position.y();
    return TRUE;
}

void setCursorPosSource(std::function<QPoint()> source) {
    table().cursorSource = std::move(source);
}

BOOL _TrackMouseEvent(TRACKMOUSEEVENT* lpEventTrack) {
    if (!lpEventTrack || lpEventTrack->cbSize != sizeof(TRACKMOUSEEVENT)) {
        return FALSE;
    }
    const DWORD flags = lpEventTrack->dwFlags;
    if ((flags & ~(TME_LEAVE | TME_CANCEL)) != 0) {
        return FALSE; // hover and non-client tracking are not offered
    }
    WindowRecord* window = record(lpEventTrack->hwndTrack);
    if (!window) {
        return FALSE;
    }
    if (flags & TME_LEAVE) {
        window->trackingLeave = (flags & TME_CANCEL) == 0;
    }
    return TRUE;
}

bool isTrackingMouseLeave(HWND hwnd) {
    const WindowRecord* window = record(hwnd);
    return window && window->trackingLeave;
}

// --- Placement ------------------------------------------------------------------

BOOL GetWindowRect(HWND hwnd, RECT* lpRect) {
    const QWidget* widget = widgetOf(hwnd);
    if (!widget || !lpRect) {
        return FALSE;
    }
    fillRect(lpRect, screenRect(widget));
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* lpRect) {
    const QWidget* widget = widgetOf(hwnd);
    if (!widget || !lpRect) {
        return FALSE;
    }
    fillRect(lpRect, widget->rect());
    return TRUE;
}

BOOL SetWindowPos(HWND hwnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
    QWidget* widget = widgetOf(hwnd);
    if (!widget) {
        return FALSE;
    }
    if (!(uFlags & SWP_NOZORDER)) {
        if (hWndInsertAfter == HWND_TOPMOST || hWndInsertAfter == HWND_NOTOPMOST) {
            const bool topMost = hWndInsertAfter == HWND_TOPMOST;
            if (widget->isWindow() &&
                widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != topMost) {
                const bool wasVisible = widget->isVisible();
                widget->setWindowFlag(Qt::WindowStaysOnTopHint, topMost); // hides the window
                if (wasVisible && !(uFlags & SWP_HIDEWINDOW)) {
                    uFlags |= SWP_SHOWWINDOW;
                }
            }
            if (topMost) {
                widget->raise();
            }
        } else if (hWndInsertAfter == HWND_TOP) {
            widget->raise();
        } else if (hWndInsertAfter == HWND_BOTTOM) {
            widget->lower();
        } else if (QWidget* above = widgetOf(hWndInsertAfter)) {
            widget->stackUnder(above);
        }
    }
    if (!(uFlags & SWP_NOMOVE)) {
        widget->move(X, Y);
    }
    if (!(uFlags & SWP_NOSIZE)) {
        widget->resize(qMax(0, cx), qMax(0, cy));
    }
    if (uFlags & SWP_NOACTIVATE) {
        widget->setAttribute(Qt::WA_ShowWithoutActivating, true);
    }
    if (uFlags & SWP_SHOWWINDOW) {
        widget->show();
    } else if (uFlags & SWP_HIDEWINDOW) {
        widget->hide();
    }
    return TRUE;
}

BOOL RedrawWindow(HWND hwnd, const RECT* lprcUpdate, HRGN, UINT flags) {
    QWidget* widget = widgetOf(hwnd);
    if (!widget) {
        return FALSE;
    }
    const QRect area = lprcUpdate ? QRect(QPoint(lprcUpdate->left, lprcUpdate->top),
                                          QPoint(lprcUpdate->right - 1, lprcUpdate->bottom - 1))
                                  : widget->rect();
    if (flags & RDW_UPDATENOW) {
        widget->repaint(area);
    } else {
        widget->update(area);
    }
    return TRUE;
}

int GetSystemMetrics(int nIndex) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        return 0;
    }
    switch (nIndex) {
    case SM_CXSCREEN:
        return screen->geometry().width();
    case SM_CYSCREEN:
        return screen->geometry().height();
    default:
        return 0;
    }
}

} // namespace lumokit
