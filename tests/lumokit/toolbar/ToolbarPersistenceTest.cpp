// The toolbar in a property bag: a stored form read and written back byte
// for byte, the keys of two items that would share a name kept apart, the
// check state of drop-down items kept, and counts past the stored items.
#include "ToolbarTestSupport.h"

#include "toolbar/ToolbarPersistence.h"

#include <gtest/gtest.h>

#include <QFile>

using namespace tbtest;

namespace {

const QString kStoredForm =
    QStringLiteral(QUILLMARK_TEST_SOURCE_DIR "/lumokit/toolbar/data/stored-toolbar.json");

QByteArray storedForm() {
    QFile file(kStoredForm);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << kStoredForm.toStdString();
    return file.readAll();
}

PropertyBag saved(lumoadvToolbar& toolbar) {
    PropertyBag bag;
    toolbar.writeTo(bag);
    return bag;
}

std::unique_ptr<lumoadvToolbar> loaded(const PropertyBag& bag) {
    auto toolbar = makeToolbar();
    toolbar->readFrom(bag);
    return toolbar;
}

TEST(ToolbarPersistenceTest, AToolbarWithoutButtonsStoresTheColoursItWasPlacedWith) {
    auto toolbar = makeToolbar();
    toolbar->initNew();
    const PropertyBag bag = saved(*toolbar);
    // The seven button colours are placed unlike their bag defaults.
    EXPECT_EQ(bag.count(), 7);
    auto copy = loaded(bag);
    EXPECT_EQ(copy->ButtonCount(), 0);
    EXPECT_EQ(copy->ButtonColorOver(), toolbar->ButtonColorOver());
    EXPECT_EQ(copy->MoreText(), QStringLiteral("More..."));
}

TEST(ToolbarPersistenceTest, AStoredFormReadsAndWritesBackByteForByte) {
    // Written by the toolbar before item keys could take an underscore.
    QString error;
    const PropertyBag bag = PropertyBag::fromJson(storedForm(), &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    auto toolbar = loaded(bag);

    ASSERT_EQ(toolbar->ButtonCount(), 2);
    EXPECT_FALSE(toolbar->ButtonEnable(1)) << "a disabled button comes back disabled";
    EXPECT_EQ(toolbar->ButtonToolText(1), QStringLiteral("Print the page"));
    ASSERT_EQ(toolbar->DropDownCount(2), 3);
    const ToolbarMenuItem& separator = *toolbar->model().dropDownItem(2, 2);
    EXPECT_EQ(separator.style, sStyle::sSeparate);
    EXPECT_EQ(separator.height, 5);
    // Not stored when unchecked: every item comes back as it was saved.
    EXPECT_FALSE(toolbar->DropDownIsChecked(2, 1)) << "a plain item left unchecked";
    EXPECT_TRUE(toolbar->DropDownIsChecked(2, 3)) << "a check box left checked";
    EXPECT_EQ(toolbar->model().dropDownItem(2, 3)->height, 24);
    EXPECT_EQ(toolbar->ToolbarFont().family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(toolbar->Border(), lumoBorder::lumoFlatBorder);

    EXPECT_EQ(saved(*toolbar).toJson(), storedForm());
}

TEST(ToolbarPersistenceTest, ItemsThatWouldShareAKeyAreStoredApart) {
    auto toolbar = makeToolbar(2000);
    for (int i = 1; i <= 11; ++i) {
        toolbar->AddButton({}, QStringLiteral("b%1").arg(i), sStyle::sDropDown);
    }
    for (int j = 1; j <= 11; ++j) {
        toolbar->AddMenu(1, QStringLiteral("1/%1").arg(j), {}, sStyle::sNormal);
    }
    toolbar->AddMenu(11, QStringLiteral("11/1"), {}, sStyle::sNormal);
    toolbar->setDropDownTag(1, 11, QStringLiteral("only here"));

    const PropertyBag bag = saved(*toolbar);
    EXPECT_TRUE(bag.contains(QStringLiteral("DropDownCaption1_11")));
    EXPECT_TRUE(bag.contains(QStringLiteral("DropDownCaption11_1")));
    EXPECT_FALSE(bag.contains(QStringLiteral("DropDownCaption111")));
    EXPECT_TRUE(bag.contains(QStringLiteral("DropDownCaption110"))) << "no clash: plain";

    auto copy = loaded(bag);
    EXPECT_EQ(copy->DropDownCaption(1, 11), QStringLiteral("1/11"));
    EXPECT_EQ(copy->DropDownCaption(11, 1), QStringLiteral("11/1"));
    EXPECT_EQ(copy->DropDownTag(1, 11), QStringLiteral("only here"));
    EXPECT_EQ(copy->DropDownTag(11, 1), QString());
    EXPECT_EQ(copy->DropDownCaption(1, 10), QStringLiteral("1/10"));
}

TEST(ToolbarPersistenceTest, OldKeysOfClashingItemsStillReadAsTheyWereStored) {
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("ButtonCount"), QVariant::fromValue<short>(11));
    bag.WriteProperty(QStringLiteral("DropDownCount1"), QVariant::fromValue<short>(11));
    bag.WriteProperty(QStringLiteral("DropDownCount11"), QVariant::fromValue<short>(1));
    bag.WriteProperty(QStringLiteral("DropDownCaption111"), QStringLiteral("last written"));
    bag.WriteProperty(QStringLiteral("DropDownCaption11_1"), QStringLiteral("apart"));
    auto toolbar = loaded(bag);
    EXPECT_EQ(toolbar->DropDownCaption(1, 11), QStringLiteral("last written"));
    EXPECT_EQ(toolbar->DropDownCaption(11, 1), QStringLiteral("apart"))
        << "the underscore form is read first";
}

// The model's own clamping is in ToolbarModelTest.
TEST(ToolbarPersistenceTest, CountsPastTheStoredItemsAreClampedAndAddsForMissingItemsIgnored) {
    auto toolbar = makeToolbar();
    toolbar->AddButton({}, QStringLiteral("Mail"), sStyle::sDropDown);
    toolbar->AddMenu(1, QStringLiteral("one"), {}, sStyle::sNormal);
    toolbar->setDropDownCount(1, 9);
    toolbar->AddMenu(4, QStringLiteral("nowhere"), {}, sStyle::sNormal);
    EXPECT_EQ(toolbar->DropDownCount(1), 1);
    const PropertyBag bag = saved(*toolbar);
    EXPECT_FALSE(bag.contains(QStringLiteral("DropDownCaption12")));
    EXPECT_EQ(loaded(bag)->DropDownCaption(1, 1), QStringLiteral("one"));
}

} // namespace
