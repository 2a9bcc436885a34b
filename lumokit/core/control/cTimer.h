#pragma once

// A windowless timer: set Interval (milliseconds) and Timer is raised at
// that pace on the creating thread; 0 or less stops it. All timers of a
// thread share one table and one platform callback (basTimer).
#include "core/platform/Win32Types.h"

#include <lumokit/EventSource.h>

#include <QObject>
#include <QVariant>

namespace lumokit {

class cTimer : public QObject, public EventSource {
    Q_OBJECT
public:
    static constexpr DISPID TimerEventId = 1;

    explicit cTimer(QObject* parent = nullptr);
    // Stops the timer, so no tick reaches a destroyed object.
    ~cTimer() override;

    // Free data of the client; the timer never reads it.
    const QVariant& Item() const { return m_Item; }
    void setItem(const QVariant& New_Item) { m_Item = New_Item; }

    LONG Interval() const { return m_Interval; }
    // Throws ComError with eeCantCreateTimer or eeTooManyTimers when the
    // timer cannot start; it is left stopped then.
    void setInterval(LONG New_Interval);

    // Raises Timer at once.
    void PulseTimer();

    // Library-internal: the platform timer's identifier, 0 when none.
    UINT TimerID() const { return m_TimerID; }
    void setTimerID(UINT New_TimerID) { m_TimerID = New_TimerID; }

signals:
    void Timer();

private:
    QVariant m_Item;
    LONG m_Interval = 0;
    UINT m_TimerID = 0;
};

} // namespace lumokit
