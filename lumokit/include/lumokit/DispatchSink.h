#pragma once

// A host-side event sink: an IDispatch whose Invoke hands every event
// (identifier and arguments) to a function. Arguments the event passes by
// reference may be changed in place. Header-only.
#include <lumokit/ComInterfaces.h>
#include <lumokit/ComPtr.h>

#include <atomic>
#include <exception>
#include <functional>
#include <utility>

namespace lumokit {

class DispatchSink final : public IDispatch {
public:
    using Handler = std::function<void(DISPID eventId, QVariantList& args)>;

    static ComPtr<IDispatch> create(Handler handler) {
        return ComPtr<IDispatch>(new DispatchSink(std::move(handler)));
    }

    HRESULT QueryInterface(const GUID& iid, void** object) override {
        if (!object) {
            return E_POINTER;
        }
        if (iid == IUnknown::IID || iid == IDispatch::IID) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++m_refs; }
    ULONG Release() override {
        const ULONG remaining = --m_refs;
        if (remaining == 0) {
            delete this;
        }
        return remaining;
    }

    HRESULT GetIDsOfNames(const QString&, DISPID* dispid) override {
        if (dispid) {
            *dispid = DISPID_UNKNOWN;
        }
        return DISP_E_UNKNOWNNAME;
    }

    HRESULT Invoke(DISPID eventId, std::uint16_t, QVariantList& args, QVariant* result,
                   ExcepInfo*) override {
        if (result) {
            *result = QVariant();
        }
        if (!m_handler) {
            return S_OK;
        }
        // An exception must not unwind into the library that raised the event.
        try {
            m_handler(eventId, args);
            return S_OK;
        } catch (...) {
            return E_FAIL;
        }
    }

private:
    explicit DispatchSink(Handler handler) : m_handler(std::move(handler)) {}
    ~DispatchSink() = default;

    Handler m_handler;
    std::atomic<ULONG> m_refs{0};
};

} // namespace lumokit
