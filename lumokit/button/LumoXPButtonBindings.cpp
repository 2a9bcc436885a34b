#include "button/LumoXPButtonBindings.h"

#include "button/LumoXPButton.h"
#include "core/com/MemberBindings.h"
#include "core/com/TypeLibrary.h"
#include "core/control/ControlObject.h"

#include <lumokit/TypeLibIds.h>

namespace lumokit {

namespace {

const CoClassInfo& buttonClass() {
    return *TypeLibrary::instance().coclassById(CLSID_LumoXPButton);
}

using B = LumoXPButton;

} // namespace

const BindingTable& LumoXPButtonBindings::bindings() {
    static const MemberBindings<B> table = [] {
        MemberBindings<B> b(*buttonClass().defaultInterface);
        b.method(u"RefreshControl", &B::RefreshControl)
            .method(u"Refresh", &B::Refresh)
            .method(u"DrawControl",
                    [](B& button, QVariantList& args) {
                        button.DrawControl(args.value(0).value<qint32>());
                    })
            .method(u"About", &B::About)
            .property(u"Icon", &B::Icon, &B::setIcon)
            .property(u"BorderColor", &B::BorderColor, &B::setBorderColor)
            .property(u"Caption", &B::Caption, &B::setCaption)
            .property(u"BorderColorOver", &B::BorderColorOver, &B::setBorderColorOver)
            .property(u"BorderColorDown", &B::BorderColorDown, &B::setBorderColorDown)
            .property(u"BackColor", &B::BackColor, &B::setBackColor)
            .property(u"BackColorOver", &B::BackColorOver, &B::setBackColorOver)
            .property(u"BackColorDown", &B::BackColorDown, &B::setBackColorDown)
            .property(u"BackColorIcon", &B::BackColorIcon, &B::setBackColorIcon)
            .property(u"BackColorIconOver", &B::BackColorIconOver, &B::setBackColorIconOver)
            .property(u"BackColorIconDown", &B::BackColorIconDown, &B::setBackColorIconDown)
            .property(u"IconSizeWidth", &B::IconSizeWidth, &B::setIconSizeWidth)
            .property(u"IconSizeHeight", &B::IconSizeHeight, &B::setIconSizeHeight)
            .property(u"Font", &B::Font, &B::setFont)
            .property(u"Enabled", &B::Enabled, &B::setEnabled)
            .property(u"ShadowSize", &B::ShadowSize, &B::setShadowSize)
            .property(u"FontColor", &B::FontColor, &B::setFontColor)
            .property(u"ShadowColor", &B::ShadowColor, &B::setShadowColor)
            .property(u"ShowShadowOver", &B::ShowShadowOver, &B::setShowShadowOver)
            .property(u"MultiLine", &B::MultiLine, &B::setMultiLine)
            .property(u"AlignCaption", &B::AlignCaption, &B::setAlignCaption)
            .property(u"ShowFocus", &B::ShowFocus, &B::setShowFocus)
            .property(u"FontColorOver", &B::FontColorOver, &B::setFontColorOver)
            .property(u"FontColorDown", &B::FontColorDown, &B::setFontColorDown)
            .property(u"Checked", &B::Checked, &B::setChecked)
            .property(u"Value", &B::Value, &B::setValue)
            .property(u"CheckedColor", &B::CheckedColor, &B::setCheckedColor)
            .get(u"hwnd", [](B& button) { return static_cast<qint32>(button.hwnd()); })
            .get(u"hDC", [](B& button) { return static_cast<qint32>(button.hDC()); })
            .method(u"OLEDrag", &B::OLEDrag)
            .property(u"OLEDropMode", &B::OLEDropMode, &B::setOLEDropMode)
            .property(u"FocusColor", &B::FocusColor, &B::setFocusColor)
            .property(u"ShowIcon", &B::ShowIcon, &B::setShowIcon)
            .property(u"Style", &B::Style, &B::setStyle)
            .property(u"ButtonFadeColor", &B::ButtonFadeColor, &B::setButtonFadeColor)
            .method(u"UnloadSubClass", &B::UnloadSubClass);
        return b;
    }();
    return table;
}

HRESULT LumoXPButtonBindings::create(const GUID& iid, void** object) {
    return ControlObject<LumoXPButton>::create(buttonClass(), bindings(), iid, object);
}

} // namespace lumokit
