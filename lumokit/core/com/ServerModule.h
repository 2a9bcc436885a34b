#pragma once

// Counts the library's live objects (class factories included) and the
// server locks that hosts hold, which together decide DllCanUnloadNow.
#include <atomic>

namespace lumokit {

class ServerModule {
public:
    static void objectCreated() { ++s_objects; }
    static void objectDestroyed() { --s_objects; }
    static void lock() { ++s_locks; }
    // A host cannot unlock more often than it locked.
    static bool unlock();

    static long liveObjects() { return s_objects; }
    static long locks() { return s_locks; }
    static bool canUnloadNow() { return s_objects == 0 && s_locks == 0; }

private:
    static inline std::atomic<long> s_objects{0};
    static inline std::atomic<long> s_locks{0};
};

} // namespace lumokit
