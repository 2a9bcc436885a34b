#include "core/com/InterfaceBuilder.h"

#include <stdexcept>

namespace lumokit {

namespace {

constexpr DISPID methodBase = 0x60030000;
constexpr DISPID propertyBase = 0x68030000;
constexpr DISPID dataMemberBase = 0x40030000;

DISPID rangeBase(MemberRange range) {
    switch (range) {
    case MemberRange::Method:
        return methodBase;
    case MemberRange::Property:
        return propertyBase;
    case MemberRange::DataMember:
        return dataMemberBase;
    }
    return methodBase;
}

ParamInfo valueParam(const QString& name, const TypeRef& type, bool byRef) {
    ParamInfo p;
    p.name = QStringLiteral("New_") + name;
    p.type = type;
    p.byRef = byRef;
    return p;
}

} // namespace

InterfaceBuilder::InterfaceBuilder(QString name, const GUID& iid) {
    m_interface.name = std::move(name);
    m_interface.iid = iid;
}

DISPID InterfaceBuilder::dispidFor(const QString& name, MemberRange range) {
    const QString key = name.toLower();
    if (const auto it = m_dispids.constFind(key); it != m_dispids.cend()) {
        return it.value();
    }
    const DISPID id = rangeBase(range) + static_cast<DISPID>(m_dispids.size());
    m_dispids.insert(key, id);
    return id;
}

InterfaceBuilder& InterfaceBuilder::add(const QString& name, InvokeKind kind, MemberRange range,
                                        std::vector<ParamInfo> params, TypeRef result) {
    if (m_interface.find(m_interface.dispidOfName(name), kind)) {
        throw std::logic_error("duplicate member " + name.toStdString());
    }
    MemberInfo m;
    m.name = name;
    m.kind = kind;
    m.range = range;
    m.dispid = dispidFor(name, range);
    m.slot = static_cast<int>(m_interface.members.size()) + 1;
    m.params = std::move(params);
    m.result = std::move(result);
    m_interface.members.push_back(std::move(m));
    return *this;
}

InterfaceBuilder& InterfaceBuilder::method(const QString& name, std::vector<ParamInfo> params,
                                           TypeRef result) {
    return add(name, InvokeKind::Method, MemberRange::Method, std::move(params), std::move(result));
}

InterfaceBuilder& InterfaceBuilder::get(const QString& name, const TypeRef& type,
                                        std::vector<ParamInfo> indexes) {
    return add(name, InvokeKind::PropertyGet, MemberRange::Property, std::move(indexes), type);
}

InterfaceBuilder& InterfaceBuilder::put(const QString& name, const TypeRef& type,
                                        std::vector<ParamInfo> indexes, bool byRefValue) {
    indexes.push_back(valueParam(name, type, byRefValue));
    return add(name, InvokeKind::PropertyPut, MemberRange::Property, std::move(indexes), {});
}

InterfaceBuilder& InterfaceBuilder::putRef(const QString& name, const TypeRef& type,
                                           std::vector<ParamInfo> indexes) {
    indexes.push_back(valueParam(name, type, false));
    return add(name, InvokeKind::PropertyPutRef, MemberRange::Property, std::move(indexes), {});
}

InterfaceBuilder& InterfaceBuilder::readWrite(const QString& name, const TypeRef& type,
                                              const std::vector<ParamInfo>& indexes) {
    return get(name, type, indexes).put(name, type, indexes);
}

InterfaceBuilder& InterfaceBuilder::readSet(const QString& name, const TypeRef& type,
                                            const std::vector<ParamInfo>& indexes) {
    return get(name, type, indexes).putRef(name, type, indexes);
}

InterfaceBuilder& InterfaceBuilder::dataMember(const QString& name, const TypeRef& type) {
    // A public variable's writers take the value under the variable's own name.
    ParamInfo value;
    value.name = name;
    value.type = type;
    add(name, InvokeKind::PropertyGet, MemberRange::DataMember, {}, type);
    add(name, InvokeKind::PropertyPut, MemberRange::DataMember, {value}, {});
    return add(name, InvokeKind::PropertyPutRef, MemberRange::DataMember, {value}, {});
}

} // namespace lumokit
