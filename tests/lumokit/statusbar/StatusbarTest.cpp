// The status bar as a window: its paint (gradient, placeholder, borders,
// grip), when it repaints, its panel members at their bounds, what it saves,
// and About.
#include "statusbar/lumoStatusbar.h"

#include "core/control/cTimer.h"
#include "core/platform/SysColors.h"
#include "core/platform/Win32Gdi.h"
#include "core/platform/Win32Text.h"
#include "core/platform/Win32Timer.h"
#include "lumokit/LumoKitTestSupport.h"
#include "popups/AboutBox.h"

#include <lumokit/ComError.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include <memory>

using namespace lumokit;

namespace {

class Statusbar : public ::testing::Test {
protected:
    void SetUp() override {
        bar = std::make_unique<lumoStatusbar>();
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(11);
        bar->setControlFont(font);
        bar->resize(300, 24);
        bar->show(); // resizes reach a shown window at once
        bar->DrawStatusBar();
    }
    COLORREF pixel(int x, int y) const { return fromQColor(bar->surface().pixelColor(x, y)); }
    bool tick() { return TimerSeam::fire(bar->repaintTimer()->TimerID()); }

    std::unique_ptr<lumoStatusbar> bar;
};

TEST_F(Statusbar, WithoutPanelsAFramedPlaceholderOverTheGradient) {
    const int w = bar->width();
    const int h = bar->height();
    EXPECT_EQ(pixel(150, h - 1), translateColor(bar->bgColor2())) << "bottom row";
    EXPECT_EQ(pixel(5, 4), translateColor(bar->Framecolor()));
    EXPECT_EQ(pixel(w - 11, h - 5), translateColor(bar->Framecolor()));
    EXPECT_NE(pixel(w - 10, 4), translateColor(bar->Framecolor())) << "frame ends at w - 10";
    // The text (dark over the light gradient) starts 5 pixels inside the frame.
    int firstInk = -1;
    for (int x = 6; x < 60 && firstInk < 0; ++x) {
        for (int y = 5; y < h - 5; ++y) {
            if (GetRValue(pixel(x, y)) < 128) {
                firstInk = x;
                break;
            }
        }
    }
    EXPECT_GE(firstInk, 10);
    EXPECT_LE(firstInk, 12);
    int grip = 0;
    for (int x = w - 12; x < w; ++x) {
        for (int y = h - 12; y < h; ++y) {
            grip += pixel(x, y) == translateColor(bar->ForeColor()) ? 1 : 0;
        }
    }
    EXPECT_GT(grip, 3) << "size grip strokes at the lower right";
}

TEST_F(Statusbar, PanelAndOuterBordersByStyle) {
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    bar->setFramecolor(0x0000FF);
    bar->AddPanel(QStringLiteral("none"), 40, true, sSize::sNoAutosize, lumosBorder::lumosNoBorder);
    bar->AddPanel(QStringLiteral("flat"), 40);
    bar->AddPanel(QStringLiteral("raised"), 40, true, sSize::sNoAutosize,
                  lumosBorder::lumos3dRaisedBorder);
    bar->AddPanel(QStringLiteral("down"), 40, true, sSize::sNoAutosize,
                  lumosBorder::lumos3dDownBorder);
    const COLORREF gradientAt4 = pixel(4, 4);
    EXPECT_EQ(pixel(5, 4), gradientAt4) << "no border";
    EXPECT_EQ(pixel(55, 4), RGB(255, 0, 0)) << "flat, in Framecolor";
    EXPECT_EQ(pixel(105, 4), highlight) << "raised inner edge";
    EXPECT_EQ(pixel(144, 19), shadow);
    EXPECT_EQ(pixel(155, 4), shadow) << "sunken outer edge";
    EXPECT_EQ(pixel(194, 19), highlight);

    bar->setBorderColor(0x00FF00);
    const struct {
        lumosBorder border;
        COLORREF corner;
    } outer[] = {{lumosBorder::lumosNoBorder, pixel(0, 0)},
                 {lumosBorder::lumosFlatBorder, RGB(0, 255, 0)},
                 {lumosBorder::lumos3dRaisedBorder, pixel(0, 0)},
                 {lumosBorder::lumos3dDownBorder, highlight}};
    for (const auto& o : outer) {
        bar->setBorder(o.border);
        EXPECT_EQ(pixel(0, 0), o.corner) << static_cast<int>(o.border);
    }
}

TEST_F(Statusbar, AnIdleBarHasNoTimerRunningAndAChangeShowsAtTheNextTick) {
    const COLORREF marker = RGB(1, 2, 3);
    SetPixel(bar->hDC(), 150, 12, marker);
    EXPECT_EQ(bar->repaintTimer()->Interval(), 0) << "nothing to show: no ticks at all";

    bar->setFramecolor(0x0000FF);
    bar->setBorderColor(0x00FF00);
    EXPECT_TRUE(bar->repaintPending());
    EXPECT_EQ(bar->repaintTimer()->Interval(), lumoStatusbar::kRepaintInterval);
    EXPECT_EQ(pixel(150, 12), marker) << "a frame colour waits for the tick";
    ASSERT_TRUE(tick());
    EXPECT_EQ(pixel(5, 4), RGB(255, 0, 0));
    EXPECT_NE(pixel(150, 12), marker);
    EXPECT_EQ(bar->repaintTimer()->Interval(), 0) << "stopped again";

    QFont larger = bar->font();
    larger.setPixelSize(20);
    bar->setControlFont(larger);
    EXPECT_TRUE(bar->repaintPending()) << "a new font shows at the next tick too";
    ASSERT_TRUE(tick());

    SetPixel(bar->hDC(), 150, 12, marker);
    bar->resize(320, 24);
    EXPECT_NE(pixel(150, 12), marker) << "a resize repaints at once";
    EXPECT_FALSE(bar->repaintPending());
}

TEST_F(Statusbar, PanelMembersIgnoreIndexZeroAndRaiseError9OutsideTheList) {
    EXPECT_THROW(bar->PanelCaption(0), ComError) << "no panels yet";
    bar->AddPanel(QStringLiteral("one"), 50);
    bar->AddPanel(QStringLiteral("two"), 60, false, sSize::sContents,
                  lumosBorder::lumos3dDownBorder);
    EXPECT_EQ(bar->PanelCaption(0), QString());
    EXPECT_EQ(bar->PanelWidth(0), 0);
    bar->setPanelCaption(0, QStringLiteral("ignored"));
    EXPECT_EQ(bar->PanelCaption(1), QStringLiteral("one"));
    EXPECT_FALSE(bar->PanelVisible(2));
    EXPECT_EQ(bar->PanelAutosize(2), sSize::sContents);
    EXPECT_EQ(bar->PanelBorder(2), lumosBorder::lumos3dDownBorder);
    EXPECT_THROW(bar->PanelCaption(5), ComError);
    EXPECT_THROW(bar->setPanelWidth(-1, 5), ComError);

    bar->setPanelVisible(2, true);
    QFont panelFont = bar->font();
    panelFont.setFamily(QStringLiteral("MS Sans Serif"));
    const HFONT measured = CreateFontFromQFont(panelFont);
    const HGDIOBJ previous = SelectObject(bar->hDC(), measured);
    const int width = textExtent(bar->hDC(), QStringLiteral("two")).width();
    SelectObject(bar->hDC(), previous);
    DeleteObject(measured);
    EXPECT_EQ(bar->PanelWidth(2), width + 10)
        << "a contents panel's width follows its caption in MS Sans Serif once shown";
}

TEST_F(Statusbar, SavesItsFiveKeysInOrderButNoPanels) {
    lumoStatusbar fresh;
    fresh.initNew();
    PropertyBag none;
    fresh.writeTo(none);
    EXPECT_EQ(none.count(), 0);

    bar->setBorderColor(0x010203);
    bar->setBorder(lumosBorder::lumos3dDownBorder);
    bar->setFramecolor(0x040506);
    bar->setbgColor1(0x070809);
    bar->setbgColor2(0x0A0B0C);
    bar->AddPanel(QStringLiteral("one"), 50);
    PropertyBag bag;
    bar->writeTo(bag);
    EXPECT_EQ(bag.keys(), (QStringList{QStringLiteral("bgColor2"), QStringLiteral("bgColor1"),
                                       QStringLiteral("Framecolor"), QStringLiteral("Border"),
                                       QStringLiteral("BorderColor")}));
    lumoStatusbar loaded;
    loaded.readFrom(PropertyBag::fromJson(bag.toJson()));
    for (const char* name : {"bgColor2", "bgColor1", "Framecolor", "Border", "BorderColor"}) {
        EXPECT_EQ(loaded.property(name), bar->property(name)) << name;
    }
    EXPECT_EQ(loaded.panelCount(), 0);
}

TEST_F(Statusbar, AboutShowsTheLibraryAboutBoxOwnedByTheBar) {
    QWidget* owner = nullptr;
    QTimer::singleShot(0, [&owner] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<AboutBox*>(window); box && box->isVisible()) {
                owner = box->parentWidget();
                box->close();
            }
        }
    });
    bar->About();
    EXPECT_EQ(owner, bar.get());
}

} // namespace
