#include "tabstrip/lumoTabStripBindings.h"

#include "core/com/MemberBindings.h"
#include "core/com/TypeLibrary.h"
#include "core/control/ControlObject.h"
#include "tabstrip/lumoTabStrip.h"

#include <lumokit/TypeLibIds.h>

namespace lumokit {

namespace {

const CoClassInfo& tabStripClass() {
    return *TypeLibrary::instance().coclassById(CLSID_lumoTabStrip);
}

using T = lumoTabStrip;
using Args = QVariantList;

} // namespace

const BindingTable& lumoTabStripBindings::bindings() {
    static const MemberBindings<T> table = [] {
        MemberBindings<T> b(*tabStripClass().defaultInterface);
        b.method(u"AddTab",
                 [](T& t, Args& a) {
                     t.AddTab(a.value(0).value<Picture>(), a.value(1).toString(),
                              a.value(2).toString(), a.value(3).toBool(), a.value(4).toBool(),
                              a.value(5).toBool(), a.value(6).toString());
                 })
            .method(u"SubClass",
                    [](T& t, Args& a) {
                        bool sSub = a.value(0).toBool();
                        t.SubClass(sSub);
                        a[0] = sSub;
                    })
            .property(u"BackColor", &T::BackColor, &T::setBackColor)
            .property(u"TabColor", &T::TabColor, &T::setTabColor)
            .property(u"TabColorOver", &T::TabColorOver, &T::setTabColorOver)
            .property(u"TabColorDown", &T::TabColorDown, &T::setTabColorDown)
            .property(u"SelectedBackColor", &T::SelectedBackColor, &T::setSelectedBackColor)
            .property(u"TabBorColor", &T::TabBorColor, &T::setTabBorColor)
            .property(u"TabBorColorOver", &T::TabBorColorOver, &T::setTabBorColorOver)
            .property(u"TabBorColorDown", &T::TabBorColorDown, &T::setTabBorColorDown)
            .property(u"CheckbgColor", &T::CheckbgColor, &T::setCheckbgColor)
            .property(u"CheckBorderColor", &T::CheckBorderColor, &T::setCheckBorderColor)
            .property(u"BorderColor", &T::BorderColor, &T::setBorderColor)
            .property(u"Style", &T::Style, &T::setStyle)
            .property(u"Selected", &T::Selected, &T::setSelected)
            .property(u"TabStyle", &T::TabStyle, &T::setTabStyle)
            .indexed(u"TabPicture", &T::TabPicture, &T::setTabPicture)
            .indexed(u"TabEnable", &T::TabEnable, &T::setTabEnable)
            .indexed(u"TabVisible", &T::TabVisible, &T::setTabVisible)
            .indexed(u"TabDescription", &T::TabDescription, &T::setTabDescription)
            .indexed(u"TabTag", &T::TabTag, &T::setTabTag)
            .indexed(u"TabToolText", &T::TabToolText, &T::setTabToolText)
            .property(u"MouseIcon", &T::MouseIcon, &T::setMouseIcon)
            .property(u"MousePointer", &T::MousePointer, &T::setMousePointer)
            .property(u"Font", &T::Font, &T::setFont)
            .property(u"FontColor", &T::FontColor, &T::setFontColor)
            .property(u"FocusColor", &T::FocusColor, &T::setFocusColor);
        return b;
    }();
    return table;
}

HRESULT lumoTabStripBindings::create(const GUID& iid, void** object) {
    return ControlObject<lumoTabStrip>::create(tabStripClass(), bindings(), iid, object);
}

} // namespace lumokit
