// The tab strip as a window: its events in order for mouse and keys, the
// leave notice, the tooltip, what each property write does, what it saves,
// and a few decisive pixels of each look.
#include "TabStripTestSupport.h"

#include "core/control/cTimer.h"
#include "core/platform/Win32Gdi.h"
#include "core/platform/Win32Timer.h"
#include "core/platform/Win32Window.h"
#include "popups/Tooltip.h"
#include "tabstrip/TabStripPainter.h"

#include <QSignalSpy>
#include <QTest>

using namespace lumokit;
using namespace tabtest;

namespace {

using TabStrip = TabStripFixture;

TEST_F(TabStrip, AClickRaisesDownUpThenTabClickAndADoubleClickIsTwoClicks) {
    hover(tabPoint(2));
    const QPoint at = tabPoint(2);
    const QString xy = QStringLiteral("%1,%2").arg(at.x()).arg(at.y());
    EXPECT_EQ(log, (QStringList{QStringLiteral("MouseMove(0,0,") + xy + QLatin1Char(')'),
                                QStringLiteral("MouseOverTab(2,about Two)")}));
    log.clear();
    QTest::mouseClick(strip, Qt::LeftButton, {}, at);
    EXPECT_EQ(log, (QStringList{QStringLiteral("MouseDown(1,0,") + xy + QLatin1Char(')'),
                                QStringLiteral("MouseUp(1,0,") + xy + QLatin1Char(')'),
                                QStringLiteral("TabClick(2)")}));
    EXPECT_EQ(strip->Selected(), 2);

    log.clear();
    lumokittest::doubleClick(strip, tabPoint(3));
    EXPECT_EQ(log.filter(QStringLiteral("TabClick")),
              (QStringList{QStringLiteral("TabClick(3)"), QStringLiteral("TabClick(3)")}));

    strip->setTabEnable(1, false);
    log.clear();
    QTest::mouseClick(strip, Qt::LeftButton, {}, tabPoint(1));
    EXPECT_TRUE(log.filter(QStringLiteral("TabClick")).isEmpty()) << "a disabled tab";
    EXPECT_EQ(strip->Selected(), 3);
}

TEST_F(TabStrip, LeavingRaisesMouseOutOnceAndDropsTheHoverLook) {
    strip->setStyle(lumobStyle::lumoXP);
    const QPoint at = tabPoint(2);
    hover(at);
    EXPECT_EQ(pixel(at.x(), at.y()), translateColor(strip->TabColorOver()));
    leave();
    leave();
    EXPECT_EQ(log.filter(QStringLiteral("MouseOut")), QStringList{QStringLiteral("MouseOut")});
    EXPECT_EQ(strip->model().hovered, 0);
    EXPECT_EQ(pixel(at.x(), at.y()), translateColor(strip->TabColor()));
}

TEST_F(TabStrip, KeysActWithTheFocusOnlyAndAnnounceAfterKeyUp) {
    QTest::keyClick(strip, Qt::Key_Right);
    EXPECT_EQ(strip->Selected(), 1) << "without the focus keys only raise their events";
    SendMessageA(strip->hWnd(), WM_SETFOCUS, 0, 0);
    log.clear();
    QTest::keyClick(strip, Qt::Key_Right);
    EXPECT_EQ(log, (QStringList{QStringLiteral("KeyDown(39,0)"), QStringLiteral("KeyUp(39,0)"),
                                QStringLiteral("TabClick(2)")}));
    strip->setSelected(3); // the keyboard focus follows the host's choice
    log.clear();
    QTest::keyClick(strip, Qt::Key_Return);
    EXPECT_EQ(log, (QStringList{QStringLiteral("KeyDown(13,0)"), QStringLiteral("KeyPress(13)"),
                                QStringLiteral("KeyUp(13,0)"), QStringLiteral("TabClick(3)")}));
}

TEST_F(TabStrip, ATipShowsAfterTheDelayAndGoesWhenTheMouseLeavesItsTab) {
    setCursorPosSource([] { return QPoint(50, 50); });
    strip->setTabToolText(2, QStringLiteral("Second tab"));
    hover(tabPoint(1));
    EXPECT_EQ(strip->tipTimer()->Interval(), 0) << "tab 1 has no tip";
    hover(tabPoint(2));
    EXPECT_EQ(strip->tipTimer()->Interval(), lumoTabStrip::kTipDelay);
    ASSERT_TRUE(TimerSeam::fire(strip->tipTimer()->TimerID()));
    ASSERT_NE(Tooltip::current(), nullptr);
    EXPECT_EQ(Tooltip::current()->TipText(), QStringLiteral("Second tab"));
    EXPECT_EQ(strip->tipTimer()->Interval(), 0);
    hover(tabPoint(2) + QPoint(1, 0));
    EXPECT_NE(Tooltip::current(), nullptr) << "moving within the tab keeps it";
    hover(tabPoint(3));
    EXPECT_EQ(Tooltip::current(), nullptr);
    hover(tabPoint(2));
    leave();
    EXPECT_EQ(strip->tipTimer()->Interval(), 0) << "leaving cancels a pending tip";
    setCursorPosSource({});
}

TEST_F(TabStrip, WritesMarkChangedAndRepaintAsEachPropertySays) {
    QStringList changed;
    QObject::connect(strip, &UserControl::propertyChanged, strip,
                     [&changed](const QString& name) { changed.append(name); });
    struct Write {
        const char* name;
        std::function<void()> write;
        bool repaints;
    };
    const Picture picture = TabStripPainter::overflowArrow();
    const std::vector<Write> writes = {
        {"CheckBorderColor", [&] { strip->setCheckBorderColor(0x123456); }, true},
        {"Selected", [&] { strip->setSelected(2); }, true},
        {"TabStyle", [&] { strip->setTabStyle(lumoTabstyle::CaptionOnly); }, true},
        {"TabPicture", [&] { strip->setTabPicture(1, picture); }, true},
        {"TabVisible", [&] { strip->setTabVisible(3, false); }, true},
        {"TabDescription", [&] { strip->setTabDescription(1, QStringLiteral("d")); }, false},
        {"TabToolText", [&] { strip->setTabToolText(1, QStringLiteral("t")); }, false},
        {"FontColor", [&] { strip->setFontColor(0xFF); }, false},
        {"FocusColor", [&] { strip->setFocusColor(0xFF00); }, false},
        {"MousePointer", [&] { strip->setMousePointer(2); }, false},
    };
    for (const Write& w : writes) {
        changed.clear();
        SetPixel(strip->hDC(), 0, 0, RGB(1, 2, 3));
        w.write();
        EXPECT_EQ(changed, QStringList{QString::fromLatin1(w.name)});
        EXPECT_EQ(pixel(0, 0) != RGB(1, 2, 3), w.repaints) << w.name;
    }
    EXPECT_EQ(strip->cursor().shape(), Qt::CrossCursor);
    changed.clear();
    strip->setTabEnable(9, false);
    EXPECT_TRUE(changed.isEmpty()) << "a write above the count does nothing";
}

TEST_F(TabStrip, NewStripSavesNothingAndEveryPropertySurvivesARoundTrip) {
    lumoTabStrip fresh;
    fresh.initNew();
    PropertyBag untouched;
    fresh.writeTo(untouched);
    EXPECT_EQ(untouched.keys(), QStringList());
    EXPECT_EQ(fresh.Selected(), 1);
    EXPECT_EQ(fresh.Style(), lumobStyle::lumoVivid);

    lumoTabStrip changed;
    changed.initNew();
    OLE_COLOR colour = 0x010101;
    for (const char* name :
         {"BackColor", "TabColor", "TabColorOver", "TabColorDown", "SelectedBackColor",
          "TabBorColor", "TabBorColorOver", "TabBorColorDown", "CheckbgColor", "CheckBorderColor",
          "BorderColor", "FontColor", "FocusColor"}) {
        changed.setProperty(name, QVariant::fromValue<uint>(colour += 0x010203));
    }
    changed.setFontColor(0xFF0000); // blue: more than 16 bits
    changed.setStyle(lumobStyle::lumoXP);
    changed.setSelected(70000);
    changed.setTabStyle(lumoTabstyle::IconOnly);
    changed.setMouseIcon(TabStripPainter::overflowArrow());
    changed.setMousePointer(99);
    changed.setFont(fixedFont());
    PropertyBag bag;
    changed.writeTo(bag);
    EXPECT_EQ(bag.keys().join(QLatin1Char(' ')),
              QStringLiteral("BackColor TabColor TabColorOver TabColorDown SelectedBackColor "
                             "TabBorColor TabBorColorOver TabBorColorDown CheckbgColor "
                             "CheckBorderColor BorderColor Style Selected TabStyle MouseIcon "
                             "MousePointer Font FontColor FocusColor"));
    EXPECT_EQ(bag.kind(QStringLiteral("Style")), PropertyBag::Kind::Integer);

    lumoTabStrip loaded;
    loaded.readFrom(PropertyBag::fromJson(bag.toJson()));
    for (const char* name :
         {"BackColor", "TabColorDown", "CheckBorderColor", "BorderColor", "Style", "Selected",
          "TabStyle", "MousePointer", "FontColor", "FocusColor"}) {
        EXPECT_EQ(loaded.property(name), changed.property(name)) << name;
    }
    EXPECT_EQ(loaded.FontColor(), 0xFF0000u);
    EXPECT_EQ(loaded.Font().family(), fixedFont().family());
    EXPECT_FALSE(loaded.MouseIcon().isNull());
    EXPECT_EQ(loaded.model().count(), 0) << "tabs are never saved";
}

// --- Looks -----------------------------------------------------------------------------

TEST_F(TabStrip, TheSelectedTabOpensIntoThePageAndTheOthersKeepItsBorder) {
    const int H = strip->height();
    const OLE_COLOR border = strip->CheckBorderColor();
    const LONG x2 = strip->model().at(1).width;
    EXPECT_EQ(pixel(0, 0), border) << "page frame";
    EXPECT_EQ(pixel(0, H - 25), border) << "the page keeps its left border at tab 1";
    EXPECT_EQ(pixel(1, H - 25), translateColor(strip->SelectedBackColor())) << "opening";
    EXPECT_EQ(pixel(x2 + 5, H - 25), border) << "no stripe of tab 2 crosses the page border";
    EXPECT_EQ(pixel(x2 + 5, H - 1), translateColor(strip->TabColor())) << "gradient's end";

    strip->setSelected(2);
    EXPECT_EQ(pixel(x2, H - 24), border) << "the selected tab's own frame";
    EXPECT_EQ(pixel(x2, H - 25), translateColor(strip->SelectedBackColor())) << "opening";
    EXPECT_EQ(pixel(1, H - 25), border) << "tab 1 lies under the page border again";

    strip->setSelected(0);
    EXPECT_EQ(strip->Selected(), 1) << "0 shows tab 1";
}

TEST_F(TabStrip, PressedAndFocusedLooksAndTheXPStyleIsSolid) {
    strip->setStyle(lumobStyle::lumoXP);
    const int H = strip->height();
    const LONG x3 = strip->model().at(1).width + strip->model().at(2).width;
    EXPECT_EQ(pixel(x3 + 5, H - 12), translateColor(strip->TabColor()));
    QTest::mousePress(strip, Qt::LeftButton, {}, tabPoint(3));
    EXPECT_EQ(pixel(x3, H - 24), translateColor(strip->TabBorColorDown())) << "pressed frame";
    EXPECT_EQ(pixel(x3 + 5, H - 12), translateColor(strip->TabColorDown()));
    QTest::mouseRelease(strip, Qt::LeftButton, {}, tabPoint(3));

    SendMessageA(strip->hWnd(), WM_SETFOCUS, 0, 0);
    const LONG w3 = strip->model().at(3).width;
    EXPECT_EQ(pixel(x3 + 4, H - 3), translateColor(strip->FocusColor()));
    EXPECT_EQ(pixel(x3 + w3 - 5, H - 3), translateColor(strip->FocusColor()));
    EXPECT_NE(pixel(x3 + 3, H - 3), translateColor(strip->FocusColor()));
}

TEST_F(TabStrip, TheArrowMarksACutTabUntilTheNextResize) {
    const int H = strip->height();
    const QPoint arrow(7, 8); // inside the arrow's triangle
    const COLORREF arrowColour = RGB(40, 40, 40);
    form->show(); // a hidden window hears of its resizes only when shown
    strip->resize(strip->model().rightEdge - 10, H);
    int W = strip->width();
    EXPECT_EQ(strip->model().overflow, 3);
    EXPECT_EQ(pixel(W - 14 + arrow.x(), H - 20 + arrow.y()), arrowColour);
    strip->setTabVisible(3, false);
    EXPECT_EQ(pixel(W - 14 + arrow.x(), H - 20 + arrow.y()), arrowColour)
        << "kept until the next resize";
    strip->resize(W + 1, H);
    W = strip->width();
    EXPECT_EQ(strip->model().overflow, 0);
    EXPECT_NE(pixel(W - 14 + arrow.x(), H - 20 + arrow.y()), arrowColour);
}

} // namespace
