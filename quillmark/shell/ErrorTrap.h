#pragma once

#include "quillmark/data/RuntimeError.h"

#include <exception>
#include <utility>

namespace quillmark {

// The program's error convention: a handler runs its steps inside trapErrors;
// on the first error the error's own description is shown as an information
// message titled with the program's title and the handler ends there. Steps
// already done stay done.
class ErrorTrap {
public:
    static void report(const RuntimeError& error);
    static void report(const std::exception& error);
    // The main window's resize handler: error 384 (sizing a minimized or
    // maximized window) is ignored; others show "number<line break>description".
    static void reportResizeError(const RuntimeError& error);
};

// Runs body; returns true when it ended without an error.
template <class Body> bool trapErrors(Body&& body) {
    try {
        std::forward<Body>(body)();
        return true;
    } catch (const RuntimeError& error) {
        ErrorTrap::report(error);
    } catch (const std::exception& error) {
        ErrorTrap::report(error);
    }
    return false;
}

template <class Body> bool trapResizeErrors(Body&& body) {
    try {
        std::forward<Body>(body)();
        return true;
    } catch (const RuntimeError& error) {
        ErrorTrap::reportResizeError(error);
    } catch (const std::exception& error) {
        ErrorTrap::report(error);
    }
    return false;
}

} // namespace quillmark
