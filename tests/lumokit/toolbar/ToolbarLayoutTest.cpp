// The toolbar's items and their layout without a surface: what each add
// stores, the index rules and the clamped counts, and the widths, stop rule,
// chevron, hit test and icon positions of a paint.
#include "ToolbarTestSupport.h"

#include "toolbar/ToolbarLayout.h"

#include <gtest/gtest.h>

using namespace tbtest;

namespace {

// Text widths of 6 pixels a character.
int sixEach(const QString& text) {
    return 6 * static_cast<int>(text.size());
}

QString widths(const ToolbarModel& model) {
    QStringList parts;
    for (const ToolbarButton& b : model.buttons()) {
        parts.append(QString::number(b.width));
    }
    return parts.join(QLatin1Char(' '));
}

TEST(ToolbarModelTest, AddStoresWidthAndCaptionByStyle) {
    ToolbarModel model;
    ToolbarModel::NewButton place = newButton(QStringLiteral("ignored"), sStyle::sPlaceHolder);
    place.placeHolderWidth = 30;
    ToolbarModel::NewButton label = newButton(QStringLiteral("Total"), sStyle::sLabel);
    label.icon = solidIcon(Qt::red);
    ToolbarModel::NewButton check = newButton(QStringLiteral("Bold"), sStyle::sCheckBox);
    check.checked = true;
    for (const auto& item :
         {newButton(QStringLiteral("Open")), newButton({}, sStyle::sSeparate), place,
          newButton(QStringLiteral("Mail"), sStyle::sDropDown), check, label}) {
        model.AddButton(item, 24);
    }
    EXPECT_EQ(widths(model), QStringLiteral("24 4 30 36 24 50"));
    EXPECT_EQ(model.button(2)->caption, QStringLiteral("-"));
    EXPECT_EQ(model.button(3)->caption, QStringLiteral("-"));
    EXPECT_TRUE(model.button(5)->isChecked);
    EXPECT_TRUE(model.button(6)->picture.isNull()) << "a label shows no icon";
    EXPECT_EQ(model.button(6)->caption, QStringLiteral("Total"));
}

TEST(ToolbarModelTest, MenuItemsHoldNoNestedListsAndCountsNeverRunPastThem) {
    ToolbarModel model;
    model.AddButton(newButton(QStringLiteral("Mail"), sStyle::sDropDown), 24);
    for (const sStyle style : {sStyle::sNormal, sStyle::sSeparate, sStyle::sDropDown,
                               sStyle::sCheckBox, sStyle::sLabel}) {
        EXPECT_TRUE(model.AddMenu(1, newItem(QStringLiteral("x"), style)));
    }
    QStringList stored;
    for (const ToolbarMenuItem& item : model.button(1)->dropDownItems) {
        stored.append(QStringLiteral("%1/%2").arg(static_cast<int>(item.style)).arg(item.height));
    }
    EXPECT_EQ(stored, (QStringList{"0/24", "1/5", "2/24", "4/24", "5/0"}));
    EXPECT_EQ(model.button(0), nullptr);
    EXPECT_EQ(model.dropDownItem(1, 6), nullptr);
    EXPECT_EQ(model.dropDownItem(1, 0), nullptr);

    EXPECT_TRUE(model.setDropDownCount(1, 50));
    EXPECT_EQ(model.button(1)->dropDownCount, 5) << "clamped to the items added";
    EXPECT_TRUE(model.setDropDownCount(1, 1));
    EXPECT_EQ(model.dropDownItem(1, 2), nullptr) << "an item past the count is not in use";
    model.AddMenu(1, newItem(QStringLiteral("new two")));
    EXPECT_EQ(model.dropDownItem(1, 2)->caption, QStringLiteral("new two"));

    EXPECT_EQ(model.button(2), nullptr);
    EXPECT_FALSE(model.AddMenu(2, newItem(QStringLiteral("nowhere"))));
    EXPECT_FALSE(model.AddPopUpSubMenu(1, newItem(QStringLiteral("nowhere"))));
    EXPECT_FALSE(model.setDropDownCount(7, 1));

    model.AddPopUpMenu(newItem(QStringLiteral("Cut")));
    EXPECT_FALSE(model.setPopUpSubCount(1, 3)) << "only while it has sub-items";
    model.AddPopUpSubMenu(1, newItem(QStringLiteral("Word")));
    EXPECT_TRUE(model.setPopUpSubCount(1, 9));
    EXPECT_EQ(model.popUpItem(1)->subCount, 1);

    model.ClearPopUpMenu();
    EXPECT_EQ(model.PopUpCount(), 0);
    model.AddPopUpMenu(newItem(QStringLiteral("Paste")));
    EXPECT_EQ(model.popUpItem(1)->subCount, 0) << "a new item starts empty";
}

class ToolbarLayoutTest : public ::testing::Test {
protected:
    ToolbarLayoutResult layOut(int SW, lumoBorder border = lumoBorder::lumoNoBorder) {
        return ToolbarLayout::layOut(model, ToolbarLayout::metrics(SW, 24, border), sixEach);
    }
    ToolbarModel model;
};

TEST_F(ToolbarLayoutTest, APaintStoresTheWidthsItDraws) {
    ToolbarModel::NewButton captioned = newButton(QStringLiteral("Open"));
    captioned.showCaption = true;
    ToolbarModel::NewButton dropCaptioned = newButton(QStringLiteral("Mail"), sStyle::sDropDown);
    dropCaptioned.showCaption = true;
    ToolbarModel::NewButton label = newButton(QStringLiteral("Total"), sStyle::sLabel);
    label.placeHolderWidth = -1;
    for (const auto& item :
         {newButton(QStringLiteral("Hidden caption")), captioned, newButton({}, sStyle::sSeparate),
          newButton(QStringLiteral("x"), sStyle::sDropDown), dropCaptioned, label}) {
        model.AddButton(item, 24);
    }
    const ToolbarLayoutResult result = layOut(400);
    // bottom 23: a button is 23 wide, a drop-down 33; captions add their
    // width + 8; a separator takes 5; a label of negative width its text + 4.
    EXPECT_EQ(widths(model), QStringLiteral("23 55 5 33 65 34"));
    ASSERT_EQ(result.items.size(), 6u);
    EXPECT_EQ(result.items[1].rect, (RECT{30, 1, 85, 23}));
    EXPECT_FALSE(result.chevron);
}

TEST_F(ToolbarLayoutTest, TheRowStopsShortOfTheRightEdgeAndTheChevronShows) {
    for (int i = 0; i < 4; ++i) {
        model.AddButton(newButton(QStringLiteral("b")), 24); // 24 until the paint makes it 23
    }
    // x: 7, 30, 53, 76; the fourth is drawn while 76 < SW - (24 + 8), its
    // width stored by the last paint.
    const ToolbarLayoutResult stops = layOut(108);
    EXPECT_EQ(stops.items.size(), 3u);
    EXPECT_TRUE(stops.chevron) << "the fourth item (76..99) reaches SW - 9";
    EXPECT_EQ(stops.chevronRect, (RECT{97, 1, 107, 23}));
    const ToolbarLayoutResult fits = layOut(109);
    EXPECT_EQ(fits.items.size(), 4u);
    EXPECT_FALSE(fits.chevron);
}

TEST_F(ToolbarLayoutTest, HitTestSkipsHiddenItemsAndMissesTheGripAndThePastTheEnd) {
    ToolbarModel::NewButton hidden = newButton(QStringLiteral("h"));
    hidden.visible = false;
    for (const auto& item :
         {newButton(QStringLiteral("a")), hidden, newButton(QStringLiteral("c"))}) {
        model.AddButton(item, 24);
    }
    const struct {
        int x, y;
        LONG item;
    } cases[] = {{6, 5, -1},  {7, 5, 1},   {30, 5, 1},   {31, 0, 3},
                 {54, 23, 3}, {55, 5, -1}, {10, 24, -1}, {10, -1, -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(ToolbarLayout::ButtonFromPoint(model, c.x, c.y, 24), c.item) << c.x << "," << c.y;
    }
}

TEST_F(ToolbarLayoutTest, IconSpotsRoundHalvesToEven) {
    // bottom 23, 16 x 16 at x = 7: ix = 7 + 11.5 - 8 = 10.5, iy = 3.5.
    const ToolbarIconSpots spots = ToolbarLayout::iconSpots(7, 23, 16, 16);
    EXPECT_EQ(QPoint(spots.plain.x, spots.plain.y), QPoint(10, 4));   // (10.5, 4.5)
    EXPECT_EQ(QPoint(spots.shadow.x, spots.shadow.y), QPoint(12, 4)); // (11.5, 4.5)
    EXPECT_EQ(QPoint(spots.lifted.x, spots.lifted.y), QPoint(10, 2)); // (9.5, 2.5)
}

TEST_F(ToolbarLayoutTest, DisabledItemsAlwaysLookNormalAndPressWinsOverHover) {
    EXPECT_EQ(ToolbarLayout::lookOf(2, false, 1, 1), ItemLook::Normal);
    EXPECT_EQ(ToolbarLayout::lookOf(2, true, 1, 1), ItemLook::Pressed);
    EXPECT_EQ(ToolbarLayout::lookOf(2, true, 1, -1), ItemLook::Hover);
    EXPECT_EQ(ToolbarLayout::lookOf(3, true, 1, 0), ItemLook::Normal);
}

} // namespace
