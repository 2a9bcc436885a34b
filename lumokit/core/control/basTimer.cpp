#include "core/control/basTimer.h"

#include "core/control/cTimer.h"
#include "core/platform/Win32Timer.h"

#include <lumokit/ComError.h>

#include <QString>

#include <array>

namespace lumokit {

namespace {

struct TimerTable {
    std::array<cTimer*, kTimerSlots> entries{}; // slot n at index n - 1
    std::int16_t highWaterMark = 0;
};

TimerTable& table() {
    thread_local TimerTable timerTable;
    return timerTable;
}

} // namespace

bool AddTimer(cTimer& timer) {
    TimerTable& t = table();
    const UINT id = SetTimer(0, 0, static_cast<UINT>(timer.Interval()), &TimerProc);
    timer.setTimerID(id);
    if (id == 0) {
        timer.setTimerID(0);
        timer.setInterval(0);
        return false;
    }
    for (int slot = 1; slot <= kTimerSlots; ++slot) {
        cTimer*& entry = t.entries[static_cast<std::size_t>(slot - 1)];
        if (!entry) {
            entry = &timer;
            if (t.highWaterMark < slot) {
                t.highWaterMark = static_cast<std::int16_t>(slot);
            }
            return true;
        }
    }
    // The table is full: the new platform timer would tick for nobody, so it
    // is killed and the timer left stopped before the error is raised.
    KillTimer(0, id);
    timer.setTimerID(0);
    timer.setInterval(0);
    RaiseTimerError(eeTooManyTimers);
}

bool RemoveTimer(cTimer& timer) {
    TimerTable& t = table();
    for (int slot = 1; slot <= t.highWaterMark; ++slot) {
        cTimer*& entry = t.entries[static_cast<std::size_t>(slot - 1)];
        if (entry && entry->TimerID() == timer.TimerID()) {
            KillTimer(0, timer.TimerID());
            entry = nullptr;
            return true;
        }
    }
    return false;
}

void TimerProc(HWND, UINT, UINT idEvent, DWORD) {
    TimerTable& t = table();
    for (int slot = 1; slot <= t.highWaterMark; ++slot) {
        cTimer* entry = t.entries[static_cast<std::size_t>(slot - 1)];
        if (entry && entry->TimerID() == idEvent) {
            entry->PulseTimer();
            return;
        }
    }
}

void RaiseTimerError(std::int32_t code) {
    const QString description =
        code == eeCantCreateTimer ? QStringLiteral("Can't create system timer")
        : code == eeTooManyTimers ? QStringLiteral("Too many timers: at most %1 can run "
                                                   "at once on one thread")
                                        .arg(kTimerSlots)
                                  : QStringLiteral("Timer error");
    throw ComError(objectError(code), QStringLiteral("lumokit.WindowProc"), description);
}

cTimer* timerInSlot(int slot) {
    if (slot < 1 || slot > kTimerSlots) {
        return nullptr;
    }
    return table().entries[static_cast<std::size_t>(slot - 1)];
}

std::int16_t timerHighWaterMark() {
    return table().highWaterMark;
}

} // namespace lumokit
