// The toolbar as a whole: its members through dispatch and which of its
// writers tell the host and repaint, the error trap of a click, and the
// flows that go through real windows (drop-down, overflow and pop-up menus,
// the tooltip delay, the mouse leaving).
#include "ToolbarTestSupport.h"
#include "lumokit/DispatchWriters.h"

#include "core/control/cTimer.h"
#include "core/platform/SysColors.h"
#include "core/platform/Win32Gdi.h"
#include "core/platform/Win32Timer.h"
#include "core/platform/Win32Window.h"
#include "popups/Tooltip.h"
#include "toolbar/frmdropdown.h"
#include "toolbar/lumoadvToolbarBindings.h"

#include <lumokit/ComControl.h>
#include <lumokit/DispatchClient.h>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace tbtest;

namespace {

constexpr COLORREF kScribble = RGB(255, 0, 255);

TEST(ToolbarControlTest, WritersTellTheHostAndRepaintAsTheirContractSays) {
    ComPtr<IDispatch> object = createObject(CLSID_lumoadvToolbar);
    DispatchClient client(object);
    auto* toolbar = qobject_cast<lumoadvToolbar*>(object.as<IControl>()->GetWidget());
    ASSERT_NE(toolbar, nullptr);
    FakeContainer container;
    toolbar->setContainer(&container);
    toolbar->resize(300, 24);
    toolbar->AddButton({}, QStringLiteral("Mail"), sStyle::sDropDown);
    toolbar->AddMenu(1, QStringLiteral("To all"), {}, sStyle::sNormal);
    toolbar->AddPopUpMenu(QStringLiteral("Cut"), {});
    toolbar->AddPopUpSubMenu(1, QStringLiteral("Word"), {});

    const InterfaceInfo& iface = defaultInterfaceOf(CLSID_lumoadvToolbar);
    expectEveryMemberBound(lumoadvToolbarBindings::bindings(), iface);

    const QStringList repainting =
        QStringLiteral("ButtonColor ButtonColorOver ButtonColorDown ButtonBorderColor "
                       "ButtonBorderColorOver ButtonBorderColorDown CheckedColor IconSizeWidth "
                       "IconSizeHeight Style Border BackgroundFade StripColor SepColor ToolbarFont "
                       "ButtonPicture ButtonEnable ButtonVisible ButtonIsChecked ButtonCaption "
                       "ButtonStyle ButtonShowCaption DropDownCount ButtonPlaceHolderWidth")
            .split(QLatin1Char(' '));
    for (const MemberInfo& member : iface.members) {
        if (member.kind != InvokeKind::PropertyPut && member.kind != InvokeKind::PropertyPutRef) {
            continue;
        }
        const QString& name = member.name;
        SCOPED_TRACE(name.toStdString());
        const QVariantList indexes(qsizetype(member.params.size()) - 1, 1); // all at 1
        const bool background = name.startsWith(QLatin1String("bg"));
        // The value it has: hosts rewrite a value to force a repaint. Only a
        // new background colour repaints.
        QVariant value = client.get(name, indexes);
        if (background) {
            value = QVariant::fromValue<quint32>(value.toUInt() ^ 0x123456u);
        }
        SetPixel(toolbar->hDC(), 290, 12, kScribble);
        container.changed.clear();
        if (member.kind == InvokeKind::PropertyPutRef) {
            client.putRef(name, value, indexes);
        } else {
            client.put(name, value, indexes);
        }
        EXPECT_EQ(container.changed, background ? QStringList{} : QStringList{name});
        const bool repainted = GetPixel(toolbar->hDC(), 290, 12) != kScribble;
        EXPECT_EQ(repainted, background || repainting.contains(name));
        if (background) { // the same value again: nothing at all
            SetPixel(toolbar->hDC(), 290, 12, kScribble);
            client.put(name, value, indexes);
            EXPECT_EQ(GetPixel(toolbar->hDC(), 290, 12), kScribble);
        }
    }
    toolbar->setContainer(nullptr);
}

TEST(ToolbarControlTest, AFailingClickAsksRetryAndRunsTheStatementAgain) {
    RecordingMessages messages;
    messages.retries = 1;
    auto toolbar = makeToolbar();
    toolbar->AddButton({}, QStringLiteral("Open"));
    int clicks = 0;
    QObject::connect(toolbar.get(), &lumoadvToolbar::ButtonClick, toolbar.get(), [&] {
        ++clicks;
        throw std::runtime_error("host failed");
    });
    EventLog log(toolbar.get());
    clickAt(toolbar.get(), QPointF(10, 5));
    EXPECT_EQ(clicks, 2) << "Retry raised it again";
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[0],
              QStringLiteral("LumoKit|host failed\nError in Sub UserControl_Click?"));
    EXPECT_FALSE(log.entries.contains(QStringLiteral("Click"))) << "Cancel ends the handler";
}

class ToolbarWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        toolbar = makeToolbar(300, 24);
        toolbar->move(40, 30);
        log = std::make_unique<EventLog>(toolbar.get());
    }
    void TearDown() override {
        Tooltip::HideTip();
        ReleaseCapture();
    }
    int entryY(frmdropdown* menu, LONG entry) const { return menu->menu().entryOffset(entry) + 5; }
    void addOpenAndMail() {
        toolbar->AddButton({}, QStringLiteral("Open"));                    // 7..29
        toolbar->AddButton({}, QStringLiteral("Mail"), sStyle::sDropDown); // 30..62
        toolbar->AddMenu(2, QStringLiteral("To all"), {}, sStyle::sNormal);
        toolbar->AddMenu(2, QStringLiteral("Reply"), {}, sStyle::sNormal);
    }

    std::unique_ptr<lumoadvToolbar> toolbar;
    std::unique_ptr<EventLog> log;
};

TEST_F(ToolbarWindowsTest, TheArrowOpensTheListBelowTheButtonAndAChoiceComesBack) {
    addOpenAndMail();
    toolbar->DrawControl();
    clickAt(toolbar.get(), QPointF(58, 5));
    frmdropdown* list = toolbar->dropDownWindow();
    ASSERT_TRUE(list->isVisible());
    EXPECT_TRUE(toolbar->state().DropDownOpen);
    EXPECT_EQ(toolbar->state().PressedIndex, 1) << "the button stays pressed";
    const QPoint corner = toolbar->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(list->pos(), QPoint(corner.x() + 30, corner.y() + 23));
    EXPECT_EQ(log->entries, (QStringList{"MouseDown(1,0,58,5)", "MouseUp(1,0,58,5)"}))
        << "neither ButtonClick nor Click";

    sendLeave(toolbar.get());
    EXPECT_EQ(toolbar->state().PressedIndex, 1) << "leaving keeps the pressed look";

    log->entries.clear();
    clickAt(list, QPointF(20, entryY(list, 2)));
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(log->entries, (QStringList{"DropMenuClick(2,2)", "MouseOut(1,1,1,1)"}));
    EXPECT_TRUE(toolbar->DropDownIsChecked(2, 2));
    EXPECT_FALSE(toolbar->state().DropDownOpen);
    EXPECT_EQ(toolbar->state().PressedIndex, -1);
}

TEST_F(ToolbarWindowsTest, AnArrowWithoutItemsRaisesDropButtonClickInTwips) {
    toolbar->AddButton({}, QStringLiteral("Open"));
    toolbar->AddButton({}, QStringLiteral("Print"), sStyle::sDropDown);
    toolbar->DrawControl();
    clickAt(toolbar.get(), QPointF(58, 5));
    const QPoint corner = toolbar->mapToGlobal(QPoint(0, 0));
    const int L = corner.x() * 15;
    const int T = (corner.y() + 23) * 15;
    const int Off = 30 * 15;
    EXPECT_EQ(log->entries.last(), QStringLiteral("DropButtonClick(2,%1,%2,%3,%2)")
                                       .arg(L + Off)
                                       .arg(T)
                                       .arg(corner.x() + Off - 300));
    EXPECT_FALSE(toolbar->dropDownWindow()->isVisible());
}

TEST_F(ToolbarWindowsTest, TheOverflowListStartsAtTheFirstHiddenButtonAndKeepsItsItems) {
    toolbar->resize(60, 24); // Mail lies past the edge
    addOpenAndMail();
    toolbar->AddButton({}, QStringLiteral("Bold"), sStyle::sCheckBox);
    toolbar->DrawControl();
    clickAt(toolbar.get(), QPointF(55, 5));
    frmdropdown* more = toolbar->overflowWindow();
    ASSERT_TRUE(more->isVisible());
    EXPECT_TRUE(toolbar->state().MoreOpen);
    ASSERT_EQ(more->menu().count(), 2) << "from R = 2, the item under SW - 10";
    EXPECT_EQ(more->menu().entry(1)->ID, 2);
    EXPECT_EQ(more->menu().entry(1)->SubCount(), 2) << "Mail's items under Mail's entry";
    EXPECT_EQ(more->menu().entry(2)->SubCount(), 0);

    sendMove(more, QPointF(more->width() - 5, entryY(more, 1)));
    frmdropdown* sub = more->subMenu();
    ASSERT_NE(sub, nullptr);
    log->entries.clear();
    clickAt(sub, QPointF(20, 30));
    EXPECT_EQ(log->entries, (QStringList{"DropMenuClick(2,2)", "MouseOut(1,1,1,1)"}));
    EXPECT_TRUE(toolbar->DropDownIsChecked(2, 2));
    EXPECT_FALSE(toolbar->state().MoreOpen);

    clickAt(toolbar.get(), QPointF(55, 5));
    log->entries.clear();
    clickAt(more, QPointF(20, entryY(more, 2)));
    EXPECT_EQ(log->entries.first(), QStringLiteral("ButtonClick(3)"));
    EXPECT_TRUE(toolbar->ButtonIsChecked(3)) << "a check box chosen in the list toggles";
}

TEST_F(ToolbarWindowsTest, ThePopUpMenuShowsWhereTheHostSaysAndReportsASubItem) {
    LONG left = 1500;
    LONG top = 3000;
    toolbar->ShowPopUp(left, top);
    EXPECT_FALSE(toolbar->popUpWindow()->isVisible()) << "no items, nothing shown";

    toolbar->AddPopUpMenu(QStringLiteral("Cut"), {});
    toolbar->AddPopUpMenu(QStringLiteral("Paste as"), {}, sStyle::sDropDown);
    toolbar->AddPopUpSubMenu(2, QStringLiteral("Text"), {});
    toolbar->AddPopUpSubMenu(2, QStringLiteral("Picture"), {});
    toolbar->ShowPopUp(left, top);
    frmdropdown* popUp = toolbar->popUpWindow();
    ASSERT_TRUE(popUp->isVisible());
    EXPECT_TRUE(popUp->xPopupMenu);
    EXPECT_EQ(popUp->pos(), QPoint(100, 200));

    sendMove(popUp, QPointF(popUp->width() - 5, entryY(popUp, 2)));
    ASSERT_NE(popUp->subMenu(), nullptr);
    clickAt(popUp->subMenu(), QPointF(20, 30));
    EXPECT_EQ(log->entries, QStringList{"PopUpSubMenuClick(2,2)"});
    EXPECT_TRUE(toolbar->PopUpSubMenuIsChecked(2, 2));
    EXPECT_FALSE(popUp->xPopupMenu);
}

TEST_F(ToolbarWindowsTest, ATipShowsAfterTheDelayAndLeavingRaisesMouseOutOnce) {
    toolbar->AddButton({}, QStringLiteral("Open"), sStyle::sNormal, QStringLiteral("Open a file"));
    sendMove(toolbar.get(), QPointF(10, 5));
    cTimer* timer = toolbar->tipTimer();
    EXPECT_EQ(timer->Interval(), 500);
    EXPECT_EQ(Tooltip::current(), nullptr);
    ASSERT_TRUE(TimerSeam::fire(timer->TimerID()));
    ASSERT_NE(Tooltip::current(), nullptr);
    EXPECT_EQ(Tooltip::current()->TipText(), QStringLiteral("Open a file"));
    EXPECT_EQ(timer->Interval(), 0);

    sendMove(toolbar.get(), QPointF(295, 5));
    EXPECT_EQ(Tooltip::current(), nullptr) << "another place hides the tip";
    ASSERT_TRUE(TimerSeam::fire(timer->TimerID()));
    EXPECT_EQ(Tooltip::current()->TipText(), QStringLiteral("More..."));

    sendLeave(toolbar.get());
    sendLeave(toolbar.get());
    EXPECT_EQ(log->entries, QStringList{"MouseOut(1,0,1,1)"});
    EXPECT_EQ(toolbar->state().HoverIndex, -1);
}

} // namespace
