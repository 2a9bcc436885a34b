#pragma once

// Typed front of BindingTable for a class T. A binding is a member function
// of T or a callable taking the object and, optionally, the argument list:
//
//   MemberBindings<cTimer> b(iface);
//   b.property(u"Interval", &cTimer::Interval, &cTimer::setInterval)
//    .method(u"PulseTimer", &cTimer::PulseTimer)
//    .get(u"Item", [](cTimer& t) { return t.Item(); })
//    .put(u"Item", [](cTimer& t, QVariantList& args) { t.setItem(args[0]); });
//
// Arguments arrive converted to their declared types (index arguments first,
// a writer's value last). A callable may return nothing, a QVariant, an
// enumeration or any value QVariant can hold.
#include "core/com/BindingTable.h"

#include <concepts>
#include <cstdint>
#include <functional>
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
        bind(name, InvokeKind::PropertyPut, wrapWriter(std::move(fn)));
        return *this;
    }
    template <typename F> MemberBindings& putRef(QStringView name, F fn) {
        bind(name, InvokeKind::PropertyPutRef, wrapWriter(std::move(fn)));
        return *this;
    }
    // A property without index arguments: its reader and its writer (put or,
    // for object properties, putref, whichever the interface declares).
    template <typename Getter, typename Setter>
    MemberBindings& property(QStringView name, Getter getter, Setter setter) {
        get(name, std::move(getter));
        const InterfaceInfo& iface = interfaceInfo();
        const DISPID id = iface.dispidOfName(name);
        const bool byReference =
            !iface.find(id, InvokeKind::PropertyPut) && iface.find(id, InvokeKind::PropertyPutRef);
        return byReference ? putRef(name, std::move(setter)) : put(name, std::move(setter));
    }

    // A property with one index argument: the reader is called with the
    // index, the writer (or setter, as the interface declares) with the
    // index and the value.
    template <typename V, typename S>
    MemberBindings& indexed(QStringView name, V (T::*getter)(std::int32_t) const,
                            void (T::*setter)(std::int32_t, S)) {
        get(name, [getter](T& object, QVariantList& args) {
            return (object.*getter)(args.value(0).value<qint32>());
        });
        const auto write = [setter](T& object, QVariantList& args) {
            (object.*setter)(args.value(0).value<qint32>(),
                             fromVariant<std::decay_t<S>>(args.last()));
        };
        const InterfaceInfo& iface = interfaceInfo();
        const DISPID id = iface.dispidOfName(name);
        const bool byReference =
            !iface.find(id, InvokeKind::PropertyPut) && iface.find(id, InvokeKind::PropertyPutRef);
        return byReference ? putRef(name, write) : put(name, write);
    }

    // A value as the parameter type of a C++ member: enumerations from their
    // number, and True as -1 where a Boolean meets an integer.
    template <typename A> static A fromVariant(const QVariant& value) {
        if constexpr (std::is_enum_v<A>) {
            return static_cast<A>(value.value<qint32>());
        } else if constexpr (std::same_as<A, bool>) {
            return value.toBool();
        } else if constexpr (std::is_integral_v<A>) {
            if (value.metaType() == QMetaType::fromType<bool>()) {
                return static_cast<A>(value.toBool() ? -1 : 0);
            }
            return value.value<A>();
        } else {
            return value.value<A>();
        }
    }

private:
    template <typename> struct SetterArgument;
    template <typename C, typename R, typename A> struct SetterArgument<R (C::*)(A)> {
        using type = std::decay_t<A>;
    };

    template <typename F> static Call wrap(F fn) {
        return [fn = std::move(fn)](void* target, QVariantList& args) -> QVariant {
            T& object = *static_cast<T*>(target);
            if constexpr (std::is_invocable_v<F&, T&, QVariantList&>) {
                return toVariant([&] { return std::invoke(fn, object, args); });
            } else {
                static_assert(std::is_invocable_v<F&, T&>,
                              "a binding takes (T&) or (T&, QVariantList&)");
                return toVariant([&] { return std::invoke(fn, object); });
            }
        };
    }

    // A member function setter takes the value (the last argument) converted.
    template <typename F> static Call wrapWriter(F fn) {
        if constexpr (std::is_member_function_pointer_v<F>) {
            using A = typename SetterArgument<F>::type;
            return wrap([fn](T& object, QVariantList& args) {
                std::invoke(fn, object, fromVariant<A>(args.last()));
            });
        } else {
            return wrap(std::move(fn));
        }
    }

    template <typename G> static QVariant toVariant(G&& call) {
        using R = std::decay_t<decltype(call())>;
        if constexpr (std::is_void_v<R>) {
            call();
            return {};
        } else if constexpr (std::same_as<R, QVariant>) {
            return call();
        } else if constexpr (std::is_enum_v<R>) {
            return QVariant::fromValue(static_cast<qint32>(call()));
        } else {
            return QVariant::fromValue(call());
        }
    }
};

} // namespace lumokit
