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

// An indexed property: the reader takes the index, the writer (or, for a
// picture, the setter by reference) the index and the value.
template <typename V, typename S>
void indexed(MemberBindings<T>& b, const char16_t* name, V (T::*get)(LONG) const,
             void (T::*set)(LONG, S)) {
    using Value = std::decay_t<S>;
    b.get(name, [get](T& t, Args& a) { return (t.*get)(a.value(0).value<qint32>()); });
    const auto write = [set](T& t, Args& a) {
        (t.*set)(a.value(0).value<qint32>(), MemberBindings<T>::fromVariant<Value>(a.last()));
    };
    if constexpr (std::is_same_v<Value, Picture>) {
        b.putRef(name, write);
    } else {
        b.put(name, write);
    }
}

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
            .property(u"TabStyle", &T::TabStyle, &T::setTabStyle);
        indexed(b, u"TabPicture", &T::TabPicture, &T::setTabPicture);
        indexed(b, u"TabEnable", &T::TabEnable, &T::setTabEnable);
        indexed(b, u"TabVisible", &T::TabVisible, &T::setTabVisible);
        indexed(b, u"TabDescription", &T::TabDescription, &T::setTabDescription);
        indexed(b, u"TabTag", &T::TabTag, &T::setTabTag);
        indexed(b, u"TabToolText", &T::TabToolText, &T::setTabToolText);
        b.property(u"MouseIcon", &T::MouseIcon, &T::setMouseIcon)
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
