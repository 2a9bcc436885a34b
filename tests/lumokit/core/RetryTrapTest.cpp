// The Retry/Cancel convention: the box's title is the error's number, its
// text the description; Retry runs the statement again, Cancel gives up.
#include "core/control/RetryTrap.h"
#include "core/control/RuntimeErrors.h"
#include "lumokit/LumoKitTestSupport.h"

#include <gtest/gtest.h>

#include <new>

using namespace lumokit;

TEST(RetryTrap, RetryRunsTheStatementAgainAndCancelGivesUp) {
    lumokittest::RecordingMessages messages;
    messages.retries = 1;
    int runs = 0;
    EXPECT_TRUE(RetryTrap()([&] {
        if (++runs == 1) {
            raiseSubscriptOutOfRange();
        }
    }));
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(messages.shown, QStringList{"9|Subscript out of range?"});

    messages.shown.clear();
    EXPECT_FALSE(RetryTrap()([] { throw std::bad_alloc(); }));
    EXPECT_EQ(messages.shown, QStringList{"7|Out of memory?"});
}
