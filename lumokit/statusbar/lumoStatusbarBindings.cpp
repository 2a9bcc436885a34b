#include "statusbar/lumoStatusbarBindings.h"

#include "core/com/MemberBindings.h"
#include "core/com/TypeLibrary.h"
#include "core/control/ControlObject.h"
#include "statusbar/lumoStatusbar.h"

#include <lumokit/TypeLibIds.h>

namespace lumokit {

namespace {

const CoClassInfo& statusbarClass() {
    return *TypeLibrary::instance().coclassById(CLSID_lumoStatusbar);
}

using S = lumoStatusbar;
using Args = QVariantList;

} // namespace

const BindingTable& lumoStatusbarBindings::bindings() {
    static const MemberBindings<S> table = [] {
        MemberBindings<S> b(*statusbarClass().defaultInterface);
        b.method(u"AddPanel",
                 [](S& s, Args& a) {
                     s.AddPanel(a.value(0).toString(), a.value(1).value<qint32>(),
                                a.value(2).toBool(), static_cast<sSize>(a.value(3).value<qint32>()),
                                static_cast<lumosBorder>(a.value(4).value<qint32>()));
                 })
            .method(u"About", &S::About)
            .property(u"bgColor2", &S::bgColor2, &S::setbgColor2)
            .property(u"bgColor1", &S::bgColor1, &S::setbgColor1)
            .indexed(u"PanelCaption", &S::PanelCaption, &S::setPanelCaption)
            .indexed(u"PanelWidth", &S::PanelWidth, &S::setPanelWidth)
            .indexed(u"PanelVisible", &S::PanelVisible, &S::setPanelVisible)
            .indexed(u"PanelAutosize", &S::PanelAutosize, &S::setPanelAutosize)
            .indexed(u"PanelBorder", &S::PanelBorder, &S::setPanelBorder)
            .property(u"Framecolor", &S::Framecolor, &S::setFramecolor)
            .property(u"Border", &S::Border, &S::setBorder)
            .property(u"BorderColor", &S::BorderColor, &S::setBorderColor);
        return b;
    }();
    return table;
}

HRESULT lumoStatusbarBindings::create(const GUID& iid, void** object) {
    return ControlObject<lumoStatusbar>::create(statusbarClass(), bindings(), iid, object);
}

} // namespace lumokit
