#pragma once

// What a host needs to place one of the library's controls on a form: the
// control's window, its window handle, the host's site (ambient properties
// and property-changed notices) and its saved properties.
#include <lumokit/ComInterfaces.h>
#include <lumokit/Container.h>
#include <lumokit/PropertyBag.h>

class QWidget;

namespace lumokit {

struct IControl : IUnknown {
    static constexpr GUID IID = makeGuid("{5CF473CF-C4C8-4BC3-8579-00C9C593E4E6}");

    // The control's window, to be placed (reparented, moved, shown) by the
    // host. It belongs to the object and is deleted with it; null once the
    // host's widget tree has deleted it.
    virtual QWidget* GetWidget() = 0;
    virtual HRESULT GetHwnd(std::int32_t* hwnd) = 0;
    // The host's site for the control; null for the plain defaults. The host
    // keeps it alive while the control lives or sets another first.
    virtual HRESULT SetContainer(Container* container) = 0;
    // A control newly placed on a form takes its initial properties.
    virtual HRESULT InitNew() = 0;
    virtual HRESULT Load(const PropertyBag& bag) = 0;
    virtual HRESULT Save(PropertyBag& bag) = 0;

protected:
    ~IControl() = default;
};

} // namespace lumokit
