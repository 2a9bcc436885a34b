#pragma once

// The COM face of one library object: reference counting, late-bound
// dispatch through the type library and the class's bindings, and the event
// connection that forwards the object's events to the host's sinks.
// Derived classes own the wrapped object and say where it is (target()).
#include "core/com/BindingTable.h"
#include "core/com/TypeInfo.h"

#include <lumokit/ComInterfaces.h>
#include <lumokit/ComPtr.h>
#include <lumokit/EventSource.h>

#include <atomic>
#include <vector>

namespace lumokit {

class DispatchObject : public IDispatch, public IEventConnection {
public:
    DispatchObject(const CoClassInfo& coclass, const BindingTable& bindings);
    DispatchObject(const DispatchObject&) = delete;
    DispatchObject& operator=(const DispatchObject&) = delete;

    HRESULT QueryInterface(const GUID& iid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;

    HRESULT GetIDsOfNames(const QString& name, DISPID* dispid) override;
    HRESULT Invoke(DISPID dispid, std::uint16_t flags, QVariantList& args, QVariant* result,
                   ExcepInfo* excepInfo) override;

    HRESULT Advise(IDispatch* sink, std::uint32_t* cookie) override;
    HRESULT Unadvise(std::uint32_t cookie) override;
    HRESULT GetEventInterface(GUID* iid) override;
    HRESULT GetEventIdOfName(const QString& name, DISPID* eventId) override;

    const CoClassInfo& coclass() const { return *m_coclass; }

    // Delivers an event of the wrapped object to every advised sink and
    // copies back the arguments the event passes by reference.
    void fireEvent(DISPID eventId, QVariantList& args);
    // A sink for EventSource::setEventSink that calls fireEvent.
    EventSink eventSink();

protected:
    virtual ~DispatchObject();

    // The object the bindings act on; null once it no longer exists.
    virtual void* target() = 0;
    // Further interfaces a derived class offers; null when it has none.
    virtual void* queryOther(const GUID& iid);
    virtual QString errorSource() const { return coclass().progId(); }

private:
    struct Connection {
        std::uint32_t cookie;
        ComPtr<IDispatch> sink;
    };
    enum class Busy { Invoke, Event };
    class BusyScope;

    const MemberInfo* selectMember(DISPID dispid, std::uint16_t flags, HRESULT* hr) const;
    HRESULT prepareArguments(const MemberInfo& member, const QVariantList& given,
                             QVariantList& prepared, ExcepInfo* excepInfo) const;
    void copyBackByRef(const MemberInfo& member, const QVariantList& prepared,
                       QVariantList& given) const;
    bool isAdvised(std::uint32_t cookie) const;
    void leaveBusy(Busy kind);
    void destroyWhenSafe();

    const CoClassInfo* m_coclass;
    const BindingTable* m_bindings;
    std::atomic<ULONG> m_refs{0};
    std::vector<Connection> m_connections;
    std::uint32_t m_nextCookie = 1;
    int m_invokeDepth = 0;
    int m_eventDepth = 0;
    bool m_releasedWhileBusy = false;
};

} // namespace lumokit
