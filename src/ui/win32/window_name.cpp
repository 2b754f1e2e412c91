#include "ui/win32/window_name.h"

namespace ui::win32 {

std::string AutomationName(const std::string& name, int index) {
  if (index < 0) return name;
  return name + "(" + std::to_string(index) + ")";
}

void SetWindowName(HWND window, const std::string& name) {
  RemoveWindowName(window);
  ATOM atom = GlobalAddAtomA(name.c_str());
  if (atom == 0) return;
  if (!SetPropA(window, kNameProperty, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(atom)))) {
    GlobalDeleteAtom(atom);
  }
}

std::string WindowName(HWND window) {
  auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropA(window, kNameProperty)));
  if (atom == 0) return "";
  char buffer[256] = {};
  UINT length = GlobalGetAtomNameA(atom, buffer, sizeof buffer);
  return std::string(buffer, length);
}

void RemoveWindowName(HWND window) {
  auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(RemovePropA(window, kNameProperty)));
  if (atom != 0) GlobalDeleteAtom(atom);
}

}  // namespace ui::win32
