#include "core/com/TypeInfo.h"

#include <algorithm>

namespace lumokit {

namespace {

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

ParamInfo ParamInfo::asOptional() const {
    ParamInfo p = *this;
    p.optional = true;
    return p;
}

ParamInfo ParamInfo::withDefault(QVariant value) const {
    ParamInfo p = *this;
    p.optional = true;
    p.defaultValue = std::move(value);
    return p;
}

int MemberInfo::requiredParamCount() const {
    const auto firstOptional =
        std::find_if(params.begin(), params.end(), [](const ParamInfo& p) { return p.optional; });
    return static_cast<int>(firstOptional - params.begin());
}

const MemberInfo* InterfaceInfo::find(DISPID dispid, InvokeKind kind) const {
    for (const MemberInfo& m : members) {
        if (m.dispid == dispid && m.kind == kind) {
            return &m;
        }
    }
    return nullptr;
}

DISPID InterfaceInfo::dispidOfName(QStringView name) const {
    for (const MemberInfo& m : members) {
        if (sameName(m.name, name)) {
            return m.dispid;
        }
    }
    return -1;
}

int InterfaceInfo::indexOf(const MemberInfo& member) const {
    return static_cast<int>(&member - members.data());
}

const EventInfo* EventInterfaceInfo::find(DISPID id) const {
    for (const EventInfo& e : events) {
        if (e.id == id) {
            return &e;
        }
    }
    return nullptr;
}

DISPID EventInterfaceInfo::idOfName(QStringView name) const {
    for (const EventInfo& e : events) {
        if (sameName(e.name, name)) {
            return e.id;
        }
    }
    return -1;
}

QString TypeLibraryInfo::versionText() const {
    return QStringLiteral("%1.%2").arg(majorVersion).arg(minorVersion);
}

const CoClassInfo* TypeLibraryInfo::coclassById(const GUID& clsid) const {
    for (const CoClassInfo& c : coclasses) {
        if (c.clsid == clsid) {
            return &c;
        }
    }
    return nullptr;
}

const CoClassInfo* TypeLibraryInfo::coclassByName(QStringView name) const {
    for (const CoClassInfo& c : coclasses) {
        if (sameName(c.name, name)) {
            return &c;
        }
    }
    return nullptr;
}

const InterfaceInfo* TypeLibraryInfo::interfaceByName(QStringView name) const {
    for (const InterfaceInfo& i : interfaces) {
        if (sameName(i.name, name)) {
            return &i;
        }
    }
    return nullptr;
}

const EnumInfo* TypeLibraryInfo::enumByName(QStringView name) const {
    for (const EnumInfo& e : enums) {
        if (sameName(e.name, name)) {
            return &e;
        }
    }
    return nullptr;
}

} // namespace lumokit
