#pragma once

// The per-thread table of live timers and the callback that all of them
// share. A tick finds its timer by identifier, scanning only up to the
// highest slot ever filled.
#include "platform/Win32Types.h"

#include <cstdint>

namespace lumokit {

class cTimer;

enum EErrorTimer : std::int32_t {
    eeBaseTimer = 13650,
    eeTooManyTimers = 13651,
    eeCantCreateTimer = 13652,
};

constexpr int kTimerSlots = 100;

bool AddTimer(cTimer& timer);
bool RemoveTimer(cTimer& timer);
void TimerProc(HWND hwnd, UINT uMsg, UINT idEvent, DWORD dwTime);
[[noreturn]] void RaiseTimerError(std::int32_t code);

// Inspection of this thread's table (1-based slot numbers).
cTimer* timerInSlot(int slot);
std::int16_t timerHighWaterMark();

} // namespace lumokit
