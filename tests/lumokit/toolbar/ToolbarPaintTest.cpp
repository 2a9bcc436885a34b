// Pixels of the toolbar's surface: the faces of the three looks in the XP
// style, the check-box and drop-down parts, separators, the grip, icons
// normal, lifted and greyed, the gradients' bottom bands, the chevron icon
// pixel for pixel, and the borders.
#include "ToolbarTestSupport.h"

#include "core/platform/SysColors.h"
#include "core/platform/Win32Gdi.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tbtest;

namespace {

constexpr COLORREF kFace = RGB(250, 240, 230);
constexpr COLORREF kOver = RGB(200, 210, 220);
constexpr COLORREF kDown = RGB(150, 160, 170);
constexpr COLORREF kBorder = RGB(1, 2, 3);
constexpr COLORREF kBorderOver = RGB(4, 5, 6);
constexpr COLORREF kBorderDown = RGB(7, 8, 9);
constexpr COLORREF kChecked = RGB(90, 200, 90);
constexpr COLORREF kStrip = RGB(11, 22, 33);
constexpr COLORREF kSep = RGB(44, 55, 66);
constexpr COLORREF kFade = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kLiftShadow = RGB(136, 141, 157);
constexpr COLORREF kGrey = RGB(128, 128, 128);

// Items after a paint (bottom 23): 1 push 7..29, 2 drop-down 30..62,
// 3 checked check box 63..85, 4 separator 86..90, 5 disabled push 91..113.
class ToolbarPaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        toolbar = makeToolbar(200, 24);
        toolbar->setStyle(lumoStyle::lumoXP);
        toolbar->setButtonColor(kFace);
        toolbar->setButtonColorOver(kOver);
        toolbar->setButtonColorDown(kDown);
        toolbar->setButtonBorderColor(kBorder);
        toolbar->setButtonBorderColorOver(kBorderOver);
        toolbar->setButtonBorderColorDown(kBorderDown);
        toolbar->setCheckedColor(kChecked);
        toolbar->setStripColor(kStrip);
        toolbar->setSepColor(kSep);
        toolbar->setButtonFadeColor(kFade);
        toolbar->AddButton(solidIcon(Qt::red));
        toolbar->AddButton({}, QStringLiteral("Mail"), sStyle::sDropDown);
        toolbar->AddButton({}, {}, sStyle::sCheckBox, {}, {}, true, true, 50, false, true);
        toolbar->AddSeparate();
        toolbar->AddButton(solidIcon(Qt::red), {}, sStyle::sNormal, {}, {}, false);
    }

    COLORREF pixel(int x, int y) const { return GetPixel(toolbar->hDC(), x, y); }
    void send(QEvent::Type type, int x) { sendMouse(toolbar.get(), type, QPointF(x, 5)); }

    std::unique_ptr<lumoadvToolbar> toolbar;
};

TEST_F(ToolbarPaintTest, XPFacesOfTheThreeLooks) {
    struct Case {
        QEvent::Type reached; // by this event over item 1
        COLORREF frame, face;
        QPoint iconAt;        // the red icon's top-left corner
        COLORREF shadowPixel; // right below and right of the icon
    };
    const Case cases[] = {{QEvent::None, kBorder, kFace, {10, 4}, kFace},
                          {QEvent::MouseMove, kBorderOver, kOver, {10, 2}, kLiftShadow},
                          {QEvent::MouseButtonPress, kBorderDown, kDown, {10, 4}, kDown}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reached);
        if (c.reached != QEvent::None) {
            send(c.reached, 15);
        }
        EXPECT_EQ(pixel(7, 1), c.frame);
        EXPECT_EQ(pixel(29, 22), c.frame);
        EXPECT_EQ(pixel(8, 21), c.face);
        EXPECT_EQ(pixel(c.iconAt.x(), c.iconAt.y()), kRed);
        EXPECT_EQ(pixel(c.iconAt.x() + 15, c.iconAt.y() + 15), kRed) << "drawn 16 x 16";
        EXPECT_EQ(pixel(27, 19), c.shadowPixel) << "the lifted icon's silhouette";
    }
}

TEST_F(ToolbarPaintTest, CheckBoxArrowSeparatorGripAndDisabledIcon) {
    EXPECT_EQ(pixel(64, 2), kBorderDown) << "a checked box frames inside";
    EXPECT_EQ(pixel(70, 10), kChecked);
    EXPECT_EQ(pixel(51, 10), kBorder) << "the arrow part: the last 12 pixels, framed";
    EXPECT_EQ(pixel(50, 10), kFace);
    EXPECT_EQ(pixel(88, 2), kSep) << "the separator line, x + 2";
    EXPECT_EQ(pixel(88, 20), kSep);
    EXPECT_EQ(pixel(88, 21), kFace);
    EXPECT_EQ(pixel(87, 10), kFace);
    EXPECT_EQ(pixel(2, 2), kStrip);
    EXPECT_EQ(pixel(4, 20), kStrip);
    EXPECT_EQ(pixel(3, 10), kFace);
    EXPECT_EQ(pixel(2, 21), kFace);
    EXPECT_EQ(pixel(94, 4), kGrey) << "disabled: a grey silhouette at the plain spot";
    EXPECT_EQ(pixel(109, 19), kGrey);

    send(QEvent::MouseMove, 100);
    EXPECT_EQ(pixel(92, 21), kFace) << "a disabled button never looks hot";
}

TEST_F(ToolbarPaintTest, TheGradientsStartAtTheBottomWithTheirStartColour) {
    const COLORREF top = RGB(0, 66, 132);
    toolbar->setStyle(lumoStyle::lumoVivid);
    toolbar->setbgBottomColor(0xFFFFFF);
    toolbar->setbgTopColor(top);
    // H = bottom + 10 = 33, one band a row from row 32 up: row r has the
    // bottom colour moved (31 - r) / 33 of the way to the top colour.
    const auto band = [](int from, int to, int r) {
        return static_cast<int>(std::nearbyint(from + (31.0 - r) * (to - from) / 33.0));
    };
    for (const int row : {23, 12, 0}) {
        EXPECT_EQ(pixel(150, row), RGB(band(255, 0, row), band(255, 66, row), band(255, 132, row)))
            << row;
    }

    // The hover fade over (8, 4, 30, 22): H = 18, from ButtonColorOver up
    // towards ButtonFadeColor; its two lowest bands carry the start colour.
    send(QEvent::MouseMove, 15);
    EXPECT_EQ(pixel(8, 21), kOver);
    EXPECT_EQ(pixel(8, 20), kOver);
    EXPECT_NE(pixel(8, 19), kOver);
    EXPECT_EQ(pixel(7, 21), kBorderOver);
}

TEST_F(ToolbarPaintTest, TheChevronIconPixelForPixelAndItsHoverFace) {
    toolbar->resize(110, 24); // items 4 and 5 no longer fit
    toolbar->DrawControl();
    const int left = 110 - 14;
    const int top = 4; // 23 / 2 - 8, halves to even
    const int strokes[] = {4, 5, 6, 5, 4};
    for (int row = 0; row < 16; ++row) {
        for (int column = 0; column < 16; ++column) {
            const int s = row >= 1 && row <= 5 ? strokes[row - 1] : -100;
            const bool black =
                (column >= s && column <= s + 1) || (column >= s + 4 && column <= s + 5);
            EXPECT_EQ(pixel(left + column, top + row) == 0, black) << column << "," << row;
        }
    }
    send(QEvent::MouseMove, 105);
    EXPECT_EQ(pixel(99, 1), kBorderOver) << "the zone (SW - 11, top, SW - 1, bottom) framed";
    EXPECT_EQ(pixel(100, 12), kOver);
}

TEST_F(ToolbarPaintTest, Borders) {
    toolbar->setBorder(lumoBorder::lumoFlatBorder);
    EXPECT_EQ(pixel(0, 0), kBorder);
    EXPECT_EQ(pixel(199, 23), kBorder);
    EXPECT_EQ(pixel(7, 2), kBorder) << "items run from top 2 to bottom 22 inside a border";
    EXPECT_EQ(pixel(7, 21), kBorder);
    EXPECT_NE(pixel(7, 22), kBorder);
    toolbar->setBorder(lumoBorder::lumo3dRaisedBorder);
    EXPECT_EQ(pixel(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(pixel(199, 23), GetSysColor(COLOR_BTNSHADOW));
    toolbar->setBorder(lumoBorder::lumo3dDownBorder);
    EXPECT_EQ(pixel(0, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(pixel(199, 23), GetSysColor(COLOR_BTNHIGHLIGHT));
}

} // namespace
