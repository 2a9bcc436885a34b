// The XP button's reactions to mouse, keys, focus and window messages:
// the order of its events, the looks it moves through, DropClick in twips,
// mouse-leave tracking and the error traps of its handlers.
#include "XPButtonTestSupport.h"

#include "core/platform/SysColors.h"
#include "core/platform/Win32Input.h"
#include "core/platform/Win32Window.h"

#include <lumokit/ComError.h>

#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>

using namespace lumokit;
using namespace xptest;

namespace {

class XPButtonInput : public ::testing::Test {
protected:
    void SetUp() override {
        setInputState(Qt::NoModifier, Qt::NoButton); // no key held from an earlier test
        form = std::make_unique<QWidget>();
        form->resize(300, 120);
        button = new LumoXPButton(form.get());
        button->setFont(fixedFont());
        button->setGeometry(20, 30, 100, 24);
        log = std::make_unique<EventLog>(button);
    }

    void hover() { sendMove(button, QPointF(5, 5)); }
    void leave() { sendLeave(button); }
    void showForm() {
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    std::unique_ptr<QWidget> form;
    LumoXPButton* button = nullptr;
    std::unique_ptr<EventLog> log;
};

TEST_F(XPButtonInput, ClickRaisesDownUpDropClickClickAndLooksFollow) {
    form->move(100, 50);
    hover();
    EXPECT_EQ(log->entries, (QStringList{"MouseMove(0,0,5,5)", "MouseOver"}));
    EXPECT_TRUE(button->isOver());
    EXPECT_EQ(button->paintedLook(), 1);

    log->entries.clear();
    std::vector<LONG> looks;
    QObject::connect(button, &LumoXPButton::MouseDown, button,
                     [&] { looks.push_back(button->paintedLook()); });
    QObject::connect(button, &LumoXPButton::MouseUp, button, [&] {
        looks.push_back(button->paintedLook());
        EXPECT_TRUE(button->isDown());
    });
    QObject::connect(button, &LumoXPButton::Click, button, [&] {
        looks.push_back(button->paintedLook());
        EXPECT_TRUE(button->Value()) << "Value flips before Click";
    });
    QTest::mouseClick(button, Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 6));
    // DropClick: the screen point of the lower-left corner, in twips.
    const QPoint corner = button->mapToGlobal(QPoint(0, 24)) * 15;
    EXPECT_EQ(
        log->withoutMoves(),
        (QStringList{"MouseDown(1,1,5,6)", "MouseUp(1,1,5,6)",
                     QStringLiteral("DropClick(%1,%2)").arg(corner.x()).arg(corner.y()), "Click"}));
    // Down paints look 2 after the event; up repaints look 2 (still over).
    EXPECT_EQ(looks, (std::vector<LONG>{1, 2, 2}));
    EXPECT_FALSE(button->isOver());
    EXPECT_FALSE(button->isDown());
    EXPECT_EQ(button->paintedLook(), 0) << "after the click, until the next move";
    hover();
    EXPECT_EQ(button->paintedLook(), 1);
}

TEST_F(XPButtonInput, DoubleClickGivesTwoClicksButIsAPressOnlyWhileSubclassed) {
    doubleClick(button);
    EXPECT_EQ(log->count(QStringLiteral("Click")), 2);
    EXPECT_EQ(log->count(QStringLiteral("MouseDown")), 2) << "the second press is a press";
    EXPECT_EQ(log->count(QStringLiteral("DropClick")), 2);
    EXPECT_FALSE(button->Value()) << "flipped twice";

    log->entries.clear();
    button->UnloadSubClass();
    doubleClick(button);
    EXPECT_EQ(log->count(QStringLiteral("Click")), 2) << "the double-click handler clicks";
    EXPECT_EQ(log->count(QStringLiteral("MouseDown")), 1);
    EXPECT_EQ(log->count(QStringLiteral("DropClick")), 1);

    hover();
    leave();
    EXPECT_EQ(log->count(QStringLiteral("MouseOut")), 0) << "no leave notice any more";
    EXPECT_TRUE(button->isOver());
}

TEST_F(XPButtonInput, MouseOutOncePerLeaveWithFixedArguments) {
    hover();
    leave();
    leave();
    EXPECT_EQ(log->withoutMoves(), QStringList{"MouseOut(1,0,0,0)"});
    EXPECT_FALSE(button->isOver());
    EXPECT_EQ(button->paintedLook(), 0);

    hover();
    hover();
    leave();
    EXPECT_EQ(log->count(QStringLiteral("MouseOut")), 2) << "every move arms a new notice";
    EXPECT_EQ(log->count(QStringLiteral("MouseOver")), 3);
}

TEST_F(XPButtonInput, MovesWhilePressedAreNoHover) {
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    log->entries.clear();
    sendMove(button, QPointF(8, 8), Qt::LeftButton);
    EXPECT_EQ(log->entries, QStringList{"MouseMove(1,0,8,8)"});
    EXPECT_EQ(button->paintedLook(), 2);
    EXPECT_FALSE(isTrackingMouseLeave(button->hWnd()));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(8, 8));
}

TEST_F(XPButtonInput, DisabledButtonClicksOnEnterOnly) {
    button->setEnabled(false);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(log->entries.isEmpty()) << "a disabled window hears no mouse";
    // Messages reach the handlers as the window manager would deliver them.
    SendMessageA(button->hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(button->hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(log->entries, (QStringList{"MouseDown(1,0,5,5)", "MouseUp(1,0,5,5)"}));
    EXPECT_FALSE(button->Value());

    log->entries.clear();
    SendMessageA(button->hWnd(), WM_KEYDOWN, VK_SPACE, 1);
    SendMessageA(button->hWnd(), WM_CHAR, ' ', 1);
    SendMessageA(button->hWnd(), WM_KEYUP, VK_SPACE, 1);
    EXPECT_TRUE(log->entries.isEmpty());
    SendMessageA(button->hWnd(), WM_KEYDOWN, VK_RETURN, 1);
    SendMessageA(button->hWnd(), WM_KEYUP, VK_RETURN, 1);
    EXPECT_EQ(log->entries, QStringList{"Click"}) << "no key events either";
    SendMessageA(button->hWnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(log->count(QStringLiteral("Click")), 1);
    EXPECT_EQ(button->paintedLook(), 0);
}

TEST_F(XPButtonInput, KeysOfAnEnabledButton) {
    std::vector<LONG> looks;
    const auto recordLook = [&] { looks.push_back(button->paintedLook()); };
    QObject::connect(button, &LumoXPButton::KeyDown, button, recordLook);
    QObject::connect(button, &LumoXPButton::KeyUp, button, recordLook);
    const std::pair<Qt::Key, QStringList> cases[] = {
        {Qt::Key_Return, {"Click", "KeyDown(13,0)", "KeyPress(13)", "KeyUp(13,0)"}},
        {Qt::Key_Space, {"Click", "KeyDown(32,0)", "KeyPress(32)", "KeyUp(32,0)"}},
        {Qt::Key_A, {"KeyDown(65,0)", "KeyPress(97)", "KeyUp(65,0)"}},
    };
    for (const auto& [key, events] : cases) {
        log->entries.clear();
        looks.clear();
        button->DrawControl(0);
        QTest::keyClick(button, key);
        EXPECT_EQ(log->entries, events) << key;
        // A clicking key paints normal, then over, and normal once released.
        const LONG pressed = key == Qt::Key_A ? 0 : 1;
        EXPECT_EQ(looks, (std::vector<LONG>{pressed, pressed})) << key;
        EXPECT_EQ(button->paintedLook(), 0) << key;
    }
}

TEST_F(XPButtonInput, ToggleShowsLookFourAtRestAndOverWhileHovered) {
    button->setChecked(true);
    hover();
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(button->Value());
    EXPECT_EQ(button->paintedLook(), 4);
    hover();
    EXPECT_EQ(button->paintedLook(), 1);
    leave();
    EXPECT_EQ(button->paintedLook(), 4) << "leaving paints look 0, which a toggle shows as 4";
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(button->Value());
    EXPECT_EQ(button->paintedLook(), 0);
}

TEST_F(XPButtonInput, AccessKeyClicksAndDrawsAsFocused) {
    showForm();
    button->setCaption(QStringLiteral("&Save"));
    EXPECT_EQ(button->AccessKeys(), QStringLiteral("S"));
    QTest::keyClick(form.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(log->count(QStringLiteral("Click")), 1);
    button->setCaption(QStringLiteral("Fish && Chips"));
    EXPECT_EQ(button->AccessKeys(), QStringLiteral("S")) << "only doubled prefixes keep the key";
}

TEST_F(XPButtonInput, ResizeRepaintsAtTheNewSize) {
    button->setStyle(lumoStyle::lumoXP);
    button->setBorderColor(RGB(1, 2, 3));
    button->setFocusColor(RGB(1, 2, 3)); // it may take the focus when shown
    showForm();
    button->resize(140, 40);
    EXPECT_EQ(GetPixel(button->hDC(), 139, 39), RGB(1, 2, 3));
}

TEST_F(XPButtonInput, ErrorsInHandlersAreReportedAndTheHandlerGoesOn) {
    RecordingMessages messages;
    QObject::connect(button, &LumoXPButton::Click, button, [] {
        throw ComError(E_FAIL, QStringLiteral("host"), QStringLiteral("the host failed"));
    });
    hover();
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral(
                                  "LumoKit|Error in ERROR_UserControl_Click : the host failed")});
    EXPECT_FALSE(button->isOver()) << "the statements after the failing one ran";
    EXPECT_EQ(button->paintedLook(), 0);

    messages.shown.clear();
    QObject::connect(button, &LumoXPButton::MouseOut, button,
                     [] { throw std::runtime_error("out failed"); });
    hover();
    leave();
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral(
                                  "LumoKit|Error in ERROR_UserControl_MouseOut : out failed")});
}

TEST_F(XPButtonInput, AHostMayDestroyTheButtonInItsClickHandler) {
    QPointer<LumoXPButton> watch(button);
    QObject::connect(button, &LumoXPButton::Click, button, [this] { delete button; });
    SendMessageA(button->hWnd(), WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_TRUE(watch.isNull());
}

} // namespace
