#pragma once

// A creatable, windowless class of the library (clsSubClass, cTimer) behind
// its dispatch face: the object owns one instance of T and forwards its events.
#include "core/com/DispatchObject.h"

#include <memory>

namespace lumokit {

template <typename T> class ClassObject final : public DispatchObject {
public:
    static HRESULT create(const CoClassInfo& coclass, const BindingTable& bindings, const GUID& iid,
                          void** object) {
        auto* instance = new ClassObject(coclass, bindings);
        instance->AddRef();
        const HRESULT hr = instance->QueryInterface(iid, object);
        instance->Release();
        return hr;
    }

    T& object() { return *m_object; }

private:
    ClassObject(const CoClassInfo& coclass, const BindingTable& bindings)
        : DispatchObject(coclass, bindings), m_object(std::make_unique<T>()) {
        m_object->setEventSink(eventSink());
    }
    ~ClassObject() override { m_object->setEventSink({}); }

    void* target() override { return m_object.get(); }

    std::unique_ptr<T> m_object;
};

} // namespace lumokit
