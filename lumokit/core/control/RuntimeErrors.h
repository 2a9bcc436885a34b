#pragma once

// Run-time errors that the library's members raise with the host's own
// error numbers (the facility of the host runtime, 0x800A0000 + number), so
// a host sees, for example, error 9 where an index is out of range.
#include <lumokit/ComError.h>

namespace lumokit {

constexpr HRESULT runtimeError(std::int32_t number) {
    return static_cast<HRESULT>(0x800A0000u + static_cast<std::uint32_t>(number));
}

constexpr std::int32_t vbErrSubscriptOutOfRange = 9;

[[noreturn]] inline void raiseSubscriptOutOfRange() {
    throw ComError(runtimeError(vbErrSubscriptOutOfRange), QString(),
                   QStringLiteral("Subscript out of range"));
}

} // namespace lumokit
