// The status bar as a window: its paint (gradient, placeholder, borders,
// grip), when it repaints, its panel members at their bounds and what it
// saves.
#include "statusbar/lumoStatusbar.h"

#include "core/control/cTimer.h"
#include "core/platform/SysColors.h"
#include "core/platform/Win32Gdi.h"
#include "core/platform/Win32Timer.h"
#include "lumokit/LumoKitTestSupport.h"

#include <lumokit/ComError.h>

#include <gtest/gtest.h>

#include <memory>

using namespace lumokit;
using namespace lumokittest;

namespace {

class Statusbar : public ::testing::Test {
protected:
    void SetUp() override {
        bar = std::make_unique<lumoStatusbar>();
        bar->setControlFont(fixedFont());
        bar->resize(300, 24);
        bar->show(); // resizes reach a shown window at once
        bar->DrawStatusBar();
    }
    COLORREF pixel(int x, int y) const { return fromQColor(bar->surface().pixelColor(x, y)); }
    bool tick() { return TimerSeam::fire(bar->repaintTimer()->TimerID()); }
    // Text and grip strokes: dark pixels over the light gradient.
    bool inkIn(const QRect& area) const {
        return !boundsWhere(area, [&](int x, int y) {
                    return GetRValue(pixel(x, y)) < 128;
                }).isEmpty();
    }

    std::unique_ptr<lumoStatusbar> bar;
};

TEST_F(Statusbar, WithoutPanelsAFramedPlaceholderOverTheGradient) {
    const int w = bar->width();
    const int h = bar->height();
    EXPECT_EQ(pixel(150, h - 1), translateColor(bar->bgColor2())) << "bottom row";
    EXPECT_EQ(pixel(5, 4), translateColor(bar->Framecolor()));
    EXPECT_EQ(pixel(w - 11, h - 5), translateColor(bar->Framecolor()));
    EXPECT_NE(pixel(w - 10, 4), translateColor(bar->Framecolor())) << "frame ends at w - 10";
    EXPECT_FALSE(inkIn(QRect(6, 5, 4, h - 10))) << "the text starts 5 pixels inside the frame";
    EXPECT_TRUE(inkIn(QRect(10, 5, 30, h - 10)));
    EXPECT_TRUE(inkIn(QRect(w - 12, h - 12, 12, 12))) << "the size grip";
}

TEST_F(Statusbar, PanelAndOuterBordersByStyle) {
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    bar->setFramecolor(0x0000FF);
    for (const int border : {0, 1, 2, 3}) { // panels at x = 5, 55, 105, 155
        bar->AddPanel(QStringLiteral("panel"), 40, true, sSize::sNoAutosize,
                      static_cast<lumosBorder>(border));
    }
    EXPECT_EQ(pixel(5, 4), pixel(4, 4)) << "no border";
    EXPECT_EQ(pixel(55, 4), RGB(255, 0, 0)) << "flat, in Framecolor";
    EXPECT_EQ(pixel(105, 4), highlight) << "raised inner edge";
    EXPECT_EQ(pixel(144, 19), shadow);
    EXPECT_EQ(pixel(155, 4), shadow) << "sunken outer edge";
    EXPECT_EQ(pixel(194, 19), highlight);

    bar->setBorderColor(0x00FF00);
    const COLORREF noBorder = pixel(0, 0);
    const COLORREF corners[] = {noBorder, RGB(0, 255, 0), noBorder, highlight};
    for (const int border : {0, 1, 2, 3}) {
        bar->setBorder(static_cast<lumosBorder>(border));
        EXPECT_EQ(pixel(0, 0), corners[border]) << border;
    }
}

TEST_F(Statusbar, AnIdleBarHasNoTimerRunningAndAChangeShowsAtTheNextTick) {
    const COLORREF marker = RGB(1, 2, 3);
    SetPixel(bar->hDC(), 150, 12, marker);
    EXPECT_EQ(bar->repaintTimer()->Interval(), 0) << "nothing to show: no ticks at all";

    bar->setFramecolor(0x0000FF);
    bar->setBorderColor(0x00FF00);
    EXPECT_TRUE(bar->repaintPending());
    EXPECT_EQ(bar->repaintTimer()->Interval(), lumoStatusbar::kRepaintInterval);
    EXPECT_EQ(pixel(150, 12), marker) << "a frame colour waits for the tick";
    ASSERT_TRUE(tick());
    EXPECT_EQ(pixel(5, 4), RGB(255, 0, 0));
    EXPECT_NE(pixel(150, 12), marker);
    EXPECT_EQ(bar->repaintTimer()->Interval(), 0) << "stopped again";

    QFont larger = bar->font();
    larger.setPixelSize(20);
    bar->setControlFont(larger);
    EXPECT_TRUE(bar->repaintPending()) << "a new font shows at the next tick too";
    ASSERT_TRUE(tick());

    SetPixel(bar->hDC(), 150, 12, marker);
    bar->resize(320, 24);
    EXPECT_NE(pixel(150, 12), marker) << "a resize repaints at once";
    EXPECT_FALSE(bar->repaintPending());
}

TEST_F(Statusbar, PanelMembersIgnoreIndexZeroAndRaiseError9OutsideTheList) {
    EXPECT_THROW(bar->PanelCaption(0), ComError) << "no panels yet";
    bar->AddPanel(QStringLiteral("one"), 50);
    bar->AddPanel(QStringLiteral("two"), 60, false, sSize::sContents);
    EXPECT_EQ(bar->PanelCaption(0), QString());
    bar->setPanelCaption(0, QStringLiteral("ignored"));
    EXPECT_EQ(bar->PanelCaption(1), QStringLiteral("one"));
    EXPECT_EQ(bar->PanelWidth(2), 60) << "hidden: not measured";
    EXPECT_THROW(bar->PanelCaption(3), ComError);
    EXPECT_THROW(bar->setPanelWidth(-1, 5), ComError);
}

TEST_F(Statusbar, SavesItsFiveKeysInOrderButNoPanels) {
    PropertyBag bag;
    bar->writeTo(bag);
    EXPECT_EQ(bag.count(), 0) << "all at their defaults";
    bar->setBorderColor(0x010203);
    bar->setBorder(lumosBorder::lumos3dDownBorder);
    bar->setFramecolor(0x040506);
    bar->setbgColor1(0x070809);
    bar->setbgColor2(0x0A0B0C);
    bar->AddPanel(QStringLiteral("one"), 50);
    bar->writeTo(bag);
    EXPECT_EQ(bag.keys().join(QLatin1Char(' ')),
              QStringLiteral("bgColor2 bgColor1 Framecolor Border BorderColor"));
    lumoStatusbar loaded;
    loaded.readFrom(PropertyBag::fromJson(bag.toJson()));
    for (const char* name : {"bgColor2", "bgColor1", "Framecolor", "Border", "BorderColor"}) {
        EXPECT_EQ(loaded.property(name), bar->property(name)) << name;
    }
    EXPECT_EQ(loaded.panelCount(), 0);
}

} // namespace
