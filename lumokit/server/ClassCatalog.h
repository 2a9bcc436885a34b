#pragma once

// The classes the server can create, by class identifier, each with the
// function that makes a new object of it.
#include "core/com/TypeInfo.h"

#include <vector>

namespace lumokit {

class ClassCatalog {
public:
    using Creator = HRESULT (*)(const GUID& iid, void** object);
    struct Entry {
        const CoClassInfo* coclass;
        Creator create;
    };

    static const std::vector<Entry>& entries();
    static const Entry* find(const GUID& clsid);
};

} // namespace lumokit
