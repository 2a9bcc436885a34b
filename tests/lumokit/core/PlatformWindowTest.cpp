// The window services: handles, procedure refusals, class styles,
// mouse-leave tracking and virtual keys.
#include "core/platform/Win32Input.h"
#include "core/platform/Win32Window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <memory>
#include <vector>

using namespace lumokit;

namespace {

std::vector<UINT>& seen() {
    static std::vector<UINT> messages;
    return messages;
}

LRESULT recordingProc(HWND, UINT msg, WPARAM, LPARAM) {
    seen().push_back(msg);
    return 7;
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
    EXPECT_EQ(widgetOf(a), first.get());
    EXPECT_TRUE(IsWindow(a));
    first.reset();
    EXPECT_FALSE(IsWindow(a));
    EXPECT_EQ(SendMessageA(a, WM_USER, 0, 0), 0);
    unregisterWindow(b);
    EXPECT_FALSE(IsWindow(b));
    EXPECT_FALSE(IsWindow(0));
}

// Chaining through a replaced procedure is clsSubClass's tests' subject.
TEST_F(Windows, NullProceduresAndUnknownWindowsOrProceduresAreRefused) {
    QWidget widget;
    const HWND hwnd = registerWindow(&widget, QStringLiteral("Test"), &recordingProc);
    EXPECT_EQ(SetWindowLongA(hwnd, GWL_WNDPROC, 0), 0);
    EXPECT_EQ(GetWindowLongA(hwnd, GWL_WNDPROC), procToLong(&recordingProc));
    EXPECT_EQ(SetWindowLongA(hwnd + 1000, GWL_WNDPROC, procToLong(&recordingProc)), 0);
    EXPECT_EQ(CallWindowProcA(longToProc(0x1234), 0, WM_USER, 0, 0), 0) << "unknown procedure";
    EXPECT_EQ(CallWindowProcA(nullptr, 0, WM_USER, 0, 0), 0);
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
}

TEST_F(Windows, MouseLeaveArrivesOncePerArming) {
    QWidget widget;
    const HWND hwnd = registerWindow(&widget, QStringLiteral("Test"), &recordingProc);
    const auto leaves = [] { return std::count(seen().begin(), seen().end(), WM_MOUSELEAVE); };
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
    QApplication::sendEvent(&widget, &leave);
    EXPECT_EQ(leaves(), 2);

    TRACKMOUSEEVENT wrongSize{12, TME_LEAVE, hwnd, 0};
    EXPECT_FALSE(_TrackMouseEvent(&wrongSize));
    EXPECT_FALSE(_TrackMouseEvent(nullptr));
    EXPECT_FALSE(isTrackingMouseLeave(hwnd)) << "refused descriptors arm nothing";
}

// Keys the XP button's tests do not press; mouse coordinates are signed words.
TEST(Input, VirtualKeysAndSignedMouseWords) {
    for (const auto& [qtKey, vk] :
         {std::pair{Qt::Key_F1, 0x70}, {Qt::Key_Delete, 0x2E}, {Qt::Key_unknown, 0}}) {
        EXPECT_EQ(virtualKeyFromQt(qtKey), vk) << qtKey;
    }
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_5, Qt::KeypadModifier), 0x65);
    EXPECT_EQ(GET_X_LPARAM(MAKELPARAM(-5, 300)), -5);
    EXPECT_EQ(GET_Y_LPARAM(MAKELPARAM(-5, 300)), 300);
}

} // namespace
