#include "core/com/BindingTable.h"

#include <algorithm>
#include <stdexcept>

namespace lumokit {

BindingTable::BindingTable(const InterfaceInfo& iface)
    : m_interface(&iface), m_calls(iface.members.size()) {}

void BindingTable::bind(QStringView name, InvokeKind kind, Call call) {
    const MemberInfo* member = m_interface->find(m_interface->dispidOfName(name), kind);
    if (!member) {
        throw std::logic_error("no member " + name.toString().toStdString() + " of this kind in " +
                               m_interface->name.toStdString());
    }
    m_calls[static_cast<std::size_t>(m_interface->indexOf(*member))] = std::move(call);
}

const BindingTable::Call* BindingTable::find(const MemberInfo& member) const {
    const auto index = static_cast<std::size_t>(m_interface->indexOf(member));
    if (index >= m_calls.size() || !m_calls[index]) {
        return nullptr;
    }
    return &m_calls[index];
}

int BindingTable::boundCount() const {
    return static_cast<int>(
        std::count_if(m_calls.begin(), m_calls.end(), [](const Call& c) { return bool(c); }));
}

} // namespace lumokit
