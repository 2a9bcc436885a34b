// The library's tooltip: its paint, where it goes, its flags and lifetime,
// and that it never takes the focus.
#include "popups/Tooltip.h"

#include "core/control/cTimer.h"
#include "core/platform/SysColors.h"
#include "core/platform/Win32Gdi.h"
#include "core/platform/Win32Text.h"
#include "core/platform/Win32Timer.h"
#include "core/platform/Win32Window.h"
#include "lumokit/LumoKitTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <cmath>

using namespace lumokit;

namespace {

class TooltipTest : public ::testing::Test {
protected:
    void SetUp() override {
        setCursorPosSource([this] { return pointer; });
    }
    void TearDown() override {
        Tooltip::HideTip();
        TimerSeam::setRefuseNewTimers(false);
        setCursorPosSource({});
    }
    static COLORREF pixel(int x, int y) { return GetPixel(Tooltip::current()->hDC(), x, y); }

    QPoint pointer{100, 100};
};

TEST_F(TooltipTest, GradientUpFromTheTooltipColourCentredTextAndABlackFrame) {
    Tooltip::ShowTip(QStringLiteral("&MMM"));
    Tooltip* tip = Tooltip::current();
    ASSERT_NE(tip, nullptr);
    const QSize text = textExtent(tip->hDC(), QStringLiteral("MMM"));
    EXPECT_EQ(tip->geometry(), QRect(100, 122, text.width() + 10, text.height() + 6))
        << "22 pixels below the pointer, 10 pixels wider than the text";
    const int w = tip->width();
    const int h = tip->height();
    EXPECT_EQ(pixel(0, 0), 0u) << "frame";
    EXPECT_EQ(pixel(w - 1, h - 1), 0u) << "frame";
    const COLORREF tooltip = translateColor(0x80000018);
    EXPECT_EQ(pixel(1, h - 2), tooltip) << "the lowest stripes have the tooltip colour";
    EXPECT_EQ(pixel(1, 1), translateColor(tip->BackColor())) << "above the gradient: cleared";
    // The top stripe: h - 4 of h - 3 steps from the tooltip colour to white.
    const auto mix = [h](int to) {
        return static_cast<int>(std::nearbyint((h - 4.0) * (255 - to) / (h - 3) + to));
    };
    EXPECT_EQ(pixel(1, 2),
              RGB(mix(GetRValue(tooltip)), mix(GetGValue(tooltip)), mix(GetBValue(tooltip))));

    // The access-key underline marks where the text starts: centred.
    const QRect black = lumokittest::boundsWhere(QRect(1, 1, w - 2, h - 2),
                                                 [](int x, int y) { return pixel(x, y) == 0; });
    EXPECT_EQ(black.left(), 5);
    EXPECT_NEAR(black.center().y(), h / 2, 3);
}

TEST_F(TooltipTest, OneTipAtATimeUntilHiddenOrExpired) {
    const int timers = TimerSeam::liveCount();
    Tooltip::ShowTip(QString());
    EXPECT_EQ(Tooltip::current(), nullptr) << "an empty text shows nothing";
    EXPECT_FALSE(Tooltip::TipShown());

    Tooltip::ShowTip(QStringLiteral("First"));
    Tooltip* tip = Tooltip::current();
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(Tooltip::TipShown());
    EXPECT_TRUE(tip->isVisible());
    EXPECT_EQ(GetClassLongA(tip->hWnd(), GCL_STYLE) & CS_DROPSHADOW, DWORD(CS_DROPSHADOW));
    EXPECT_EQ(tip->timer()->Interval(), 6000);
    Tooltip::ShowTip(QStringLiteral("Second"));
    EXPECT_EQ(tip->TipText(), QStringLiteral("First")) << "a shown tip stays";

    Tooltip::HideTip();
    EXPECT_EQ(Tooltip::current(), nullptr);
    EXPECT_FALSE(Tooltip::TipShown());
    EXPECT_EQ(TimerSeam::liveCount(), timers);

    Tooltip::ShowTip(QStringLiteral("Third"));
    ASSERT_TRUE(TimerSeam::fire(Tooltip::current()->timer()->TimerID())); // six seconds later
    EXPECT_EQ(Tooltip::current(), nullptr);
    EXPECT_FALSE(Tooltip::TipShown());
    EXPECT_TRUE(Tooltip::TipExpired());
    EXPECT_EQ(TimerSeam::liveCount(), timers);
    Tooltip::HideTip();
    EXPECT_FALSE(Tooltip::TipExpired()) << "a caller's HideTip clears it";
}

TEST_F(TooltipTest, LeftOfThePointerAtTheScreensEdgeAndARefusedTimerIsReported) {
    pointer = QPoint(GetSystemMetrics(SM_CXSCREEN) - 5, 40);
    Tooltip::ShowTip(QStringLiteral("At the edge"));
    ASSERT_NE(Tooltip::current(), nullptr);
    EXPECT_EQ(Tooltip::current()->geometry().right(), pointer.x() - 1);
    Tooltip::HideTip();

    lumokittest::RecordingMessages messages;
    TimerSeam::setRefuseNewTimers(true);
    Tooltip::ShowTip(QStringLiteral("No timer"));
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral(
                                  "LumoKit|Error in Sub ShowTip\nCan't create system timer")});
    ASSERT_NE(Tooltip::current(), nullptr) << "the routine went on";
    EXPECT_TRUE(Tooltip::current()->isVisible());
}

TEST_F(TooltipTest, NeverTakesTheFocus) {
    QWidget form;
    auto* edit = new QLineEdit(&form);
    form.show();
    QApplication::setActiveWindow(&form);
    edit->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([edit] { return edit->hasFocus(); }));
    Tooltip::ShowTip(QStringLiteral("Tip"));
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), edit);
    EXPECT_EQ(QApplication::activeWindow(), &form);
}

} // namespace
