// The XP button's rules that need no surface: looks, icon positions with
// ties rounded to even, and the access key of a caption.
#include "button/XPButtonLayout.h"

#include <gtest/gtest.h>

using namespace lumokit;

namespace {

// The paint tests see looks 0, 1, 2 and 4 and the disabled look; here the
// requests they leave out.
TEST(XPButtonLayout, AToggleThatIsOnShowsLookFourUnlessHovered) {
    for (LONG requested : {0, 2, 3, 4, 9}) {
        EXPECT_EQ(XPButtonLayout::paintedLook(requested, true, true, true), 4) << requested;
        EXPECT_EQ(XPButtonLayout::paintedLook(requested, true, false, true), requested)
            << "checked, but off";
        EXPECT_EQ(XPButtonLayout::paintedLook(requested, false, false, false), 0) << requested;
    }
    EXPECT_EQ(XPButtonLayout::paintedLook(1, true, true, true), 1);
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
