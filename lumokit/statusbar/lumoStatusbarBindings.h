#pragma once

// The 22 members of _lumoStatusbar bound to lumoStatusbar, and the creator
// the class catalogue uses for "LumoKit.lumoStatusbar". The bar has no
// events.
#include "core/com/BindingTable.h"

#include <lumokit/Guid.h>

namespace lumokit {

class lumoStatusbarBindings {
public:
    static const BindingTable& bindings();
    // A new status bar behind its dispatch face, answering iid.
    static HRESULT create(const GUID& iid, void** object);
};

} // namespace lumokit
