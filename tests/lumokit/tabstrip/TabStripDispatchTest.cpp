// The tab strip through the class factory: every member bound, each
// writer reaching its own property, error 9 reaching the host.
#include "lumokit/DispatchWriters.h"

#include "tabstrip/lumoTabStripBindings.h"

#include <lumokit/TypeLibIds.h>

using namespace lumokit;
using namespace lumokittest;

TEST(TabStripDispatch, EveryMemberIsBoundEveryWriterReadsBackAndNegativeIndexesRaiseError9) {
    DispatchClient client(createObject(CLSID_lumoTabStrip));
    const InterfaceInfo& iface = defaultInterfaceOf(CLSID_lumoTabStrip);
    expectEveryMemberBound(lumoTabStripBindings::bindings(), iface);

    client.call(QStringLiteral("AddTab"), {QVariant(), QStringLiteral("One")});
    EXPECT_EQ(expectWritersReadBack(client, iface, 1), 22);
    try {
        client.put(QStringLiteral("TabTag"), QStringLiteral("x"), {-1});
        FAIL() << "a negative index is refused";
    } catch (const ComError& e) {
        EXPECT_EQ(static_cast<quint32>(e.hresult()), 0x800A0009u);
        EXPECT_EQ(e.description(), QStringLiteral("Subscript out of range"));
    }
}
