#include "core/control/ErrorTrap.h"

#include "core/control/LibraryMessages.h"

#include <lumokit/ComError.h>

#include <exception>

namespace lumokit {

bool ErrorTrap::operator()(const std::function<void()>& statement) const {
    QString description;
    try {
        statement();
        return true;
    } catch (const ComError& error) {
        description = error.description();
    } catch (const std::exception& error) {
        description = QString::fromLocal8Bit(error.what());
    } catch (...) {
        description = QStringLiteral("Unexpected error");
    }
    LibraryMessages::MsgBox(m_label + description);
    return false;
}

} // namespace lumokit
