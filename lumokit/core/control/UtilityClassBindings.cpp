#include "core/control/UtilityClassBindings.h"

#include "core/com/MemberBindings.h"
#include "core/com/TypeLibrary.h"
#include "core/control/cTimer.h"
#include "core/control/clsSubClass.h"

#include <lumokit/ComPtr.h>

namespace lumokit {

namespace {

const InterfaceInfo& defaultInterfaceOf(QStringView className) {
    return *TypeLibrary::instance().coclassByName(className)->defaultInterface;
}

// Item keeps a counted reference to an object stored in it, as a Variant
// holding an object does; readers get the plain interface pointer back.
QVariant storedItem(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<IDispatch*>()) {
        return QVariant::fromValue(ComPtr<IDispatch>(value.value<IDispatch*>()));
    }
    return value;
}

QVariant itemForCaller(const QVariant& stored) {
    if (stored.metaType() == QMetaType::fromType<ComPtr<IDispatch>>()) {
        return QVariant::fromValue(stored.value<ComPtr<IDispatch>>().get());
    }
    return stored;
}

} // namespace

const BindingTable& UtilityClassBindings::subClass() {
    static const MemberBindings<clsSubClass> bindings = [] {
        MemberBindings<clsSubClass> b(defaultInterfaceOf(u"clsSubClass"));
        b.method(u"SubClassHwnd", [](clsSubClass& s, QVariantList& args) {
            return s.SubClassHwnd(args[0].value<HWND>(), args[1].toBool());
        });
        return b;
    }();
    return bindings;
}

const BindingTable& UtilityClassBindings::timer() {
    static const MemberBindings<cTimer> bindings = [] {
        MemberBindings<cTimer> b(defaultInterfaceOf(u"cTimer"));
        const auto setItem = [](cTimer& t, QVariantList& args) { t.setItem(storedItem(args[0])); };
        b.get(u"Item", [](cTimer& t) { return itemForCaller(t.Item()); })
            .put(u"Item", setItem)
            .putRef(u"Item", setItem)
            .property(u"Interval", &cTimer::Interval, &cTimer::setInterval)
            .method(u"PulseTimer", &cTimer::PulseTimer);
        return b;
    }();
    return bindings;
}

} // namespace lumokit
