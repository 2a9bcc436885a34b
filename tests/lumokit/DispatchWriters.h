#pragma once

// Every writer of a control's default interface, called through dispatch
// with a value of its own (so crossed bindings show), must read back what it
// wrote. Indexed writers use the index given. Returns how many were tried.
#include "core/com/TypeInfo.h"

#include <lumokit/DispatchClient.h>

#include <gtest/gtest.h>

namespace lumokittest {

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
