// The server's entry points: everything a host reaches by name.
#include <lumokit/ComServer.h>

#include "core/com/ServerModule.h"
#include "server/ClassCatalog.h"
#include "server/ClassFactory.h"
#include "server/Registration.h"

#include <lumokit/ComInterfaces.h>
#include <lumokit/Registry.h>

using namespace lumokit;

extern "C" {

HRESULT DllRegisterServer() {
    return Registration::registerServer(Registry::filePath(), Registration::libraryPath());
}

HRESULT DllUnregisterServer() {
    return Registration::unregisterServer(Registry::filePath());
}

HRESULT DllGetClassObject(const GUID& clsid, const GUID& iid, void** object) {
    if (!object) {
        return E_POINTER;
    }
    *object = nullptr;
    const ClassCatalog::Entry* entry = ClassCatalog::find(clsid);
    if (!entry) {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return ClassFactory::create(*entry, iid, object);
}

HRESULT DllCanUnloadNow() {
    return ServerModule::canUnloadNow() ? S_OK : S_FALSE;
}

} // extern "C"
