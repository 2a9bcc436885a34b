#pragma once

// The members of the two windowless classes, clsSubClass and cTimer, bound to
// their C++ implementations.
#include "core/com/BindingTable.h"

namespace lumokit {

class UtilityClassBindings {
public:
    static const BindingTable& subClass();
    static const BindingTable& timer();
};

} // namespace lumokit
