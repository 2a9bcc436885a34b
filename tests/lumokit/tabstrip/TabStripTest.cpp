// The tab strip as a window: its events in order for mouse and keys, the
// tooltip and the leave notice, what each property write does, what it saves,
// and a few decisive pixels of each look.
#include "TabStripTestSupport.h"

#include "core/control/cTimer.h"
#include "core/platform/Win32Gdi.h"
#include "core/platform/Win32Timer.h"
#include "core/platform/Win32Window.h"
#include "popups/Tooltip.h"
#include "tabstrip/TabStripPainter.h"

#include <QTest>

using namespace lumokit;
using namespace tabtest;

namespace {

using TabStrip = TabStripFixture;

TEST_F(TabStrip, AClickRaisesDownUpThenTabClickAndADoubleClickIsTwoClicks) {
    const QPoint at = tabPoint(2);
    const QString xy = QStringLiteral("%1,%2)").arg(at.x()).arg(at.y());
    hover(at);
    QTest::mouseClick(strip, Qt::LeftButton, {}, at);
    EXPECT_EQ(log, (QStringList{"MouseMove(0,0," + xy, "MouseOverTab(2,about Two)",
                                "MouseDown(1,0," + xy, "MouseUp(1,0," + xy, "TabClick(2)"}));
    EXPECT_EQ(strip->Selected(), 2);
    log.clear();
    lumokittest::doubleClick(strip, tabPoint(3));
    EXPECT_EQ(log.filter(QStringLiteral("TabClick")), (QStringList{"TabClick(3)", "TabClick(3)"}));
}

TEST_F(TabStrip, KeysAnnounceAfterKeyUpFromTheTabTheHostSelected) {
    SendMessageA(strip->hWnd(), WM_SETFOCUS, 0, 0);
    QTest::keyClick(strip, Qt::Key_Right);
    EXPECT_EQ(log, (QStringList{"KeyDown(39,0)", "KeyUp(39,0)", "TabClick(2)"}));
    strip->setSelected(3); // the keyboard focus follows the host's choice
    log.clear();
    QTest::keyClick(strip, Qt::Key_Return);
    EXPECT_EQ(log, (QStringList{"KeyDown(13,0)", "KeyPress(13)", "KeyUp(13,0)", "TabClick(3)"}));
}

TEST_F(TabStrip, ATipShowsAfterTheDelayAndLeavingEndsTipAndHoverLookOnce) {
    setCursorPosSource([] { return QPoint(50, 50); });
    strip->setStyle(lumobStyle::lumoXP);
    strip->setTabToolText(2, QStringLiteral("Second tab"));
    hover(tabPoint(1));
    EXPECT_EQ(strip->tipTimer()->Interval(), 0) << "tab 1 has no tip";
    hover(tabPoint(2));
    EXPECT_EQ(strip->tipTimer()->Interval(), lumoTabStrip::kTipDelay);
    ASSERT_TRUE(TimerSeam::fire(strip->tipTimer()->TimerID()));
    ASSERT_NE(Tooltip::current(), nullptr);
    EXPECT_EQ(Tooltip::current()->TipText(), QStringLiteral("Second tab"));
    hover(tabPoint(2) + QPoint(1, 0));
    EXPECT_NE(Tooltip::current(), nullptr) << "moving within the tab keeps it";
    hover(tabPoint(3));
    EXPECT_EQ(Tooltip::current(), nullptr);
    hover(tabPoint(2));
    EXPECT_EQ(pixel(tabPoint(2).x(), tabPoint(2).y()), translateColor(strip->TabColorOver()));
    leave();
    leave();
    EXPECT_EQ(strip->tipTimer()->Interval(), 0) << "leaving cancels a pending tip";
    EXPECT_EQ(log.filter(QStringLiteral("MouseOut")), QStringList{"MouseOut"});
    EXPECT_EQ(pixel(tabPoint(2).x(), tabPoint(2).y()), translateColor(strip->TabColor()));
    setCursorPosSource({});
}

TEST_F(TabStrip, WritesMarkChangedAndRepaintAsEachPropertySays) {
    QStringList changed;
    QObject::connect(strip, &UserControl::propertyChanged, strip,
                     [&changed](const QString& name) { changed.append(name); });
    const struct {
        const char* name;
        std::function<void()> write;
        bool repaints;
    } writes[] = {
        {"CheckBorderColor", [&] { strip->setCheckBorderColor(0x123456); }, true},
        {"TabVisible", [&] { strip->setTabVisible(3, false); }, true},
        {"TabToolText", [&] { strip->setTabToolText(1, QStringLiteral("t")); }, false},
        {"FontColor", [&] { strip->setFontColor(0xFF); }, false},
        {"MousePointer", [&] { strip->setMousePointer(2); }, false},
        {"", [&] { strip->setTabEnable(9, false); }, false}, // above the count
    };
    for (const auto& w : writes) {
        changed.clear();
        SetPixel(strip->hDC(), 0, 0, RGB(1, 2, 3));
        w.write();
        EXPECT_EQ(changed.join(QString()), QString::fromLatin1(w.name));
        EXPECT_EQ(pixel(0, 0) != RGB(1, 2, 3), w.repaints) << w.name;
    }
    EXPECT_EQ(strip->cursor().shape(), Qt::CrossCursor);
}

TEST_F(TabStrip, ANewStripSavesNothingAndAChangedOneComesBackWhole) {
    lumoTabStrip changed;
    changed.initNew();
    PropertyBag bag;
    changed.writeTo(bag);
    EXPECT_EQ(bag.count(), 0);

    OLE_COLOR colour = 0x010101;
    for (const char* name :
         {"BackColor", "TabColor", "TabColorOver", "TabColorDown", "SelectedBackColor",
          "TabBorColor", "TabBorColorOver", "TabBorColorDown", "CheckbgColor", "CheckBorderColor",
          "BorderColor", "FocusColor"}) {
        changed.setProperty(name, QVariant::fromValue<uint>(colour += 0x010203));
    }
    changed.setFontColor(0xFF0000); // blue: more than 16 bits
    changed.setStyle(lumobStyle::lumoXP);
    changed.setSelected(70000);
    changed.setTabStyle(lumoTabstyle::IconOnly);
    changed.setMouseIcon(TabStripPainter::overflowArrow());
    changed.setMousePointer(99);
    changed.setFont(fixedFont());
    changed.writeTo(bag);
    EXPECT_EQ(bag.keys().join(QLatin1Char(' ')),
              QStringLiteral("BackColor TabColor TabColorOver TabColorDown SelectedBackColor "
                             "TabBorColor TabBorColorOver TabBorColorDown CheckbgColor "
                             "CheckBorderColor BorderColor Style Selected TabStyle MouseIcon "
                             "MousePointer Font FontColor FocusColor"));
    EXPECT_EQ(bag.kind(QStringLiteral("Style")), PropertyBag::Kind::Integer);

    lumoTabStrip loaded;
    loaded.readFrom(PropertyBag::fromJson(bag.toJson()));
    for (const QString& key : bag.keys()) {
        if (key != QLatin1String("Font") && key != QLatin1String("MouseIcon")) {
            EXPECT_EQ(loaded.property(key.toLatin1()), changed.property(key.toLatin1()))
                << key.toStdString();
        }
    }
    EXPECT_EQ(loaded.Font().family(), fixedFont().family());
    EXPECT_FALSE(loaded.MouseIcon().isNull());
}

// --- Looks -----------------------------------------------------------------------------

TEST_F(TabStrip, TheSelectedTabOpensIntoThePageAndTheOthersKeepItsBorder) {
    const int H = strip->height();
    const OLE_COLOR border = strip->CheckBorderColor();
    const COLORREF page = translateColor(strip->SelectedBackColor());
    const LONG x2 = tabLeft(2);
    EXPECT_EQ(pixel(0, H - 25), border) << "the page keeps its left border at tab 1";
    EXPECT_EQ(pixel(1, H - 25), page) << "tab 1 opens into the page";
    EXPECT_EQ(pixel(x2 + 5, H - 25), border) << "no stripe of tab 2 crosses the page border";
    EXPECT_EQ(pixel(x2 + 5, H - 1), translateColor(strip->TabColor())) << "gradient's end";

    strip->setSelected(2);
    EXPECT_EQ(pixel(x2, H - 24), border) << "the selected tab's own frame";
    EXPECT_EQ(pixel(x2, H - 25), page);
    EXPECT_EQ(pixel(1, H - 25), border);
    strip->setSelected(0);
    EXPECT_EQ(strip->Selected(), 1) << "0 shows tab 1";
}

TEST_F(TabStrip, PressedAndFocusedLooksInTheSolidXPStyle) {
    strip->setStyle(lumobStyle::lumoXP);
    const int H = strip->height();
    const LONG x3 = tabLeft(3);
    QTest::mousePress(strip, Qt::LeftButton, {}, tabPoint(3));
    EXPECT_EQ(pixel(x3, H - 24), translateColor(strip->TabBorColorDown())) << "pressed frame";
    EXPECT_EQ(pixel(x3 + 5, H - 12), translateColor(strip->TabColorDown()));
    QTest::mouseRelease(strip, Qt::LeftButton, {}, tabPoint(3));

    SendMessageA(strip->hWnd(), WM_SETFOCUS, 0, 0);
    const COLORREF focus = translateColor(strip->FocusColor());
    EXPECT_EQ(pixel(x3 + 4, H - 3), focus) << "a line 4 pixels in from each side";
    EXPECT_EQ(pixel(x3 + strip->model().at(3).width - 5, H - 3), focus);
    EXPECT_NE(pixel(x3 + 3, H - 3), focus);
}

TEST_F(TabStrip, TheArrowMarksACutTabUntilTheNextResize) {
    const int H = strip->height();
    const auto arrowShown = [&] { // a pixel inside the arrow's triangle
        return pixel(strip->width() - 14 + 7, H - 20 + 8) == RGB(40, 40, 40);
    };
    form->show(); // a hidden window hears of its resizes only when shown
    strip->resize(strip->model().rightEdge - 10, H);
    EXPECT_EQ(strip->model().overflow, 3);
    EXPECT_TRUE(arrowShown());
    strip->setTabVisible(3, false);
    EXPECT_TRUE(arrowShown()) << "kept until the next resize";
    strip->resize(strip->width() + 1, H);
    EXPECT_FALSE(arrowShown());
}

} // namespace
