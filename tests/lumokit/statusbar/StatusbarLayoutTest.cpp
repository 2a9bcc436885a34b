// Where the status bar's panels go: fixed, contents and spring widths, and
// the room a hidden panel keeps.
#include "statusbar/StatusbarLayout.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace lumokit;

namespace {

constexpr int H = 24;

int tenPerLetter(const QString& caption) {
    return 10 * static_cast<int>(caption.size());
}

QString spans(const std::vector<PlacedPanel>& placed) {
    QStringList parts;
    for (const PlacedPanel& p : placed) {
        parts.append(QStringLiteral("%1:%2-%3").arg(p.index).arg(p.rect.left).arg(p.rect.right));
    }
    return parts.join(QLatin1Char(' '));
}

PanelRecord panel(LONG width, sSize autosize = sSize::sNoAutosize, bool visible = true) {
    return PanelRecord{width, visible, QStringLiteral("abc"), autosize,
                       lumosBorder::lumosFlatBorder};
}

// Fixed panels from x = 5 with 10-pixel gaps, between top 4 and bottom
// h - 4: the edge pixels in StatusbarTest.PanelAndOuterBordersByStyle.
TEST(StatusbarLayout, ContentsFitTheCaptionAndASpringTakesTheRestLessHiddenPanels) {
    StatusbarLayout layout;
    layout.add(panel(100));
    layout.add(panel(0, sSize::sSpring));
    layout.add(panel(7, sSize::sContents));
    layout.add(panel(50, sSize::sNoAutosize, false));
    // 300 - 15 - (100 + 10) - (30 + 10 + 10) - (50 + 10) = 65
    EXPECT_EQ(spans(layout.layOut(300, H, tenPerLetter)),
              QStringLiteral("1:5-105 2:115-180 3:190-230"));
    EXPECT_EQ(layout.panel(3)->width, 40) << "stored back";
    EXPECT_EQ(layout.panel(2)->width, 65);

    layout.panelToWrite(3)->caption = QStringLiteral("abcdef");
    layout.layOut(300, H, tenPerLetter);
    EXPECT_EQ(layout.panel(3)->width, 70);
    EXPECT_EQ(layout.panel(2)->width, 35) << "the spring gives way in the same layout";
}

TEST(StatusbarLayout, SpringsShareTheRoomEquallyAndNeverGoBelowZero) {
    StatusbarLayout layout;
    layout.add(panel(0, sSize::sSpring));
    layout.add(panel(0, sSize::sSpring));
    // 100 - 15 - 10 between them = 75: 38 and 37.
    EXPECT_EQ(spans(layout.layOut(100, H, tenPerLetter)), QStringLiteral("1:5-43 2:53-90"));
    layout.layOut(20, H, tenPerLetter);
    EXPECT_EQ(layout.panel(1)->width, 0);
    EXPECT_EQ(layout.panel(2)->width, 0);
}

} // namespace
