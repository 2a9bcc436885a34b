#pragma once

// The shape of the compiled-in type library: enumerations, interfaces with
// their members in slot order, event interfaces and classes. Dispatch, the
// argument checks, registration and the printed description all read these.
#include <lumokit/Guid.h>
#include <lumokit/Types.h>

#include <QString>
#include <QStringView>
#include <QVariant>

#include <vector>

namespace lumokit {

enum class VarKind : std::uint8_t {
    Void,
    Bool,       // 16-bit Boolean, True = -1; travels as bool
    Int16,      // qint16
    Int32,      // qint32
    Single,     // float
    String,     // QString
    Color,      // OLE_COLOR, quint32
    Variant,    // any value
    Picture,    // a picture object
    Font,       // QFont
    Object,     // IDispatch*
    DataObject, // the drag-and-drop data object, an IDispatch*
    Enum        // qint32 with the enumeration's name
};

struct TypeRef {
    VarKind kind = VarKind::Void;
    QString enumName; // only for VarKind::Enum

    static TypeRef enumeration(QString name) { return {VarKind::Enum, std::move(name)}; }
    bool isVoid() const { return kind == VarKind::Void; }
    friend bool operator==(const TypeRef&, const TypeRef&) = default;
};

struct ParamInfo {
    QString name;
    TypeRef type;
    bool byRef = false;
    bool optional = false;
    QVariant defaultValue; // valid only when the parameter declares a default

    ParamInfo asOptional() const;
    ParamInfo withDefault(QVariant value) const;
};

enum class InvokeKind : std::uint8_t { Method, PropertyGet, PropertyPut, PropertyPutRef };

// Which identifier range a member takes its dispatch identifier from.
enum class MemberRange : std::uint8_t { Method, Property, DataMember };

struct MemberInfo {
    QString name;
    InvokeKind kind = InvokeKind::Method;
    MemberRange range = MemberRange::Method;
    DISPID dispid = 0;
    int slot = 0; // 1-based position in the interface
    // Methods: their parameters. Readers: their index parameters. Writers: the
    // index parameters followed by the value.
    std::vector<ParamInfo> params;
    TypeRef result; // readers and methods with a value; void otherwise

    int requiredParamCount() const;
};

struct InterfaceInfo {
    QString name;
    GUID iid;
    std::vector<MemberInfo> members; // slot order

    const MemberInfo* find(DISPID dispid, InvokeKind kind) const;
    // DISPID_UNKNOWN when no member has that name (case-insensitive).
    DISPID dispidOfName(QStringView name) const;
    int indexOf(const MemberInfo& member) const;
};

struct EventInfo {
    QString name;
    DISPID id = 0; // 1..n in declaration order
    std::vector<ParamInfo> params;
};

struct EventInterfaceInfo {
    QString name;
    GUID iid;
    std::vector<EventInfo> events;

    const EventInfo* find(DISPID id) const;
    DISPID idOfName(QStringView name) const;
};

struct EnumMember {
    QString name;
    std::int32_t value = 0;
};

struct EnumInfo {
    QString name;
    std::vector<EnumMember> members;
};

struct CoClassInfo {
    QString name;
    GUID clsid;
    bool control = false;
    int toolboxImageId = 0; // controls only
    const InterfaceInfo* defaultInterface = nullptr;
    const EventInterfaceInfo* eventInterface = nullptr;

    QString progId() const { return QStringLiteral("LumoKit.") + name; }
};

struct TypeLibraryInfo {
    QString name;
    GUID libid;
    int majorVersion = 0;
    int minorVersion = 0;
    int lcid = 0;
    int flags = 0;
    std::vector<EnumInfo> enums;
    std::vector<InterfaceInfo> interfaces;
    std::vector<EventInterfaceInfo> eventInterfaces;
    std::vector<CoClassInfo> coclasses;

    QString versionText() const;
    const CoClassInfo* coclassById(const GUID& clsid) const;
    const CoClassInfo* coclassByName(QStringView name) const;
    const InterfaceInfo* interfaceByName(QStringView name) const;
    const EnumInfo* enumByName(QStringView name) const;
};

} // namespace lumokit
