#pragma once

// The class factory DllGetClassObject hands out for one class of the catalog.
// It counts as a live object of the server while a host holds it.
#include "server/ClassCatalog.h"

#include <lumokit/ComInterfaces.h>

#include <atomic>

namespace lumokit {

class ClassFactory final : public IClassFactory {
public:
    static HRESULT create(const ClassCatalog::Entry& entry, const GUID& iid, void** object);

    HRESULT QueryInterface(const GUID& iid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT CreateInstance(IUnknown* outer, const GUID& iid, void** object) override;
    HRESULT LockServer(bool lock) override;

private:
    explicit ClassFactory(const ClassCatalog::Entry& entry);
    ~ClassFactory();

    const ClassCatalog::Entry* m_entry;
    std::atomic<ULONG> m_refs{0};
};

} // namespace lumokit
