#pragma once

// The four entry points liblumokit.so exports with C linkage, and the
// pointer types a host resolves them to with dlsym.
#include <lumokit/Export.h>
#include <lumokit/Guid.h>
#include <lumokit/Types.h>

namespace lumokit {

using DllRegisterServerFn = HRESULT (*)();
using DllUnregisterServerFn = HRESULT (*)();
using DllGetClassObjectFn = HRESULT (*)(const GUID& clsid, const GUID& iid, void** object);
using DllCanUnloadNowFn = HRESULT (*)();

} // namespace lumokit

extern "C" {
// Registers the type library and the six classes in the per-user registry
// (see Registry.h); S_OK or the failing HRESULT.
LUMOKIT_EXPORT lumokit::HRESULT DllRegisterServer();
// Removes exactly the entries DllRegisterServer writes.
LUMOKIT_EXPORT lumokit::HRESULT DllUnregisterServer();
// The class factory of a class of the library; CLASS_E_CLASSNOTAVAILABLE for
// any other class identifier.
LUMOKIT_EXPORT lumokit::HRESULT DllGetClassObject(const lumokit::GUID& clsid,
                                                  const lumokit::GUID& iid, void** object);
// S_OK when no object of the library and no server lock is alive, else S_FALSE.
LUMOKIT_EXPORT lumokit::HRESULT DllCanUnloadNow();
}
