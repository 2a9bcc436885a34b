// The status bar through the class factory: every member bound, each
// writer reaching its own property. Error 9 reaching the host is checked
// for the tab strip, which raises it the same way.
#include "lumokit/DispatchWriters.h"

#include "statusbar/lumoStatusbarBindings.h"

#include <lumokit/TypeLibIds.h>

using namespace lumokit;
using namespace lumokittest;

TEST(StatusbarDispatch, EveryMemberIsBoundAndEveryWriterReadsBack) {
    DispatchClient bar(createObject(CLSID_lumoStatusbar));
    const InterfaceInfo& iface = defaultInterfaceOf(CLSID_lumoStatusbar);
    expectEveryMemberBound(lumoStatusbarBindings::bindings(), iface);

    bar.call(QStringLiteral("AddPanel"), {QStringLiteral("Ready"), 80});
    EXPECT_EQ(expectWritersReadBack(bar, iface, 1), 10);
}
