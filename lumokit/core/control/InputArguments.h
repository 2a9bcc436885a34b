#pragma once

// The Button and Shift arguments of the controls' mouse and key events, from
// Qt's input state or from the flags of a mouse message.
#include "core/platform/Win32Types.h"

#include <Qt>

namespace lumokit {

constexpr int vbLeftButton = 1;
constexpr int vbRightButton = 2;
constexpr int vbMiddleButton = 4;
constexpr int vbShiftMask = 1;
constexpr int vbCtrlMask = 2;
constexpr int vbAltMask = 4;

int buttonsOf(Qt::MouseButtons buttons);
int shiftOf(Qt::KeyboardModifiers modifiers);

// From the MK_ flags of a mouse message; Alt, which the flags do not carry,
// from the key state of the input being handled.
int buttonsOfMessage(WPARAM keyFlags);
int shiftOfMessage(WPARAM keyFlags);

} // namespace lumokit
