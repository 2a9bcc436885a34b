// The window services: handles, procedure chains, properties, class
// styles, mouse-leave tracking, placement, input state and the shell seam.
#include "core/platform/Win32Input.h"
#include "core/platform/Win32Shell.h"
#include "core/platform/Win32Window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <memory>
#include <vector>

using namespace lumokit;

namespace {

struct Seen {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<Seen>& seen() {
    static std::vector<Seen> messages;
    return messages;
}

LRESULT recordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    seen().push_back({hwnd, msg, wParam, lParam});
    return 7;
}

LRESULT doublingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LONG_PTR g_previous = 0;
LRESULT doublingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return 2 * CallWindowProcA(longToProc(g_previous), hwnd, msg, wParam + 1, lParam);
}

class Windows : public ::testing::Test {
protected:
    void SetUp() override { seen().clear(); }
};

TEST_F(Windows, HandlesAreUniqueAndDieWithTheWidget) {
    auto first = std::make_unique<QWidget>();
    QWidget second;
    const HWND a = registerWindow(first.get(), QStringLiteral("Test"), &recordingProc);
    const HWND b = registerWindow(&second, QStringLiteral("Test"));
    EXPECT_GT(a, 0);
    EXPECT_NE(a, b);
    EXPECT_EQ(registerWindow(first.get(), QStringLiteral("Other")), a);
    EXPECT_EQ(hwndOf(first.get()), a);
    EXPECT_EQ(widgetOf(a), first.get());
    EXPECT_TRUE(IsWindow(a));
    first.reset();
    EXPECT_FALSE(IsWindow(a));
    EXPECT_EQ(SendMessageA(a, WM_USER, 0, 0), 0);
    unregisterWindow(b);
    EXPECT_FALSE(IsWindow(b));
    EXPECT_FALSE(IsWindow(0));
}

TEST_F(Windows, ReplacedProcedureChainsToThePreviousOne) {
    QWidget widget;
    const HWND hwnd = registerWindow(&widget, QStringLiteral("Test"), &recordingProc);
    EXPECT_EQ(GetWindowLongA(hwnd, GWL_WNDPROC), procToLong(&recordingProc));
    g_previous = SetWindowLongA(hwnd, GWL_WNDPROC, procToLong(&doublingProc));
    EXPECT_EQ(g_previous, procToLong(&recordingProc));
    EXPECT_EQ(SendMessageA(hwnd, WM_USER, 10, 20), 14);
    ASSERT_EQ(seen().size(), 1u);
    EXPECT_EQ(seen()[0].wParam, 11u);
    EXPECT_EQ(seen()[0].lParam, 20);
    EXPECT_EQ(SetWindowLongA(hwnd, GWL_WNDPROC, 0), 0) << "a null procedure is refused";
    EXPECT_EQ(SetWindowLongA(hwnd + 1000, GWL_WNDPROC, procToLong(&doublingProc)), 0);
    EXPECT_EQ(CallWindowProcA(longToProc(0x1234), 0, WM_USER, 0, 0), 0) << "unknown procedure";
    EXPECT_EQ(CallWindowProcA(nullptr, 0, WM_USER, 0, 0), 0);
}

TEST_F(Windows, PropertiesAreKeptPerWindowAndName) {
    QWidget one;
    QWidget two;
    const HWND a = ensureWindowHandle(&one);
    const HWND b = ensureWindowHandle(&two);
    EXPECT_TRUE(SetPropA(a, "SSC_OLDPROC", 42));
    EXPECT_EQ(GetPropA(a, "SSC_OLDPROC"), 42);
    EXPECT_EQ(GetPropA(b, "SSC_OLDPROC"), 0);
    EXPECT_EQ(GetPropA(a, "SSC_OBJADDR"), 0);
    EXPECT_EQ(RemovePropA(a, "SSC_OLDPROC"), 42);
    EXPECT_EQ(GetPropA(a, "SSC_OLDPROC"), 0);
    EXPECT_EQ(RemovePropA(a, "SSC_OLDPROC"), 0);
    EXPECT_FALSE(SetPropA(0, "x", 1));
}

TEST_F(Windows, DropShadowIsAStyleOfTheWholeClass) {
    QWidget tip;
    QWidget otherTip;
    QWidget menu;
    const HWND a = registerWindow(&tip, QStringLiteral("ShadowTestTip"));
    const HWND b = registerWindow(&otherTip, QStringLiteral("ShadowTestTip"));
    const HWND c = registerWindow(&menu, QStringLiteral("ShadowTestMenu"));
    SetClassLongA(a, GCL_STYLE, 0x8);
    AddDropShadow(a);
    EXPECT_EQ(GetClassLongA(a, GCL_STYLE), 0x20008u);
    EXPECT_EQ(GetClassLongA(b, GCL_STYLE), 0x20008u);
    EXPECT_EQ(GetClassLongA(c, GCL_STYLE), 0u);
    EXPECT_EQ(SetClassLongA(a, -12, 1), 0u) << "only the class style is kept";
}

TEST_F(Windows, MouseLeaveArrivesOncePerArming) {
    QWidget widget;
    const HWND hwnd = registerWindow(&widget, QStringLiteral("Test"), &recordingProc);
    const auto leaves = [] {
        return std::count_if(seen().begin(), seen().end(),
                             [](const Seen& s) { return s.msg == WM_MOUSELEAVE; });
    };
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&widget, &leave);
    EXPECT_EQ(leaves(), 0) << "not armed";

    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, hwnd, 0};
    ASSERT_TRUE(_TrackMouseEvent(&track));
    ASSERT_TRUE(_TrackMouseEvent(&track)); // arming twice is still one notice
    QApplication::sendEvent(&widget, &leave);
    QApplication::sendEvent(&widget, &leave);
    EXPECT_EQ(leaves(), 1);

    _TrackMouseEvent(&track);
    TRACKMOUSEEVENT cancel{sizeof(TRACKMOUSEEVENT), TME_LEAVE | TME_CANCEL, hwnd, 0};
    EXPECT_TRUE(_TrackMouseEvent(&cancel));
    QApplication::sendEvent(&widget, &leave);
    EXPECT_EQ(leaves(), 1);

    _TrackMouseEvent(&track);
    QApplication::sendEvent(&widget, &leave);
    EXPECT_EQ(leaves(), 2);

    TRACKMOUSEEVENT wrongSize{12, TME_LEAVE, hwnd, 0};
    EXPECT_FALSE(_TrackMouseEvent(&wrongSize));
    TRACKMOUSEEVENT noWindow{sizeof(TRACKMOUSEEVENT), TME_LEAVE, 0, 0};
    EXPECT_FALSE(_TrackMouseEvent(&noWindow));
    EXPECT_FALSE(_TrackMouseEvent(nullptr));
    EXPECT_FALSE(isTrackingMouseLeave(hwnd)) << "refused descriptors arm nothing";
}

// Moving, sizing, top-most showing without activation: the tooltip's tests.
TEST_F(Windows, SetWindowPosHidesAndRefusesNoWindow) {
    QWidget popup(nullptr, Qt::Tool | Qt::FramelessWindowHint);
    const HWND hwnd = ensureWindowHandle(&popup);
    popup.show();
    SetWindowPos(hwnd, 0, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_HIDEWINDOW);
    EXPECT_FALSE(popup.isVisible());
    EXPECT_FALSE(SetWindowPos(0, 0, 0, 0, 0, 0, 0));
}

TEST_F(Windows, PostedMessagesArriveLaterOnlyForLiveWindows) {
    auto widget = std::make_unique<QWidget>();
    const HWND hwnd = registerWindow(widget.get(), QStringLiteral("Test"), &recordingProc);
    ASSERT_TRUE(PostMessageA(hwnd, WM_USER + 1, 3, 4));
    EXPECT_TRUE(seen().empty());
    QCoreApplication::processEvents();
    ASSERT_EQ(seen().size(), 1u);
    EXPECT_EQ(seen()[0].msg, WM_USER + 1);
    PostMessageA(hwnd, WM_USER + 2, 0, 0);
    widget.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(seen().size(), 1u);
}

TEST(Input, VirtualKeysAndKeyState) {
    const std::pair<int, int> keys[] = {{Qt::Key_Enter, 13},    {Qt::Key_Space, 32},
                                        {Qt::Key_Z, 0x5A},      {Qt::Key_F1, 0x70},
                                        {Qt::Key_Delete, 0x2E}, {Qt::Key_unknown, 0}};
    for (const auto& [qtKey, vk] : keys) {
        EXPECT_EQ(virtualKeyFromQt(qtKey), vk) << qtKey;
    }
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_5, Qt::KeypadModifier), 0x65);

    setInputState(Qt::ShiftModifier | Qt::AltModifier, Qt::LeftButton);
    EXPECT_LT(GetKeyState(VK_SHIFT), 0);
    EXPECT_GE(GetKeyState(VK_CONTROL), 0);
    EXPECT_LT(GetKeyState(VK_MENU), 0);
    EXPECT_LT(GetKeyState(VK_LBUTTON), 0);
    EXPECT_EQ(shiftStateFromKeyState(), 1 | 4);
    EXPECT_EQ(mouseKeyFlags(Qt::LeftButton | Qt::RightButton, Qt::ControlModifier),
              MK_LBUTTON | MK_RBUTTON | MK_CONTROL);
    setInputState(Qt::NoModifier, Qt::NoButton);
    // Mouse coordinates are signed words.
    EXPECT_EQ(GET_X_LPARAM(MAKELPARAM(-5, 300)), -5);
    EXPECT_EQ(GET_Y_LPARAM(MAKELPARAM(-5, 300)), 300);
}

TEST(Shell, OpenGoesThroughTheSeam) {
    QUrl opened;
    setShellOpenHandler([&](const QUrl& url) {
        opened = url;
        return true;
    });
    EXPECT_GT(
        ShellExecuteA(0, "Open", "http://www.example.com/lumokit", nullptr, nullptr, SW_SHOWNORMAL),
        32);
    EXPECT_EQ(opened, QUrl(QStringLiteral("http://www.example.com/lumokit")));
    EXPECT_EQ(ShellExecuteA(0, "print", "x.txt", nullptr, nullptr, 1), SE_ERR_NOASSOC);
    EXPECT_EQ(ShellExecuteA(0, "open", "", nullptr, nullptr, 1), SE_ERR_FNF);
    setShellOpenHandler({});
}

} // namespace
