#include "toolbar/ToolbarSteps.h"

#include "core/control/HandlerSteps.h"
#include "core/control/LibraryMessages.h"

#include <lumokit/ComError.h>

#include <QPointer>

#include <exception>
#include <optional>

namespace lumokit {

namespace {

// Runs the statement; the error's description when it failed.
std::optional<QString> failureOf(const ToolbarInteraction::Statement& statement) {
    try {
        statement();
        return std::nullopt;
    } catch (const ComError& error) {
        return error.description();
    } catch (const std::exception& error) {
        return QString::fromLocal8Bit(error.what());
    } catch (...) {
        return QStringLiteral("Unexpected error");
    }
}

} // namespace

ToolbarInteraction::Step handlerSteps(QObject* owner, const QString& label) {
    return [steps = HandlerSteps(owner, label)](const ToolbarInteraction::Statement& statement) {
        steps(statement);
        return steps.alive();
    };
}

ToolbarInteraction::Step retrySteps(QObject* owner, const QString& label) {
    return
        [owner = QPointer<QObject>(owner), label](const ToolbarInteraction::Statement& statement) {
            while (owner) {
                const std::optional<QString> failure = failureOf(statement);
                if (!failure) {
                    return !owner.isNull();
                }
                if (!owner || !LibraryMessages::RetryBox(*failure + QLatin1Char('\n') + label)) {
                    return false;
                }
            }
            return false;
        };
}

} // namespace lumokit
