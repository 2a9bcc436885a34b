#pragma once

// For one class: which C++ callable carries out each member of its default
// interface. A member without a callable answers DISP_E_MEMBERNOTFOUND.
// The callables receive the arguments already converted to the declared
// types (index arguments first, a writer's value last) and may change the
// ones declared by reference.
#include "core/com/TypeInfo.h"

#include <QVariantList>

#include <functional>
#include <vector>

namespace lumokit {

class BindingTable {
public:
    using Call = std::function<QVariant(void* target, QVariantList& args)>;

    explicit BindingTable(const InterfaceInfo& iface);

    // Throws std::logic_error for a member the interface does not have, so a
    // misspelt binding fails at once rather than staying unreachable.
    void bind(QStringView name, InvokeKind kind, Call call);

    const Call* find(const MemberInfo& member) const;
    const InterfaceInfo& interfaceInfo() const { return *m_interface; }
    int boundCount() const;

private:
    const InterfaceInfo* m_interface;
    std::vector<Call> m_calls; // by member index
};

} // namespace lumokit
