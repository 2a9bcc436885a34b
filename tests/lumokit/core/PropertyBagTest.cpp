// PropertyBag: omit-if-default writing, typed reading, key order, JSON
// round trips, and damaged documents that read as defaults.
#include <lumokit/PropertyBag.h>

#include <gtest/gtest.h>

#include <QImage>

using namespace lumokit;

namespace {

Picture redIcon() {
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(1, 1, qRgb(255, 0, 0));
    return Picture::fromImage(image, Picture::Icon);
}

StdFont boldFont() {
    StdFont font;
    font.Name = QStringLiteral("Tahoma");
    font.Size = 9.75;
    font.setBold(true);
    font.Italic = true;
    font.Underline = true;
    font.Strikethrough = true;
    font.Charset = 238;
    return font;
}

struct DefaultCase {
    const char* name;
    QVariant value;
    QVariant defaultValue;
    bool stored;
};

TEST(PropertyBag, WriterLeavesOutValuesEqualToTheirDefault) {
    const Picture icon = redIcon();
    StdFont large;
    large.Size = 12;
    const DefaultCase cases[] = {
        {"string case differs", QVariant(QStringLiteral("lumo xpbutton")),
         QVariant(QStringLiteral("Lumo XPButton")), true},
        {"colour vs long default", QVariant::fromValue<OLE_COLOR>(0xD1D8DB), QVariant(0), true},
        {"colour equal to long default", QVariant::fromValue<OLE_COLOR>(0), QVariant(0), false},
        {"font equal", QVariant::fromValue(StdFont{}), QVariant::fromValue(StdFont{}), false},
        {"font differs in size only", QVariant::fromValue(large), QVariant::fromValue(StdFont{}),
         true},
        {"empty picture, no default", QVariant::fromValue(Picture()), QVariant(), true},
        {"empty picture, empty default", QVariant::fromValue(Picture()),
         QVariant::fromValue(Picture()), false},
        {"picture", QVariant::fromValue(icon), QVariant::fromValue(Picture()), true},
    };
    for (const DefaultCase& c : cases) {
        PropertyBag bag;
        ASSERT_TRUE(bag.WriteProperty(QStringLiteral("Key"), c.value, c.defaultValue)) << c.name;
        EXPECT_EQ(bag.contains(QStringLiteral("Key")), c.stored) << c.name;
    }
}

TEST(PropertyBag, ReaderReturnsStoredValueOrDefault) {
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Caption"), QStringLiteral("&Save"));
    bag.WriteProperty(QStringLiteral("IconSizeWidth"), 24);
    bag.WriteProperty(QStringLiteral("BackColor"), QVariant::fromValue<OLE_COLOR>(0x8000000F));
    EXPECT_EQ(bag.read(QStringLiteral("Caption"), QStringLiteral("x")), QStringLiteral("&Save"));
    EXPECT_EQ(bag.read(QStringLiteral("caption"), QStringLiteral("x")), QStringLiteral("&Save"))
        << "names ignore case";
    EXPECT_EQ(bag.read(QStringLiteral("IconSizeWidth"), 16), 24);
    EXPECT_EQ(bag.read(QStringLiteral("IconSizeHeight"), 16), 16);
    EXPECT_EQ(bag.read<OLE_COLOR>(QStringLiteral("BackColor"), 0), 0x8000000Fu);
    EXPECT_EQ(bag.read(QStringLiteral("BackColor"), 0), static_cast<int>(0x8000000Fu))
        << "a colour read as a 32-bit number keeps its bits";
    EXPECT_EQ(bag.read<short>(QStringLiteral("IconSizeWidth"), 0), 24);
    EXPECT_TRUE(bag.read(QStringLiteral("IconSizeWidth"), false));
    EXPECT_EQ(bag.read(QStringLiteral("Caption"), 7), 7) << "a string is no number";
    EXPECT_EQ(bag.read<short>(QStringLiteral("BackColor"), 3), 3) << "out of 16-bit range";
    EXPECT_FALSE(bag.ReadProperty(QStringLiteral("Missing")).isValid());
}

TEST(PropertyBag, KeysKeepTheirFirstWriteOrder) {
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Caption"), QStringLiteral("a"));
    bag.WriteProperty(QStringLiteral("BorderColor"), QVariant::fromValue<OLE_COLOR>(1));
    bag.WriteProperty(QStringLiteral("Icon"), QVariant::fromValue(redIcon()));
    bag.WriteProperty(QStringLiteral("Caption"), QStringLiteral("b"));
    EXPECT_EQ(bag.keys(), (QStringList{"Caption", "BorderColor", "Icon"}));
    bag.WriteProperty(QStringLiteral("BorderColor"), QVariant::fromValue<OLE_COLOR>(0),
                      QVariant::fromValue<OLE_COLOR>(0));
    EXPECT_EQ(bag.keys(), (QStringList{"Caption", "Icon"}))
        << "writing the default removes the key";
    EXPECT_FALSE(bag.WriteProperty(QStringLiteral("Odd"), QVariant(3.5)));
    EXPECT_FALSE(bag.contains(QStringLiteral("Odd")));
}

TEST(PropertyBag, JsonRoundTripKeepsTypesOrderFontsAndPictures) {
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Caption"), QStringLiteral("Caf\u00e9 & \"quotes\""));
    bag.WriteProperty(QStringLiteral("ShadowSize"), -3);
    bag.WriteProperty(QStringLiteral("OLEDropMode"), QVariant::fromValue<short>(1));
    bag.WriteProperty(QStringLiteral("Enabled"), false);
    bag.WriteProperty(QStringLiteral("bgColor1"), QVariant::fromValue<OLE_COLOR>(0x8000000F));
    bag.WriteProperty(QStringLiteral("Font"), QVariant::fromValue(boldFont()));
    bag.WriteProperty(QStringLiteral("Icon"), QVariant::fromValue(redIcon()));

    const PropertyBag back = PropertyBag::fromJson(bag.toJson());
    EXPECT_EQ(back.keys(), bag.keys());
    EXPECT_EQ(back.read(QStringLiteral("Caption"), QString()),
              QStringLiteral("Caf\u00e9 & \"quotes\""));
    EXPECT_EQ(back.read(QStringLiteral("ShadowSize"), 0), -3);
    EXPECT_EQ(back.kind(QStringLiteral("OLEDropMode")), PropertyBag::Kind::Integer);
    EXPECT_EQ(back.read<short>(QStringLiteral("OLEDropMode"), 0), 1);
    EXPECT_FALSE(back.read(QStringLiteral("Enabled"), true));
    EXPECT_EQ(back.read<OLE_COLOR>(QStringLiteral("bgColor1"), 0), 0x8000000Fu);
    EXPECT_EQ(back.read(QStringLiteral("Font"), StdFont{}), boldFont());
    const Picture icon = back.read(QStringLiteral("Icon"), Picture());
    EXPECT_EQ(icon.PictureType(), Picture::Icon);
    EXPECT_EQ(icon.image(), redIcon().image());
    EXPECT_EQ(PropertyBag::fromJson(back.toJson()).toJson(), bag.toJson());
}

TEST(PropertyBag, MalformedDocumentsGiveEmptyBagsWithAMessage) {
    for (const QByteArray& text : {QByteArray("{"), QByteArray("42"), QByteArray("{\"x\": 1}"),
                                   QByteArray(""), QByteArray("\xff\xfe")}) {
        QString error;
        const PropertyBag bag = PropertyBag::fromJson(text, &error);
        EXPECT_EQ(bag.count(), 0) << text.constData();
        EXPECT_FALSE(error.isEmpty()) << text.constData();
    }
}

TEST(PropertyBag, UnusableKeysReadAsTheirDefaultsAndOthersStillRead) {
    const QByteArray json = R"({"properties": [
        {"name": "Caption", "type": "string", "value": 12},
        {"name": "IconSizeWidth", "type": "long", "value": 2.5},
        {"name": "OLEDropMode", "type": "integer", "value": 70000},
        {"name": "Enabled", "type": "boolean", "value": "yes"},
        {"name": "Icon", "type": "picture", "value": {"type": "icon", "png": "@@not base64@@"}},
        {"name": "Picture", "type": "picture", "value": {"type": "bitmap", "png": "aGVsbG8="}},
        {"name": "Font", "type": "font", "value": {"family": "Arial", "size": "big"}},
        {"name": "Style", "type": "mystery", "value": 1},
        {"value": 5},
        "not an entry",
        {"name": "BackColor", "type": "color", "value": "0x8000000F"},
        {"name": "ShadowSize", "value": 2},
        {"name": "Caption", "type": "string", "value": "second Caption is ignored"}
    ]})";
    const PropertyBag bag = PropertyBag::fromJson(json);
    EXPECT_EQ(bag.read(QStringLiteral("Caption"), QStringLiteral("Lumo XPButton")),
              QStringLiteral("Lumo XPButton"));
    EXPECT_EQ(bag.read(QStringLiteral("IconSizeWidth"), 16), 16);
    EXPECT_EQ(bag.read<short>(QStringLiteral("OLEDropMode"), 0), 0);
    EXPECT_TRUE(bag.read(QStringLiteral("Enabled"), true));
    EXPECT_TRUE(bag.read(QStringLiteral("Icon"), Picture()).isNull());
    EXPECT_TRUE(bag.read(QStringLiteral("Picture"), Picture()).isNull());
    EXPECT_EQ(bag.read(QStringLiteral("Font"), StdFont{}), StdFont{});
    EXPECT_EQ(bag.read(QStringLiteral("Style"), 1), 1);
    EXPECT_EQ(bag.read<OLE_COLOR>(QStringLiteral("BackColor"), 0), 0x8000000Fu);
    EXPECT_EQ(bag.read(QStringLiteral("ShadowSize"), 0), 2) << "an untyped number is a long";
    EXPECT_FALSE(PropertyBag::fromJson(bag.toJson()).contains(QStringLiteral("Caption")))
        << "unusable keys are not written back";
}

} // namespace
