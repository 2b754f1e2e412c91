#pragma once

#include <optional>

#include "ui/message_box.h"
#include "ui/shortcut.h"
#include "ui/types.h"
#include "ui/win32/win32_ui_api.h"

// The small translations between the model's values and Windows' own.
namespace ui::win32 {

// The system cursor of a pointer shape; nullptr for kDefault (the window's own cursor).
LPCSTR CursorId(Pointer pointer);

// The MessageBoxA flags of a box, and the answer of the button id it returned.
UINT MessageBoxFlags(const MessageBoxSpec& box);
MsgAnswer AnswerOf(int buttonId);

// The menu shortcut a key press is: Ctrl with a letter or digit, or a function key with or
// without Ctrl; none with Alt or Shift held, or for other keys.
std::optional<Shortcut> ShortcutOf(int virtualKey, bool ctrl, bool alt, bool shift);

// The shift state of mouse and key events (kShiftMask, kCtrlMask, kAltMask) from the
// keyboard state now.
int ShiftState();
// The buttons held in a mouse message's wParam (kLeftButton, kRightButton, kMiddleButton).
int MouseButtons(WPARAM wParam);

}  // namespace ui::win32
