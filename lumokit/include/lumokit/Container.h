#pragma once

// What a control asks of the form that holds it: the ambient properties and
// the "property changed" notice that tells the container to save the form.
// A host implements one per control it places and overrides what it has;
// the defaults are those of a plain form. A control with no container uses
// these defaults. Header-only, so hosts that load the library can derive.
#include <lumokit/StdFont.h>
#include <lumokit/Types.h>

#include <QString>

namespace lumokit {

class Container {
public:
    virtual ~Container() = default;

    // Ambient properties.
    virtual StdFont Font() const { return StdFont{}; }
    virtual bool DisplayAsDefault() const { return false; }
    virtual bool UserMode() const { return true; }
    virtual OLE_COLOR BackColor() const { return 0x8000000Fu; } // button face
    virtual OLE_COLOR ForeColor() const { return 0x80000012u; } // button text
    virtual QString DisplayName() const { return {}; }

    // The control changed a property that is saved with the form.
    virtual void PropertyChanged(const QString& propertyName) { (void)propertyName; }
};

} // namespace lumokit
