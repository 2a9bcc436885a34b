// GradientFillRect: stripe height, colours with ties-to-even rounding,
// direction, the zero extent and clipping (system colours: the tooltip's tests).
#include "core/control/GradientFillRect.h"
#include "core/platform/SysColors.h"
#include "core/platform/Win32Gdi.h"

#include <gtest/gtest.h>

#include <QImage>

using namespace lumokit;

namespace {

constexpr COLORREF kFrom = RGB(250, 0, 100);
constexpr COLORREF kTo = RGB(200, 100, 0);

class Gradient : public ::testing::Test {
protected:
    void SetUp() override {
        image = QImage(8, 600, QImage::Format_RGB32);
        image.fill(Qt::white);
        hdc = CreateSurfaceDC(&image);
        objectsBefore = liveGdiObjectCount();
    }
    void TearDown() override {
        EXPECT_EQ(liveGdiObjectCount(), objectsBefore) << "every stripe's brush is deleted";
        DeleteDC(hdc);
    }
    COLORREF at(int x, int y) const { return GetPixel(hdc, x, y); }

    QImage image;
    HDC hdc = 0;
    int objectsBefore = 0;
};

TEST_F(Gradient, ExtentBelow255UsesOnePixelStripesFromTheBottom) {
    RECT rect{0, 5, 4, 106};
    GradientFillRect(hdc, kFrom, kTo, rect, 100, kGradientVertical);
    EXPECT_EQ(at(0, 105), kTo);
    EXPECT_EQ(at(3, 104), kTo) << "the two lowest stripes have the end colour";
    // 0.5 and 1.5 steps of red: ties go to the even number.
    EXPECT_EQ(at(0, 103), RGB(200, 99, 1));
    EXPECT_EQ(at(0, 101), RGB(202, 97, 3));
    EXPECT_EQ(at(0, 5), RGB(250, 1, 99)) << "top stripe: 99 of 100 steps";
    EXPECT_EQ(at(0, 4), 0xFFFFFFu) << "nothing above the rectangle";
    EXPECT_EQ(at(4, 50), 0xFFFFFFu) << "nothing right of it";
    EXPECT_EQ(rect.top, rect.bottom) << "the rectangle was used up";
    EXPECT_EQ(rect.bottom, 5) << "101 stripes up from 106";
}

TEST_F(Gradient, Extent510UsesTwoPixelStripes) {
    RECT rect{0, 50, 4, 560};
    GradientFillRect(hdc, kFrom, kTo, rect, 510, kGradientVertical);
    // Stripe j covers rows 559 - 2j and 558 - 2j in the colour of j - 1 of 255 steps.
    const std::pair<int, COLORREF> stripes[] = {
        {1, kTo}, {2, kTo}, {3, RGB(200, 99, 1)}, {128, RGB(225, 50, 50)}, {254, RGB(250, 1, 99)}};
    for (const auto& [j, colour] : stripes) {
        EXPECT_EQ(at(0, 559 - 2 * j), colour) << "stripe " << j;
        EXPECT_EQ(at(0, 558 - 2 * j), colour) << "stripe " << j;
    }
    EXPECT_EQ(at(0, 48), kFrom) << "the last stripe runs past the top";
}

TEST_F(Gradient, ZeroExtentPaintsOneStripeInTheEndColourANegativeOneNothing) {
    RECT negative{0, 0, 4, 5};
    GradientFillRect(hdc, kFrom, kTo, negative, -1, kGradientVertical);
    EXPECT_EQ(at(0, 4), 0xFFFFFFu);
    EXPECT_EQ(negative, (RECT{0, 0, 4, 5}));

    RECT rect{0, 10, 4, 20};
    GradientFillRect(hdc, kFrom, kTo, rect, 0, kGradientVertical);
    EXPECT_EQ(at(0, 19), kTo);
    EXPECT_EQ(at(0, 18), 0xFFFFFFu);
    EXPECT_EQ(rect.top, 19);
    EXPECT_EQ(rect.bottom, 19);
}

TEST_F(Gradient, HorizontalStripesRunFromTheRightEdge) {
    RECT rect{0, 0, 8, 3};
    GradientFillRect(hdc, kFrom, kTo, rect, 6, kGradientHorizontal);
    EXPECT_EQ(at(7, 1), kTo);
    EXPECT_EQ(at(6, 1), kTo);
    // Stripe 2: 1 of 6 steps: 50/6 = 8.33 -> 208, -100/6 -> 83, 100/6 -> 17.
    EXPECT_EQ(at(5, 2), RGB(208, 83, 17));
    EXPECT_EQ(at(1, 0), RGB(242, 17, 83)) << "5 of 6 steps, the seventh stripe";
    EXPECT_EQ(at(0, 0), 0xFFFFFFu) << "seven stripes cover seven columns";
    EXPECT_EQ(at(3, 3), 0xFFFFFFu);
}

} // namespace

TEST_F(Gradient, AClippedGradientKeepsItsStripesAndDrawsNothingOutside) {
    QImage plain(8, 600, QImage::Format_RGB32);
    plain.fill(Qt::white);
    const HDC plainDc = CreateSurfaceDC(&plain);
    RECT unclipped{0, 10, 4, 20};
    GradientFillRect(plainDc, kFrom, kTo, unclipped, 15, kGradientVertical);
    DeleteDC(plainDc);

    const RECT clip{0, 10, 4, 20};
    RECT rect = clip;
    GradientFillRect(hdc, kFrom, kTo, rect, 15, kGradientVertical, clip);
    for (int y = 10; y < 20; ++y) {
        EXPECT_EQ(at(0, y), fromQColor(plain.pixelColor(0, y))) << y;
    }
    EXPECT_NE(fromQColor(plain.pixelColor(0, 9)), RGB(255, 255, 255)) << "unclipped overshoots";
    EXPECT_EQ(at(0, 9), RGB(255, 255, 255)) << "clipped: nothing above the rectangle";
}
