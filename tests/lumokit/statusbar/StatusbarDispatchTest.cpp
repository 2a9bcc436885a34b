// The status bar as a host sees it through the class factory: all 22
// members bound, AddPanel's optional arguments, and error 9 reaching the
// host with its number.
#include "statusbar/lumoStatusbar.h"
#include "statusbar/lumoStatusbarBindings.h"

#include "core/com/TypeLibrary.h"

#include <lumokit/ComControl.h>
#include <lumokit/ComServer.h>
#include <lumokit/DispatchClient.h>
#include <lumokit/TypeLibIds.h>

#include <gtest/gtest.h>

using namespace lumokit;

namespace {

TEST(StatusbarDispatch, EveryMemberIsBoundAndPanelsAnswerByIndex) {
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(DllGetClassObject(CLSID_lumoStatusbar, IClassFactory::IID, factory.put()), S_OK);
    ComPtr<IDispatch> object;
    ASSERT_EQ(factory->CreateInstance(nullptr, IDispatch::IID, object.put()), S_OK);
    DispatchClient bar(object);
    EXPECT_EQ(lumoStatusbarBindings::bindings().boundCount(), 22);

    QVariantList args{QStringLiteral("Ready"), 80};
    bar.call(QStringLiteral("AddPanel"), args);
    bar.call(QStringLiteral("AddPanel"), {QStringLiteral("Spring"), 0, false, 1, 3});
    EXPECT_TRUE(bar.get(QStringLiteral("PanelVisible"), {1}).toBool()) << "default True";
    EXPECT_EQ(bar.get(QStringLiteral("PanelAutosize"), {1}).toInt(), 0);
    EXPECT_EQ(bar.get(QStringLiteral("PanelBorder"), {1}).toInt(), 1) << "flat by default";
    EXPECT_EQ(bar.get(QStringLiteral("PanelBorder"), {2}).toInt(), 3);

    // Every writer reaches its own property: a value of its own for each.
    const InterfaceInfo& iface =
        *TypeLibrary::instance().coclassById(CLSID_lumoStatusbar)->defaultInterface;
    int n = 0;
    for (const MemberInfo& member : iface.members) {
        if (member.kind != InvokeKind::PropertyPut) {
            continue;
        }
        ++n;
        const QVariantList index = member.params.size() == 2 ? QVariantList{2} : QVariantList{};
        QVariant value = QVariant::fromValue<qint32>(n % 3 + 1);
        if (member.params.back().type.kind == VarKind::String) {
            value = QStringLiteral("text %1").arg(n);
        } else if (member.params.back().type.kind == VarKind::Bool) {
            value = !bar.get(member.name, index).toBool();
        }
        bar.put(member.name, value, index);
        EXPECT_EQ(bar.get(member.name, index).toString(), value.toString())
            << member.name.toStdString();
    }
    EXPECT_EQ(n, 10);

    try {
        bar.get(QStringLiteral("PanelCaption"), {3});
        FAIL() << "no error";
    } catch (const ComError& e) {
        EXPECT_EQ(static_cast<quint32>(e.hresult()), 0x800A0009u);
    }
}

} // namespace
