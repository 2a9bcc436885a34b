// The XP button's properties: the keys a new button saves, every key's
// round trip, what each writer marks and whether it repaints, the Icon
// rule, and the About text.
#include "XPButtonTestSupport.h"
#include "lumokit/DispatchWriters.h"

#include "core/platform/SysColors.h"

#include <lumokit/ComControl.h>

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSignalSpy>

using namespace lumokit;
using namespace xptest;

namespace {

Picture blueIcon() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(QColor(0, 0, 255));
    return Picture::fromImage(image, Picture::Icon);
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
    // Eight colours are placed unlike their bag defaults; one stands for all.
    EXPECT_EQ(bag.count(), 8);
    EXPECT_EQ(bag.read<OLE_COLOR>(QStringLiteral("BackColor"), 0), RGB(219, 216, 209));
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

// Every writer's own value, set through dispatch, is held by the Qt property
// of the writer's name and comes back from a form stored through IControl.
TEST(XPButtonProperties, EveryKeyRoundTripsThroughAStoredForm) {
    ComPtr<IDispatch> object = createObject(CLSID_LumoXPButton);
    DispatchClient client(object);
    const ComPtr<IControl> control = object.as<IControl>();
    auto* button = qobject_cast<LumoXPButton*>(control->GetWidget());
    button->setIcon(blueIcon());
    const InterfaceInfo& iface = defaultInterfaceOf(CLSID_LumoXPButton);
    expectWritersReadBack(client, iface, 0); // turns ShowIcon and Enabled off
    button->setCaption(QStringLiteral("&Print && Save"));
    button->setAlignCaption(CaptionAlign::caRight); // the value written was the default
    button->setOLEDropMode(1);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSizeF(10);
    font.setBold(true);
    button->setFont(font);
    PropertyBag bag;
    ASSERT_EQ(control->Save(bag), S_OK);
    EXPECT_EQ(bag.kind(QStringLiteral("OLEDropMode")), PropertyBag::Kind::Integer);

    QString error;
    const PropertyBag stored = PropertyBag::fromJson(bag.toJson(), &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    const ComPtr<IControl> copyControl = createObject(CLSID_LumoXPButton).as<IControl>();
    ASSERT_EQ(copyControl->Load(stored), S_OK);
    auto* copy = qobject_cast<LumoXPButton*>(copyControl->GetWidget());
    for (const MemberInfo& member : iface.members) {
        if (member.kind != InvokeKind::PropertyPut && member.kind != InvokeKind::PropertyPutRef) {
            continue;
        }
        const QByteArray name = member.name.toLatin1();
        EXPECT_TRUE(stored.contains(member.name)) << "stored by its name: " << name.constData();
        if (member.kind == InvokeKind::PropertyPutRef) {
            continue; // Icon and Font: below
        }
        EXPECT_EQ(copy->property(name), button->property(name)) << name.constData();
        if (member.params.back().type.kind != VarKind::Enum) { // the Qt property of its name
            EXPECT_EQ(button->property(name).toString(), client.get(member.name).toString())
                << name.constData();
        }
    }
    EXPECT_EQ(copy->Font().toString(), button->Font().toString());
    EXPECT_EQ(copy->Icon().image(), button->Icon().image());
    EXPECT_FALSE(copy->ShowIcon()) << "reading Icon leaves ShowIcon to its own key";
    EXPECT_EQ(copy->AccessKeys(), QStringLiteral("P"));
    EXPECT_TRUE(copy->acceptDrops());
    EXPECT_EQ(copy->paintedLook(), 0) << "read, then repainted (disabled)";

    ASSERT_EQ(control->InitNew(), S_OK);
    EXPECT_EQ(button->Caption(), QStringLiteral("Lumo XPButton")) << "the placement defaults";
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
// once, even for the value the property has: hosts rewrite a property's
// value to force a repaint.
TEST(XPButtonProperties, EveryWriteMarksChangedAndRepaintsOrNot) {
    const QStringList paintLater{QStringLiteral("BackColor"), QStringLiteral("MultiLine"),
                                 QStringLiteral("OLEDropMode")};
    for (const MemberInfo& member : defaultInterfaceOf(CLSID_LumoXPButton).members) {
        if (member.kind != InvokeKind::PropertyPut && member.kind != InvokeKind::PropertyPutRef) {
            continue;
        }
        const QByteArray name = member.name.toLatin1();
        SCOPED_TRACE(name.constData());
        auto button = makeButton();
        button->setStyle(lumoStyle::lumoXP);
        button->DrawControl(1);
        // A mark on the surface survives exactly when nothing repaints.
        SetPixel(button->hDC(), 60, 15, RGB(1, 1, 1));
        QSignalSpy changed(button.get(), &UserControl::propertyChanged);
        ASSERT_TRUE(button->setProperty(name, button->property(name)));
        ASSERT_EQ(changed.count(), 1);
        EXPECT_EQ(changed[0][0].toString(), member.name);
        EXPECT_EQ(GetPixel(button->hDC(), 60, 15) == RGB(1, 1, 1),
                  paintLater.contains(member.name));
    }
}

TEST(XPButtonProperties, OnlyRefreshControlShowsANewBackColorAndShadowOverPaintsNormal) {
    auto button = makeButton();
    button->setStyle(lumoStyle::lumoXP);
    button->setShowIcon(false);
    button->DrawControl(0);
    button->setBackColor(RGB(0, 128, 0)); // waits for a paint, as the writers' test shows
    button->Refresh();
    EXPECT_NE(GetPixel(button->hDC(), 60, 15), RGB(0, 128, 0)) << "Refresh does nothing";
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
