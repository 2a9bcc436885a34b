#include "core/control/InputArguments.h"

#include "core/platform/Win32Input.h"

namespace lumokit {

int buttonsOf(Qt::MouseButtons buttons) {
    int result = 0;
    result |= buttons.testFlag(Qt::LeftButton) ? vbLeftButton : 0;
    result |= buttons.testFlag(Qt::RightButton) ? vbRightButton : 0;
    result |= buttons.testFlag(Qt::MiddleButton) ? vbMiddleButton : 0;
    return result;
}

int shiftOf(Qt::KeyboardModifiers modifiers) {
    int result = 0;
    result |= modifiers.testFlag(Qt::ShiftModifier) ? vbShiftMask : 0;
    result |= modifiers.testFlag(Qt::ControlModifier) ? vbCtrlMask : 0;
    result |= modifiers.testFlag(Qt::AltModifier) ? vbAltMask : 0;
    return result;
}

int buttonsOfMessage(WPARAM keyFlags) {
    int result = 0;
    result |= (keyFlags & MK_LBUTTON) ? vbLeftButton : 0;
    result |= (keyFlags & MK_RBUTTON) ? vbRightButton : 0;
    result |= (keyFlags & MK_MBUTTON) ? vbMiddleButton : 0;
    return result;
}

int shiftOfMessage(WPARAM keyFlags) {
    int result = 0;
    result |= (keyFlags & MK_SHIFT) ? vbShiftMask : 0;
    result |= (keyFlags & MK_CONTROL) ? vbCtrlMask : 0;
    result |= GetKeyState(VK_MENU) < 0 ? vbAltMask : 0;
    return result;
}

} // namespace lumokit
