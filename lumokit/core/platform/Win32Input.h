#pragma once

// Keyboard and mouse-button state as the platform reports it: virtual-key
// codes for Qt keys, and GetKeyState over the state of the input event
// being handled (kept by the windows that turn Qt input into messages).
#include "core/platform/Win32Types.h"

#include <Qt>

namespace lumokit {

constexpr int VK_LBUTTON = 0x01;
constexpr int VK_RBUTTON = 0x02;
constexpr int VK_MBUTTON = 0x04;

// 0 for a key with no virtual-key code.
int virtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// High bit set (a negative value) while the key or button is down.
SHORT GetKeyState(int nVirtKey);
void setInputState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

// MK_ flags for a mouse message, and the Shift argument (vbShiftMask ...)
// of the handlers.
WPARAM mouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
int shiftStateFromKeyState();

} // namespace lumokit
