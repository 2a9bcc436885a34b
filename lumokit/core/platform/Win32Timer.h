#pragma once

// Thread timers on QTimer. Without a window, SetTimer returns a new
// identifier (0 when refused) and every tick calls the callback with
// WM_TIMER. A window timer (hwnd given) keeps the caller's identifier and,
// without a callback, sends WM_TIMER to the window.
#include "core/platform/Win32Types.h"

namespace lumokit {

UINT SetTimer(HWND hwnd, UINT nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc);
BOOL KillTimer(HWND hwnd, UINT uIDEvent);
// Milliseconds since the first call on this thread (the tick's time stamp).
DWORD GetTickCount();

// Test seam: lets tests refuse new timers and deliver ticks without waiting.
namespace TimerSeam {
void setRefuseNewTimers(bool refuse);
// Runs one tick of a live timer as the event loop would; false if none.
bool fire(HWND hwnd, UINT id);
inline bool fire(UINT id) {
    return fire(0, id);
}
bool isLive(HWND hwnd, UINT id);
inline bool isLive(UINT id) {
    return isLive(0, id);
}
int liveCount();
// How many platform timers were ever created on this thread.
int createdCount();
UINT intervalOf(UINT id);
} // namespace TimerSeam

} // namespace lumokit
