// The XP button's properties: the keys a new button saves, every key's
// round trip in bag order, what each writer marks and whether it repaints,
// the Icon rule, and the About text.
#include "XPButtonTestSupport.h"

#include "core/platform/SysColors.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSignalSpy>

#include <vector>

using namespace lumokit;
using namespace xptest;

namespace {

Picture blueIcon() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(QColor(0, 0, 255));
    return Picture::fromImage(image, Picture::Icon);
}

// A value unlike its default for every saved property, in bag order.
std::vector<std::pair<const char*, QVariant>> everyProperty() {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSizeF(10);
    font.setBold(true);
    return {{"Caption", QStringLiteral("&Print && Save")},
            {"BorderColor", 0x010203u},
            {"BorderColorOver", 0x040506u},
            {"Icon", QVariant::fromValue(blueIcon())},
            {"BorderColorDown", 0x070809u},
            {"BackColor", 0x80000005u},
            {"BackColorOver", 0x0A0B0Cu},
            {"BackColorDown", 0x0D0E0Fu},
            {"BackColorIcon", 0x101112u},
            {"BackColorIconOver", 0x131415u},
            {"BackColorIconDown", 0x161718u},
            {"IconSizeWidth", 24},
            {"IconSizeHeight", 20},
            {"Font", font},
            {"Enabled", false},
            {"ShadowSize", 3},
            {"FontColor", 0x191A1Bu},
            {"ShadowColor", 0x1C1D1Eu},
            {"ShowShadowOver", true},
            {"MultiLine", true},
            {"AlignCaption", QVariant::fromValue(CaptionAlign::caRight)},
            {"ShowFocus", true},
            {"FontColorOver", 0x1F2021u},
            {"FontColorDown", 0x222324u},
            {"Checked", true},
            {"Value", true},
            {"CheckedColor", 0x252627u},
            {"OLEDropMode", QVariant::fromValue<short>(1)},
            {"FocusColor", 0x28292Au},
            {"ShowIcon", false},
            {"Style", QVariant::fromValue(lumoStyle::lumoXP)},
            {"ButtonFadeColor", 0x2B2C2Du}};
}

// "Key=value ..." of the bag's keys, numbers in hexadecimal.
QString contentsOf(const PropertyBag& bag) {
    QStringList parts;
    for (const QString& key : bag.keys()) {
        parts.append(key + QLatin1Char('=') +
                     QString::number(bag.read<OLE_COLOR>(key, 0xDEADu), 16));
    }
    return parts.join(QLatin1Char(' '));
}

// The placement defaults that differ from the bag defaults are saved; the
// others, and an empty bag's defaults, leave the bag empty.
TEST(XPButtonProperties, ANewButtonSavesOnlyTheKeysWhoseTwoDefaultsDiffer) {
    auto button = makeButton();
    button->setCaption(QStringLiteral("changed"));
    button->initNew();
    EXPECT_EQ(button->Font().family(), QStringLiteral("MS Sans Serif")) << "the ambient font";
    PropertyBag bag;
    button->writeTo(bag);
    EXPECT_EQ(contentsOf(bag), QStringLiteral("BorderColorOver=6a240a BorderColorDown=6a240a "
                                              "BackColor=d1d8db BackColorOver=d2bdb6 "
                                              "BackColorDown=b59285 BackColorIconOver=d2bdb6 "
                                              "BackColorIconDown=d2bdb6 CheckedColor=d8d7d5"));
    EXPECT_EQ(bag.kind(QStringLiteral("BackColor")), PropertyBag::Kind::Color);

    auto copy = makeButton();
    copy->setCaption(QStringLiteral("changed first"));
    copy->readFrom(bag);
    PropertyBag again;
    copy->writeTo(again);
    EXPECT_EQ(again.toJson(), bag.toJson());
    EXPECT_EQ(copy->Caption(), QStringLiteral("Lumo XPButton"));

    copy->setIcon(blueIcon());
    copy->readFrom(PropertyBag());
    PropertyBag none;
    copy->writeTo(none);
    EXPECT_EQ(none.count(), 0) << "reader and writer share the bag defaults";
}

TEST(XPButtonProperties, EveryKeyRoundTripsInItsOrder) {
    auto button = makeButton();
    QStringList keys;
    for (const auto& [name, value] : everyProperty()) {
        ASSERT_TRUE(button->setProperty(name, value)) << name;
        keys.append(QLatin1String(name));
    }
    PropertyBag bag;
    button->writeTo(bag);
    EXPECT_EQ(bag.keys(), keys);
    EXPECT_EQ(bag.kind(QStringLiteral("OLEDropMode")), PropertyBag::Kind::Integer);

    // Through JSON, as forms store it; each value back in its own property.
    QString error;
    const PropertyBag stored = PropertyBag::fromJson(bag.toJson(), &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    auto copy = makeButton();
    copy->readFrom(stored);
    for (const auto& [name, value] : everyProperty()) {
        if (qstrcmp(name, "Icon") != 0 && qstrcmp(name, "Font") != 0) {
            EXPECT_EQ(copy->property(name), button->property(name)) << name;
        }
    }
    EXPECT_EQ(copy->Font().toString(), button->Font().toString());
    EXPECT_EQ(copy->Icon().image(), button->Icon().image());
    EXPECT_FALSE(copy->ShowIcon()) << "reading Icon leaves ShowIcon to its own key";
    EXPECT_EQ(copy->AccessKeys(), QStringLiteral("P"));
    EXPECT_TRUE(copy->acceptDrops());
    EXPECT_EQ(copy->paintedLook(), 0) << "read, then repainted (disabled)";
}

TEST(XPButtonProperties, IconSwitchesShowIcon) {
    auto button = makeButton();
    button->setShowIcon(false);
    button->setIcon(blueIcon());
    EXPECT_TRUE(button->ShowIcon()) << "a real icon turns it on";
    button->setShowIcon(false);
    button->setIcon(button->Icon());
    EXPECT_TRUE(button->ShowIcon()) << "even the same icon again";
    button->setIcon(Picture());
    EXPECT_FALSE(button->ShowIcon());
}

// Every writer marks its property changed, and all but three repaint at
// once, on every write: hosts rewrite a property's value to force a repaint.
TEST(XPButtonProperties, EveryWriteMarksChangedAndRepaintsOrNot) {
    const QStringList paintLater{QStringLiteral("BackColor"), QStringLiteral("MultiLine"),
                                 QStringLiteral("OLEDropMode")};
    for (const auto& [name, value] : everyProperty()) {
        SCOPED_TRACE(name);
        auto button = makeButton();
        button->setStyle(lumoStyle::lumoXP);
        QSignalSpy changed(button.get(), &UserControl::propertyChanged);
        for (int write = 1; write <= 2; ++write) {
            button->DrawControl(1);
            // A mark on the surface survives exactly when nothing repaints.
            SetPixel(button->hDC(), 60, 15, RGB(1, 1, 1));
            changed.clear();
            button->setProperty(name, value);
            ASSERT_EQ(changed.count(), 1) << "write " << write;
            EXPECT_EQ(changed[0][0].toString(), QLatin1String(name));
            EXPECT_EQ(GetPixel(button->hDC(), 60, 15) == RGB(1, 1, 1),
                      paintLater.contains(QLatin1String(name)))
                << "write " << write;
        }
    }
}

TEST(XPButtonProperties, BackColorWaitsForTheNextPaintAndShadowOverPaintsNormal) {
    auto button = makeButton();
    button->setStyle(lumoStyle::lumoXP);
    button->setShowIcon(false);
    button->DrawControl(0);
    const COLORREF before = GetPixel(button->hDC(), 60, 15);
    button->setBackColor(RGB(0, 128, 0));
    EXPECT_EQ(GetPixel(button->hDC(), 60, 15), before);
    button->Refresh();
    EXPECT_EQ(GetPixel(button->hDC(), 60, 15), before) << "Refresh does nothing";
    button->RefreshControl();
    EXPECT_EQ(GetPixel(button->hDC(), 60, 15), RGB(0, 128, 0));

    button->DrawControl(1);
    button->setShowShadowOver(true);
    EXPECT_EQ(button->paintedLook(), 0);
}

TEST(XPButtonProperties, EnabledIsTheButtonsOwnSetting) {
    QWidget form;
    auto* button = new LumoXPButton(&form);
    form.setEnabled(false);
    EXPECT_TRUE(button->Enabled()) << "the form, not the button, was disabled";
    EXPECT_EQ(button->paintedLook(), 0);
    PropertyBag bag;
    button->writeTo(bag);
    EXPECT_FALSE(bag.contains(QStringLiteral("Enabled")));
}

TEST(XPButtonProperties, AboutShowsNameContactAndVersion) {
    RecordingMessages messages;
    makeButton()->About();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^LumoKit\\|Lumo XP Button\nhttps://[^\n]+\n"
                                                  "Version 1\\.0 Build: 12$"))
                    .match(messages.shown[0])
                    .hasMatch())
        << messages.shown[0].toStdString();
}

} // namespace
