#include "core/com/ServerModule.h"

namespace lumokit {

bool ServerModule::unlock() {
    long current = s_locks.load();
    while (current > 0) {
        if (s_locks.compare_exchange_weak(current, current - 1)) {
            return true;
        }
    }
    return false;
}

} // namespace lumokit
