#pragma once

// Typed front of BindingTable for a class T. Each callable takes the object
// and, optionally, the argument list:
//
//   MemberBindings<cTimer> b(iface);
//   b.get(u"Interval", [](cTimer& t) { return t.Interval(); })
//    .put(u"Interval", [](cTimer& t, QVariantList& args) { t.setInterval(args[0].toInt()); })
//    .method(u"PulseTimer", [](cTimer& t) { t.PulseTimer(); });
//
// A callable may return nothing, a QVariant or any value QVariant can hold.
#include "core/com/BindingTable.h"

#include <concepts>
#include <type_traits>
#include <utility>

namespace lumokit {

template <typename T> class MemberBindings : public BindingTable {
public:
    explicit MemberBindings(const InterfaceInfo& iface) : BindingTable(iface) {}

    template <typename F> MemberBindings& method(QStringView name, F fn) {
        bind(name, InvokeKind::Method, wrap(std::move(fn)));
        return *this;
    }
    template <typename F> MemberBindings& get(QStringView name, F fn) {
        bind(name, InvokeKind::PropertyGet, wrap(std::move(fn)));
        return *this;
    }
    template <typename F> MemberBindings& put(QStringView name, F fn) {
        bind(name, InvokeKind::PropertyPut, wrap(std::move(fn)));
        return *this;
    }
    template <typename F> MemberBindings& putRef(QStringView name, F fn) {
        bind(name, InvokeKind::PropertyPutRef, wrap(std::move(fn)));
        return *this;
    }

private:
    template <typename F> static Call wrap(F fn) {
        return [fn = std::move(fn)](void* target, QVariantList& args) -> QVariant {
            T& object = *static_cast<T*>(target);
            if constexpr (std::is_invocable_v<F&, T&, QVariantList&>) {
                return toVariant([&] { return fn(object, args); });
            } else {
                static_assert(std::is_invocable_v<F&, T&>,
                              "a binding takes (T&) or (T&, QVariantList&)");
                return toVariant([&] { return fn(object); });
            }
        };
    }

    template <typename G> static QVariant toVariant(G&& call) {
        using R = decltype(call());
        if constexpr (std::is_void_v<R>) {
            call();
            return {};
        } else if constexpr (std::same_as<std::decay_t<R>, QVariant>) {
            return call();
        } else {
            return QVariant::fromValue(call());
        }
    }
};

} // namespace lumokit
