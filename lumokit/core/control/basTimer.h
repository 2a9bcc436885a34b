#pragma once

// The per-thread table of live timers and the callback that all of them
// share. A tick finds its timer by identifier, scanning only up to the
// highest slot ever filled.
#include "core/platform/Win32Types.h"

#include <lumokit/Enums.h>

#include <cstdint>

namespace lumokit {

class cTimer;

constexpr int kTimerSlots = 100;

bool AddTimer(cTimer& timer);
bool RemoveTimer(cTimer& timer);
void TimerProc(HWND hwnd, UINT uMsg, UINT idEvent, DWORD dwTime);
[[noreturn]] void RaiseTimerError(std::int32_t code);

// Inspection of this thread's table (1-based slot numbers).
cTimer* timerInSlot(int slot);
std::int16_t timerHighWaterMark();

} // namespace lumokit
