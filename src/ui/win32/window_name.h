#pragma once

#include <string>

#include "ui/win32/win32_ui_api.h"

// Every window of the program carries the name of the form or control it shows, so that UI
// automation and accessibility tools (in other processes) can find it. The name is kept as a
// global atom in the window property "TornavaneName"; another process reads it with
// GlobalGetAtomNameA on the property's value.
namespace ui::win32 {

inline constexpr const char* kNameProperty = "TornavaneName";

// The name a control's window carries: its name, with the index of a control array element
// in brackets ("optPage(2)").
std::string AutomationName(const std::string& name, int index);

// Gives a window its name (replacing any earlier one), reads it ("" when it has none) and
// takes it away again, releasing the atom. Call RemoveWindowName before the window dies.
void SetWindowName(HWND window, const std::string& name);
std::string WindowName(HWND window);
void RemoveWindowName(HWND window);

}  // namespace ui::win32
