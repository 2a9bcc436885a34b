#include "core/control/RetryTrap.h"

#include "core/control/LibraryMessages.h"

#include <lumokit/ComError.h>

#include <new>

namespace lumokit {

namespace {

constexpr int vbErrInvalidProcedureCall = 5;
constexpr int vbErrOutOfMemory = 7;
constexpr std::uint32_t kRuntimeFacility = 0x800A0000u;

} // namespace

bool RetryTrap::operator()(const std::function<void()>& statement) const {
    for (;;) {
        std::exception_ptr error;
        try {
            statement();
            return true;
        } catch (...) {
            error = std::current_exception();
        }
        if (!LibraryMessages::current().askRetryCancel(errorDescription(error),
                                                       QString::number(errorNumber(error)))) {
            return false;
        }
    }
}

int RetryTrap::errorNumber(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const ComError& e) {
        const auto hr = static_cast<std::uint32_t>(e.hresult());
        return (hr & 0xFFFF0000u) == kRuntimeFacility ? static_cast<int>(hr & 0xFFFFu)
                                                      : e.hresult();
    } catch (const std::bad_alloc&) {
        return vbErrOutOfMemory;
    } catch (...) {
        return vbErrInvalidProcedureCall;
    }
}

QString RetryTrap::errorDescription(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const ComError& e) {
        return e.description();
    } catch (const std::bad_alloc&) {
        return QStringLiteral("Out of memory");
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("Unexpected error");
    }
}

} // namespace lumokit
