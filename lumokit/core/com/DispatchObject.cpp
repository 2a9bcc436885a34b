#include "core/com/DispatchObject.h"

#include "core/com/ServerModule.h"
#include "core/com/VariantCoercion.h"

#include <lumokit/ComError.h>

#include <QCoreApplication>
#include <QMetaObject>

#include <algorithm>

namespace lumokit {

// Marks the object busy while a host call or an event is under way, so that
// a Release to zero in the middle does not delete it under its own feet.
class DispatchObject::BusyScope {
public:
    BusyScope(DispatchObject& object, Busy kind) : m_object(object), m_kind(kind) {
        (kind == Busy::Invoke ? object.m_invokeDepth : object.m_eventDepth) += 1;
    }
    ~BusyScope() { m_object.leaveBusy(m_kind); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    DispatchObject& m_object;
    Busy m_kind;
};

namespace {

void setError(ExcepInfo* info, HRESULT hr, const QString& source, const QString& description,
              int argError = -1) {
    if (info) {
        info->scode = hr;
        info->source = source;
        info->description = description;
        info->argError = argError;
    }
}

bool isWriter(InvokeKind kind) {
    return kind == InvokeKind::PropertyPut || kind == InvokeKind::PropertyPutRef;
}

QString memberKindText(InvokeKind kind) {
    switch (kind) {
    case InvokeKind::Method:
        return QStringLiteral("method");
    case InvokeKind::PropertyGet:
        return QStringLiteral("property read");
    case InvokeKind::PropertyPut:
        return QStringLiteral("property write");
    case InvokeKind::PropertyPutRef:
        return QStringLiteral("property set");
    }
    return {};
}

} // namespace

DispatchObject::DispatchObject(const CoClassInfo& coclass, const BindingTable& bindings)
    : m_coclass(&coclass), m_bindings(&bindings) {
    ServerModule::objectCreated();
}

DispatchObject::~DispatchObject() {
    ServerModule::objectDestroyed();
}

HRESULT DispatchObject::QueryInterface(const GUID& iid, void** object) {
    if (!object) {
        return E_POINTER;
    }
    *object = nullptr;
    if (iid == IUnknown::IID || iid == IDispatch::IID || iid == m_coclass->defaultInterface->iid) {
        *object = static_cast<IDispatch*>(this);
    } else if (iid == IEventConnection::IID) {
        *object = static_cast<IEventConnection*>(this);
    } else {
        *object = queryOther(iid);
    }
    if (!*object) {
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

void* DispatchObject::queryOther(const GUID&) {
    return nullptr;
}

ULONG DispatchObject::AddRef() {
    return ++m_refs;
}

ULONG DispatchObject::Release() {
    const ULONG remaining = --m_refs;
    if (remaining == 0) {
        if (m_invokeDepth > 0 || m_eventDepth > 0) {
            m_releasedWhileBusy = true;
        } else {
            delete this;
        }
    }
    return remaining;
}

void DispatchObject::leaveBusy(Busy kind) {
    (kind == Busy::Invoke ? m_invokeDepth : m_eventDepth) -= 1;
    if (!m_releasedWhileBusy || m_invokeDepth > 0 || m_eventDepth > 0 || m_refs > 0) {
        return;
    }
    if (kind == Busy::Invoke) {
        // The host's call has returned out of the wrapped object's code.
        delete this;
    } else {
        destroyWhenSafe();
    }
}

// An event that ends here was raised from inside the wrapped object's own
// code, which is still on the stack: delete once control is back in the
// event loop. Without an application there is no loop; the object stays.
void DispatchObject::destroyWhenSafe() {
    m_releasedWhileBusy = false;
    if (QCoreApplication* app = QCoreApplication::instance()) {
        AddRef();
        QMetaObject::invokeMethod(
            app, [this] { Release(); }, Qt::QueuedConnection);
    }
}

HRESULT DispatchObject::GetIDsOfNames(const QString& name, DISPID* dispid) {
    if (!dispid) {
        return E_POINTER;
    }
    *dispid = m_coclass->defaultInterface->dispidOfName(name);
    return *dispid == DISPID_UNKNOWN ? DISP_E_UNKNOWNNAME : S_OK;
}

const MemberInfo* DispatchObject::selectMember(DISPID dispid, std::uint16_t flags,
                                               HRESULT* hr) const {
    const InterfaceInfo& iface = *m_coclass->defaultInterface;
    constexpr std::uint16_t writers = DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF;
    constexpr std::uint16_t readers = DISPATCH_METHOD | DISPATCH_PROPERTYGET;
    if (flags == 0 || (flags & ~(writers | readers)) != 0 ||
        ((flags & writers) != 0 && (flags & readers) != 0) || (flags & writers) == writers) {
        *hr = E_INVALIDARG;
        return nullptr;
    }
    const MemberInfo* member = nullptr;
    if (flags & DISPATCH_PROPERTYGET) {
        member = iface.find(dispid, InvokeKind::PropertyGet);
    }
    if (!member && (flags & DISPATCH_METHOD)) {
        member = iface.find(dispid, InvokeKind::Method);
    }
    if (flags & DISPATCH_PROPERTYPUT) {
        member = iface.find(dispid, InvokeKind::PropertyPut);
    }
    if (flags & DISPATCH_PROPERTYPUTREF) {
        member = iface.find(dispid, InvokeKind::PropertyPutRef);
    }
    *hr = member ? S_OK : DISP_E_MEMBERNOTFOUND;
    return member;
}

HRESULT DispatchObject::prepareArguments(const MemberInfo& member, const QVariantList& given,
                                         QVariantList& prepared, ExcepInfo* excepInfo) const {
    const auto declared = static_cast<qsizetype>(member.params.size());
    // A writer's value is always the last argument, even when optional index
    // arguments are left out; none of the library's writers have optional
    // indexes, so the count must match exactly.
    if (given.size() > declared || (isWriter(member.kind) && given.size() != declared)) {
        setError(excepInfo, DISP_E_BADPARAMCOUNT, errorSource(),
                 QStringLiteral("Wrong number of arguments for %1 %2")
                     .arg(memberKindText(member.kind), member.name));
        return DISP_E_BADPARAMCOUNT;
    }
    prepared.clear();
    prepared.reserve(declared);
    for (qsizetype i = 0; i < declared; ++i) {
        const ParamInfo& param = member.params[static_cast<std::size_t>(i)];
        // An empty value written to a property is a value, not an omission.
        const bool isValue = isWriter(member.kind) && i == declared - 1;
        const bool present = i < given.size() && (given[i].isValid() || isValue);
        if (!present) {
            if (!param.optional) {
                const HRESULT hr = i < given.size() ? DISP_E_PARAMNOTFOUND : DISP_E_BADPARAMCOUNT;
                setError(
                    excepInfo, hr, errorSource(),
                    QStringLiteral("Argument not optional: %1 of %2").arg(param.name, member.name),
                    static_cast<int>(i));
                return hr;
            }
            prepared.append(param.defaultValue.isValid()
                                ? VariantCoercion::coerce(param.defaultValue, param.type).value
                                : VariantCoercion::missingValue(param.type));
            continue;
        }
        VariantCoercion::Result converted = VariantCoercion::coerce(given[i], param.type);
        if (FAILED(converted.hr)) {
            const QString what = converted.hr == DISP_E_OVERFLOW ? QStringLiteral("Overflow")
                                                                 : QStringLiteral("Type mismatch");
            setError(excepInfo, converted.hr, errorSource(),
                     QStringLiteral("%1: argument %2 (%3) of %4")
                         .arg(what)
                         .arg(i + 1)
                         .arg(param.name, member.name),
                     static_cast<int>(i));
            return converted.hr;
        }
        prepared.append(std::move(converted.value));
    }
    return S_OK;
}

void DispatchObject::copyBackByRef(const MemberInfo& member, const QVariantList& prepared,
                                   QVariantList& given) const {
    for (qsizetype i = 0; i < given.size() && i < prepared.size(); ++i) {
        const ParamInfo& param = member.params[static_cast<std::size_t>(i)];
        if (!param.byRef) {
            continue;
        }
        VariantCoercion::Result back = VariantCoercion::coerce(prepared[i], param.type);
        if (SUCCEEDED(back.hr)) {
            given[i] = std::move(back.value);
        }
    }
}

HRESULT DispatchObject::Invoke(DISPID dispid, std::uint16_t flags, QVariantList& args,
                               QVariant* result, ExcepInfo* excepInfo) {
    if (result) {
        *result = QVariant();
    }
    HRESULT hr = S_OK;
    const MemberInfo* member = selectMember(dispid, flags, &hr);
    if (!member) {
        return hr;
    }
    const BindingTable::Call* call = m_bindings->find(*member);
    if (!call) {
        return DISP_E_MEMBERNOTFOUND;
    }
    QVariantList prepared;
    hr = prepareArguments(*member, args, prepared, excepInfo);
    if (FAILED(hr)) {
        return hr;
    }
    void* object = target();
    if (!object) {
        setError(excepInfo, E_UNEXPECTED, errorSource(),
                 QStringLiteral("The object's window no longer exists"));
        return E_UNEXPECTED;
    }

    BusyScope busy(*this, Busy::Invoke);
    try {
        QVariant value = (*call)(object, prepared);
        copyBackByRef(*member, prepared, args);
        if (result && !member->result.isVoid()) {
            VariantCoercion::Result converted = VariantCoercion::coerce(value, member->result);
            *result = SUCCEEDED(converted.hr) ? std::move(converted.value) : value;
        }
        return S_OK;
    } catch (const ComError& e) {
        const HRESULT failure = FAILED(e.hresult()) ? e.hresult() : E_FAIL;
        setError(excepInfo, failure, e.source().isEmpty() ? errorSource() : e.source(),
                 e.description());
        return failure;
    } catch (const std::exception& e) {
        setError(excepInfo, E_FAIL, errorSource(), QString::fromLocal8Bit(e.what()));
        return E_FAIL;
    }
}

HRESULT DispatchObject::Advise(IDispatch* sink, std::uint32_t* cookie) {
    if (!sink || !cookie) {
        return E_POINTER;
    }
    *cookie = m_nextCookie++;
    m_connections.push_back(Connection{*cookie, ComPtr<IDispatch>(sink)});
    return S_OK;
}

HRESULT DispatchObject::Unadvise(std::uint32_t cookie) {
    const auto it = std::find_if(m_connections.begin(), m_connections.end(),
                                 [cookie](const Connection& c) { return c.cookie == cookie; });
    if (it == m_connections.end()) {
        return CONNECT_E_NOCONNECTION;
    }
    // Released after the list is consistent: the sink's destructor may call back.
    ComPtr<IDispatch> sink = std::move(it->sink);
    m_connections.erase(it);
    return S_OK;
}

HRESULT DispatchObject::GetEventInterface(GUID* iid) {
    if (!iid) {
        return E_POINTER;
    }
    *iid = m_coclass->eventInterface->iid;
    return S_OK;
}

HRESULT DispatchObject::GetEventIdOfName(const QString& name, DISPID* eventId) {
    if (!eventId) {
        return E_POINTER;
    }
    *eventId = m_coclass->eventInterface->idOfName(name);
    return *eventId == DISPID_UNKNOWN ? DISP_E_UNKNOWNNAME : S_OK;
}

bool DispatchObject::isAdvised(std::uint32_t cookie) const {
    return std::any_of(m_connections.begin(), m_connections.end(),
                       [cookie](const Connection& c) { return c.cookie == cookie; });
}

void DispatchObject::fireEvent(DISPID eventId, QVariantList& args) {
    const EventInfo* event = m_coclass->eventInterface->find(eventId);
    if (!event || m_connections.empty()) {
        return;
    }
    BusyScope busy(*this, Busy::Event);
    const std::vector<Connection> snapshot = m_connections;
    for (const Connection& connection : snapshot) {
        // A sink unadvised by an earlier one hears nothing more.
        if (!isAdvised(connection.cookie)) {
            continue;
        }
        QVariantList sinkArgs;
        sinkArgs.reserve(args.size());
        for (qsizetype i = 0; i < args.size(); ++i) {
            const bool declared = i < static_cast<qsizetype>(event->params.size());
            VariantCoercion::Result converted =
                declared ? VariantCoercion::coerce(args[i], event->params[std::size_t(i)].type)
                         : VariantCoercion::Result{S_OK, args[i]};
            sinkArgs.append(SUCCEEDED(converted.hr) ? converted.value : args[i]);
        }
        connection.sink->Invoke(eventId, DISPATCH_METHOD, sinkArgs, nullptr, nullptr);
        for (qsizetype i = 0; i < args.size() && i < sinkArgs.size(); ++i) {
            if (i >= static_cast<qsizetype>(event->params.size()) ||
                !event->params[std::size_t(i)].byRef) {
                continue;
            }
            VariantCoercion::Result back =
                VariantCoercion::coerce(sinkArgs[i], event->params[std::size_t(i)].type);
            if (SUCCEEDED(back.hr)) {
                args[i] = std::move(back.value);
            }
        }
    }
}

EventSink DispatchObject::eventSink() {
    return [this](DISPID eventId, QVariantList& args) { fireEvent(eventId, args); };
}

} // namespace lumokit
