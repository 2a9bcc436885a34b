#pragma once

// The error traps behind the toolbar's handlers, as the Steps its state
// rules run their statements through. Both stop once the control is gone.
//
//  - handlerSteps: a failing statement is reported as "<label><description>"
//    and the handler goes on with the next one.
//  - retrySteps: a failing statement asks Retry or Cancel, with the error's
//    description and the label on lines of their own; Retry runs the
//    statement again, Cancel ends the handler.
#include "toolbar/ToolbarInteraction.h"

#include <QObject>
#include <QString>

namespace lumokit {

namespace ToolbarErrors {
inline const QString Click = QStringLiteral("Error in Sub UserControl_Click");
inline const QString MouseMove = QStringLiteral("Error in Sub Mouse Move");
inline const QString fmoreUnload = QStringLiteral("Error in ERROR_fmore_Unload : ");
inline const QString fdropUnload = QStringLiteral("Error in ERROR_fdrop_Unload : ");
inline const QString fpopupUnload = QStringLiteral("Error in ERROR_fpopup_Unload : ");
inline const QString Timer = QStringLiteral("Error in ERROR_Timer1_Timer : ");
} // namespace ToolbarErrors

ToolbarInteraction::Step handlerSteps(QObject* owner, const QString& label);
ToolbarInteraction::Step retrySteps(QObject* owner, const QString& label);

} // namespace lumokit
