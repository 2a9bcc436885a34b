#pragma once

// How a control's Qt signal carries an event that the host's sink has
// already seen: the arguments as the sink left them, converted to the
// signal's parameter types; what the signal's handlers write into reference
// parameters comes back into the list. UserControl::raiseEvent uses it.
#include <lumokit/ComInterfaces.h>

#include <QVariantList>

#include <cstddef>
#include <tuple>
#include <type_traits>
#include <utility>

namespace lumokit::events {

// Objects travel as IDispatch*; a signal may name the object's own class.
template <typename A> A argumentAs(const QVariant& value) {
    if constexpr (std::is_pointer_v<A> && std::is_base_of_v<IDispatch, std::remove_pointer_t<A>>) {
        return dynamic_cast<A>(value.value<IDispatch*>());
    } else {
        return value.value<A>();
    }
}

// Keeps the type the argument had, so the raiser reads it back as it wrote it.
template <typename A> void copyBack(const A& value, QVariant& slot) {
    QVariant back = QVariant::fromValue(value);
    if (slot.isValid() && back.metaType() != slot.metaType()) {
        back.convert(slot.metaType());
    }
    slot = std::move(back);
}

// A raiser's arguments given as one list, which it reads back.
template <typename... A>
constexpr bool isArgumentList = sizeof...(A) == 1 &&
                                (std::is_same_v<std::decay_t<A>, QVariantList> && ...);

template <typename P>
constexpr bool isOutParameter =
    std::is_lvalue_reference_v<P> && !std::is_const_v<std::remove_reference_t<P>>;

template <typename C, typename... P, std::size_t... I>
void emitSignal(C& control, void (C::*signal)(P...), QVariantList& args,
                std::index_sequence<I...>) {
    [[maybe_unused]] std::tuple<std::decay_t<P>...> values{
        argumentAs<std::decay_t<P>>(args.value(I))...};
    (control.*signal)(std::get<I>(values)...);
    [[maybe_unused]] const auto copyBackIfOut = [&args](auto index, const auto& value) {
        constexpr std::size_t i = decltype(index)::value;
        using Parameter = std::tuple_element_t<i, std::tuple<P...>>;
        if constexpr (isOutParameter<Parameter>) {
            if (static_cast<qsizetype>(i) < args.size()) {
                copyBack(value, args[static_cast<qsizetype>(i)]);
            }
        }
    };
    (copyBackIfOut(std::integral_constant<std::size_t, I>{}, std::get<I>(values)), ...);
}

} // namespace lumokit::events
