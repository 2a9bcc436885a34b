#include "toolbar/lumoadvToolbarBindings.h"

#include "core/com/MemberBindings.h"
#include "core/com/TypeLibrary.h"
#include "core/control/ControlObject.h"
#include "toolbar/lumoadvToolbar.h"

#include <lumokit/TypeLibIds.h>

#include <tuple>
#include <utility>

namespace lumokit {

namespace {

using T = lumoadvToolbar;
using Bindings = MemberBindings<T>;

const CoClassInfo& toolbarClass() {
    return *TypeLibrary::instance().coclassById(CLSID_lumoadvToolbar);
}

// Arguments arrive as the declared types, indexes first and a writer's
// value last; each is converted to the C++ parameter it meets.
template <typename R, typename... P, std::size_t... I>
decltype(auto) callWith(T& t, R (T::*fn)(P...) const, QVariantList& a, std::index_sequence<I...>) {
    return (t.*fn)(Bindings::fromVariant<std::decay_t<P>>(a.value(I))...);
}

template <typename R, typename... P, std::size_t... I>
decltype(auto) callWith(T& t, R (T::*fn)(P...), QVariantList& a, std::index_sequence<I...>) {
    return (t.*fn)(Bindings::fromVariant<std::decay_t<P>>(a.value(I))...);
}

// A reader or writer of an indexed property.
template <typename R, typename... P> auto indexed(R (T::*fn)(P...) const) {
    return
        [fn](T& t, QVariantList& a) { return callWith(t, fn, a, std::index_sequence_for<P...>{}); };
}

template <typename... P> auto indexed(void (T::*fn)(P...)) {
    return [fn](T& t, QVariantList& a) { callWith(t, fn, a, std::index_sequence_for<P...>{}); };
}

// An indexed property with a reader and a writer (put, or putref for pictures).
template <typename G, typename S>
void bindIndexed(Bindings& b, QStringView name, G getter, S setter, bool byReference = false) {
    b.get(name, indexed(getter));
    if (byReference) {
        b.putRef(name, indexed(setter));
    } else {
        b.put(name, indexed(setter));
    }
}

void bindMethods(Bindings& b) {
    b.method(u"SubClass",
             [](T& t, QVariantList& a) {
                 bool sSub = a.value(0).toBool();
                 t.SubClass(sSub);
                 a[0] = sSub;
             })
        .method(u"AddMenu", indexed(&T::AddMenu))
        .method(u"AddButton", indexed(&T::AddButton))
        .method(u"AddSeparate", indexed(&T::AddSeparate))
        .method(u"AddPlaceHolder", indexed(&T::AddPlaceHolder))
        .method(u"AddPopUpMenu", indexed(&T::AddPopUpMenu))
        .method(u"AddPopUpSubMenu", indexed(&T::AddPopUpSubMenu))
        .method(u"ShowPopUp",
                [](T& t, QVariantList& a) {
                    LONG left = a.value(0).value<qint32>();
                    LONG top = a.value(1).value<qint32>();
                    t.ShowPopUp(left, top);
                    a[0] = left;
                    a[1] = top;
                })
        .method(u"ClearPopUpMenu", &T::ClearPopUpMenu)
        .method(u"Refresh", &T::Refresh)
        .method(u"DrawControl", &T::DrawControl)
        .method(u"About", &T::About)
        .method(u"MouseOut", [](T& t, QVariantList& a) {
            qint16 button = a.value(0).value<qint16>();
            qint16 shift = a.value(1).value<qint16>();
            float x = a.value(2).toFloat();
            float y = a.value(3).toFloat();
            return t.MouseOut(button, shift, x, y);
        });
}

void bindToolbarProperties(Bindings& b) {
    b.property(u"ButtonColor", &T::ButtonColor, &T::setButtonColor)
        .property(u"ButtonColorOver", &T::ButtonColorOver, &T::setButtonColorOver)
        .property(u"ButtonColorDown", &T::ButtonColorDown, &T::setButtonColorDown)
        .property(u"ButtonBorderColor", &T::ButtonBorderColor, &T::setButtonBorderColor)
        .property(u"ButtonBorderColorOver", &T::ButtonBorderColorOver, &T::setButtonBorderColorOver)
        .property(u"ButtonBorderColorDown", &T::ButtonBorderColorDown, &T::setButtonBorderColorDown)
        .property(u"CheckedColor", &T::CheckedColor, &T::setCheckedColor)
        .property(u"ButtonFadeColor", &T::ButtonFadeColor, &T::setButtonFadeColor)
        .property(u"MenuBgColor", &T::MenuBgColor, &T::setMenuBgColor)
        .property(u"MenuIconBGColor", &T::MenuIconBGColor, &T::setMenuIconBGColor)
        .property(u"bgTopColor", &T::bgTopColor, &T::setbgTopColor)
        .property(u"bgBottomColor", &T::bgBottomColor, &T::setbgBottomColor)
        .property(u"StripColor", &T::StripColor, &T::setStripColor)
        .property(u"SepColor", &T::SepColor, &T::setSepColor)
        .property(u"IconSizeWidth", &T::IconSizeWidth, &T::setIconSizeWidth)
        .property(u"IconSizeHeight", &T::IconSizeHeight, &T::setIconSizeHeight)
        .property(u"Style", &T::Style, &T::setStyle)
        .property(u"Border", &T::Border, &T::setBorder)
        .property(u"BackgroundFade", &T::BackgroundFade, &T::setBackgroundFade)
        .property(u"MoreText", &T::MoreText, &T::setMoreText)
        .property(u"ToolbarFont", &T::ToolbarFont, &T::setToolbarFont)
        .get(u"Font", &T::Font)
        .get(u"ButtonCount", &T::ButtonCount)
        .get(u"PopUpCount", &T::PopUpCount);
}

void bindItemProperties(Bindings& b) {
    bindIndexed(b, u"ButtonPicture", &T::ButtonPicture, &T::setButtonPicture, true);
    bindIndexed(b, u"ButtonEnable", &T::ButtonEnable, &T::setButtonEnable);
    bindIndexed(b, u"ButtonVisible", &T::ButtonVisible, &T::setButtonVisible);
    bindIndexed(b, u"ButtonDescription", &T::ButtonDescription, &T::setButtonDescription);
    bindIndexed(b, u"ButtonTag", &T::ButtonTag, &T::setButtonTag);
    bindIndexed(b, u"ButtonToolText", &T::ButtonToolText, &T::setButtonToolText);
    bindIndexed(b, u"ButtonIsChecked", &T::ButtonIsChecked, &T::setButtonIsChecked);
    bindIndexed(b, u"ButtonCaption", &T::ButtonCaption, &T::setButtonCaption);
    bindIndexed(b, u"ButtonStyle", &T::ButtonStyle, &T::setButtonStyle);
    bindIndexed(b, u"ButtonShowCaption", &T::ButtonShowCaption, &T::setButtonShowCaption);
    bindIndexed(b, u"DropDownCount", &T::DropDownCount, &T::setDropDownCount);
    bindIndexed(b, u"ButtonPlaceHolderWidth", &T::ButtonPlaceHolderWidth,
                &T::setButtonPlaceHolderWidth);

    bindIndexed(b, u"DropDownEnable", &T::DropDownEnable, &T::setDropDownEnable);
    bindIndexed(b, u"DropDownMaskColor", &T::DropDownMaskColor, &T::setDropDownMaskColor);
    bindIndexed(b, u"DropDownIsChecked", &T::DropDownIsChecked, &T::setDropDownIsChecked);
    bindIndexed(b, u"DropDownVisible", &T::DropDownVisible, &T::setDropDownVisible);
    bindIndexed(b, u"DropDownCaption", &T::DropDownCaption, &T::setDropDownCaption);
    bindIndexed(b, u"DropDownTag", &T::DropDownTag, &T::setDropDownTag);
    bindIndexed(b, u"DropDownStyle", &T::DropDownStyle, &T::setDropDownStyle);
    bindIndexed(b, u"DropDownPicture", &T::DropDownPicture, &T::setDropDownPicture, true);

    bindIndexed(b, u"PopUpPicture", &T::PopUpPicture, &T::setPopUpPicture, true);
    bindIndexed(b, u"PopUpCaption", &T::PopUpCaption, &T::setPopUpCaption);
    bindIndexed(b, u"PopUpTag", &T::PopUpTag, &T::setPopUpTag);
    bindIndexed(b, u"PopUpEnable", &T::PopUpEnable, &T::setPopUpEnable);
    bindIndexed(b, u"PopUpVisible", &T::PopUpVisible, &T::setPopUpVisible);
    bindIndexed(b, u"PopUpStyle", &T::PopUpStyle, &T::setPopUpStyle);
    bindIndexed(b, u"PopUpIsChecked", &T::PopUpIsChecked, &T::setPopUpIsChecked);

    bindIndexed(b, u"PopUpSubMenuEnable", &T::PopUpSubMenuEnable, &T::setPopUpSubMenuEnable);
    bindIndexed(b, u"PopUpSubMenuMaskColor", &T::PopUpSubMenuMaskColor,
                &T::setPopUpSubMenuMaskColor);
    bindIndexed(b, u"PopUpSubMenuIsChecked", &T::PopUpSubMenuIsChecked,
                &T::setPopUpSubMenuIsChecked);
    bindIndexed(b, u"PopUpSubMenuVisible", &T::PopUpSubMenuVisible, &T::setPopUpSubMenuVisible);
    bindIndexed(b, u"PopUpSubMenuCaption", &T::PopUpSubMenuCaption, &T::setPopUpSubMenuCaption);
    bindIndexed(b, u"PopUpSubMenuTag", &T::PopUpSubMenuTag, &T::setPopUpSubMenuTag);
    bindIndexed(b, u"PopUpSubMenuStyle", &T::PopUpSubMenuStyle, &T::setPopUpSubMenuStyle);
    bindIndexed(b, u"PopUpSubMenuPicture", &T::PopUpSubMenuPicture, &T::setPopUpSubMenuPicture,
                true);
    bindIndexed(b, u"PopUpSubCount", &T::PopUpSubCount, &T::setPopUpSubCount);
}

} // namespace

const BindingTable& lumoadvToolbarBindings::bindings() {
    static const Bindings table = [] {
        Bindings b(*toolbarClass().defaultInterface);
        bindMethods(b);
        bindToolbarProperties(b);
        bindItemProperties(b);
        return b;
    }();
    return table;
}

HRESULT lumoadvToolbarBindings::create(const GUID& iid, void** object) {
    return ControlObject<lumoadvToolbar>::create(toolbarClass(), bindings(), iid, object);
}

} // namespace lumokit
