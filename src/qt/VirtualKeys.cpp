// SPDX-License-Identifier: MIT
#include "VirtualKeys.h"

#include "KeyCodes.h"

namespace lexidor {

namespace {

// Qt's names for the keys that type no character, as the table names them.
const char* nameOf(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return "Enter";
    case Qt::Key_Backspace:
        return "Backspace";
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return "Tab";
    case Qt::Key_Shift:
        return "Shift";
    case Qt::Key_Control:
        return "Control";
    case Qt::Key_Alt:
        return "Alt";
    case Qt::Key_AltGr:
        return "AltGraph";
    case Qt::Key_Pause:
        return "Pause";
    case Qt::Key_CapsLock:
        return "CapsLock";
    case Qt::Key_Escape:
        return "Escape";
    case Qt::Key_PageUp:
        return "PageUp";
    case Qt::Key_PageDown:
        return "PageDown";
    case Qt::Key_End:
        return "End";
    case Qt::Key_Home:
        return "Home";
    case Qt::Key_Left:
        return "ArrowLeft";
    case Qt::Key_Up:
        return "ArrowUp";
    case Qt::Key_Right:
        return "ArrowRight";
    case Qt::Key_Down:
        return "ArrowDown";
    case Qt::Key_Print:
        return "PrintScreen";
    case Qt::Key_Insert:
        return "Insert";
    case Qt::Key_Delete:
        return "Delete";
    case Qt::Key_Meta:
        return "Meta";
    case Qt::Key_Menu:
        return "ContextMenu";
    case Qt::Key_NumLock:
        return "NumLock";
    case Qt::Key_ScrollLock:
        return "ScrollLock";
    default:
        return "";
    }
}

} // namespace

int virtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return vk::F1 + (qtKey - Qt::Key_F1);
    if (qtKey >= Qt::Key_Space && qtKey <= Qt::Key_ydiaeresis) {
        const auto c = static_cast<char32_t>(qtKey);
        return modifiers.testFlag(Qt::KeypadModifier) ? vk::ofKeypadCharacter(c) : vk::ofCharacter(c);
    }
    return vk::ofName(nameOf(qtKey));
}

} // namespace lexidor
