// The toolbar's menu window: entry heights and the size it takes, the entry
// under the mouse, what a click chooses (and what it leaves alone), closing
// rules, sub-menus and the screen-height cut, and a few decisive pixels.
#include "ToolbarTestSupport.h"

#include "core/platform/SysColors.h"
#include "core/platform/Win32Gdi.h"
#include "core/platform/Win32Text.h"
#include "core/platform/Win32Window.h"
#include "toolbar/frmdropdown.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

using namespace tbtest;

namespace {

constexpr COLORREF kOver = RGB(200, 210, 220);
constexpr COLORREF kBorderOver = RGB(4, 5, 6);
constexpr COLORREF kChecked = RGB(90, 200, 90);
constexpr COLORREF kBorderDown = RGB(7, 8, 9);

// Rows 26 high: 1 "Open" 0..25, 2 "Save" (disabled) 26..51, 3 separator,
// 4 "Mail" (drop-down with two sub-entries), 5 "Bold" (check box).
class DropDownMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        menu = std::make_unique<frmdropdown>();
        DropDownSettings s;
        s.m_Style = lumoStyle::lumoXP;
        s.m_ButtonColorOver = kOver;
        s.m_ButtonBorderColorOver = kBorderOver;
        s.m_CheckedColor = kChecked;
        s.m_ButtonBorderColorDown = kBorderDown;
        s.font = fixedFont();
        menu->applySettings(s);
        menu->beginMenu();
        menu->AddMenu(QStringLiteral("Open"), {}, sStyle::sNormal, 11, true, true, false, 0);
        menu->AddMenu(QStringLiteral("Save"), {}, sStyle::sNormal, 12, false, true, false, 0);
        menu->AddMenu(QStringLiteral("-"), {}, sStyle::sSeparate, 13, true, true, false, 0);
        menu->AddMenu(QStringLiteral("Mail"), {}, sStyle::sDropDown, 14, true, true, false, 0);
        menu->AddSubMenu(4, QStringLiteral("To all"), {}, sStyle::sNormal, true, true, false, 0);
        menu->AddSubMenu(4, QStringLiteral("Reply"), {}, sStyle::sCheckBox, true, true, true, 0);
        menu->AddMenu(QStringLiteral("Bold"), {}, sStyle::sCheckBox, 15, true, true, true, 0);
        menu->showAt(100 * 15, 50 * 15);
    }
    void TearDown() override { ReleaseCapture(); }

    COLORREF pixel(int x, int y) const { return GetPixel(menu->hDC(), x, y); }
    int rowY(LONG entry) const { return menu->menu().entryOffset(entry) + 5; }

    std::unique_ptr<frmdropdown> menu;
};

TEST_F(DropDownMenuTest, EntriesStackByTheirHeightsTheWindowFitsThemAPressOutsideCancels) {
    const DropDownMenu& m = menu->menu();
    EXPECT_EQ(m.entry(3)->height, DropDownMenu::kDrawnSeparatorHeight)
        << "added 5 high, drawn 3 high from then on";
    // 1 + 26 + 26 + 3 + 26 + 26 + 1
    EXPECT_EQ(menu->height(), 109);
    const int widest = textExtent(menu->hDC(), QStringLiteral("Open")).width();
    EXPECT_GE(menu->width(), 26 + 70 + widest);
    const struct {
        double x, y;
        LONG entry;
    } cases[] = {{5, 0, 1},  {5, 25, 1},  {5, 26, 2},  {5, 52, 3}, {5, 54, 3},
                 {5, 55, 4}, {5, 106, 5}, {5, 107, 0}, {-1, 5, 0}, {5, -1, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(menu->IsWithinButton(c.x, c.y), c.entry) << c.x << "," << c.y;
    }
    EXPECT_EQ(QPoint(menu->x(), menu->y()), QPoint(100, 50));
    EXPECT_EQ(GetCapture(), menu->hWnd()) << "a shown menu holds the mouse";
    EXPECT_TRUE(GetClassLongA(menu->hWnd(), GCL_STYLE) & CS_DROPSHADOW);

    sendMouse(menu.get(), QEvent::MouseButtonPress, QPointF(-5, 10)); // captured: outside
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(menu->result().IsCancel);
    EXPECT_TRUE(menu->result().isSubCancel);
}

TEST_F(DropDownMenuTest, OnlyAnEnabledEntryIsChosenAndToggledByAClick) {
    QSignalSpy closed(menu.get(), &frmdropdown::Unloaded);
    for (const int y : {rowY(2), 53, 108}) { // disabled, separator, empty space
        clickAt(menu.get(), QPointF(30, y));
    }
    EXPECT_EQ(closed.count(), 0);
    EXPECT_FALSE(menu->menu().entry(2)->isChecked) << "a disabled entry keeps its state";
    EXPECT_FALSE(menu->menu().entry(3)->isChecked);

    clickAt(menu.get(), QPointF(30, rowY(1)));
    ASSERT_EQ(closed.count(), 1);
    const DropDownResult r = menu->result();
    EXPECT_FALSE(r.IsCancel);
    EXPECT_TRUE(r.isSubCancel) << "a top-level entry";
    EXPECT_EQ(r.MenuIndex, 1);
    EXPECT_EQ(r.GroupID, 11);
    EXPECT_TRUE(r.newvalue) << "a plain entry toggles too";
    EXPECT_FALSE(menu->isVisible());
    EXPECT_NE(GetCapture(), menu->hWnd());
}

TEST_F(DropDownMenuTest, ASubMenuOpensFromTheArrowAndGoingBackKeepsTheParentOpen) {
    const int w = menu->width();
    sendMove(menu.get(), QPointF(w - 30, rowY(4)));
    EXPECT_EQ(menu->subMenu(), nullptr) << "only the last 18 pixels open it";
    sendMove(menu.get(), QPointF(w - 10, rowY(4)));
    frmdropdown* sub = menu->subMenu();
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(sub->isSubMenu);
    EXPECT_EQ(sub->SubButtonIndex, 4);
    EXPECT_EQ(sub->menu().count(), 2);
    EXPECT_EQ(sub->x(), menu->x() + w - 1);
    EXPECT_EQ(GetCapture(), sub->hWnd());

    QSignalSpy parentClosed(menu.get(), &frmdropdown::Unloaded);
    sendMove(sub, QPointF(-25, 5));
    EXPECT_EQ(menu->subMenu(), nullptr);
    EXPECT_EQ(parentClosed.count(), 0);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(GetCapture(), menu->hWnd()) << "the parent holds the mouse again";

    sendMove(menu.get(), QPointF(w - 10, rowY(4)));
    sub = menu->subMenu();
    ASSERT_NE(sub, nullptr);
    clickAt(sub, QPointF(30, 30)); // "Reply", checked before
    ASSERT_EQ(parentClosed.count(), 1);
    const DropDownResult r = menu->result();
    EXPECT_FALSE(r.IsCancel);
    EXPECT_FALSE(r.isSubCancel) << "a sub-entry was chosen";
    EXPECT_EQ(r.GroupID, 14) << "the parent entry's own ID";
    EXPECT_EQ(r.MenuIndex, 2);
    EXPECT_FALSE(r.newvalue);
}

TEST_F(DropDownMenuTest, TheArrowOfAnEntryWithoutSubEntriesIsAChoiceOfItsOwn) {
    menu->beginMenu();
    menu->AddMenu(QStringLiteral("Print"), {}, sStyle::sDropDown, 7, true, true, false, 0);
    QSignalSpy closed(menu.get(), &frmdropdown::Unloaded);
    sendMove(menu.get(), QPointF(menu->width() - 5, 5));
    ASSERT_EQ(closed.count(), 1);
    const DropDownResult r = menu->result();
    EXPECT_TRUE(r.isCustomSub);
    EXPECT_FALSE(r.IsCancel);
    EXPECT_EQ(r.customButton, 7);
    EXPECT_EQ(r.customLeft, 100 * 15 - 15);
    EXPECT_EQ(r.customTop, 50 * 15);
}

TEST_F(DropDownMenuTest, AMenuTallerThanTheScreenIsCutShortOfIt) {
    const int screen = GetSystemMetrics(SM_CYSCREEN);
    for (int i = 0; i < screen / 26 + 2; ++i) {
        menu->AddMenu(QStringLiteral("Row"), {}, sStyle::sNormal, i, true, true, false, 0);
        if (i > screen / 26) {
            EXPECT_EQ(menu->height(), screen - DropDownMenu::kScreenMargin) << i;
        }
    }
}

TEST_F(DropDownMenuTest, HotEntryCheckedCellSeparatorAndFrame) {
    sendMove(menu.get(), QPointF(30, rowY(1)));
    const int right = menu->width() - 2;
    EXPECT_EQ(pixel(1, 10), kOver) << "the hot row is filled from 0";
    EXPECT_EQ(pixel(2, 10), kBorderOver) << "and framed from 2";
    EXPECT_EQ(pixel(right - 1, 10), kBorderOver);
    // "Bold", checked: the cell (2, top + 1, 24, bottom - 1) of its row.
    const int boldTop = 2 + 26 + 26 + 3 + 26;
    EXPECT_EQ(pixel(2, boldTop + 1), kBorderDown);
    EXPECT_EQ(pixel(10, boldTop + 10), kChecked);
    EXPECT_EQ(pixel(40, 2 + 52), RGB(192, 192, 192)) << "separator";
    EXPECT_EQ(pixel(0, 0), RGB(102, 102, 102)) << "the window's frame";
}

} // namespace
