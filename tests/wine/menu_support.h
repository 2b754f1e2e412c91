// Walking a program's menus with real keys: keystroke lists ("alt+q,down,enter"), whether a
// menu is dropped down, waiting for a window by its title or class, and putting it away with
// Escape or its close box. Header only, like driver_support.h and input_support.h.

#pragma once

#include <windows.h>

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "driver_support.h"
#include "input_support.h"

namespace wine_driver {

// The virtual key of a key's name: a letter or digit, or esc, enter, tab, space, f1..f12, down,
// up, left, right, home, end, delete, apps (the Menu key).
inline WORD KeyOfName(const std::string& name) {
  if (name.size() == 1) return static_cast<WORD>(std::toupper(static_cast<unsigned char>(name[0])));
  if (name.size() >= 2 && name[0] == 'f' && std::isdigit(static_cast<unsigned char>(name[1])) != 0) {
    return static_cast<WORD>(VK_F1 + std::stoi(name.substr(1)) - 1);
  }
  struct Named {
    const char* name;
    WORD key;
  };
  static const Named kNamed[] = {
      {"esc", VK_ESCAPE}, {"enter", VK_RETURN}, {"tab", VK_TAB},       {"space", VK_SPACE},
      {"down", VK_DOWN},  {"up", VK_UP},        {"left", VK_LEFT},     {"right", VK_RIGHT},
      {"home", VK_HOME},  {"end", VK_END},      {"delete", VK_DELETE}, {"apps", VK_APPS},
  };
  for (const Named& named : kNamed) {
    if (name == named.name) return named.key;
  }
  Fail("unknown key " + name);
}

// Presses one key by name, with any of the prefixes alt+, shift+, ctrl+ held around it.
inline void PressNamedKey(std::string key) {
  std::vector<INPUT> inputs;
  std::vector<WORD> held;
  for (;;) {
    if (key.rfind("alt+", 0) == 0) {
      held.push_back(VK_MENU);
    } else if (key.rfind("shift+", 0) == 0) {
      held.push_back(VK_SHIFT);
    } else if (key.rfind("ctrl+", 0) == 0) {
      held.push_back(VK_CONTROL);
    } else {
      break;
    }
    key = key.substr(key.find('+') + 1);
  }
  for (WORD modifier : held) AddKey(inputs, modifier, false);
  WORD pressed = KeyOfName(key);
  AddKey(inputs, pressed, false);
  AddKey(inputs, pressed, true);
  for (auto it = held.rbegin(); it != held.rend(); ++it) AddKey(inputs, *it, true);
  SendAll(inputs);
}

// Presses the keys of a comma-separated list in order ("alt+q,s,down,enter").
inline void PressKeys(const std::string& list) {
  std::size_t at = 0;
  while (at <= list.size()) {
    std::size_t end = list.find(',', at);
    if (end == std::string::npos) end = list.size();
    PressNamedKey(list.substr(at, end - at));
    at = end + 1;
  }
}

inline bool MenuOpen();

// Presses the keys of a comma-separated list in order ("alt+q,s,down,enter"); the word "menu"
// in the list waits (within the patience) until a menu is dropped down before the next key.
inline void PressKeys(const std::string& list, Patience patience) {
  std::size_t at = 0;
  while (at <= list.size()) {
    std::size_t end = list.find(',', at);
    if (end == std::string::npos) end = list.size();
    std::string key = list.substr(at, end - at);
    if (key == "menu") {
      if (!Poll(patience, [] { return MenuOpen(); })) Fail("no menu dropped down before " + list.substr(end));
    } else {
      PressNamedKey(key);
    }
    at = end + 1;
  }
}

// The system's menu windows ("#32768") are shown while a menu or a pop-up menu is dropped down.
inline bool MenuOpen() {
  HWND menu = nullptr;
  while ((menu = FindWindowExA(nullptr, menu, "#32768", nullptr)) != nullptr) {
    if (IsWindowVisible(menu)) return true;
  }
  return false;
}

inline void WaitMenu(Patience patience, bool open) {
  if (!Poll(patience, [&] { return MenuOpen() == open; })) {
    Fail(std::string("a menu is ") + (open ? "not " : "still ") + "dropped down");
  }
}

// A visible top-level window of the given class (nullptr: any) and title (nullptr: any).
inline HWND FindTop(const char* windowClass, const char* title) {
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, windowClass, title)) != nullptr) {
    if (IsWindowVisible(window)) return window;
  }
  return nullptr;
}

// A visible message box (the system's dialog class) with the given title.
inline HWND FindBox(const std::string& title) {
  return FindTop("#32770", title.c_str());
}

inline HWND WaitForBox(Patience patience, const std::string& title) {
  HWND box = nullptr;
  WaitOrFail(patience, "the message box " + title, [&] { return (box = FindBox(title)) != nullptr; });
  return box;
}

// The text of a message box: its static control that is not the icon.
inline std::string BoxText(HWND box) {
  std::string text;
  HWND child = nullptr;
  while ((child = FindWindowExA(box, child, "Static", nullptr)) != nullptr) {
    std::string part = TextOf(child);
    if (part.size() > text.size()) text = part;
  }
  return text;
}

// Opens a menu of the window's menu bar with Alt and the title's letter.
inline void OpenMenuByKeys(HWND window, Patience patience, char letter) {
  BringToFront(window, patience);
  PressNamedKey(std::string("alt+") + letter);
  WaitMenu(patience, true);
}

// Puts a window away with Escape (brought to the front first), or with its close box when
// Escape leaves it; fails when it stays.
inline void PutAway(HWND window, Patience patience, const std::string& what) {
  if (!IsWindowVisible(window)) return;
  SetForegroundWindow(window);
  Poll({patience.waitMs / 4, patience.pollMs}, [&] { return GetForegroundWindow() == window; });
  PressNamedKey("esc");
  if (Poll({patience.waitMs / 4, patience.pollMs}, [&] { return !IsWindow(window) || !IsWindowVisible(window); }))
    return;
  PostMessageA(window, WM_CLOSE, 0, 0);
  if (!Poll(patience, [&] { return !IsWindow(window) || !IsWindowVisible(window); })) Fail(what + " stays open");
}

// The text of each item of a list box of another process, in order.
inline std::vector<std::string> ListItems(HWND list) {
  std::vector<std::string> items;
  for (int i = 0, count = ListCount(list); i < count; ++i) items.push_back(ListLine(list, i));
  return items;
}

// The text on the clipboard ("" when it holds none).
inline std::string ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  HANDLE data = GetClipboardData(CF_TEXT);
  if (data != nullptr) {
    if (const auto* chars = static_cast<const char*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

inline void EmptyTheClipboard() {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  CloseClipboard();
}

}  // namespace wine_driver
