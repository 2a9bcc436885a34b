// The tab strip through the class factory: all 52 members bound, each
// writer reaching its own property, error 9 reaching the host.
#include "lumokit/DispatchWriters.h"

#include "core/com/TypeLibrary.h"
#include "tabstrip/lumoTabStripBindings.h"

#include <lumokit/ComServer.h>
#include <lumokit/TypeLibIds.h>

using namespace lumokit;

TEST(TabStripDispatch, EveryMemberIsBoundEveryWriterReadsBackAndNegativeIndexesRaiseError9) {
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(DllGetClassObject(CLSID_lumoTabStrip, IClassFactory::IID, factory.put()), S_OK);
    ComPtr<IDispatch> object;
    ASSERT_EQ(factory->CreateInstance(nullptr, IDispatch::IID, object.put()), S_OK);
    DispatchClient client(object);
    EXPECT_EQ(lumoTabStripBindings::bindings().boundCount(), 52);

    client.call(QStringLiteral("AddTab"), {QVariant(), QStringLiteral("One")});
    const InterfaceInfo& iface =
        *TypeLibrary::instance().coclassById(CLSID_lumoTabStrip)->defaultInterface;
    EXPECT_EQ(lumokittest::expectWritersReadBack(client, iface, 1), 22);
    try {
        client.put(QStringLiteral("TabTag"), QStringLiteral("x"), {-1});
        FAIL() << "a negative index is refused";
    } catch (const ComError& e) {
        EXPECT_EQ(static_cast<quint32>(e.hresult()), 0x800A0009u);
        EXPECT_EQ(e.description(), QStringLiteral("Subscript out of range"));
    }
}
