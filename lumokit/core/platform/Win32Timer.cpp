#include "core/platform/Win32Timer.h"

#include "core/platform/Win32Window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace lumokit {

namespace {

struct PlatformTimer {
    std::unique_ptr<QTimer> timer;
    TIMERPROC proc = nullptr;
    UINT interval = 0;
};

using TimerKey = std::pair<HWND, UINT>;

struct TimerTable {
    std::map<TimerKey, PlatformTimer> timers;
    // A timer killed during a tick may be the one whose signal is running:
    // it is deleted at the next timer call made outside any tick.
    std::vector<std::unique_ptr<QTimer>> retired;
    int dispatchDepth = 0;
    UINT lastId = 0;
    int created = 0;
    bool refuse = false;
    bool cleanupRegistered = false;
};

TimerTable& table() {
    thread_local TimerTable timerTable;
    return timerTable;
}

// QTimers must not outlive the application object that drives them.
void releaseAllTimers() {
    TimerTable& t = table();
    t.timers.clear();
    t.retired.clear();
}

UINT newThreadTimerId(TimerTable& t) {
    do {
        ++t.lastId;
    } while (t.lastId == 0 || t.timers.contains({0, t.lastId}));
    return t.lastId;
}

void dropRetired(TimerTable& t) {
    if (t.dispatchDepth == 0) {
        t.retired.clear();
    }
}

void deliver(TimerKey key) {
    TimerTable& t = table();
    dropRetired(t);
    const auto found = t.timers.find(key);
    if (found == t.timers.end()) {
        return;
    }
    const TIMERPROC proc = found->second.proc;
    ++t.dispatchDepth;
    if (proc) {
        proc(key.first, WM_TIMER, key.second, GetTickCount());
    } else {
        SendMessageA(key.first, WM_TIMER, key.second, 0);
    }
    --t.dispatchDepth;
}

} // namespace

UINT SetTimer(HWND hwnd, UINT nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
    TimerTable& t = table();
    dropRetired(t);
    if (t.refuse || !QCoreApplication::instance()) {
        return 0;
    }
    if (hwnd != 0 && (!IsWindow(hwnd) || nIDEvent == 0)) {
        return 0;
    }
    if (!t.cleanupRegistered) {
        qAddPostRoutine(&releaseAllTimers);
        t.cleanupRegistered = true;
    }
    const UINT id = hwnd == 0 ? newThreadTimerId(t) : nIDEvent;
    const TimerKey key{hwnd, id};
    if (const auto existing = t.timers.find(key); existing != t.timers.end()) {
        // Setting a window timer again restarts it with the new values.
        existing->second.proc = lpTimerFunc;
        existing->second.interval = uElapse;
        existing->second.timer->start(static_cast<int>(qMin<UINT>(uElapse, INT32_MAX)));
        return id;
    }
    auto timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, [key] { deliver(key); });
    timer->start(static_cast<int>(qMin<UINT>(uElapse, INT32_MAX)));
    t.timers.emplace(key, PlatformTimer{std::move(timer), lpTimerFunc, uElapse});
    ++t.created;
    return id;
}

BOOL KillTimer(HWND hwnd, UINT uIDEvent) {
    TimerTable& t = table();
    dropRetired(t);
    const auto found = t.timers.find({hwnd, uIDEvent});
    if (found == t.timers.end()) {
        return FALSE;
    }
    std::unique_ptr<QTimer> timer = std::move(found->second.timer);
    t.timers.erase(found);
    timer->stop();
    if (t.dispatchDepth > 0) {
        t.retired.push_back(std::move(timer));
    }
    return TRUE;
}

DWORD GetTickCount() {
    thread_local QElapsedTimer clock;
    if (!clock.isValid()) {
        clock.start();
    }
    return static_cast<DWORD>(clock.elapsed());
}

namespace TimerSeam {

void setRefuseNewTimers(bool refuse) {
    table().refuse = refuse;
}

bool fire(HWND hwnd, UINT id) {
    if (!isLive(hwnd, id)) {
        return false;
    }
    deliver({hwnd, id});
    return true;
}

bool isLive(HWND hwnd, UINT id) {
    return table().timers.contains({hwnd, id});
}

int liveCount() {
    return static_cast<int>(table().timers.size());
}

int createdCount() {
    return table().created;
}

UINT intervalOf(UINT id) {
    const auto& timers = table().timers;
    const auto found = timers.find({0, id});
    return found == timers.end() ? 0 : found->second.interval;
}

} // namespace TimerSeam

} // namespace lumokit
