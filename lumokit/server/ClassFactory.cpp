#include "server/ClassFactory.h"

#include "core/com/ServerModule.h"

#include <new>

namespace lumokit {

ClassFactory::ClassFactory(const ClassCatalog::Entry& entry) : m_entry(&entry) {
    ServerModule::objectCreated();
}

ClassFactory::~ClassFactory() {
    ServerModule::objectDestroyed();
}

HRESULT ClassFactory::create(const ClassCatalog::Entry& entry, const GUID& iid, void** object) {
    auto* factory = new ClassFactory(entry);
    factory->AddRef();
    const HRESULT hr = factory->QueryInterface(iid, object);
    factory->Release();
    return hr;
}

HRESULT ClassFactory::QueryInterface(const GUID& iid, void** object) {
    if (!object) {
        return E_POINTER;
    }
    if (iid == IUnknown::IID || iid == IClassFactory::IID) {
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG ClassFactory::AddRef() {
    return ++m_refs;
}

ULONG ClassFactory::Release() {
    const ULONG remaining = --m_refs;
    if (remaining == 0) {
        delete this;
    }
    return remaining;
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, const GUID& iid, void** object) {
    if (!object) {
        return E_POINTER;
    }
    *object = nullptr;
    if (outer) {
        return CLASS_E_NOAGGREGATION;
    }
    try {
        return m_entry->create(iid, object);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const std::exception&) {
        return E_FAIL;
    }
}

HRESULT ClassFactory::LockServer(bool lock) {
    if (lock) {
        ServerModule::lock();
        return S_OK;
    }
    // More unlocks than locks would let the library unload under a holder.
    return ServerModule::unlock() ? S_OK : E_UNEXPECTED;
}

} // namespace lumokit
