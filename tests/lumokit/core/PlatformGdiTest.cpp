// Pixel results of the graphics layer: fills, edges, state drawing and
// colour translation. Frames are checked through the status bar, the focus
// rectangle's every other inverted pixel through the XP button.
#include "core/platform/SysColors.h"
#include "core/platform/Win32Gdi.h"
#include "core/platform/Win32Icons.h"
#include "core/platform/Win32Rect.h"

#include <gtest/gtest.h>

#include <QImage>

using namespace lumokit;

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;

class Surface : public ::testing::Test {
protected:
    void SetUp() override {
        image = QImage(40, 30, QImage::Format_RGB32);
        image.fill(Qt::white);
        hdc = CreateSurfaceDC(&image);
        objectsBefore = liveGdiObjectCount();
    }
    void TearDown() override {
        DeleteDC(hdc);
        EXPECT_EQ(liveGdiObjectCount(), objectsBefore) << "a brush or region was not deleted";
    }
    COLORREF at(int x, int y) const { return GetPixel(hdc, x, y); }
    void fill(RECT rect, COLORREF color) {
        const HBRUSH brush = CreateSolidBrush(color);
        FillRect(hdc, &rect, brush);
        DeleteObject(brush);
    }

    QImage image;
    HDC hdc = 0;
    int objectsBefore = 0;
};

TEST_F(Surface, FillRectCoversLeftTopInclusiveRightBottomExclusive) {
    fill(RECT{2, 3, 6, 5}, RGB(255, 0, 0));
    EXPECT_EQ(at(2, 3), RGB(255, 0, 0));
    EXPECT_EQ(at(5, 4), RGB(255, 0, 0));
    for (const auto& [x, y] : {std::pair{6, 4}, {5, 5}, {1, 3}, {2, 2}}) {
        EXPECT_EQ(at(x, y), kWhite) << x << "," << y;
    }
    fill(RECT{10, 10, 10, 20}, 0);              // empty
    fill(RECT{10, 10, 5, 5}, 0);                // inverted
    fill(RECT{-50, -50, 1, 1}, RGB(0, 0, 255)); // clipped to the surface
    EXPECT_EQ(at(10, 10), kWhite);
    EXPECT_EQ(at(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(at(1, 0), kWhite);
    RECT system{20, 20, 22, 22};
    FillRect(hdc, &system, COLOR_BTNSHADOW + 1); // a system colour brush is index + 1
    EXPECT_EQ(at(21, 21), 0x808080u);
}

// Outer edge, then inner; top and left before bottom and right, so the
// top-right and bottom-left corners take the lower-right colour. Single
// edges are checked through the status bar's panel borders.
TEST_F(Surface, DrawEdgeOuterThenInnerWithLowerRightCorners) {
    struct Case {
        const char* name;
        UINT edge;
        int outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight; // -1: untouched
    };
    const Case cases[] = {
        {"raised", EDGE_RAISED, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT,
         COLOR_BTNSHADOW},
        {"sunken", EDGE_SUNKEN, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW,
         COLOR_3DLIGHT},
    };
    for (const Case& c : cases) {
        fill(RECT{0, 0, 40, 30}, kWhite);
        RECT rect{2, 2, 12, 10};
        ASSERT_TRUE(DrawEdge(hdc, &rect, c.edge, BF_RECT));
        const auto colour = [](int index) { return index < 0 ? kWhite : GetSysColor(index); };
        const std::pair<QPoint, int> expected[] = {
            {{2, 2}, c.outerTopLeft},      {{6, 2}, c.outerTopLeft},
            {{11, 2}, c.outerBottomRight}, {{2, 9}, c.outerBottomRight},
            {{3, 3}, c.innerTopLeft},      {{10, 3}, c.innerBottomRight},
            {{10, 8}, c.innerBottomRight}, {{6, 6}, -1}};
        for (const auto& [point, index] : expected) {
            EXPECT_EQ(at(point.x(), point.y()), colour(index))
                << c.name << " at " << point.x() << "," << point.y();
        }
    }
}

TEST_F(Surface, DrawEdgeOnlyOnTheGivenSides) {
    RECT rect{2, 2, 12, 10};
    DrawEdge(hdc, &rect, BDR_SUNKENOUTER, BF_BOTTOM);
    EXPECT_EQ(at(6, 9), GetSysColor(COLOR_BTNHIGHLIGHT));
    fill(RECT{0, 0, 40, 30}, 0);
    DrawEdge(hdc, &rect, BDR_SUNKENOUTER, BF_TOP | BF_LEFT);
    EXPECT_EQ(at(6, 2), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(at(11, 6), 0u);
    EXPECT_EQ(at(6, 9), 0u);
}

QImage iconImage() {
    // 4 x 4: opaque red, opaque white, transparent.
    QImage icon(4, 4, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    icon.setPixel(0, 0, qRgb(255, 0, 0));
    icon.setPixel(1, 0, qRgb(255, 255, 255));
    icon.setPixel(2, 1, qRgb(255, 0, 0));
    icon.setPixel(3, 3, qRgb(0, 0, 0));
    return icon;
}

// Where the silhouette and the embossed icon lie is checked through the XP
// button; here which pixels of the picture count.
TEST_F(Surface, DrawStateMonoSkipsWhiteAndDisabledEmbossesHighlightUnderShadow) {
    const Picture icon = Picture::fromImage(iconImage(), Picture::Icon);
    const HBRUSH brush = CreateSolidBrush(RGB(136, 141, 157));
    ASSERT_TRUE(DrawStateA(hdc, brush, nullptr, icon, 0, 10, 10, 4, 4, DST_ICON | DSS_MONO));
    DeleteObject(brush);
    EXPECT_EQ(at(12, 11), RGB(136, 141, 157));
    EXPECT_EQ(at(11, 10), kWhite) << "white parts of the picture are no silhouette";
    EXPECT_EQ(at(11, 11), kWhite) << "transparent parts";

    fill(RECT{0, 0, 40, 30}, RGB(0, 0, 255));
    DrawStateA(hdc, 0, nullptr, icon, 0, 10, 10, 4, 4, DST_ICON | DSS_DISABLED);
    EXPECT_EQ(at(11, 11), GetSysColor(COLOR_BTNHIGHLIGHT)) << "(0,0) shifted by one";
    EXPECT_EQ(at(12, 11), GetSysColor(COLOR_BTNSHADOW)) << "shadow drawn over highlight";
    EXPECT_EQ(at(11, 10), RGB(0, 0, 255));
}

TEST_F(Surface, ObjectsAreCountedUntilDeletedAndRefuseUseAfterwards) {
    const HBRUSH brush = CreateSolidBrush(0);
    EXPECT_EQ(liveGdiObjectCount(), objectsBefore + 1);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_FALSE(DeleteObject(brush));

    const HDC deleted = CreateSurfaceDC(&image);
    DeleteDC(deleted);
    RECT rect{0, 0, 5, 5};
    EXPECT_EQ(FillRect(deleted, &rect, COLOR_WINDOWTEXT + 1), 0) << "a deleted context draws not";
    EXPECT_EQ(at(0, 0), kWhite);
}

TEST(OleTranslateColor, SystemAndPlainColours) {
    struct Case {
        OLE_COLOR input;
        HRESULT result;
        COLORREF output;
    };
    const Case cases[] = {
        {0x80000010u, S_OK, 0x808080u}, // button shadow
        {0x02123456u, S_OK, 0x123456u},
        {0x80000100u, E_INVALIDARG, 0xABCDEFu}, // unknown index: output untouched
        {0x40FFFFFFu, E_INVALIDARG, 0xABCDEFu},
    };
    for (const Case& c : cases) {
        COLORREF out = 0xABCDEF;
        EXPECT_EQ(OleTranslateColor(c.input, 0, &out), c.result) << std::hex << c.input;
        EXPECT_EQ(out, c.output) << std::hex << c.input;
    }
    EXPECT_EQ(translateColor(0x80000100u), 0u);
}

TEST(Rectangles, RightAndBottomAreExclusive) {
    RECT out{9, 9, 9, 9};
    const RECT a{0, 0, 10, 10};
    const RECT b{5, 6, 20, 8};
    EXPECT_TRUE(IntersectRect(&out, &a, &b));
    EXPECT_EQ(out, (RECT{5, 6, 10, 8}));
    const RECT touching{10, 0, 20, 10};
    EXPECT_FALSE(IntersectRect(&out, &a, &touching));
}

} // namespace
