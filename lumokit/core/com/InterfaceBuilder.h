#pragma once

// Builds an interface of the type library member by member in slot order and
// gives each member its dispatch identifier: a property's reader and writers
// share one, and the n-th distinct member gets 0x60030000 + n (method),
// 0x68030000 + n (property) or 0x40030000 + n (public data member).
#include "core/com/TypeInfo.h"

#include <QHash>

namespace lumokit {

class InterfaceBuilder {
public:
    InterfaceBuilder(QString name, const GUID& iid);

    InterfaceBuilder& method(const QString& name, std::vector<ParamInfo> params = {},
                             TypeRef result = {});
    InterfaceBuilder& get(const QString& name, const TypeRef& type,
                          std::vector<ParamInfo> indexes = {});
    // The writer's value parameter is New_<name>; byRefValue marks it by reference.
    InterfaceBuilder& put(const QString& name, const TypeRef& type,
                          std::vector<ParamInfo> indexes = {}, bool byRefValue = false);
    InterfaceBuilder& putRef(const QString& name, const TypeRef& type,
                             std::vector<ParamInfo> indexes = {});
    // Reader and writer, adjoining.
    InterfaceBuilder& readWrite(const QString& name, const TypeRef& type,
                                const std::vector<ParamInfo>& indexes = {});
    // Reader and object-reference writer ("set"), adjoining.
    InterfaceBuilder& readSet(const QString& name, const TypeRef& type,
                              const std::vector<ParamInfo>& indexes = {});
    // A public data member: reader, writer and reference writer.
    InterfaceBuilder& dataMember(const QString& name, const TypeRef& type);

    InterfaceInfo build() const { return m_interface; }

private:
    InterfaceBuilder& add(const QString& name, InvokeKind kind, MemberRange range,
                          std::vector<ParamInfo> params, TypeRef result);
    DISPID dispidFor(const QString& name, MemberRange range);

    InterfaceInfo m_interface;
    QHash<QString, DISPID> m_dispids; // by lower-case name
};

} // namespace lumokit
