// What the driver programs share: finding a program's windows by the name in the
// "TornavaneName" property each one carries (a global atom), bounded waits, and the lines
// a driver prints. Header only: each driver is one source file, built by the win32 build.

#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace wine_driver {

// How long a driver waits for something on the screen, and how often it looks.
struct Patience {
  DWORD waitMs;
  DWORD pollMs;
};

inline std::string NameOf(HWND window) {
  auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropA(window, "TornavaneName")));
  if (atom == 0) return "";
  char buffer[256] = {};
  UINT length = GlobalGetAtomNameA(atom, buffer, sizeof buffer);
  return std::string(buffer, length);
}

struct Search {
  std::string name;
  HWND found = nullptr;
};

inline BOOL CALLBACK MatchChild(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (NameOf(window) != search->name) return TRUE;
  search->found = window;
  return FALSE;
}

// A top-level window by its name, or else one of its children.
inline BOOL CALLBACK MatchTopOrChild(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (NameOf(window) == search->name) {
    search->found = window;
    return FALSE;
  }
  EnumChildWindows(window, MatchChild, data);
  return search->found == nullptr;
}

inline BOOL CALLBACK MatchVisibleTop(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (!IsWindowVisible(window) || NameOf(window) != search->name) return TRUE;
  search->found = window;
  return FALSE;
}

// Any window by its name: a top-level window first, then the children.
inline HWND Find(const std::string& name) {
  Search search{name};
  EnumWindows(MatchTopOrChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A visible top-level window of the program, by its form's name.
inline HWND FindForm(const std::string& name) {
  Search search{name};
  EnumWindows(MatchVisibleTop, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A control of one form, by its name (names repeat between forms).
inline HWND FindIn(HWND form, const std::string& name) {
  Search search{name};
  EnumChildWindows(form, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

[[noreturn]] inline void Fail(const std::string& what) {
  std::printf("FAILED: %s\n", what.c_str());
  std::fflush(stdout);
  std::exit(1);
}

inline void Report(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

// Whether the condition came true within the patience's bound.
template <class Condition>
bool Poll(Patience patience, Condition condition) {
  for (DWORD waited = 0; waited < patience.waitMs; waited += patience.pollMs) {
    if (condition()) return true;
    Sleep(patience.pollMs);
  }
  return false;
}

template <class Condition>
void WaitOrFail(Patience patience, const std::string& what, Condition condition) {
  if (!Poll(patience, condition)) Fail("timed out waiting for " + what);
}

// The program's main window, by its caption, once it is shown.
inline HWND WaitForMain(Patience patience, const std::string& caption) {
  HWND main = nullptr;
  WaitOrFail(patience, "the main window",
             [&] { return (main = FindWindowA(nullptr, caption.c_str())) != nullptr && IsWindowVisible(main); });
  return main;
}

// Waits until the window takes input (no modal window of the program disables it).
inline void WaitForInput(Patience patience, HWND window, const std::string& what) {
  WaitOrFail(patience, what + " to take input", [&] { return IsWindowEnabled(window) != FALSE; });
}

// A form of the program, by its name, once it is shown and takes input.
inline HWND WaitForForm(Patience patience, const std::string& name) {
  HWND form = nullptr;
  WaitOrFail(patience, name, [&] { return (form = FindForm(name)) != nullptr; });
  WaitForInput(patience, form, name);
  return form;
}

// A form of the program, by its name, once it is shown (a modal window may disable it).
inline HWND WaitForShownForm(Patience patience, const std::string& name) {
  HWND form = nullptr;
  WaitOrFail(patience, name, [&] { return (form = FindForm(name)) != nullptr; });
  return form;
}

inline HWND Need(const std::string& name) {
  HWND window = Find(name);
  if (window == nullptr) Fail("no window named " + name);
  return window;
}

inline HWND Need(HWND form, const std::string& name) {
  HWND control = FindIn(form, name);
  if (control == nullptr) Fail("no control named " + name);
  return control;
}

inline std::string TextOf(HWND window) {
  char buffer[1024] = {};
  SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

// The text before the first separator (all of it when there is none).
inline std::string Before(const std::string& text, char separator) {
  return text.substr(0, text.find(separator));
}

// The text after the first separator ("" when there is none).
inline std::string After(const std::string& text, char separator) {
  std::size_t at = text.find(separator);
  return at == std::string::npos ? "" : text.substr(at + 1);
}

// A control given as "form/control", once its form is shown.
inline HWND NeedControl(Patience patience, const std::string& path) {
  return Need(WaitForShownForm(patience, Before(path, '/')), After(path, '/'));
}

// The number of items of a list box.
inline int ListCount(HWND list) {
  return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
}

// An item of a list box of another process, read as wide text (Wine passes the ANSI request
// between processes badly) and written in the code page.
inline std::string ListLine(HWND list, int index) {
  auto length = static_cast<int>(SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0));
  if (length <= 0) return "";
  std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.data()));
  std::string text(static_cast<std::size_t>(length) * 2 + 1, '\0');
  int bytes = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), length, text.data(), static_cast<int>(text.size()), nullptr,
                                  nullptr);
  text.resize(static_cast<std::size_t>(bytes > 0 ? bytes : 0));
  return text;
}

}  // namespace wine_driver
