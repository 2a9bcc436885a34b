// The XP button's rules that need no surface: rounding, looks, icon
// positions, shadow counts and the access key of a caption.
#include "button/XPButtonLayout.h"

#include <gtest/gtest.h>

using namespace lumokit;

namespace {

TEST(XPButtonLayout, HalvesRoundToTheEvenNeighbour) {
    const std::pair<double, int> cases[] = {{0.5, 0},   {1.5, 2},  {2.5, 2},  {3.5, 4}, {-0.5, 0},
                                            {-1.5, -2}, {4.49, 4}, {4.51, 5}, {7.0, 7}};
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(XPButtonLayout::roundHalfEven(value), expected) << value;
    }
}

TEST(XPButtonLayout, PaintedLookOfEveryRequest) {
    struct Case {
        LONG requested;
        bool toggledOn, enabled;
        LONG painted;
    };
    const Case cases[] = {
        {0, false, true, 0}, {1, false, true, 1}, {2, false, true, 2}, {3, false, true, 3},
        {4, false, true, 4}, {9, false, true, 9}, {0, true, true, 4},  {1, true, true, 1},
        {2, true, true, 4},  {3, true, true, 4},  {9, true, true, 4},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(XPButtonLayout::paintedLook(c.requested, c.toggledOn, c.toggledOn, c.enabled),
                  c.painted)
            << c.requested << " " << c.toggledOn;
    }
    for (LONG requested : {0, 1, 2, 3, 4, 9, -1}) {
        EXPECT_EQ(XPButtonLayout::paintedLook(requested, false, false, false), 0) << requested;
        EXPECT_EQ(XPButtonLayout::paintedLook(requested, true, true, false), 0) << requested;
    }
}

TEST(XPButtonLayout, IconPositionsRoundTiesToEven) {
    struct Case {
        XPIconUse use;
        int h, w, iconH;
        LONG x, y;
    };
    const Case cases[] = {
        // h 25, 16 x 16: 4.5 -> 4, 3.5 -> 4, 5.5 -> 6.
        {XPIconUse::Normal, 25, 16, 16, 4, 4},
        {XPIconUse::Disabled, 25, 16, 16, 4, 4},
        {XPIconUse::OverSilhouette, 25, 16, 16, 6, 6},
        {XPIconUse::OverLifted, 25, 16, 16, 4, 4},
        // Odd icon sizes: 12 - 3.5 = 8.5 -> 8; 12 - 2.5 - 1 = 8.5 -> 8.
        {XPIconUse::Normal, 24, 7, 5, 8, 8},
        {XPIconUse::Disabled, 24, 7, 5, 8, 10},
    };
    for (const Case& c : cases) {
        const POINT at = XPButtonLayout::iconPosition(c.use, c.h, c.w, c.iconH);
        EXPECT_EQ(at.x, c.x) << static_cast<int>(c.use) << " h " << c.h;
        EXPECT_EQ(at.y, c.y) << static_cast<int>(c.use) << " h " << c.h;
    }
}

TEST(XPButtonLayout, ShadowCopiesStopWhereNothingCouldShow) {
    EXPECT_EQ(XPButtonLayout::visibleShadowCount(0, 100, 30), 0);
    EXPECT_EQ(XPButtonLayout::visibleShadowCount(-4, 100, 30), 0);
    EXPECT_EQ(XPButtonLayout::visibleShadowCount(3, 100, 30), 3);
    EXPECT_EQ(XPButtonLayout::visibleShadowCount(2147483647, 100, 30), 100);
    // The last counted copy starts outside the surface.
    const RECT last = XPButtonLayout::shadowRect(100, 100, 30, false);
    EXPECT_GE(last.left, 100);
}

TEST(XPButtonLayout, AccessKeyIsTheCharacterAfterTheFirstSinglePrefix) {
    struct Case {
        const char* caption;
        char key; // 0: none
    };
    const Case cases[] = {
        {"&Save", 'S'}, {"Sa&ve", 'v'},   {"&&Print &Copy", 'C'}, {"A&&B", 0},       {"A&&B&&", 0},
        {"Close", 0},   {"Trailing&", 0}, {"&&&X", 'X'},          {"&&&&Y &Z", 'Z'}, {"", 0},
        {"&", 0},       {"&&", 0},        {"Tom && &Jerry", 'J'},
    };
    for (const Case& c : cases) {
        const std::optional<QChar> key = XPButtonLayout::accessKeyOf(QLatin1String(c.caption));
        if (c.key == 0) {
            EXPECT_FALSE(key.has_value()) << c.caption;
        } else {
            ASSERT_TRUE(key.has_value()) << c.caption;
            EXPECT_EQ(*key, QLatin1Char(c.key)) << c.caption;
        }
    }
}

} // namespace
