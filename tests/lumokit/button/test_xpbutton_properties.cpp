// The XP button's properties: placement and bag defaults, what each writer
// marks and whether it repaints, the Icon and Caption rules, persistence
// round trips and the About text.
#include "XPButtonTestSupport.h"

#include "core/platform/SysColors.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include <functional>

using namespace lumokit;
using namespace xptest;

namespace {

Picture blueIcon() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(QColor(0, 0, 255));
    return Picture::fromImage(image, Picture::Icon);
}

// The readers of the properties a bag stores, as text, for whole-state
// comparisons.
QStringList stateOf(const LumoXPButton& b) {
    const auto hex = [](OLE_COLOR c) { return QString::number(c, 16); };
    return {b.Caption(),
            hex(b.BorderColor()),
            hex(b.BorderColorOver()),
            QString::number(b.Icon().Handle() > 0),
            hex(b.BorderColorDown()),
            hex(b.BackColor()),
            hex(b.BackColorOver()),
            hex(b.BackColorDown()),
            hex(b.BackColorIcon()),
            hex(b.BackColorIconOver()),
            hex(b.BackColorIconDown()),
            QString::number(b.IconSizeWidth()),
            QString::number(b.IconSizeHeight()),
            b.Font().toString(),
            QString::number(b.Enabled()),
            QString::number(b.ShadowSize()),
            hex(b.FontColor()),
            hex(b.ShadowColor()),
            QString::number(b.ShowShadowOver()),
            QString::number(b.MultiLine()),
            QString::number(static_cast<int>(b.AlignCaption())),
            QString::number(b.ShowFocus()),
            hex(b.FontColorOver()),
            hex(b.FontColorDown()),
            QString::number(b.Checked()),
            QString::number(b.Value()),
            hex(b.CheckedColor()),
            QString::number(b.OLEDropMode()),
            hex(b.FocusColor()),
            QString::number(b.ShowIcon()),
            QString::number(static_cast<int>(b.Style())),
            hex(b.ButtonFadeColor())};
}

TEST(XPButtonProperties, PlacementDefaults) {
    auto button = makeButton();
    button->InitNew();
    const LumoXPButton& b = *button;
    EXPECT_EQ(b.ButtonFadeColor(), 0xFFFFFFu);
    EXPECT_TRUE(b.ShowIcon());
    EXPECT_EQ(b.FocusColor(), 0x808080u);
    EXPECT_EQ(b.CheckedColor(), 0xD8D7D5u);
    EXPECT_FALSE(b.Checked());
    EXPECT_FALSE(b.Value());
    EXPECT_EQ(b.FontColorOver(), 0u);
    EXPECT_EQ(b.FontColorDown(), 0u);
    EXPECT_FALSE(b.ShowFocus());
    EXPECT_EQ(b.AlignCaption(), CaptionAlign::caLeft);
    EXPECT_FALSE(b.MultiLine());
    EXPECT_FALSE(b.ShowShadowOver());
    EXPECT_EQ(b.FontColor(), 0u);
    EXPECT_EQ(b.ShadowColor(), 0u);
    EXPECT_EQ(b.ShadowSize(), 0);
    EXPECT_TRUE(b.Enabled());
    EXPECT_EQ(b.IconSizeWidth(), 16);
    EXPECT_EQ(b.IconSizeHeight(), 16);
    EXPECT_EQ(b.BackColorIcon(), 0xE0E0E0u);
    EXPECT_EQ(b.BackColorIconOver(), 0xD2BDB6u);
    EXPECT_EQ(b.BackColorIconDown(), 0xD2BDB6u);
    EXPECT_EQ(b.BackColor(), 0xD1D8DBu);
    EXPECT_EQ(b.BackColorOver(), 0xD2BDB6u);
    EXPECT_EQ(b.BackColorDown(), 0xB59285u);
    EXPECT_EQ(b.BorderColorDown(), 0x6A240Au);
    EXPECT_EQ(b.BorderColor(), 0xFFFFFFu);
    EXPECT_EQ(b.BorderColorOver(), 0x6A240Au);
    EXPECT_TRUE(b.Icon().isNull());
    EXPECT_EQ(b.Style(), lumoStyle::lumoVivid);
    EXPECT_EQ(b.Caption(), QStringLiteral("Lumo XPButton"));
    EXPECT_EQ(b.Font().family(), QStringLiteral("MS Sans Serif")) << "the ambient font";
    EXPECT_DOUBLE_EQ(b.Font().pointSizeF(), 8.25);
}

TEST(XPButtonProperties, ANewButtonWritesTheKeysWhoseDefaultsDiffer) {
    auto button = makeButton();
    button->InitNew();
    PropertyBag bag;
    button->WriteTo(bag);
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
    copy->ReadFrom(bag);
    EXPECT_EQ(stateOf(*copy), stateOf(*button));
    PropertyBag again;
    copy->WriteTo(again);
    EXPECT_EQ(again.toJson(), bag.toJson());
}

TEST(XPButtonProperties, AnEmptyBagGivesTheBagDefaults) {
    auto button = makeButton();
    button->setShowIcon(false);
    button->setIcon(blueIcon());
    button->ReadFrom(PropertyBag());
    EXPECT_EQ(button->Caption(), QStringLiteral("Lumo XPButton"));
    EXPECT_EQ(button->BorderColor(), 0xFFFFFFu);
    EXPECT_EQ(button->BorderColorOver(), 0u);
    EXPECT_EQ(button->BorderColorDown(), 0u);
    EXPECT_EQ(button->BackColor(), 0u);
    EXPECT_EQ(button->BackColorOver(), 0u);
    EXPECT_EQ(button->BackColorDown(), 0u);
    EXPECT_EQ(button->BackColorIcon(), 0xE0E0E0u);
    EXPECT_EQ(button->BackColorIconOver(), 0xFFFFFFu);
    EXPECT_EQ(button->BackColorIconDown(), 0xF1F1F1u);
    EXPECT_EQ(button->CheckedColor(), 0xFFC0C0u);
    EXPECT_EQ(button->FocusColor(), 0x808080u);
    EXPECT_EQ(button->AlignCaption(), CaptionAlign::caLeft);
    EXPECT_EQ(button->Style(), lumoStyle::lumoVivid);
    EXPECT_TRUE(button->Icon().isNull());
    EXPECT_TRUE(button->ShowIcon());
    EXPECT_TRUE(button->Enabled());
}

TEST(XPButtonProperties, EveryKeyRoundTripsInItsOrder) {
    auto button = makeButton();
    button->setCaption(QStringLiteral("&Print && Save"));
    button->setBorderColor(0x010203);
    button->setBorderColorOver(0x040506);
    button->setIcon(blueIcon());
    button->setBorderColorDown(0x070809);
    button->setBackColor(0x80000005u);
    button->setBackColorOver(0x0A0B0C);
    button->setBackColorDown(0x0D0E0F);
    button->setBackColorIcon(0x101112);
    button->setBackColorIconOver(0x131415);
    button->setBackColorIconDown(0x161718);
    button->setIconSizeWidth(24);
    button->setIconSizeHeight(20);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSizeF(10);
    font.setBold(true);
    button->setFont(font);
    button->setEnabled(false);
    button->setShadowSize(3);
    button->setFontColor(0x191A1B);
    button->setShadowColor(0x1C1D1E);
    button->setShowShadowOver(true);
    button->setMultiLine(true);
    button->setAlignCaption(CaptionAlign::caRight);
    button->setShowFocus(true);
    button->setFontColorOver(0x1F2021);
    button->setFontColorDown(0x222324);
    button->setChecked(true);
    button->setValue(true);
    button->setCheckedColor(0x252627);
    button->setOLEDropMode(1);
    button->setFocusColor(0x28292A);
    button->setShowIcon(false);
    button->setStyle(lumoStyle::lumoXP);
    button->setButtonFadeColor(0x2B2C2D);

    PropertyBag bag;
    button->WriteTo(bag);
    const QStringList keys = {"Caption",
                              "BorderColor",
                              "BorderColorOver",
                              "Icon",
                              "BorderColorDown",
                              "BackColor",
                              "BackColorOver",
                              "BackColorDown",
                              "BackColorIcon",
                              "BackColorIconOver",
                              "BackColorIconDown",
                              "IconSizeWidth",
                              "IconSizeHeight",
                              "Font",
                              "Enabled",
                              "ShadowSize",
                              "FontColor",
                              "ShadowColor",
                              "ShowShadowOver",
                              "MultiLine",
                              "AlignCaption",
                              "ShowFocus",
                              "FontColorOver",
                              "FontColorDown",
                              "Checked",
                              "Value",
                              "CheckedColor",
                              "OLEDropMode",
                              "FocusColor",
                              "ShowIcon",
                              "Style",
                              "ButtonFadeColor"};
    EXPECT_EQ(bag.keys(), keys);
    EXPECT_EQ(bag.kind(QStringLiteral("OLEDropMode")), PropertyBag::Kind::Integer);
    EXPECT_EQ(bag.kind(QStringLiteral("AlignCaption")), PropertyBag::Kind::Long);
    EXPECT_EQ(bag.kind(QStringLiteral("Enabled")), PropertyBag::Kind::Boolean);
    EXPECT_EQ(bag.kind(QStringLiteral("Font")), PropertyBag::Kind::Font);

    // Through JSON, as forms store it.
    QString error;
    const PropertyBag stored = PropertyBag::fromJson(bag.toJson(), &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    auto copy = makeButton();
    copy->ReadFrom(stored);
    QStringList expected = stateOf(*button);
    QStringList actual = stateOf(*copy);
    EXPECT_EQ(actual, expected);
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

TEST(XPButtonProperties, CaptionAccessKeys) {
    struct Case {
        const char* caption;
        const char* keys; // after this caption
    };
    const Case sequence[] = {
        {"&Save", "S"}, {"&&Print &Copy", "C"}, {"A&&B", ""},      {"Sa&ve", "v"},
        {"Close", ""},  {"&&&X", "X"},          {"Trailing&", ""},
    };
    auto button = makeButton();
    for (const Case& c : sequence) {
        button->setCaption(QLatin1String(c.caption));
        EXPECT_EQ(button->AccessKeys(), QLatin1String(c.keys)) << c.caption;
    }
}

// A writer, what it marks and whether it repaints at once.
struct WriterCase {
    const char* property;
    std::function<void(LumoXPButton&)> write;
    bool repaints;
};

class XPButtonWriters : public ::testing::TestWithParam<WriterCase> {};

TEST_P(XPButtonWriters, MarkChangedAndRepaintOrNot) {
    const WriterCase& c = GetParam();
    auto button = makeButton();
    button->setStyle(lumoStyle::lumoXP);
    button->DrawControl(1);
    // A mark on the surface survives exactly when nothing repaints.
    SetPixel(button->hDC(), 60, 15, RGB(1, 1, 1));
    QSignalSpy changed(button.get(), &UserControl::propertyChanged);
    c.write(*button);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toString(), QLatin1String(c.property));
    EXPECT_EQ(GetPixel(button->hDC(), 60, 15) != RGB(1, 1, 1), c.repaints);

    changed.clear();
    c.write(*button);
    EXPECT_EQ(changed.count(), QLatin1String(c.property) == QLatin1String("Icon") ||
                                       QLatin1String(c.property) == QLatin1String("Font")
                                   ? 1
                                   : 0)
        << "writing the same value again changes nothing";
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

TEST(XPButtonProperties, ValuesAreStoredUnchecked) {
    auto button = makeButton();
    button->setAlignCaption(static_cast<CaptionAlign>(7));
    button->setShadowSize(-3);
    button->setStyle(static_cast<lumoStyle>(9));
    button->setIconSizeWidth(-1);
    EXPECT_EQ(static_cast<int>(button->AlignCaption()), 7);
    EXPECT_EQ(button->ShadowSize(), -3);
    EXPECT_EQ(static_cast<int>(button->Style()), 9);
    EXPECT_EQ(button->IconSizeWidth(), -1);
    button->RefreshControl(); // and they paint without harm
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

TEST(XPButtonProperties, QtPropertiesReachTheSameState) {
    auto button = makeButton();
    EXPECT_TRUE(button->setProperty("Caption", QStringLiteral("&Open")));
    EXPECT_TRUE(button->setProperty("BackColor", 0x123456u));
    EXPECT_TRUE(button->setProperty("Checked", true));
    EXPECT_TRUE(button->setProperty("Enabled", false));
    EXPECT_EQ(button->Caption(), QStringLiteral("&Open"));
    EXPECT_EQ(button->BackColor(), 0x123456u);
    EXPECT_TRUE(button->Checked());
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(button->property("hwnd").toInt(), button->hWnd());
    EXPECT_EQ(button->property("AlignCaption").value<CaptionAlign>(), CaptionAlign::caLeft);
}

TEST(XPButtonProperties, EnabledIsTheButtonsOwnSetting) {
    QWidget form;
    auto* button = new LumoXPButton(&form);
    form.setEnabled(false);
    EXPECT_TRUE(button->Enabled()) << "the form, not the button, was disabled";
    EXPECT_EQ(button->paintedLook(), 0);
    PropertyBag bag;
    button->WriteTo(bag);
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
