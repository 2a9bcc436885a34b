// The status bar through the class factory: all 22 members bound, each
// writer reaching its own property, error 9 reaching the host.
#include "lumokit/DispatchWriters.h"

#include "statusbar/lumoStatusbarBindings.h"

#include <lumokit/TypeLibIds.h>

using namespace lumokit;
using namespace lumokittest;

TEST(StatusbarDispatch, EveryMemberIsBoundEveryWriterReadsBackAndIndexesPastTheListRaise9) {
    DispatchClient bar(createObject(CLSID_lumoStatusbar));
    const InterfaceInfo& iface = defaultInterfaceOf(CLSID_lumoStatusbar);
    expectEveryMemberBound(lumoStatusbarBindings::bindings(), iface);
    EXPECT_EQ(iface.members.size(), 22u);

    bar.call(QStringLiteral("AddPanel"), {QStringLiteral("Ready"), 80});
    EXPECT_EQ(expectWritersReadBack(bar, iface, 1), 10);
    try {
        bar.get(QStringLiteral("PanelCaption"), {2});
        FAIL() << "no error";
    } catch (const ComError& e) {
        EXPECT_EQ(static_cast<quint32>(e.hresult()), 0x800A0009u);
    }
}
