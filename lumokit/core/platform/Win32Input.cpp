#include "core/platform/Win32Input.h"

#include <array>
#include <utility>

namespace lumokit {

namespace {

struct InputState {
    Qt::KeyboardModifiers modifiers;
    Qt::MouseButtons buttons;
};

InputState& state() {
    thread_local InputState input;
    return input;
}

constexpr std::array<std::pair<int, int>, 37> kNamedKeys = {{
    {Qt::Key_Backspace, 0x08},  {Qt::Key_Tab, 0x09},       {Qt::Key_Backtab, 0x09},
    {Qt::Key_Clear, 0x0C},      {Qt::Key_Return, 0x0D},    {Qt::Key_Enter, 0x0D},
    {Qt::Key_Shift, 0x10},      {Qt::Key_Control, 0x11},   {Qt::Key_Alt, 0x12},
    {Qt::Key_Pause, 0x13},      {Qt::Key_CapsLock, 0x14},  {Qt::Key_Escape, 0x1B},
    {Qt::Key_Space, 0x20},      {Qt::Key_PageUp, 0x21},    {Qt::Key_PageDown, 0x22},
    {Qt::Key_End, 0x23},        {Qt::Key_Home, 0x24},      {Qt::Key_Left, 0x25},
    {Qt::Key_Up, 0x26},         {Qt::Key_Right, 0x27},     {Qt::Key_Down, 0x28},
    {Qt::Key_Print, 0x2C},      {Qt::Key_Insert, 0x2D},    {Qt::Key_Delete, 0x2E},
    {Qt::Key_Help, 0x2F},       {Qt::Key_Menu, 0x5D},      {Qt::Key_NumLock, 0x90},
    {Qt::Key_ScrollLock, 0x91}, {Qt::Key_Semicolon, 0xBA}, {Qt::Key_Equal, 0xBB},
    {Qt::Key_Comma, 0xBC},      {Qt::Key_Minus, 0xBD},     {Qt::Key_Period, 0xBE},
    {Qt::Key_Slash, 0xBF},      {Qt::Key_QuoteLeft, 0xC0}, {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_Backslash, 0xDC},
}};

} // namespace

int virtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        // Keypad digits have keys of their own.
        return (modifiers & Qt::KeypadModifier) ? 0x60 + (qtKey - Qt::Key_0) : qtKey;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        return qtKey; // 'A'..'Z'
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
        return 0x70 + (qtKey - Qt::Key_F1);
    }
    if (qtKey == Qt::Key_BracketRight) {
        return 0xDD;
    }
    if (qtKey == Qt::Key_Apostrophe) {
        return 0xDE;
    }
    for (const auto& [key, code] : kNamedKeys) {
        if (key == qtKey) {
            return code;
        }
    }
    return 0;
}

SHORT GetKeyState(int nVirtKey) {
    const InputState& input = state();
    bool down = false;
    switch (nVirtKey) {
    case VK_SHIFT:
        down = input.modifiers & Qt::ShiftModifier;
        break;
    case VK_CONTROL:
        down = input.modifiers & Qt::ControlModifier;
        break;
    case VK_MENU:
        down = input.modifiers & Qt::AltModifier;
        break;
    case VK_LBUTTON:
        down = input.buttons & Qt::LeftButton;
        break;
    case VK_RBUTTON:
        down = input.buttons & Qt::RightButton;
        break;
    case VK_MBUTTON:
        down = input.buttons & Qt::MiddleButton;
        break;
    default:
        break;
    }
    return down ? static_cast<SHORT>(0x8000 | 0x0001) : SHORT{0};
}

void setInputState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    state() = InputState{modifiers, buttons};
}

WPARAM mouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    WPARAM flags = 0;
    flags |= (buttons & Qt::LeftButton) ? MK_LBUTTON : 0;
    flags |= (buttons & Qt::RightButton) ? MK_RBUTTON : 0;
    flags |= (buttons & Qt::MiddleButton) ? MK_MBUTTON : 0;
    flags |= (modifiers & Qt::ShiftModifier) ? MK_SHIFT : 0;
    flags |= (modifiers & Qt::ControlModifier) ? MK_CONTROL : 0;
    return flags;
}

int shiftStateFromKeyState() {
    int shift = 0;
    shift |= GetKeyState(VK_SHIFT) < 0 ? 1 : 0;
    shift |= GetKeyState(VK_CONTROL) < 0 ? 2 : 0;
    shift |= GetKeyState(VK_MENU) < 0 ? 4 : 0;
    return shift;
}

} // namespace lumokit
