#pragma once

// Controls as a host meets them: created through their class factory, every
// member of the default interface bound, and every writer, called through
// dispatch with a value of its own (so crossed bindings show), reading back
// what it wrote.
#include "core/com/BindingTable.h"
#include "core/com/TypeLibrary.h"

#include <lumokit/ComServer.h>
#include <lumokit/DispatchClient.h>

#include <gtest/gtest.h>

namespace lumokittest {

inline lumokit::ComPtr<lumokit::IDispatch> createObject(const lumokit::GUID& clsid) {
    using namespace lumokit;
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(DllGetClassObject(clsid, IClassFactory::IID, factory.put()), S_OK);
    ComPtr<IDispatch> object;
    EXPECT_EQ(factory->CreateInstance(nullptr, IDispatch::IID, object.put()), S_OK);
    return object;
}

inline const lumokit::InterfaceInfo& defaultInterfaceOf(const lumokit::GUID& clsid) {
    return *lumokit::TypeLibrary::instance().coclassById(clsid)->defaultInterface;
}

inline void expectEveryMemberBound(const lumokit::BindingTable& bindings,
                                   const lumokit::InterfaceInfo& iface) {
    EXPECT_EQ(bindings.boundCount(), static_cast<int>(iface.members.size()));
    for (const lumokit::MemberInfo& member : iface.members) {
        EXPECT_NE(bindings.find(member), nullptr) << member.name.toStdString();
    }
}

// Indexed writers use the index given. Returns how many were tried.
inline int expectWritersReadBack(const lumokit::DispatchClient& client,
                                 const lumokit::InterfaceInfo& iface, int index) {
    using namespace lumokit;
    int n = 0;
    for (const MemberInfo& member : iface.members) {
        if (member.kind != InvokeKind::PropertyPut) {
            continue;
        }
        ++n;
        const QVariantList at = member.params.size() == 2 ? QVariantList{index} : QVariantList{};
        QVariant value = QVariant::fromValue<qint32>(n % 2 + 1);
        switch (member.params.back().type.kind) {
        case VarKind::Color:
            value = QVariant::fromValue<quint32>(0x010000u * n + n);
            break;
        case VarKind::Bool:
            value = !client.get(member.name, at).toBool();
            break;
        case VarKind::String:
            value = QStringLiteral("text %1").arg(n);
            break;
        default:
            break;
        }
        client.put(member.name, value, at);
        EXPECT_EQ(client.get(member.name, at).toString(), value.toString())
            << member.name.toStdString();
    }
    return n;
}

} // namespace lumokittest
