#pragma once

// Late-bound use of an object by member names, for hosts:
//
//   DispatchClient timer(object);
//   timer.put("Interval", 50);
//   const auto cookie = timer.connect([](DISPID id, QVariantList& args) { ... });
//
// Failures throw ComError with the member's HRESULT and, where the object
// gave none, the usual description of that HRESULT. Header-only.
#include <lumokit/ComError.h>
#include <lumokit/ComInterfaces.h>
#include <lumokit/ComPtr.h>
#include <lumokit/DispatchSink.h>

#include <QString>
#include <QVariant>
#include <QVariantList>

#include <cstdint>
#include <utility>

namespace lumokit {

class DispatchClient {
public:
    DispatchClient() = default;
    explicit DispatchClient(ComPtr<IDispatch> object) : m_object(std::move(object)) {}

    IDispatch* object() const { return m_object.get(); }
    explicit operator bool() const { return static_cast<bool>(m_object); }

    DISPID dispid(const QString& name) const {
        DISPID id = DISPID_UNKNOWN;
        check(requireObject()->GetIDsOfNames(name, &id), name, {});
        return id;
    }

    QVariant get(const QString& name, QVariantList indexes = {}) const {
        return invoke(name, DISPATCH_PROPERTYGET, indexes);
    }
    void put(const QString& name, const QVariant& value, QVariantList indexes = {}) const {
        indexes.append(value);
        invoke(name, DISPATCH_PROPERTYPUT, indexes);
    }
    void putRef(const QString& name, const QVariant& value, QVariantList indexes = {}) const {
        indexes.append(value);
        invoke(name, DISPATCH_PROPERTYPUTREF, indexes);
    }
    // Arguments declared by reference come back changed in args.
    QVariant call(const QString& name, QVariantList& args) const {
        return invoke(name, DISPATCH_METHOD, args);
    }
    QVariant call(const QString& name, QVariantList&& args = {}) const {
        return invoke(name, DISPATCH_METHOD, args);
    }

    QVariant invoke(const QString& name, std::uint16_t flags, QVariantList& args) const {
        const DISPID id = dispid(name);
        QVariant result;
        ExcepInfo info;
        check(m_object->Invoke(id, flags, args, &result, &info), name, info);
        return result;
    }

    // Events: the handler hears every event of the object until disconnect.
    std::uint32_t connect(DispatchSink::Handler handler) const {
        const ComPtr<IEventConnection> events = requireEvents();
        std::uint32_t cookie = 0;
        check(events->Advise(DispatchSink::create(std::move(handler)).get(), &cookie),
              QStringLiteral("Advise"), {});
        return cookie;
    }
    void disconnect(std::uint32_t cookie) const {
        check(requireEvents()->Unadvise(cookie), QStringLiteral("Unadvise"), {});
    }
    DISPID eventId(const QString& name) const {
        DISPID id = DISPID_UNKNOWN;
        check(requireEvents()->GetEventIdOfName(name, &id), name, {});
        return id;
    }

    static QString describe(HRESULT hr) {
        switch (hr) {
        case DISP_E_MEMBERNOTFOUND:
        case DISP_E_UNKNOWNNAME:
            return QStringLiteral("Object doesn't support this property or method");
        case DISP_E_TYPEMISMATCH:
            return QStringLiteral("Type mismatch");
        case DISP_E_OVERFLOW:
            return QStringLiteral("Overflow");
        case DISP_E_BADPARAMCOUNT:
            return QStringLiteral("Wrong number of arguments or invalid property assignment");
        case DISP_E_PARAMNOTFOUND:
            return QStringLiteral("Argument not optional");
        case E_NOINTERFACE:
            return QStringLiteral("The object does not offer this interface");
        default:
            return QStringLiteral("Automation error 0x%1")
                .arg(static_cast<std::uint32_t>(hr), 8, 16, QLatin1Char('0'));
        }
    }

private:
    IDispatch* requireObject() const {
        if (!m_object) {
            throw ComError(E_POINTER, QString(), QStringLiteral("Object variable not set"));
        }
        return m_object.get();
    }

    ComPtr<IEventConnection> requireEvents() const {
        requireObject();
        ComPtr<IEventConnection> events = m_object.as<IEventConnection>();
        if (!events) {
            throw ComError(E_NOINTERFACE, QString(), QStringLiteral("The object raises no events"));
        }
        return events;
    }

    static void check(HRESULT hr, const QString& member, const ExcepInfo& info) {
        if (SUCCEEDED(hr)) {
            return;
        }
        const QString description = info.description.isEmpty()
                                        ? describe(hr) + QStringLiteral(": ") + member
                                        : info.description;
        throw ComError(hr, info.source, description);
    }

    ComPtr<IDispatch> m_object;
};

} // namespace lumokit
