#pragma once

// The 130 members of _lumoadvToolbar bound to the toolbar, and the creator
// the class catalogue calls for "LumoKit.lumoadvToolbar".
#include "core/com/BindingTable.h"

#include <lumokit/Guid.h>

namespace lumokit {

class lumoadvToolbarBindings {
public:
    static const BindingTable& bindings();
    static HRESULT create(const GUID& iid, void** object);
};

} // namespace lumokit
