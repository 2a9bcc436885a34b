#pragma once

// The window services the controls call: a per-thread table of window
// handles over QWidgets, replaceable window procedures, window properties,
// class styles, messages, capture, focus, cursor and window rectangles,
// placement and mouse-leave tracking.
#include "core/platform/Win32Types.h"

#include <QPoint>
#include <QString>

#include <functional>

class QWidget;

namespace lumokit {

// --- The window table -------------------------------------------------------

// Gives the widget a window handle whose procedure chain starts (and ends)
// with baseProc; windows of one windowClass share class styles. Registering
// a widget twice returns its handle. The handle dies with the widget. An
// empty windowClass means the widget's own (most derived) Qt class.
HWND registerWindow(QWidget* widget, const QString& windowClass,
                    WNDPROC baseProc = nullptr /* DefWindowProcA */);
// Forgets the window: IsWindow is false from now on, messages go nowhere.
void unregisterWindow(HWND hwnd);
HWND hwndOf(const QWidget* widget);
// The widget's handle, registering it with the default procedure if needed.
HWND ensureWindowHandle(QWidget* widget);
QWidget* widgetOf(HWND hwnd);
int liveWindowCount();

// --- Procedures and messages ------------------------------------------------

BOOL IsWindow(HWND hwnd);
// Does nothing and returns 0: the bottom of a plain window's chain.
LRESULT DefWindowProcA(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
// GWL_WNDPROC takes and returns procedures as numbers (procToLong); 0 when
// the window does not exist or a null procedure is given.
LONG_PTR SetWindowLongA(HWND hwnd, int nIndex, LONG_PTR dwNewLong);
LONG_PTR GetWindowLongA(HWND hwnd, int nIndex);
// Calls only procedures that were ever installed on a window; anything else
// (a stale or corrupted number) returns 0 without calling.
LRESULT CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LONG_PTR procToLong(WNDPROC proc);
WNDPROC longToProc(LONG_PTR value);
// Sends through the window's current procedure; 0 for no window.
LRESULT SendMessageA(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
// Delivers later through the event loop, if the window still exists then.
BOOL PostMessageA(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

BOOL SetPropA(HWND hwnd, const char* lpString, HANDLE hData);
HANDLE GetPropA(HWND hwnd, const char* lpString);
HANDLE RemovePropA(HWND hwnd, const char* lpString);

// Only GCL_STYLE is kept; other indexes read 0 and refuse writes.
DWORD GetClassLongA(HWND hwnd, int nIndex);
DWORD SetClassLongA(HWND hwnd, int nIndex, LONG dwNewLong);
void AddDropShadow(HWND hwnd);

// --- Input state --------------------------------------------------------------

HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();
HWND GetFocus();
HWND SetFocus(HWND hwnd);
BOOL GetCursorPos(POINT* lpPoint);
// Test seam: where the cursor is; an empty function restores QCursor::pos.
void setCursorPosSource(std::function<QPoint()> source);
BOOL _TrackMouseEvent(TRACKMOUSEEVENT* lpEventTrack);
bool isTrackingMouseLeave(HWND hwnd);

// --- Placement ------------------------------------------------------------------

BOOL GetWindowRect(HWND hwnd, RECT* lpRect);
BOOL GetClientRect(HWND hwnd, RECT* lpRect);
BOOL SetWindowPos(HWND hwnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags);
BOOL RedrawWindow(HWND hwnd, const RECT* lprcUpdate, HRGN hrgnUpdate, UINT flags);

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
int GetSystemMetrics(int nIndex);
inline int TwipsPerPixelX() {
    return TWIPS_PER_PIXEL;
}
inline int TwipsPerPixelY() {
    return TWIPS_PER_PIXEL;
}

} // namespace lumokit
