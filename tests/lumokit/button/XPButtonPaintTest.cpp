// Pixels of the XP button's surface: the faces of the five looks in both
// styles, gradients, icons in their states, caption placement, shadows,
// the disabled look and the focus rectangle. Text is located by the exact
// pixels of its access-key underline, never by glyph pixels.
#include "XPButtonTestSupport.h"

#include "core/platform/SysColors.h"
#include "core/platform/Win32Text.h"

#include <gtest/gtest.h>

#include <QTest>

#include <cmath>
#include <functional>

using namespace lumokit;
using namespace xptest;

namespace {

constexpr int W = 120;
constexpr int H = 30;

// Every colour distinct, so that a colour in the wrong place shows.
constexpr COLORREF kBorder = RGB(1, 2, 3);
constexpr COLORREF kBorderOver = RGB(4, 5, 6);
constexpr COLORREF kBorderDown = RGB(7, 8, 9);
constexpr COLORREF kFace = RGB(250, 240, 230);
constexpr COLORREF kFaceOver = RGB(200, 210, 220);
constexpr COLORREF kFaceDown = RGB(150, 160, 170);
constexpr COLORREF kIcon = RGB(100, 110, 120);
constexpr COLORREF kIconOver = RGB(60, 70, 80);
constexpr COLORREF kIconDown = RGB(30, 40, 50);
constexpr COLORREF kChecked = RGB(90, 200, 90);
constexpr COLORREF kFocus = RGB(11, 22, 33);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

Picture redIcon(int size = 16) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(QColor(255, 0, 0));
    return Picture::fromImage(image, Picture::Icon);
}

class XPButtonPaint : public ::testing::Test {
protected:
    void SetUp() override {
        button = makeButton(W, H);
        button->setCaption(QString());
        button->setStyle(lumoStyle::lumoXP);
        button->setBorderColor(kBorder);
        button->setBorderColorOver(kBorderOver);
        button->setBorderColorDown(kBorderDown);
        button->setBackColor(kFace);
        button->setBackColorOver(kFaceOver);
        button->setBackColorDown(kFaceDown);
        button->setBackColorIcon(kIcon);
        button->setBackColorIconOver(kIconOver);
        button->setBackColorIconDown(kIconDown);
        button->setCheckedColor(kChecked);
        button->setFocusColor(kFocus);
        button->setFontColor(kBlack);
        button->setFontColorOver(kBlack);
        button->setFontColorDown(kBlack);
    }

    COLORREF pixel(int x, int y) const { return GetPixel(button->hDC(), x, y); }
    COLORREF cleared() const { return translateColor(button->UserControl::BackColor()); }

    // The bounding box of the pixels of the area that pass the test.
    QRect where(QRect area, const std::function<bool(COLORREF)>& test) const {
        return boundsWhere(area, [&](int x, int y) { return test(pixel(x, y)); });
    }
    QRect pixelsOf(COLORREF color, QRect area = QRect(0, 0, W, H)) const {
        return where(area, [color](COLORREF c) { return c == color; });
    }
    QRect inkOn(COLORREF background, QRect area) const {
        return where(area, [background](COLORREF c) { return c != background; });
    }

    std::unique_ptr<LumoXPButton> button;
};

TEST_F(XPButtonPaint, FacesOfTheLooksInTheFlatStyle) {
    struct Case {
        const char* name;
        LONG look;
        bool toggledOn;
        COLORREF frame, face, iconSquare, corner; // corner: pixel (1, 1)
    };
    const Case cases[] = {
        {"normal", 0, false, kBorder, kFace, kIcon, kIcon},
        {"over", 1, false, kBorderOver, kFaceOver, kIconOver, kIconOver},
        {"pressed", 2, false, kBorderDown, kFaceDown, kIconDown, kIconDown},
        {"toggle on", 4, true, kBorder, kFace, kChecked, kBorderDown},
        {"over a toggle that is on", 1, true, kBorderOver, kFaceOver, kIconOver, kBorderDown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        button->setChecked(c.toggledOn);
        button->setValue(c.toggledOn);
        button->DrawControl(c.look);
        EXPECT_EQ(button->paintedLook(), c.look);
        EXPECT_EQ(pixel(0, 0), c.frame);
        EXPECT_EQ(pixel(W - 1, H - 1), c.frame);
        EXPECT_EQ(pixel(W - 2, H - 2), c.face);
        EXPECT_EQ(pixel(15, 15), c.iconSquare);
        EXPECT_EQ(pixel(H - 1, 15), c.iconSquare) << "the square is h pixels wide";
        EXPECT_EQ(pixel(H, 15), c.face);
        EXPECT_EQ(pixel(1, 1), c.corner);
        // A toggle that is on frames the icon square inside: (1, 1, h - 1, h - 1).
        EXPECT_EQ(pixel(H - 2, H - 2), c.toggledOn ? kBorderDown : c.iconSquare);
    }
}

TEST_F(XPButtonPaint, ToggleWithoutIconFillsTheWholeFace) {
    button->setShowIcon(false);
    button->setChecked(true);
    button->setValue(true);
    button->DrawControl(0);
    EXPECT_EQ(pixel(15, 15), kChecked);
    EXPECT_EQ(pixel(60, 15), kChecked);
    EXPECT_EQ(pixel(60, 1), kBorderDown) << "inner frame (1, 1, w - 1, h - 1)";
    EXPECT_EQ(pixel(W - 2, 15), kBorderDown);
    EXPECT_EQ(pixel(60, 0), kBorder);

    button->setChecked(false);
    button->DrawControl(0);
    EXPECT_EQ(pixel(15, 15), kFace) << "without an icon square the face is one colour";
}

TEST_F(XPButtonPaint, CaptionOnlyAndUnknownLooksPaintNoFaceAnUnknownStyleOnlyFrames) {
    for (LONG look : {3, 9, -2}) {
        button->DrawControl(0);
        button->DrawControl(look);
        EXPECT_EQ(pixelsOf(cleared()), QRect(0, 0, W, H)) << "look " << look;
    }
    button->setBorderColor(0x80000010u); // a system colour paints as translated
    button->setStyle(static_cast<lumoStyle>(5));
    button->DrawControl(0);
    EXPECT_EQ(pixel(60, 15), cleared());
    EXPECT_EQ(pixel(15, 15), cleared());
    EXPECT_EQ(pixel(0, 0), GetSysColor(COLOR_BTNSHADOW));
}

// Row r of a vertical stripe gradient of extent h from fade to colour.
COLORREF gradientRow(COLORREF fade, COLORREF colour, int row, int h) {
    const int stripe = h - 1 - row; // 0 at the bottom
    const double share = stripe <= 1 ? 0.0 : static_cast<double>(stripe - 1) / h;
    const auto mix = [&](int from, int to) {
        return static_cast<int>(std::nearbyint(share * (from - to) + to));
    };
    return RGB(mix(GetRValue(fade), GetRValue(colour)), mix(GetGValue(fade), GetGValue(colour)),
               mix(GetBValue(fade), GetBValue(colour)));
}

TEST_F(XPButtonPaint, VividStyleFadesEveryAreaFromTheBottomUp) {
    constexpr COLORREF fade = RGB(255, 255, 240);
    button->setStyle(lumoStyle::lumoVivid);
    button->setButtonFadeColor(fade);
    button->setChecked(true);
    struct Case {
        LONG look;
        bool toggledOn;
        COLORREF face, iconSquare;
    };
    const Case cases[] = {{1, false, kFaceOver, kIconOver}, {4, true, kFace, kChecked}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.look);
        button->setValue(c.toggledOn);
        button->DrawControl(c.look);
        EXPECT_EQ(pixel(60, H - 2), c.face) << "the bottom rows have the named colour";
        EXPECT_EQ(pixel(10, H - 2), c.toggledOn ? kBorderDown : c.iconSquare);
        for (int row = 2; row <= H - 3; ++row) {
            ASSERT_EQ(pixel(60, row), gradientRow(fade, c.face, row, H)) << "row " << row;
            ASSERT_EQ(pixel(10, row), gradientRow(fade, c.iconSquare, row, H)) << "row " << row;
        }
        EXPECT_NE(pixel(60, 1), c.face);
    }
}

TEST_F(XPButtonPaint, IconInItsStatesAtItsSize) {
    button->setIcon(redIcon());
    struct Case {
        const char* name;
        LONG look;
        bool enabled;
        COLORREF colour;
        QRect bounds; // of the pixels in that colour
    };
    const Case cases[] = {
        {"normal", 0, true, kRed, QRect(7, 6, 16, 16)},
        {"over: lifted", 1, true, kRed, QRect(6, 6, 16, 16)},
        {"over: silhouette", 1, true, RGB(136, 141, 157), QRect(8, 8, 16, 16)},
        {"disabled: shadow", 0, false, GetSysColor(COLOR_BTNSHADOW), QRect(7, 7, 16, 16)},
        {"disabled: highlight", 0, false, GetSysColor(COLOR_BTNHIGHLIGHT), QRect(8, 8, 16, 16)},
        {"disabled: no colour", 0, false, kRed, QRect()},
    };
    for (const Case& c : cases) {
        button->setEnabled(c.enabled);
        button->DrawControl(c.look);
        EXPECT_EQ(pixelsOf(c.colour, QRect(0, 0, H, H)), c.bounds) << c.name;
    }
    // Drawn at the icon size whatever the picture's size.
    button->setEnabled(true);
    button->setIcon(redIcon(32));
    button->setIconSizeWidth(8);
    button->setIconSizeHeight(6);
    button->DrawControl(0);
    EXPECT_EQ(pixelsOf(kRed, QRect(0, 0, H, H)), QRect(11, 11, 8, 6));

    button->setIconSizeWidth(2000000);
    button->DrawControl(0);
    EXPECT_TRUE(pixelsOf(kRed).isEmpty()) << "an absurd size draws nothing, quickly";
}

class XPButtonCaption : public XPButtonPaint {
protected:
    void SetUp() override {
        XPButtonPaint::SetUp();
        button->setBackColor(kWhite);
        button->setBackColorIcon(kWhite);
        button->setShowIcon(false);
    }
    QRect captionArea() const { return QRect(1, 1, W - 2, H - 2); }
};

TEST_F(XPButtonCaption, CaptionRectangleStartsAfterTheIconSquare) {
    button->setCaption(QStringLiteral("&MMM"));
    const int textWidth = textExtent(button->hDC(), QStringLiteral("MMM")).width();
    struct Case {
        CaptionAlign align;
        bool showIcon;
        int firstColumn; // of the underline under the first letter
    };
    const Case cases[] = {
        {CaptionAlign::caLeft, false, 2},
        {CaptionAlign::caLeft, true, H + 2},
        {CaptionAlign::caCenter, false, (2 + W - 2 - textWidth) / 2},
        {CaptionAlign::caCenter, true, (H + 2 + W - 2 - textWidth) / 2},
        {CaptionAlign::caRight, false, W - 2 - textWidth},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.align));
        button->setShowIcon(c.showIcon);
        button->setAlignCaption(c.align);
        button->DrawControl(0);
        const QRect area(c.showIcon ? H : 1, 1, W - 1 - (c.showIcon ? H : 1), H - 2);
        EXPECT_EQ(pixelsOf(kBlack, area).left(), c.firstColumn) << "the underline is exact";
    }
}

TEST_F(XPButtonCaption, SingleLineIsCentredAndMultiLineStartsAtTheTop) {
    button->resize(W, 60);
    button->setCaption(QStringLiteral("&MM\n&MM"));
    const int lineHeight = textExtent(button->hDC(), QStringLiteral("MM")).height();
    const QRect area(1, 1, W - 2, 58);

    button->DrawControl(0);
    const QRect single = inkOn(kWhite, area);
    ASSERT_FALSE(single.isEmpty());
    EXPECT_LE(single.height(), lineHeight);
    EXPECT_NEAR(single.center().y(), 30, lineHeight / 2 + 1);

    button->setMultiLine(true);
    button->DrawControl(0);
    const QRect multi = inkOn(kWhite, area);
    EXPECT_GT(multi.height(), lineHeight) << "two lines";
    EXPECT_GE(multi.top(), 2);
    EXPECT_LT(multi.top(), 2 + lineHeight / 2) << "from the top of the caption rectangle";
    EXPECT_LT(multi.top(), single.top());
}

TEST_F(XPButtonCaption, CaptionColourAndShadowCopiesFollowTheLook) {
    button->setBackColorOver(kWhite);
    button->setBackColorDown(kWhite);
    button->setCaption(QStringLiteral("&MMM"));
    button->setFontColorOver(RGB(0, 200, 0));
    button->setFontColorDown(RGB(200, 0, 0));
    const std::pair<LONG, COLORREF> colours[] = {
        {1, RGB(0, 200, 0)}, {2, RGB(200, 0, 0)}, {3, kBlack}, {9, kBlack}};
    for (const auto& [look, colour] : colours) {
        button->DrawControl(look);
        EXPECT_FALSE(pixelsOf(colour, captionArea()).isEmpty()) << look;
    }

    button->setShadowColor(kRed);
    button->setShadowSize(2);
    button->DrawControl(0);
    const QRect caption = pixelsOf(kBlack, captionArea());
    const QRect shadow = pixelsOf(kRed, captionArea());
    ASSERT_FALSE(caption.isEmpty());
    EXPECT_EQ(shadow.left(), caption.left() + 1) << "copy 1 is one pixel right";
    EXPECT_EQ(shadow.bottom(), caption.bottom() + 2) << "copy 2 is two pixels down";

    button->setShowShadowOver(true);
    for (LONG look : {0, 1, 2, 3}) {
        button->DrawControl(look);
        EXPECT_EQ(pixelsOf(kRed, captionArea()).isEmpty(), look != 1) << look;
    }

    button->setShadowSize(2147483647); // stored as is, drawn as far as it can show
    button->DrawControl(1);
    EXPECT_FALSE(pixelsOf(kRed).isEmpty());
    button->setShadowSize(0);
    button->DrawControl(1);
    EXPECT_TRUE(pixelsOf(kRed).isEmpty());
}

TEST_F(XPButtonCaption, DisabledLookForEveryRequest) {
    button->setBackColor(RGB(200, 200, 200));
    button->setShowIcon(true);
    button->setIcon(redIcon());
    button->setCaption(QStringLiteral("&MMM"));
    button->setShadowColor(kRed);
    button->setShadowSize(4);
    button->setChecked(true);
    button->setValue(true);
    button->setEnabled(false);

    button->DrawControl(0);
    const QImage normal = button->surface().copy();
    const QRect area(H, 1, W - H - 1, H - 2);
    const QRect caption = pixelsOf(GetSysColor(COLOR_BTNSHADOW), area);
    const QRect engraving = pixelsOf(kWhite, area);
    ASSERT_FALSE(caption.isEmpty()) << "caption in the button-shadow colour";
    EXPECT_EQ(engraving.left(), caption.left() + 1) << "one white copy down and right";
    EXPECT_EQ(engraving.bottom(), caption.bottom() + 1);
    EXPECT_TRUE(pixelsOf(kRed).isEmpty()) << "no other shadow, no coloured icon";
    EXPECT_EQ(pixel(0, 0), kBorder);

    for (LONG look : {1, 2, 3, 4, 9}) {
        button->DrawControl(look);
        EXPECT_EQ(button->paintedLook(), 0) << look;
        EXPECT_TRUE(button->surface() == normal) << look;
    }
}

// The form is shown at the first focus change: showing it focuses the button.
class XPButtonFocus : public XPButtonCaption {
protected:
    void SetUp() override {
        XPButtonCaption::SetUp();
        form = std::make_unique<QWidget>();
        form->resize(300, 100);
        button->setParent(form.get());
        button->move(10, 10);
        other = new QWidget(form.get());
        other->setFocusPolicy(Qt::StrongFocus);
        other->setGeometry(10, 60, 50, 20);
    }
    void TearDown() override {
        button->setParent(nullptr);
        form.reset();
    }
    void focus(QWidget* widget) {
        if (!form->isVisible()) {
            form->show();
            QApplication::setActiveWindow(form.get());
            ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        }
        widget->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return widget->hasFocus(); }));
    }
    std::unique_ptr<QWidget> form;
    QWidget* other = nullptr;
};

TEST_F(XPButtonFocus, FocusAndDisplayAsDefaultDrawTheFocusColourAndADottedRectangle) {
    FakeContainer site;
    button->setContainer(&site);
    button->setCaption(QStringLiteral("&Go"));
    button->setShowIcon(true);
    button->setShowFocus(true);
    button->ambientPropertyChanged(QStringLiteral("DisplayAsDefault"));
    EXPECT_FALSE(button->hasFocusLook()) << "never focused: cleared again by the paint";
    EXPECT_EQ(pixel(0, 0), kBorder);

    focus(button.get());
    EXPECT_TRUE(button->hasFocusLook());
    EXPECT_EQ(pixel(0, 0), kFocus);
    // Inset 2, every other pixel inverted.
    EXPECT_EQ(pixel(2, 2), kWhite ^ 0xFFFFFFu);
    EXPECT_EQ(pixel(3, 2), kWhite);
    EXPECT_EQ(pixel(60, 2), kWhite ^ 0xFFFFFFu);
    EXPECT_EQ(pixel(3, H - 3), kWhite ^ 0xFFFFFFu) << "bottom edge, (x + y) even";
    EXPECT_EQ(pixel(1, 1), kWhite);

    button->setShowFocus(false);
    EXPECT_EQ(pixel(0, 0), kFocus) << "only the frame shows the focus";
    EXPECT_EQ(pixel(2, 2), kWhite);

    button->setShowFocus(true);
    button->setCaption(QString());
    EXPECT_EQ(pixel(2, 2), kWhite) << "no caption, no focus rectangle";
    EXPECT_EQ(pixel(0, 0), kFocus);

    focus(other);
    EXPECT_FALSE(button->hasFocusLook());
    EXPECT_EQ(pixel(0, 0), kBorder);
    button->ambientPropertyChanged(QStringLiteral("DisplayAsDefault"));
    EXPECT_TRUE(button->hasFocusLook()) << "once it had the focus";
    EXPECT_EQ(pixel(0, 0), kFocus);
    site.displayAsDefault = false;
    button->ambientPropertyChanged(QStringLiteral("DisplayAsDefault"));
    EXPECT_EQ(pixel(0, 0), kBorder);
    button->setContainer(nullptr);
}

} // namespace
