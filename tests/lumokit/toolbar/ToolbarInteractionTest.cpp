// The toolbar's state rules without painting or windows: which look an
// item takes, which events a press, move, release and click raise and in
// which order, the chevron zone, the tooltip delay, and what the closing
// menu windows report.
#include "ToolbarTestSupport.h"

#include "toolbar/ToolbarInteraction.h"

#include <gtest/gtest.h>

using namespace tbtest;

namespace {

// Widths as AddButton stores them on a bar 24 pixels high:
// 1 push 7..30, 2 drop-down 31..66, 3 check box 67..90, 4 separator 91..94,
// 5 disabled push 95..118, 6 push 119..142.
class ToolbarInteractionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ToolbarModel::NewButton open = newButton(QStringLiteral("Open"));
        open.toolText = QStringLiteral("Open a file");
        open.description = QStringLiteral("open");
        add(open);
        add(newButton(QStringLiteral("Mail"), sStyle::sDropDown));
        add(newButton(QStringLiteral("Bold"), sStyle::sCheckBox));
        add(newButton({}, sStyle::sSeparate));
        ToolbarModel::NewButton disabled = newButton(QStringLiteral("Off"));
        disabled.enable = false;
        add(disabled);
        add(newButton(QStringLiteral("Last")));
        settings.MoreText = QStringLiteral("More...");
    }
    void add(const ToolbarModel::NewButton& item) { model.AddButton(item, 24); }

    void press(float x, float y = 5) { bar.MouseDown(run, 1, 0, x, y); }
    void move(float x, float y = 5, int button = 0) { bar.MouseMove(run, button, 0, x, y); }
    void click(float x, float y = 5) {
        press(x, y);
        bar.MouseUp(run, 1, 0, x, y, true);
        bar.Click(run);
    }
    QStringList events() {
        QStringList kept;
        for (const QString& entry : host.log) {
            if (!entry.startsWith(QLatin1String("Mouse"))) {
                kept.append(entry);
            }
        }
        host.log.clear();
        return kept;
    }

    ToolbarModel model;
    ToolbarSettings settings;
    RecordingHost host;
    ToolbarInteraction bar{model, settings, host};
    ToolbarInteraction::Step run = [](const ToolbarInteraction::Statement& s) {
        s();
        return true;
    };
};

TEST_F(ToolbarInteractionTest, AClickRaisesDownUpButtonClickAndClickInOrder) {
    move(10);
    EXPECT_EQ(host.log, QStringList{"MouseOverButton(1,open)"});
    EXPECT_EQ(bar.state().HoverIndex, 0);
    host.log.clear();

    press(10);
    EXPECT_EQ(bar.state().PressedIndex, 0);
    EXPECT_EQ(bar.state().HoverIndex, -1) << "the pressed look replaces the hover look";
    bar.MouseUp(run, 1, 2, 10.5f, 5, true);
    bar.Click(run);
    EXPECT_EQ(host.log, (QStringList{"MouseDown(1,0,10,5)", "MouseUp(1,2,10.5,5)", "ButtonClick(1)",
                                     "Click"}));
    EXPECT_EQ(bar.state().LastMouseX, 10) << "halves round to even";
    EXPECT_EQ(bar.state().PressedIndex, -1);
    EXPECT_FALSE(bar.state().MouseIsDown);
}

TEST_F(ToolbarInteractionTest, WhatAClickRaisesDependsOnTheItem) {
    struct Case {
        const char* what;
        float x;
        QStringList events;
    };
    const Case cases[] = {
        {"disabled button", 100, {"Click"}},
        {"separator", 92, {"Click"}},
        {"empty space", 170, {"Click"}},
        {"grip", 3, {"Click"}},
        {"check box", 70, {"ButtonClick(3)", "Click"}},
        {"drop-down main part", 40, {"ButtonClick(2)", "Click"}},
        {"drop-down arrow", 60, {"open list 2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        click(c.x);
        EXPECT_EQ(events(), c.events);
    }
    EXPECT_TRUE(model.button(3)->isChecked) << "the check box toggled once";
    click(70);
    EXPECT_FALSE(model.button(3)->isChecked);
}

TEST_F(ToolbarInteractionTest, NoMouseOverButtonForSeparatorsAndNoneWhileNothingIsHot) {
    move(92);
    move(170);
    EXPECT_TRUE(host.log.filter(QStringLiteral("MouseOverButton")).isEmpty());
    EXPECT_EQ(bar.state().HoverIndex, -2) << "no item: one below the missing index";
}

TEST_F(ToolbarInteractionTest, MovingOffOrAReleaseNoClickFollowsEndsThePressAlsoOfTheFirstItem) {
    for (const float x : {10.0f, 80.0f}) {
        press(x);
        move(x + 60);
        EXPECT_EQ(bar.state().PressedIndex, -1) << x;
        bar.MouseUp(run, 1, 0, x + 60, 5, true);
        bar.Click(run);
        EXPECT_EQ(events(), QStringList{"Click"});
    }

    bar.MouseDown(run, 2, 0, 10, 5);
    EXPECT_EQ(bar.state().PressedIndex, 0);
    bar.MouseUp(run, 2, 0, 10, 5, false);
    EXPECT_EQ(bar.state().PressedIndex, -1) << "a right click leaves no button pressed";
    EXPECT_FALSE(bar.state().MouseIsDown);
}

TEST_F(ToolbarInteractionTest, TheChevronZoneOpensTheOverflowListAndItemsUnderItDoNotFire) {
    host.size = QSize(130, 24); // item 6 (119..142) reaches under the zone
    move(125);
    EXPECT_TRUE(bar.state().InMoreZone);
    EXPECT_EQ(bar.state().HoverIndex, -1);
    press(125);
    EXPECT_EQ(bar.state().PressedIndex, -1) << "nothing is pressed in the zone";
    bar.MouseUp(run, 1, 0, 125, 5, true);
    bar.Click(run);
    EXPECT_EQ(events(), QStringList{"open overflow 6"});

    host.size = QSize(100, 24); // the zone starts after 90; item 3 ends at 90, item 5 spans 100
    move(80);
    click(80);
    EXPECT_EQ(events(), QStringList{"Click"});
    EXPECT_FALSE(model.button(3)->isChecked);

    // In the zone of a bar whose items all fit, a click is a plain click.
    host.size = QSize(200, 24);
    move(195);
    click(195);
    EXPECT_EQ(events(), QStringList{"Click"});
}

TEST_F(ToolbarInteractionTest, LeavingResetsTheLooksUnlessADropDownListIsOpen) {
    press(60);
    bar.state().DropDownOpen = true;
    bar.MouseLeave(run);
    EXPECT_EQ(bar.state().PressedIndex, 1) << "the dropped button stays pressed";
    EXPECT_TRUE(host.log.filter(QStringLiteral("MouseOut")).isEmpty());

    bar.state().DropDownOpen = false;
    move(195);
    ASSERT_TRUE(bar.state().InMoreZone);
    bar.MouseLeave(run);
    EXPECT_EQ(bar.state().PressedIndex, -1);
    EXPECT_EQ(bar.state().HoverIndex, -1);
    EXPECT_FALSE(bar.state().InMoreZone) << "the chevron loses its hover look too";
    EXPECT_FALSE(bar.state().LeaveTracking);
    EXPECT_EQ(host.log.last(), QStringLiteral("MouseOut(1,0,1,1)"));
}

TEST_F(ToolbarInteractionTest, EveryMoveArmsTheLeaveNoticeExceptOverThePressedItem) {
    move(10);
    move(12);
    EXPECT_EQ(host.leaveArms, 2);
    EXPECT_TRUE(bar.state().LeaveTracking);
    press(12);
    move(14, 5, 1);
    EXPECT_EQ(host.leaveArms, 2);
}

// The delay, the texts and hiding are seen through real windows in
// ToolbarControlTest.
TEST_F(ToolbarInteractionTest, NoNewTipWhileOneShowsOrAMouseButtonIsDown) {
    move(10);
    EXPECT_EQ(host.tipDelay, ToolbarInteraction::kTipDelay);
    bar.TipTimerTick(run);
    EXPECT_EQ(bar.state().ToolTipItem, 1);
    EXPECT_EQ(host.tipDelay, 0);
    move(12, 5, 1); // the same item: its tip is not hidden
    EXPECT_EQ(host.tipDelay, 0) << "not while a mouse button is down";
    host.tipBlocked = true; // a tip shows
    move(40);
    EXPECT_EQ(host.tipDelay, 0) << "no new tip while one shows or expired";
}

TEST_F(ToolbarInteractionTest, ResizeNamesTheItemUnderTheRightEndAndRepaints) {
    host.size = QSize(130, 24);
    bar.Resize(run);
    EXPECT_EQ(host.log, QStringList{"ResizeBar(5)"}) << "x = 118, SW - 12";
    EXPECT_EQ(host.draws, 1);
}

TEST_F(ToolbarInteractionTest, OnlyEnterRaisesKeyDownAndKeyUpWhileEveryKeyRaisesKeyPress) {
    for (int key : {13, 65}) {
        int shift = 1;
        bar.KeyDown(run, key, shift);
        bar.KeyUp(run, key, shift);
        bar.KeyPress(run, key);
    }
    EXPECT_EQ(host.log,
              (QStringList{"KeyDown(13,1)", "KeyUp(13,1)", "KeyPress(13)", "KeyPress(65)"}));
}

// A choice in the drop-down list, a sub-item and a check-box button in the
// overflow list and a pop-up sub-item are chosen through real windows in
// ToolbarControlTest; here the results those windows cannot easily give.
TEST_F(ToolbarInteractionTest, ClosedMenusReportTheChoiceAndStoreTheCheckState) {
    model.AddPopUpMenu(newItem(QStringLiteral("Cut")));
    model.AddPopUpSubMenu(1, newItem(QStringLiteral("Word")));
    click(60); // opens the list of button 2
    host.log.clear();
    DropDownResult cancel;
    cancel.IsCancel = true;
    bar.DropDownClosed(run, cancel);
    EXPECT_FALSE(bar.state().DropDownOpen);
    EXPECT_EQ(bar.state().PressedIndex, -1);
    bar.OverflowClosed(run, cancel);
    bar.PopUpClosed(run, cancel);
    EXPECT_EQ(events(), QStringList{});

    DropDownResult arrow; // the arrow of a drop-down button without items
    arrow.isCustomSub = true;
    arrow.isSubCancel = true;
    arrow.customButton = 2;
    arrow.customLeft = 1500;
    arrow.customTop = 300;
    bar.OverflowClosed(run, arrow);
    EXPECT_EQ(events(), QStringList{"DropButtonClick(2,1500,300,1,1)"});

    DropDownResult popUp;
    popUp.isSubCancel = true;
    popUp.MenuIndex = 1;
    popUp.newvalue = true;
    DropDownResult sub = popUp;
    sub.isSubCancel = false;
    sub.GroupID = 1;
    for (const DropDownResult& r : {popUp, sub}) {
        bar.PopUpClosed(run, r);
    }
    EXPECT_EQ(events(), (QStringList{"changed PopUpIsChecked", "PopUpMenuClick(1)",
                                     "changed PopUpSubMenuIsChecked", "PopUpSubMenuClick(1,1)"}));
    EXPECT_TRUE(model.popUpItem(1)->isChecked);
    EXPECT_TRUE(model.popUpSubItem(1, 1)->isChecked);
}

} // namespace
