#pragma once

// The members of _LumoXPButton bound to LumoXPButton, and the creator the
// class catalogue uses for "LumoKit.LumoXPButton". Its events need no
// binding: the button raises them by number through its event source.
#include "core/com/BindingTable.h"

#include <lumokit/Guid.h>

namespace lumokit {

class LumoXPButtonBindings {
public:
    static const BindingTable& bindings();
    // A new button behind its dispatch face, answering iid.
    static HRESULT create(const GUID& iid, void** object);
};

} // namespace lumokit
