#pragma once

// The LumoKit type library, compiled in: built once on first use and shared by
// dispatch, registration and the printed description.
#include "core/com/TypeInfo.h"

namespace lumokit {

class TypeLibrary {
public:
    static const TypeLibraryInfo& instance();
};

} // namespace lumokit
