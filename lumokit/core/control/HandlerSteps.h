#pragma once

// The statements of one event handler: each runs under the handler's error
// label (a failure is reported and the next statement runs), and once a
// host's event handler has destroyed the control, no further statement runs.
//
//     HandlerSteps step(this, ErrorLabel::MouseMove);
//     step([&] { raiseEvent(&LumoXPButton::MouseMove, Button, Shift, X, Y); });
//     if (!step.alive()) {
//         return;
//     }
#include "core/control/ErrorTrap.h"

#include <QObject>
#include <QPointer>

namespace lumokit {

// The labels the controls' handlers report errors with, followed by the
// error's description.
namespace ErrorLabel {
inline const QString MouseDown = QStringLiteral("Error in ERROR_UserControl_MouseDown : ");
inline const QString MouseMove = QStringLiteral("Error in ERROR_UserControl_MouseMove : ");
inline const QString MouseUp = QStringLiteral("Error in ERROR_UserControl_MouseUp : ");
inline const QString MouseOut = QStringLiteral("Error in ERROR_UserControl_MouseOut : ");
inline const QString Click = QStringLiteral("Error in ERROR_UserControl_Click : ");
inline const QString DblClick = QStringLiteral("Error in ERROR_UserControl_DblClick : ");
inline const QString KeyDown = QStringLiteral("Error in ERROR_UserControl_KeyDown : ");
inline const QString KeyPress = QStringLiteral("Error in ERROR_UserControl_KeyPress : ");
inline const QString KeyUp = QStringLiteral("Error in ERROR_UserControl_KeyUp : ");
inline const QString AccessKeyPress =
    QStringLiteral("Error in ERROR_UserControl_AccessKeyPress : ");
inline const QString GotFocus = QStringLiteral("Error in ERROR_UserControl_GotFocus : ");
inline const QString LostFocus = QStringLiteral("Error in ERROR_UserControl_LostFocus : ");
inline const QString AmbientChanged =
    QStringLiteral("Error in ERROR_UserControl_AmbientChanged : ");
inline const QString Resize = QStringLiteral("Error in ERROR_UserControl_Resize : ");
// The tooltip's show and hide routines; their description goes on a line of
// its own.
inline const QString ShowTip = QStringLiteral("Error in Sub ShowTip\n");
inline const QString HideTip = QStringLiteral("Error in Sub HideTip\n");
} // namespace ErrorLabel

class HandlerSteps {
public:
    HandlerSteps(QObject* owner, const QString& label) : m_owner(owner), m_trap(label) {}

    void operator()(const std::function<void()>& statement) const {
        if (m_owner) {
            m_trap(statement);
        }
    }
    bool alive() const { return !m_owner.isNull(); }

private:
    QPointer<QObject> m_owner;
    ErrorTrap m_trap;
};

} // namespace lumokit
