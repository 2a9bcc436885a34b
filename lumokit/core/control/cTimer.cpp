#include "core/control/cTimer.h"

#include "core/control/basTimer.h"

#include <QPointer>
#include <QVariantList>

namespace lumokit {

cTimer::cTimer(QObject* parent) : QObject(parent) {}

cTimer::~cTimer() {
    setInterval(0);
}

void cTimer::setInterval(LONG New_Interval) {
    if (New_Interval >= 1) {
        if (New_Interval == m_Interval) {
            return;
        }
        if (m_Interval != 0) {
            RemoveTimer(*this);
        }
        m_Interval = New_Interval;
        if (!AddTimer(*this)) {
            RaiseTimerError(eeCantCreateTimer);
        }
        return;
    }
    if (m_Interval > 0) {
        m_Interval = 0;
        RemoveTimer(*this);
    }
}

void cTimer::PulseTimer() {
    const QPointer<cTimer> self(this); // a handler may drop this timer
    emit Timer();
    if (self) {
        QVariantList args;
        raiseToSink(TimerEventId, args);
    }
}

} // namespace lumokit
