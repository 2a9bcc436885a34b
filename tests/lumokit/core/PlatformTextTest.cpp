// Text placement of DrawTextA with the flags the controls use: extents,
// clipping, line breaks and the Marlett shapes. Vertical placement and
// prefix underlines are checked through the XP button's caption pixels.
// Glyph pixels are not compared.
#include "core/platform/SysColors.h"
#include "core/platform/Win32Gdi.h"
#include "core/platform/Win32Text.h"
#include "lumokit/LumoKitTestSupport.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>

using namespace lumokit;
using namespace lumokittest;

namespace {

class TextSurface : public ::testing::Test {
protected:
    void SetUp() override {
        image = QImage(200, 60, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        image.fill(Qt::white);
        hdc = CreateSurfaceDC(&image);
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPixelSize(12);
        setDeviceFont(hdc, font);
        SetBkMode(hdc, TRANSPARENT);
    }
    void TearDown() override { DeleteDC(hdc); }

    // Bounding box of every pixel that is not white.
    QRect inked() const {
        return boundsWhere(
            image.rect(), [&](int x, int y) { return (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF; });
    }
    int lineHeight() const { return QFontMetrics(mappedFont(currentFont(hdc)), &image).height(); }

    QImage image;
    HDC hdc = 0;
};

TEST_F(TextSurface, CalcRectMeasuresWithoutDrawingAndCountsPrefixesOnce) {
    RECT plain{10, 5, 10, 5};
    const int height =
        DrawTextA(hdc, QStringLiteral("Save"), -1, &plain, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(height, lineHeight());
    EXPECT_EQ(plain.bottom - plain.top, lineHeight());
    EXPECT_TRUE(inked().isEmpty());

    RECT prefixed{10, 5, 10, 5};
    DrawTextA(hdc, QStringLiteral("&Save"), -1, &prefixed, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(prefixed, plain);
    RECT escaped{0, 0, 0, 0};
    RECT single{0, 0, 0, 0};
    DrawTextA(hdc, QStringLiteral("A&&B"), -1, &escaped, DT_SINGLELINE | DT_CALCRECT);
    DrawTextA(hdc, QStringLiteral("A&B"), -1, &single, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    EXPECT_EQ(escaped.right, single.right);
}

TEST_F(TextSurface, TextIsClippedToTheRectangle) {
    RECT rect{10, 10, 30, 20};
    DrawTextA(hdc, QStringLiteral("WWWWWWWWWW"), -1, &rect, DT_SINGLELINE);
    EXPECT_TRUE(QRect(10, 10, 20, 10).contains(inked()));
}

TEST_F(TextSurface, LineBreaksMakeLinesUnlessSingleLine) {
    const int h = lineHeight();
    RECT twoLines{0, 0, 200, 60};
    EXPECT_EQ(DrawTextA(hdc, QStringLiteral("one\r\ntwo"), -1, &twoLines, DT_CALCRECT), 2 * h);
    RECT single{0, 0, 200, 60};
    EXPECT_EQ(
        DrawTextA(hdc, QStringLiteral("one\r\ntwo"), -1, &single, DT_CALCRECT | DT_SINGLELINE), h);
}

TEST_F(TextSurface, MarlettArrowIsAFilledTriangle) {
    QFont marlett(QStringLiteral("Marlett"));
    marlett.setPixelSize(13);
    setDeviceFont(hdc, marlett);
    SetTextColor(hdc, RGB(0, 0, 0));
    RECT cell{0, 0, 13, 13};
    DrawTextA(hdc, QStringLiteral("6"), -1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    // Base 5, depth 3, centred in the 13 x 13 cell: narrower by two a row.
    EXPECT_EQ(inked(), QRect(4, 5, 5, 3));
    const auto ink = [&](int x, int y) { return (image.pixel(x, y) & 0xFFFFFF) == 0; };
    EXPECT_TRUE(ink(4, 5) && ink(5, 6) && ink(6, 7));
    EXPECT_FALSE(ink(4, 6) || ink(5, 7) || ink(7, 7));
}

TEST(FontMapping, MsSansSerifBecomesTheDesktopSansFont) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    const QFont mapped = mappedFont(font);
    EXPECT_EQ(mapped.family(), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    EXPECT_TRUE(mapped.bold());
    EXPECT_DOUBLE_EQ(mapped.pointSizeF(), 8.25);
    EXPECT_EQ(mappedFont(QFont(QStringLiteral("Courier"))).family(), QStringLiteral("Courier"));
}

} // namespace
