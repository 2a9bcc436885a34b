// The tab strip's rules without a surface: tab widths, the hit test and its
// boundaries, which clicks and keys select and announce a tab.
#include "tabstrip/TabStripModel.h"

#include <gtest/gtest.h>

using namespace lumokit;

namespace {

constexpr int H = 60;

// Captions whose width is their length times ten: "abc" is 30 pixels.
int tenPerLetter(const QString& caption) {
    return 10 * static_cast<int>(caption.size());
}

TabStripModel threeTabs(lumoTabstyle style = lumoTabstyle::IconCaption) {
    TabStripModel model;
    for (const char* caption : {"abc", "abcd", "abcde"}) {
        TabRecord tab;
        tab.caption = QString::fromLatin1(caption);
        tab.enabled = tab.visible = true;
        model.addTab(tab);
    }
    model.layOut(style, tenPerLetter);
    return model;
}

TEST(TabStripModel, WidthsFollowTheStyleAndHiddenTabsTakeNoRoom) {
    TabStripModel model = threeTabs();
    EXPECT_EQ(model.rightEdge, 216);
    EXPECT_EQ(model.at(1).width, 62);
    EXPECT_EQ(model.at(2).width, 72);
    EXPECT_EQ(model.at(3).width, 82);
    EXPECT_EQ(threeTabs(lumoTabstyle::IconOnly).rightEdge, 3 * 24);
    EXPECT_EQ(threeTabs(lumoTabstyle::CaptionOnly).rightEdge, 38 + 48 + 58);

    model.tabToWrite(2)->visible = false;
    EXPECT_EQ(model.layOut(lumoTabstyle::IconCaption, tenPerLetter), 62 + 82);
    EXPECT_EQ(model.HitTest(63, H - 1, H), 3) << "tab 3 moves left into the room of tab 2";
}

TEST(TabStripModel, HitTestOwnsTheRightEdgeAndSkipsTheTopRowOfTheTabRow) {
    const TabStripModel model = threeTabs();
    struct Case {
        LONG x, y, tab;
    };
    for (const Case c :
         {Case{0, H - 1, 1}, Case{62, H - 1, 1}, Case{63, H - 1, 2}, Case{134, H - 12, 2},
          Case{135, H - 12, 3}, Case{216, H - 12, 3}, Case{217, H - 12, 0}, Case{-1, H - 12, 0},
          Case{10, H - 24, 0}, Case{10, H - 23, 1}, Case{10, H, 0}}) {
        EXPECT_EQ(model.HitTest(c.x, c.y, H), c.tab) << c.x << "," << c.y;
    }
}

TEST(TabStripModel, ClicksSelectEnabledTabsInsideTheRowOnly) {
    TabStripModel model = threeTabs();
    model.tabToWrite(2)->enabled = false;
    const auto clickAt = [&](LONG x, LONG y) {
        model.mouseMove(x, y, H);
        return model.click(H);
    };
    EXPECT_EQ(clickAt(100, H - 24), std::nullopt) << "the first row of the tab row";
    EXPECT_EQ(clickAt(0, H - 12), std::nullopt) << "the left edge";
    EXPECT_EQ(clickAt(216, H - 12), std::nullopt) << "the right edge of the tabs";
    EXPECT_EQ(clickAt(100, H - 12), std::nullopt) << "a disabled tab";
    EXPECT_EQ(model.Selected, 1);
    EXPECT_EQ(clickAt(150, H - 23), 3);
    EXPECT_EQ(model.Selected, 3);
    EXPECT_EQ(model.focusTab, 3);
}

TEST(TabStripModel, KeysMoveOverDisabledTabsButAnnounceEnabledOnesOnly) {
    TabStripModel model = threeTabs();
    model.tabToWrite(2)->enabled = false;
    model.Selected = 0;
    model.settleForPaint();
    EXPECT_EQ(model.Selected, 1) << "Selected 0 shows tab 1";
    EXPECT_EQ(model.keyUp(VK_RIGHT), std::nullopt) << "no focus, no keys";

    model.hasFocus = true;
    EXPECT_EQ(model.keyUp(VK_LEFT), std::nullopt);
    EXPECT_EQ(model.Selected, 1) << "nothing left of tab 1";
    EXPECT_EQ(model.keyUp(VK_RIGHT), std::nullopt);
    EXPECT_EQ(model.Selected, 2) << "onto the disabled tab, unannounced";
    model.keyDown(VK_RETURN);
    EXPECT_EQ(model.pressed, 0) << "a disabled tab does not look pressed";
    EXPECT_EQ(model.keyUp(VK_RETURN), std::nullopt);
    EXPECT_EQ(model.keyUp(VK_RIGHT), 3);
    model.keyDown(VK_RETURN);
    EXPECT_EQ(model.pressed, 3);
    EXPECT_EQ(model.keyUp(VK_RETURN), 3);
    EXPECT_EQ(model.pressed, 0);
    EXPECT_EQ(model.keyUp(VK_RIGHT), std::nullopt) << "nothing right of the last";
    EXPECT_EQ(model.Selected, 3);
}

} // namespace
