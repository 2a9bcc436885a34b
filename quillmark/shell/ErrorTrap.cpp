#include "quillmark/shell/ErrorTrap.h"

#include "quillmark/shell/Messages.h"
#include "quillmark/shell/ShellErrors.h"

namespace quillmark {

void ErrorTrap::report(const RuntimeError& error) {
    MsgBoxInfo(error.description());
}

void ErrorTrap::report(const std::exception& error) {
    MsgBoxInfo(QString::fromLocal8Bit(error.what()));
}

void ErrorTrap::reportResizeError(const RuntimeError& error) {
    if (error.number() == kErrorCannotSizeMinimized) {
        return;
    }
    MsgBoxInfo(QString::number(error.number()) + QLatin1Char('\n') + error.description());
}

} // namespace quillmark
