#pragma once

// The error convention of a routine that offers to try a failing statement
// again: a box titled with the error's number, showing its description,
// with Retry and Cancel and the critical icon. Retry runs the statement
// again; Cancel abandons the routine.
//
//     RetryTrap trap;
//     if (!trap([&] { m_tabs.push_back(tab); })) {
//         return; // cancelled
//     }
#include <QString>

#include <exception>
#include <functional>

namespace lumokit {

class RetryTrap {
public:
    // True once the statement ran without error; false when cancelled.
    bool operator()(const std::function<void()>& statement) const;

    // The number a host would read for the error: a host runtime error's
    // own number (9, ...), an object error's full HRESULT, 7 for lack of
    // memory and 5 for anything else.
    static int errorNumber(const std::exception_ptr& error);
    static QString errorDescription(const std::exception_ptr& error);
};

} // namespace lumokit
