#pragma once

// The 52 members of _lumoTabStrip bound to lumoTabStrip, and the creator the
// class catalogue uses for "LumoKit.lumoTabStrip". Events need no binding:
// the strip raises them by number through its event source.
#include "core/com/BindingTable.h"

#include <lumokit/Guid.h>

namespace lumokit {

class lumoTabStripBindings {
public:
    static const BindingTable& bindings();
    // A new tab strip behind its dispatch face, answering iid.
    static HRESULT create(const GUID& iid, void** object);
};

} // namespace lumokit
