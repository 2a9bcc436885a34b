#include "server/ClassCatalog.h"

#include "button/LumoXPButtonBindings.h"
#include "core/com/ClassObject.h"
#include "core/com/TypeLibrary.h"
#include "core/control/ControlObject.h"
#include "core/control/UserControl.h"
#include "core/control/UtilityClassBindings.h"
#include "core/control/cTimer.h"
#include "core/control/clsSubClass.h"
#include "statusbar/lumoStatusbarBindings.h"
#include "tabstrip/lumoTabStripBindings.h"
#include "toolbar/lumoadvToolbarBindings.h"

#include <lumokit/TypeLibIds.h>

namespace lumokit {

namespace {

const CoClassInfo& coclassOf(const GUID& clsid) {
    return *TypeLibrary::instance().coclassById(clsid);
}

// The four controls: each creator makes the control's window class and binds
// its members. A control whose class is not written yet is a plain
// UserControl with no members bound (they answer DISP_E_MEMBERNOTFOUND); to
// bring one in, make its class here and pass its MemberBindings.
HRESULT createLumoXPButton(const GUID& iid, void** object) {
    return LumoXPButtonBindings::create(iid, object);
}

HRESULT createLumoAdvToolbar(const GUID& iid, void** object) {
    return lumoadvToolbarBindings::create(iid, object);
}

HRESULT createLumoTabStrip(const GUID& iid, void** object) {
    return lumoTabStripBindings::create(iid, object);
}

HRESULT createLumoStatusbar(const GUID& iid, void** object) {
    return lumoStatusbarBindings::create(iid, object);
}

HRESULT createClsSubClass(const GUID& iid, void** object) {
    return ClassObject<clsSubClass>::create(coclassOf(CLSID_clsSubClass),
                                            UtilityClassBindings::subClass(), iid, object);
}

HRESULT createCTimer(const GUID& iid, void** object) {
    return ClassObject<cTimer>::create(coclassOf(CLSID_cTimer), UtilityClassBindings::timer(), iid,
                                       object);
}

} // namespace

const std::vector<ClassCatalog::Entry>& ClassCatalog::entries() {
    static const std::vector<Entry> all = {
        {&coclassOf(CLSID_LumoXPButton), &createLumoXPButton},
        {&coclassOf(CLSID_lumoadvToolbar), &createLumoAdvToolbar},
        {&coclassOf(CLSID_lumoTabStrip), &createLumoTabStrip},
        {&coclassOf(CLSID_lumoStatusbar), &createLumoStatusbar},
        {&coclassOf(CLSID_clsSubClass), &createClsSubClass},
        {&coclassOf(CLSID_cTimer), &createCTimer},
    };
    return all;
}

const ClassCatalog::Entry* ClassCatalog::find(const GUID& clsid) {
    for (const Entry& entry : entries()) {
        if (entry.coclass->clsid == clsid) {
            return &entry;
        }
    }
    return nullptr;
}

} // namespace lumokit
