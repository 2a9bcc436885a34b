#pragma once

// The component model of the control server: reference-counted objects reached
// through interfaces, class factories, late-bound dispatch and event
// connections. Hosts use these through the library's exported entry points
// only, so everything here is abstract or inline.
#include <lumokit/Guid.h>
#include <lumokit/Types.h>

#include <QMetaType>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <cstdint>

namespace lumokit {

using ULONG = std::uint32_t;

constexpr HRESULT DISP_E_PARAMNOTFOUND = static_cast<HRESULT>(0x80020004u);
constexpr HRESULT DISP_E_OVERFLOW = static_cast<HRESULT>(0x8002000Au);
constexpr HRESULT CO_E_DLLNOTFOUND = static_cast<HRESULT>(0x800401F8u);
constexpr HRESULT CO_E_ERRORINDLL = static_cast<HRESULT>(0x800401F9u);
constexpr HRESULT CO_E_CLASSSTRING = static_cast<HRESULT>(0x800401F3u);
constexpr HRESULT CONNECT_E_NOCONNECTION = static_cast<HRESULT>(0x80040200u);
constexpr HRESULT SELFREG_E_TYPELIB = static_cast<HRESULT>(0x80040200u);

// Invoke flags. A caller may combine METHOD with PROPERTYGET when it does not
// know which of the two a member is, as late-bound callers do.
constexpr std::uint16_t DISPATCH_METHOD = 1;
constexpr std::uint16_t DISPATCH_PROPERTYGET = 2;
constexpr std::uint16_t DISPATCH_PROPERTYPUT = 4;
constexpr std::uint16_t DISPATCH_PROPERTYPUTREF = 8;

constexpr DISPID DISPID_UNKNOWN = -1;

// What a failed Invoke tells its caller besides the HRESULT.
struct ExcepInfo {
    HRESULT scode = S_OK;
    QString source;
    QString description;
    int argError = -1; // index of the offending argument for type errors, else -1
};

struct IUnknown {
    static constexpr GUID IID = makeGuid("{00000000-0000-0000-C000-000000000046}");

    virtual HRESULT QueryInterface(const GUID& iid, void** object) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    ~IUnknown() = default;
};

struct IClassFactory : IUnknown {
    static constexpr GUID IID = makeGuid("{00000001-0000-0000-C000-000000000046}");

    // outer must be null: the classes cannot be aggregated.
    virtual HRESULT CreateInstance(IUnknown* outer, const GUID& iid, void** object) = 0;
    virtual HRESULT LockServer(bool lock) = 0;

protected:
    ~IClassFactory() = default;
};

// Late-bound access to an object's default interface.
// Arguments are in declaration order; for a property write the new value comes
// last, after any index arguments. Arguments declared by reference hold the
// callee's values when Invoke returns. An omitted optional argument is either
// left off the end or passed as an invalid QVariant.
// Booleans travel as bool, 16-bit numbers as qint16, 32-bit as qint32, colours
// as quint32, singles as float, fonts as QFont, object references as IDispatch*.
struct IDispatch : IUnknown {
    static constexpr GUID IID = makeGuid("{00020400-0000-0000-C000-000000000046}");

    // Case-insensitive lookup of a member of the default interface.
    virtual HRESULT GetIDsOfNames(const QString& name, DISPID* dispid) = 0;
    virtual HRESULT Invoke(DISPID dispid, std::uint16_t flags, QVariantList& args, QVariant* result,
                           ExcepInfo* excepInfo) = 0;

protected:
    ~IDispatch() = default;
};

// The object's outgoing events. Each event reaches every advised sink as
// sink->Invoke(eventId, DISPATCH_METHOD, args, nullptr, nullptr), events being
// numbered from 1 in declaration order; a sink may change the arguments that
// the event passes by reference and the object reads them back.
struct IEventConnection : IUnknown {
    static constexpr GUID IID = makeGuid("{100C5E3C-963C-4F21-8E34-F8EFF52E33F5}");

    virtual HRESULT Advise(IDispatch* sink, std::uint32_t* cookie) = 0;
    virtual HRESULT Unadvise(std::uint32_t cookie) = 0;
    // The identifier of the object's event interface (the "__Name" interface).
    virtual HRESULT GetEventInterface(GUID* iid) = 0;
    // Case-insensitive lookup of an event by name.
    virtual HRESULT GetEventIdOfName(const QString& name, DISPID* eventId) = 0;

protected:
    ~IEventConnection() = default;
};

} // namespace lumokit

Q_DECLARE_METATYPE(lumokit::IDispatch*)
