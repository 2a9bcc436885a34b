// clsSubClass: seeing, changing and swallowing messages, the window list
// with free slots, and release on destruction.
#include "core/control/clsSubClass.h"
#include "core/platform/Win32Window.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <memory>
#include <vector>

using namespace lumokit;

namespace {

struct Delivered {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<Delivered>& delivered() {
    static std::vector<Delivered> messages;
    return messages;
}

LRESULT baseProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
    delivered().push_back({msg, wParam, lParam});
    return 99;
}

class Subclassing : public ::testing::Test {
protected:
    void SetUp() override {
        delivered().clear();
        for (auto& widget : widgets) {
            widget = std::make_unique<QWidget>();
        }
        for (std::size_t i = 0; i < widgets.size(); ++i) {
            hwnds[i] = registerWindow(widgets[i].get(), QStringLiteral("SubclassTest"), &baseProc);
        }
    }
    std::array<std::unique_ptr<QWidget>, 4> widgets;
    std::array<HWND, 4> hwnds{};
};

TEST_F(Subclassing, HandlerSeesChangesOrSwallowsWhatThePreviousProcedureGets) {
    clsSubClass subclass;
    std::vector<UINT> seen;
    QObject::connect(&subclass, &clsSubClass::NewMessage,
                     [&](HWND hwnd, UINT& msg, WPARAM& wParam, LPARAM& lParam, bool& cancel) {
                         EXPECT_EQ(hwnd, hwnds[0]);
                         seen.push_back(msg);
                         cancel = msg == WM_MOUSELEAVE;
                         if (msg == WM_LBUTTONDBLCLK) {
                             msg = WM_LBUTTONDOWN;
                             wParam = MK_LBUTTON | MK_SHIFT;
                             lParam = MAKELPARAM(9, 8);
                         }
                     });
    ASSERT_TRUE(subclass.SubClassHwnd(hwnds[0], true));
    EXPECT_EQ(SendMessageA(hwnds[0], WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(1, 2)), 99);
    EXPECT_EQ(SendMessageA(hwnds[0], WM_MOUSELEAVE, 0, 0), 0) << "swallowed";
    EXPECT_EQ(seen, (std::vector<UINT>{WM_LBUTTONDBLCLK, WM_MOUSELEAVE}));
    ASSERT_EQ(delivered().size(), 1u);
    EXPECT_EQ(delivered()[0].msg, WM_LBUTTONDOWN);
    EXPECT_EQ(delivered()[0].wParam, MK_LBUTTON | MK_SHIFT);
    EXPECT_EQ(delivered()[0].lParam, MAKELPARAM(9, 8));
}

TEST_F(Subclassing, HostSinkReceivesEventOneAndItsChangesCount) {
    clsSubClass subclass;
    std::vector<DISPID> events;
    subclass.setEventSink([&](DISPID id, QVariantList& args) {
        events.push_back(id);
        ASSERT_EQ(args.size(), 5);
        EXPECT_EQ(args[0].toInt(), hwnds[0]);
        if (args[1].toInt() == static_cast<int>(WM_RBUTTONDBLCLK)) {
            args[1] = static_cast<int>(WM_RBUTTONDOWN);
        }
        if (args[1].toInt() == static_cast<int>(WM_KEYDOWN)) {
            args[4] = QVariant::fromValue(VARIANT_TRUE);
        }
    });
    subclass.SubClassHwnd(hwnds[0], true);
    SendMessageA(hwnds[0], WM_RBUTTONDBLCLK, 0, 0);
    EXPECT_EQ(SendMessageA(hwnds[0], WM_KEYDOWN, 13, 0), 0);
    EXPECT_EQ(events, (std::vector<DISPID>{1, 1}));
    ASSERT_EQ(delivered().size(), 1u);
    EXPECT_EQ(delivered()[0].msg, WM_RBUTTONDOWN);
}

TEST_F(Subclassing, ASecondSubclassingIsRefusedAndReleaseRestoresThePreviousProcedure) {
    clsSubClass first;
    clsSubClass second;
    ASSERT_TRUE(first.SubClassHwnd(hwnds[0], true));
    EXPECT_FALSE(first.SubClassHwnd(hwnds[0], true));
    EXPECT_FALSE(second.SubClassHwnd(hwnds[0], true));
    EXPECT_EQ(GetPropA(hwnds[0], "SSC_OBJADDR"), reinterpret_cast<HANDLE>(&first));
    EXPECT_EQ(first.windowEntries(), std::vector<HWND>{hwnds[0]});
    EXPECT_TRUE(second.windowEntries().empty());

    // Release restores the previous procedure, or reports false.
    EXPECT_FALSE(first.SubClassHwnd(hwnds[1], false)) << "never subclassed";
    EXPECT_EQ(GetWindowLongA(hwnds[1], GWL_WNDPROC), procToLong(&baseProc));
    EXPECT_TRUE(first.SubClassHwnd(hwnds[0], false));
    EXPECT_EQ(GetWindowLongA(hwnds[0], GWL_WNDPROC), procToLong(&baseProc));
    EXPECT_EQ(GetPropA(hwnds[0], "SSC_OLDPROC"), 0);
    EXPECT_EQ(GetPropA(hwnds[0], "SSC_OBJADDR"), 0);
    EXPECT_TRUE(first.windowEntries().empty());
}

TEST_F(Subclassing, DeadWindowsAreRefusedAndForgotten) {
    clsSubClass subclass;
    subclass.SubClassHwnd(hwnds[0], true);
    widgets[0].reset();
    EXPECT_FALSE(subclass.SubClassHwnd(hwnds[0], true));
    EXPECT_TRUE(subclass.windowEntries().empty());
    EXPECT_FALSE(subclass.SubClassHwnd(123456, true));
    EXPECT_FALSE(subclass.SubClassHwnd(123456, false));
    EXPECT_EQ(SubclassWndProc(hwnds[1], WM_USER, 0, 0), 0) << "a message without an owner";
    EXPECT_EQ(delivered().size(), 0u);
}

TEST_F(Subclassing, LastEntryShrinksTheListOthersLeaveAFreeSlotAndDestructionReleasesAll) {
    auto subclass = std::make_unique<clsSubClass>();
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(subclass->SubClassHwnd(hwnds[i], true));
    }
    subclass->SubClassHwnd(hwnds[2], false);
    EXPECT_EQ(subclass->windowEntries(), (std::vector<HWND>{hwnds[0], hwnds[1]}));
    subclass->SubClassHwnd(hwnds[0], false);
    EXPECT_EQ(subclass->windowEntries(), (std::vector<HWND>{-1, hwnds[1]}));
    subclass->SubClassHwnd(hwnds[3], true);
    EXPECT_EQ(subclass->windowEntries(), (std::vector<HWND>{hwnds[3], hwnds[1]}));
    subclass.reset();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(GetWindowLongA(hwnds[i], GWL_WNDPROC), procToLong(&baseProc)) << i;
        EXPECT_EQ(GetPropA(hwnds[i], "SSC_OBJADDR"), 0) << i;
    }
    EXPECT_EQ(SendMessageA(hwnds[1], WM_USER, 0, 0), 99);
}

TEST_F(Subclassing, HandlerMayDestroyTheSubclassingObject) {
    auto subclass = std::make_unique<clsSubClass>();
    subclass->setEventSink([](DISPID, QVariantList&) { ADD_FAILURE() << "sink after death"; });
    QObject::connect(subclass.get(), &clsSubClass::NewMessage,
                     [&](HWND, UINT&, WPARAM&, LPARAM&, bool&) { subclass.reset(); });
    subclass->SubClassHwnd(hwnds[0], true);
    EXPECT_EQ(SendMessageA(hwnds[0], WM_USER, 0, 0), 0) << "its window is no longer subclassed";
    EXPECT_EQ(SendMessageA(hwnds[0], WM_USER, 0, 0), 99);
}

} // namespace
