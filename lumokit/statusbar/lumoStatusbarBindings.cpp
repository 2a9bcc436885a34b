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

// A panel property: the reader takes the index, the writer the index and
// the value.
template <typename V, typename A>
void panelProperty(MemberBindings<S>& b, const char16_t* name, V (S::*get)(LONG) const,
                   void (S::*set)(LONG, A)) {
    b.get(name, [get](S& s, Args& a) { return (s.*get)(a.value(0).value<qint32>()); });
    b.put(name, [set](S& s, Args& a) {
        (s.*set)(a.value(0).value<qint32>(),
                 MemberBindings<S>::fromVariant<std::decay_t<A>>(a.last()));
    });
}

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
            .property(u"bgColor1", &S::bgColor1, &S::setbgColor1);
        panelProperty(b, u"PanelCaption", &S::PanelCaption, &S::setPanelCaption);
        panelProperty(b, u"PanelWidth", &S::PanelWidth, &S::setPanelWidth);
        panelProperty(b, u"PanelVisible", &S::PanelVisible, &S::setPanelVisible);
        panelProperty(b, u"PanelAutosize", &S::PanelAutosize, &S::setPanelAutosize);
        panelProperty(b, u"PanelBorder", &S::PanelBorder, &S::setPanelBorder);
        b.property(u"Framecolor", &S::Framecolor, &S::setFramecolor)
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
