// The library's about box: its painted face, the OK button's looks, what a
// press on OK or a release over the link does, and the modal call.
#include "popups/AboutBox.h"

#include "core/platform/SysColors.h"
#include "core/platform/Win32Gdi.h"
#include "core/platform/Win32Shell.h"
#include "core/platform/Win32Window.h"
#include "lumokit/LumoKitTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace lumokit;
using namespace lumokittest;

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);

class AboutBoxTest : public ::testing::Test {
protected:
    COLORREF pixel(int x, int y) const { return GetPixel(box.hDC(), x, y); }
    void mouse(UINT message, int x, int y) {
        SendMessageA(box.hWnd(), message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
                     MAKELPARAM(x, y));
    }
    // Columns of the area holding pixels unlike the background column x0.
    QRect ink(const QRect& area, int x0) const {
        return boundsWhere(area, [&](int x, int y) { return pixel(x, y) != pixel(x0, y); });
    }

    AboutBox box;
    const int w = AboutBox::kWidth;
    const int h = AboutBox::kHeight;
};

TEST_F(AboutBoxTest, FrameBarsGradientAndTexts) {
    EXPECT_EQ(box.size(), QSize(w, h));
    EXPECT_EQ(pixel(0, 0), kBlue);
    EXPECT_EQ(pixel(w - 1, h - 1), kBlue);
    // Three bars, 2, 4 and 6 rows high, 4 and 3 rows apart.
    const std::pair<int, bool> rows[] = {{89, false},  {90, true},  {91, true},  {92, false},
                                         {95, false},  {96, true},  {99, true},  {100, false},
                                         {102, false}, {103, true}, {108, true}, {109, false}};
    for (const auto& [row, bar] : rows) {
        EXPECT_EQ(pixel(w - 2, row) == kBlue, bar) << "row " << row;
    }
    EXPECT_EQ(pixel(w - 2, h - 2), translateColor(0x8000000F)) << "the gradient's end colour";
    EXPECT_EQ(pixel(w - 55, h - 30), kBlue) << "the OK button's frame";
    EXPECT_EQ(pixel(w - 6, h - 6), kBlue);

    EXPECT_EQ(AboutBox::versionLine(), QStringLiteral("Version - 1.0 Build 12"));
    const QRect version = ink(QRect(2, h - 31, w - 60, 12), 1);
    ASSERT_FALSE(version.isEmpty());
    EXPECT_LE(version.left(), 7) << "from x = 5";
    const QRect title = ink(QRect(2, 10, w - 4, 30), 1);
    EXPECT_NEAR(title.center().x(), w / 2, 3) << "centred at the top";
}

TEST_F(AboutBoxTest, TheLinkOpensWithTheBoxStayingAndAPressOnOKClosesItWhereverReleased) {
    QSignalSpy unloaded(&box, &AboutBox::unloaded);
    QUrl opened;
    setShellOpenHandler([&](const QUrl& url) {
        opened = url;
        return true;
    });
    box.show();
    mouse(WM_MOUSEMOVE, 10, h - 10);
    EXPECT_TRUE(box.OverLink);
    mouse(WM_LBUTTONDOWN, 10, h - 10);
    mouse(WM_LBUTTONUP, 10, h - 10);
    EXPECT_EQ(opened, QUrl(AboutBox::webAddress()));
    EXPECT_EQ(unloaded.count(), 0);
    EXPECT_TRUE(box.isVisible());
    setShellOpenHandler({});

    const int x = w - 30;
    const int y = h - 7; // the lowest row inside OK's frame
    mouse(WM_MOUSEMOVE, x, y);
    EXPECT_TRUE(box.OverOK);
    EXPECT_EQ(pixel(x, y), RGB(182, 189, 210));
    mouse(WM_LBUTTONDOWN, x, y);
    EXPECT_EQ(pixel(x, y), RGB(133, 146, 181));
    mouse(WM_MOUSEMOVE, 10, 10);
    EXPECT_FALSE(box.OverOK);
    EXPECT_EQ(pixel(x, y), RGB(133, 146, 181)) << "pressed until released";
    mouse(WM_LBUTTONUP, 10, 10);
    EXPECT_EQ(unloaded.count(), 1) << "released away from OK, and closed all the same";
    EXPECT_FALSE(box.isVisible());
}

TEST(AboutBoxModal, ReturnsWhenEscapeClosesIt) {
    QTimer::singleShot(0, [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<AboutBox*>(window); box && box->isVisible()) {
                QTest::keyClick(box, Qt::Key_Escape);
            }
        }
    });
    AboutBox::showModal(nullptr);
    EXPECT_TRUE(AboutBox::loadedOnce());
}

} // namespace
