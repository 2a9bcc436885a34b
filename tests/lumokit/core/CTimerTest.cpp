// cTimer and its per-thread table, driven through the platform timer seam.
#include "core/control/cTimer.h"
#include "core/control/basTimer.h"
#include "core/platform/Win32Timer.h"

#include <lumokit/ComError.h>

#include <gtest/gtest.h>

#include <QTest>

#include <memory>
#include <vector>

using namespace lumokit;

namespace {

class Timers : public ::testing::Test {
protected:
    void SetUp() override { liveBefore = TimerSeam::liveCount(); }
    void TearDown() override {
        TimerSeam::setRefuseNewTimers(false);
        EXPECT_EQ(TimerSeam::liveCount(), liveBefore) << "a platform timer outlived its test";
    }
    static int freeSlots() {
        int free = 0;
        for (int slot = 1; slot <= kTimerSlots; ++slot) {
            free += timerInSlot(slot) ? 0 : 1;
        }
        return free;
    }
    static int slotOf(const cTimer& timer) {
        for (int slot = 1; slot <= kTimerSlots; ++slot) {
            if (timerInSlot(slot) == &timer) {
                return slot;
            }
        }
        return 0;
    }
    int liveBefore = 0;
};

TEST_F(Timers, PositiveIntervalStartsOnePlatformTimerThatTicksANewOneRestartsZeroStops) {
    cTimer timer;
    std::vector<DISPID> sinkEvents;
    timer.setEventSink([&](DISPID id, QVariantList& args) {
        sinkEvents.push_back(id);
        EXPECT_TRUE(args.isEmpty());
    });
    const int created = TimerSeam::createdCount();
    timer.setInterval(250);
    timer.setInterval(250);
    EXPECT_EQ(TimerSeam::createdCount(), created + 1) << "the same interval twice is one timer";
    ASSERT_NE(timer.TimerID(), 0u);
    EXPECT_EQ(TimerSeam::intervalOf(timer.TimerID()), 250u);
    EXPECT_NE(slotOf(timer), 0);
    ASSERT_TRUE(TimerSeam::fire(timer.TimerID()));
    ASSERT_TRUE(TimerSeam::fire(timer.TimerID()));
    timer.PulseTimer();
    EXPECT_EQ(sinkEvents, (std::vector<DISPID>{1, 1, 1})) << "a pulse raises at once";

    // A new interval restarts; zero or less stops.
    const UINT first = timer.TimerID();
    timer.setInterval(200);
    EXPECT_FALSE(TimerSeam::isLive(first)) << "the old platform timer is killed";
    EXPECT_TRUE(TimerSeam::isLive(timer.TimerID()));
    const UINT second = timer.TimerID();
    timer.setInterval(-5);
    EXPECT_EQ(timer.Interval(), 0);
    EXPECT_FALSE(TimerSeam::isLive(second));
    EXPECT_EQ(slotOf(timer), 0);
}

TEST_F(Timers, TheHundredthIsAcceptedTheNextRaisesAndLeaksNothingAndTheFirstFreedSlotIsReused) {
    std::vector<std::unique_ptr<cTimer>> timers;
    const int room = freeSlots();
    for (int i = 0; i < room; ++i) {
        timers.push_back(std::make_unique<cTimer>());
        ASSERT_NO_THROW(timers.back()->setInterval(1000 + i));
    }
    EXPECT_EQ(freeSlots(), 0);
    EXPECT_EQ(timerHighWaterMark(), kTimerSlots);
    const int live = TimerSeam::liveCount();
    cTimer extra;
    try {
        extra.setInterval(50);
        FAIL() << "a timer beyond the table was accepted";
    } catch (const ComError& error) {
        EXPECT_EQ(error.hresult(), -2147207853);
        EXPECT_EQ(error.source(), QStringLiteral("lumokit.WindowProc"));
        EXPECT_FALSE(error.description().isEmpty());
    }
    EXPECT_EQ(TimerSeam::liveCount(), live) << "the refused timer's platform timer is killed";
    EXPECT_EQ(extra.Interval(), 0);
    EXPECT_EQ(extra.TimerID(), 0u);
    const int freed = slotOf(*timers[2]);
    timers[2]->setInterval(0);
    EXPECT_EQ(timerInSlot(freed), nullptr);
    timers.pop_back();
    EXPECT_NO_THROW(extra.setInterval(50));
    EXPECT_EQ(slotOf(extra), freed) << "the lower of two free slots";
    EXPECT_EQ(timerHighWaterMark(), kTimerSlots) << "the mark never goes down";
}

TEST_F(Timers, DestroyedTimerIsKilledAndGetsNoTick) {
    auto timer = std::make_unique<cTimer>();
    int ticks = 0;
    QObject::connect(timer.get(), &cTimer::Timer, [&] { ++ticks; });
    timer->setInterval(30);
    const UINT id = timer->TimerID();
    timer.reset();
    EXPECT_FALSE(TimerSeam::isLive(id));
    TimerProc(0, WM_TIMER, id, 0); // a stray tick matches no slot
    EXPECT_EQ(ticks, 0);
}

TEST_F(Timers, RefusedPlatformTimerRaisesCantCreateAndStaysStopped) {
    cTimer timer;
    TimerSeam::setRefuseNewTimers(true);
    try {
        timer.setInterval(6000);
        FAIL() << "no error";
    } catch (const ComError& error) {
        // The text is checked where the tooltip reports it.
        EXPECT_EQ(error.hresult(), -2147207852);
        EXPECT_EQ(error.source(), QStringLiteral("lumokit.WindowProc"));
    }
    EXPECT_EQ(timer.Interval(), 0);
    EXPECT_EQ(timer.TimerID(), 0u);
    EXPECT_EQ(slotOf(timer), 0);
    TimerSeam::setRefuseNewTimers(false);
    EXPECT_NO_THROW(timer.setInterval(6000));
}

TEST_F(Timers, HandlerMayDropItsOwnTimerOrRestartAnother) {
    auto own = std::make_unique<cTimer>();
    cTimer other;
    other.setInterval(40);
    QObject::connect(own.get(), &cTimer::Timer, [&] {
        other.setInterval(80);
        own.reset(); // the tooltip unloads itself from its tick
    });
    own->setInterval(20);
    const UINT id = own->TimerID();
    ASSERT_TRUE(TimerSeam::fire(id));
    EXPECT_EQ(own, nullptr);
    EXPECT_FALSE(TimerSeam::isLive(id));
    EXPECT_EQ(other.Interval(), 80);
}

} // namespace
