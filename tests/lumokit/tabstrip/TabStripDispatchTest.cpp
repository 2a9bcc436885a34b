// The tab strip as a host sees it through the class factory: all 52
// members bound, each writer reaching its own property, AddTab's optional
// arguments and the indexed members at their bounds.
#include "TabStripTestSupport.h"

#include "tabstrip/lumoTabStripBindings.h"

#include <lumokit/ComControl.h>
#include <lumokit/ComServer.h>
#include <lumokit/DispatchClient.h>

using namespace lumokit;
using namespace tabtest;

namespace {

ComPtr<IDispatch> createStrip() {
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(DllGetClassObject(CLSID_lumoTabStrip, IClassFactory::IID, factory.put()), S_OK);
    ComPtr<IDispatch> object;
    EXPECT_EQ(factory->CreateInstance(nullptr, IDispatch::IID, object.put()), S_OK);
    return object;
}

TEST(TabStripDispatch, EveryMemberIsBoundAndEveryWriterReachesItsOwnProperty) {
    ComPtr<IDispatch> object = createStrip();
    DispatchClient client(object);
    auto* strip = qobject_cast<lumoTabStrip*>(object.as<IControl>()->GetWidget());
    ASSERT_NE(strip, nullptr);
    const InterfaceInfo& iface =
        *TypeLibrary::instance().coclassById(CLSID_lumoTabStrip)->defaultInterface;
    EXPECT_EQ(lumoTabStripBindings::bindings().boundCount(), 52);
    EXPECT_EQ(static_cast<int>(iface.members.size()), 52);

    client.call(QStringLiteral("AddTab"), {QVariant(), QStringLiteral("One")});
    int n = 0;
    for (const MemberInfo& member : iface.members) {
        if (member.kind != InvokeKind::PropertyPut) {
            continue;
        }
        ++n; // a value of its own for every property, so crossed bindings show
        const bool indexed = member.params.size() == 2;
        const QVariantList index = indexed ? QVariantList{1} : QVariantList{};
        QVariant value;
        switch (member.params.back().type.kind) {
        case VarKind::Color:
            value = QVariant::fromValue<quint32>(0x010000u * n + n);
            break;
        case VarKind::Bool:
            value = !client.get(member.name, index).toBool();
            break;
        case VarKind::String:
            value = QStringLiteral("text %1").arg(n);
            break;
        default:
            value = QVariant::fromValue<qint32>(n % 2 + 1);
            break;
        }
        client.put(member.name, value, index);
        EXPECT_EQ(client.get(member.name, index).toString(), value.toString())
            << member.name.toStdString();
    }
    EXPECT_EQ(n, 22);
    EXPECT_EQ(strip->TabTag(1), client.get(QStringLiteral("TabTag"), {1}).toString());
}

TEST(TabStripDispatch, AddTabDefaultsAndIndexedMembersAtTheirBounds) {
    DispatchClient client(createStrip());
    client.call(QStringLiteral("AddTab"), {QVariant(), QStringLiteral("One")});
    client.call(QStringLiteral("AddTab"),
                {QVariant(), QStringLiteral("Two"), QStringLiteral("second"), false, true,
                 QVariant(), QStringLiteral("tip")});
    EXPECT_TRUE(client.get(QStringLiteral("TabEnable"), {1}).toBool());
    EXPECT_TRUE(client.get(QStringLiteral("TabVisible"), {1}).toBool());
    EXPECT_FALSE(client.get(QStringLiteral("TabEnable"), {2}).toBool());
    EXPECT_EQ(client.get(QStringLiteral("TabDescription"), {2}).toString(), u"second");
    EXPECT_EQ(client.get(QStringLiteral("TabToolText"), {2}).toString(), u"tip");
    EXPECT_TRUE(client.get(QStringLiteral("TabPicture"), {1}).value<Picture>().isNull());

    EXPECT_EQ(client.get(QStringLiteral("TabDescription"), {5}).toString(), QString());
    client.put(QStringLiteral("TabEnable"), true, {5});
    EXPECT_FALSE(client.get(QStringLiteral("TabEnable"), {5}).toBool());
    try {
        client.put(QStringLiteral("TabTag"), QStringLiteral("x"), {-1});
        FAIL() << "a negative index is refused";
    } catch (const ComError& e) {
        EXPECT_EQ(static_cast<quint32>(e.hresult()), 0x800A0009u);
        EXPECT_EQ(e.description(), QStringLiteral("Subscript out of range"));
    }
}

} // namespace
