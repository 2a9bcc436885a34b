// The status bar through the class factory: all 22 members bound, each
// writer reaching its own property, error 9 reaching the host.
#include "lumokit/DispatchWriters.h"

#include "core/com/TypeLibrary.h"
#include "statusbar/lumoStatusbarBindings.h"

#include <lumokit/ComServer.h>
#include <lumokit/TypeLibIds.h>

using namespace lumokit;

TEST(StatusbarDispatch, EveryMemberIsBoundEveryWriterReadsBackAndIndexesPastTheListRaise9) {
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(DllGetClassObject(CLSID_lumoStatusbar, IClassFactory::IID, factory.put()), S_OK);
    ComPtr<IDispatch> object;
    ASSERT_EQ(factory->CreateInstance(nullptr, IDispatch::IID, object.put()), S_OK);
    DispatchClient bar(object);
    EXPECT_EQ(lumoStatusbarBindings::bindings().boundCount(), 22);

    bar.call(QStringLiteral("AddPanel"), {QStringLiteral("Ready"), 80});
    const InterfaceInfo& iface =
        *TypeLibrary::instance().coclassById(CLSID_lumoStatusbar)->defaultInterface;
    EXPECT_EQ(lumokittest::expectWritersReadBack(bar, iface, 1), 10);
    try {
        bar.get(QStringLiteral("PanelCaption"), {2});
        FAIL() << "no error";
    } catch (const ComError& e) {
        EXPECT_EQ(static_cast<quint32>(e.hresult()), 0x800A0009u);
    }
}
