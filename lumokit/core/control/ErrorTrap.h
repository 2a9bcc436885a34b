#pragma once

// The error convention of the library's event handlers: a failing statement
// shows "<label><description>" in the library message box, and the handler
// goes on with its next statement.
//
//     ErrorTrap trap(QStringLiteral("Error in ERROR_UserControl_MouseMove : "));
//     trap([&] { RaiseEvent(...); });
//     trap([&] { DrawControl(1); });
#include <QString>

#include <functional>
#include <utility>

namespace lumokit {

class ErrorTrap {
public:
    explicit ErrorTrap(QString label) : m_label(std::move(label)) {}

    // Runs one statement; reports what it throws. True when it succeeded.
    bool operator()(const std::function<void()>& statement) const;

    const QString& label() const { return m_label; }

private:
    QString m_label;
};

// One trapped statement.
inline bool trapError(const QString& label, const std::function<void()>& statement) {
    return ErrorTrap(label)(statement);
}

} // namespace lumokit
