#pragma once

// One of the four controls behind its dispatch face: the object owns the
// control's window (a UserControl or a class derived from it) and offers the
// host IControl to place it, give it a site and load or save its properties.
#include "core/com/DispatchObject.h"
#include "core/control/UserControl.h"

#include <lumokit/ComControl.h>
#include <lumokit/ComError.h>

#include <QApplication>
#include <QPointer>

namespace lumokit {

template <typename T> class ControlObject final : public DispatchObject, public IControl {
public:
    // Controls are windows: without a QApplication there is nothing to create.
    static HRESULT create(const CoClassInfo& coclass, const BindingTable& bindings, const GUID& iid,
                          void** object) {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
            return E_UNEXPECTED;
        }
        auto* instance = new ControlObject(coclass, bindings);
        instance->DispatchObject::AddRef();
        const HRESULT hr = instance->DispatchObject::QueryInterface(iid, object);
        instance->DispatchObject::Release();
        return hr;
    }

    HRESULT QueryInterface(const GUID& iid, void** object) override {
        return DispatchObject::QueryInterface(iid, object);
    }
    ULONG AddRef() override { return DispatchObject::AddRef(); }
    ULONG Release() override { return DispatchObject::Release(); }

    QWidget* GetWidget() override { return m_control.data(); }

    HRESULT GetHwnd(std::int32_t* hwnd) override {
        if (!hwnd) {
            return E_POINTER;
        }
        *hwnd = m_control ? m_control->hWnd() : 0;
        return m_control ? S_OK : E_UNEXPECTED;
    }

    HRESULT SetContainer(Container* container) override {
        return withControl([container](T& control) { control.setContainer(container); });
    }
    HRESULT InitNew() override {
        return withControl([](T& control) { control.initNew(); });
    }
    HRESULT Load(const PropertyBag& bag) override {
        return withControl([&bag](T& control) { control.readFrom(bag); });
    }
    HRESULT Save(PropertyBag& bag) override {
        return withControl([&bag](T& control) { control.writeTo(bag); });
    }

private:
    ControlObject(const CoClassInfo& coclass, const BindingTable& bindings)
        : DispatchObject(coclass, bindings), m_control(new T()) {
        m_control->setEventSink(eventSink());
    }
    ~ControlObject() override {
        if (m_control) {
            m_control->setEventSink({});
            delete m_control.data();
        }
    }

    void* target() override { return m_control.data(); }
    void* queryOther(const GUID& iid) override {
        return iid == IControl::IID ? static_cast<IControl*>(this) : nullptr;
    }

    template <typename F> HRESULT withControl(F&& action) {
        if (!m_control) {
            return E_UNEXPECTED;
        }
        try {
            action(*m_control);
            return S_OK;
        } catch (const ComError& e) {
            return FAILED(e.hresult()) ? e.hresult() : E_FAIL;
        } catch (const std::exception&) {
            return E_FAIL;
        }
    }

    QPointer<T> m_control;
};

} // namespace lumokit
