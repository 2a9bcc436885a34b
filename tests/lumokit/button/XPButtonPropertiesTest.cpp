// The XP button's properties: placement and bag defaults, what each writer
// marks and whether it repaints, the Icon and Caption rules, persistence
// round trips and the About text.
#include "XPButtonTestSupport.h"

#include "core/platform/SysColors.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTextStream>

#include <functional>

using namespace lumokit;
using namespace xptest;

namespace {

Picture blueIcon() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(QColor(0, 0, 255));
    return Picture::fromImage(image, Picture::Icon);
}

// The stored properties but the font, in bag order, numbers in hexadecimal.
QString stateOf(const LumoXPButton& b) {
    QString text;
    QTextStream out(&text);
    out << Qt::hex << b.Caption() << ' ' << b.BorderColor() << ' ' << b.BorderColorOver() << ' '
        << (b.Icon().Handle() > 0) << ' ' << b.BorderColorDown() << ' ' << b.BackColor() << ' '
        << b.BackColorOver() << ' ' << b.BackColorDown() << ' ' << b.BackColorIcon() << ' '
        << b.BackColorIconOver() << ' ' << b.BackColorIconDown() << ' ' << b.IconSizeWidth() << ' '
        << b.IconSizeHeight() << ' ' << b.Enabled() << ' ' << b.ShadowSize() << ' ' << b.FontColor()
        << ' ' << b.ShadowColor() << ' ' << b.ShowShadowOver() << ' ' << b.MultiLine() << ' '
        << static_cast<int>(b.AlignCaption()) << ' ' << b.ShowFocus() << ' ' << b.FontColorOver()
        << ' ' << b.FontColorDown() << ' ' << b.Checked() << ' ' << b.Value() << ' '
        << b.CheckedColor() << ' ' << b.OLEDropMode() << ' ' << b.FocusColor() << ' '
        << b.ShowIcon() << ' ' << static_cast<int>(b.Style()) << ' ' << b.ButtonFadeColor();
    return text;
}

TEST(XPButtonProperties, PlacementDefaults) {
    auto button = makeButton();
    button->setCaption(QStringLiteral("changed"));
    button->initNew();
    EXPECT_EQ(stateOf(*button), QStringLiteral("Lumo XPButton ffffff 6a240a 0 6a240a d1d8db d2bdb6 "
                                               "b59285 e0e0e0 d2bdb6 d2bdb6 10 10 1 0 0 0 0 0 2 0 "
                                               "0 0 0 0 d8d7d5 0 808080 1 1 ffffff"));
    EXPECT_EQ(button->Font().family(), QStringLiteral("MS Sans Serif")) << "the ambient font";
    EXPECT_DOUBLE_EQ(button->Font().pointSizeF(), 8.25);
}

TEST(XPButtonProperties, ANewButtonWritesTheKeysWhoseDefaultsDiffer) {
    auto button = makeButton();
    button->initNew();
    PropertyBag bag;
    button->writeTo(bag);
    EXPECT_EQ(bag.keys(),
              (QStringList{QStringLiteral("BorderColorOver"), QStringLiteral("BorderColorDown"),
                           QStringLiteral("BackColor"), QStringLiteral("BackColorOver"),
                           QStringLiteral("BackColorDown"), QStringLiteral("BackColorIconOver"),
                           QStringLiteral("BackColorIconDown"), QStringLiteral("CheckedColor")}));
    EXPECT_EQ(bag.read<OLE_COLOR>(QStringLiteral("BackColor"), 0), 0xD1D8DBu);
    EXPECT_EQ(bag.read<OLE_COLOR>(QStringLiteral("CheckedColor"), 0), 0xD8D7D5u);
    EXPECT_EQ(bag.kind(QStringLiteral("BackColor")), PropertyBag::Kind::Color);

    auto copy = makeButton();
    copy->setCaption(QStringLiteral("changed first"));
    copy->readFrom(bag);
    EXPECT_EQ(stateOf(*copy), stateOf(*button));
    EXPECT_EQ(copy->Font(), button->Font());
    PropertyBag again;
    copy->writeTo(again);
    EXPECT_EQ(again.toJson(), bag.toJson());
}

TEST(XPButtonProperties, AnEmptyBagGivesTheBagDefaults) {
    auto button = makeButton();
    button->setShowIcon(false);
    button->setIcon(blueIcon());
    button->readFrom(PropertyBag());
    EXPECT_EQ(stateOf(*button), QStringLiteral("Lumo XPButton ffffff 0 0 0 0 0 0 e0e0e0 ffffff "
                                               "f1f1f1 10 10 1 0 0 0 0 0 2 0 0 0 0 0 ffc0c0 0 "
                                               "808080 1 1 ffffff"));
}

TEST(XPButtonProperties, EveryKeyRoundTripsInItsOrder) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSizeF(10);
    font.setBold(true);
    // A value unlike its default for every stored property, in bag order.
    const std::pair<const char*, QVariant> values[] = {
        {"Caption", QStringLiteral("&Print && Save")},
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
        {"ButtonFadeColor", 0x2B2C2Du},
    };
    auto button = makeButton();
    QStringList keys;
    for (const auto& [name, value] : values) {
        ASSERT_TRUE(button->setProperty(name, value)) << name;
        keys.append(QLatin1String(name));
    }
    PropertyBag bag;
    button->writeTo(bag);
    EXPECT_EQ(bag.keys(), keys);
    EXPECT_EQ(bag.kind(QStringLiteral("OLEDropMode")), PropertyBag::Kind::Integer);

    // Through JSON, as forms store it.
    QString error;
    const PropertyBag stored = PropertyBag::fromJson(bag.toJson(), &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    auto copy = makeButton();
    copy->readFrom(stored);
    EXPECT_EQ(stateOf(*copy), stateOf(*button));
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

// A writer, what it marks and whether it repaints at once.
struct WriterCase {
    const char* property;
    std::function<void(LumoXPButton&)> write;
    bool repaints;
};

void PrintTo(const WriterCase& c, std::ostream* out) {
    *out << c.property;
}

class XPButtonWriters : public ::testing::TestWithParam<WriterCase> {};

TEST_P(XPButtonWriters, EveryWriteMarksChangedAndRepaintsOrNot) {
    const WriterCase& c = GetParam();
    auto button = makeButton();
    button->setStyle(lumoStyle::lumoXP);
    QSignalSpy changed(button.get(), &UserControl::propertyChanged);
    // Twice: hosts rewrite the value a property has to force a repaint.
    for (int write = 1; write <= 2; ++write) {
        button->DrawControl(1);
        // A mark on the surface survives exactly when nothing repaints.
        SetPixel(button->hDC(), 60, 15, RGB(1, 1, 1));
        changed.clear();
        c.write(*button);
        ASSERT_EQ(changed.count(), 1) << "write " << write;
        EXPECT_EQ(changed[0][0].toString(), QLatin1String(c.property));
        EXPECT_EQ(GetPixel(button->hDC(), 60, 15) != RGB(1, 1, 1), c.repaints) << "write " << write;
    }
}

const WriterCase kWriters[] = {
    {"BorderColor", [](LumoXPButton& b) { b.setBorderColor(1); }, true},
    {"Caption", [](LumoXPButton& b) { b.setCaption(QStringLiteral("x")); }, true},
    {"BorderColorOver", [](LumoXPButton& b) { b.setBorderColorOver(1); }, true},
    {"BorderColorDown", [](LumoXPButton& b) { b.setBorderColorDown(1); }, true},
    {"BackColor", [](LumoXPButton& b) { b.setBackColor(1); }, false},
    {"BackColorOver", [](LumoXPButton& b) { b.setBackColorOver(1); }, true},
    {"BackColorDown", [](LumoXPButton& b) { b.setBackColorDown(1); }, true},
    {"BackColorIcon", [](LumoXPButton& b) { b.setBackColorIcon(1); }, true},
    {"BackColorIconOver", [](LumoXPButton& b) { b.setBackColorIconOver(1); }, true},
    {"BackColorIconDown", [](LumoXPButton& b) { b.setBackColorIconDown(1); }, true},
    {"IconSizeWidth", [](LumoXPButton& b) { b.setIconSizeWidth(-7); }, true},
    {"IconSizeHeight", [](LumoXPButton& b) { b.setIconSizeHeight(99); }, true},
    {"Font", [](LumoXPButton& b) { b.setFont(fixedFont()); }, true},
    {"Enabled", [](LumoXPButton& b) { b.setEnabled(false); }, true},
    {"ShadowSize", [](LumoXPButton& b) { b.setShadowSize(2); }, true},
    {"FontColor", [](LumoXPButton& b) { b.setFontColor(1); }, true},
    {"ShadowColor", [](LumoXPButton& b) { b.setShadowColor(1); }, true},
    {"ShowShadowOver", [](LumoXPButton& b) { b.setShowShadowOver(true); }, true},
    {"MultiLine", [](LumoXPButton& b) { b.setMultiLine(true); }, false},
    {"AlignCaption", [](LumoXPButton& b) { b.setAlignCaption(static_cast<CaptionAlign>(7)); },
     true},
    {"ShowFocus", [](LumoXPButton& b) { b.setShowFocus(true); }, true},
    {"FontColorOver", [](LumoXPButton& b) { b.setFontColorOver(1); }, true},
    {"FontColorDown", [](LumoXPButton& b) { b.setFontColorDown(1); }, true},
    {"Checked", [](LumoXPButton& b) { b.setChecked(true); }, true},
    {"Value", [](LumoXPButton& b) { b.setValue(true); }, true},
    {"CheckedColor", [](LumoXPButton& b) { b.setCheckedColor(1); }, true},
    {"OLEDropMode", [](LumoXPButton& b) { b.setOLEDropMode(1); }, false},
    {"FocusColor", [](LumoXPButton& b) { b.setFocusColor(1); }, true},
    {"ShowIcon", [](LumoXPButton& b) { b.setShowIcon(false); }, true},
    {"Style", [](LumoXPButton& b) { b.setStyle(lumoStyle::lumoVivid); }, true},
    {"ButtonFadeColor", [](LumoXPButton& b) { b.setButtonFadeColor(1); }, true},
    {"Icon", [](LumoXPButton& b) { b.setIcon(Picture()); }, true},
};

INSTANTIATE_TEST_SUITE_P(AllWriters, XPButtonWriters, ::testing::ValuesIn(kWriters),
                         [](const ::testing::TestParamInfo<WriterCase>& info) {
                             return std::string(info.param.property);
                         });

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
    auto button = makeButton();
    button->About();
    ASSERT_EQ(messages.shown.size(), 1);
    const QStringList lines =
        messages.shown[0].section(QLatin1Char('|'), 1).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("Lumo XP Button"));
    EXPECT_TRUE(lines[1].startsWith(QLatin1String("https://")));
    EXPECT_EQ(lines[2], QStringLiteral("Version 1.0 Build: 12"));
}

} // namespace
