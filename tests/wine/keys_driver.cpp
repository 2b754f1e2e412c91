// Works a running Tornavane with real input (SendInput), step by step, as a user at the
// keyboard would. Each argument is one step; the driver prints one line per step and exits
// non-zero at the first step that fails.
//
//   wait:<form>                 the form (by its "TornavaneName") is shown and takes input
//   front:<form>                brings the form to the front
//   click:<form>/<control>      a left click in the middle of the control
//   type:<text>                 types the characters
//   keys:<k>[,<k>...]           presses keys: a letter or digit, esc, enter, tab, f10, down,
//                               up, left, right, home, end, or alt+<key>, shift+<key>
//   menu:open|closed            a menu of the program is (not) dropped down
//   checked:<form>/<control>=<0|1>  the check box's state
//   text:<form>/<control>=<text>  the control's text
//   gone:<form>                 the form is no longer shown
//   box:<title>                 a message box with that title is shown; it is brought to the front
//   shown:<form>                the form is shown
//   close:<form>                the close box (WM_CLOSE), for leaving a scenario
//   item:<form>/<list>=<text>   a click on the list box's item of that text
//   open:<form>/<list>=<text>   a double-click on it
//   tab:<form>/<tabs>=<n>       a click on tab n (from 0) of the tab control
//   visible:<form>/<control>=<0|1>  whether the control shows on the screen
//
// Usage: keys_driver.exe step...

#include <windows.h>
// The tab control's messages need the types windows.h declares.
#include <commctrl.h>

#include <cctype>
#include <string>

#include "driver_support.h"
#include "input_support.h"

namespace {

using namespace wine_driver;

constexpr Patience kPatience{20000, 50};
constexpr Patience kGlance{1500, 50};

std::string After(const std::string& step, char separator) {
  return step.substr(step.find(separator) + 1);
}

std::string Before(const std::string& text, char separator) {
  return text.substr(0, text.find(separator));
}

HWND NeedForm(const std::string& name) {
  HWND form = nullptr;
  WaitOrFail(kPatience, name, [&] { return (form = FindForm(name)) != nullptr; });
  return form;
}

HWND NeedControl(const std::string& path) {
  return Need(NeedForm(Before(path, '/')), After(path, '/'));
}

WORD KeyOf(const std::string& name) {
  if (name.size() == 1) return static_cast<WORD>(std::toupper(static_cast<unsigned char>(name[0])));
  if (name == "esc") return VK_ESCAPE;
  if (name == "enter") return VK_RETURN;
  if (name == "tab") return VK_TAB;
  if (name == "f10") return VK_F10;
  if (name == "down") return VK_DOWN;
  if (name == "up") return VK_UP;
  if (name == "left") return VK_LEFT;
  if (name == "right") return VK_RIGHT;
  if (name == "home") return VK_HOME;
  if (name == "end") return VK_END;
  Fail("unknown key " + name);
}

void Keys(const std::string& list) {
  std::size_t at = 0;
  while (at <= list.size()) {
    std::size_t end = list.find(',', at);
    if (end == std::string::npos) end = list.size();
    std::string key = list.substr(at, end - at);
    WORD modifier = 0;
    if (key.rfind("alt+", 0) == 0) modifier = VK_MENU;
    if (key.rfind("shift+", 0) == 0) modifier = VK_SHIFT;
    if (modifier != 0) key = key.substr(key.find('+') + 1);
    PressKey(KeyOf(key), modifier);
    at = end + 1;
  }
}

// The system's menu windows ("#32768") are shown while a menu is dropped down.
bool MenuOpen() {
  HWND menu = nullptr;
  while ((menu = FindWindowExA(nullptr, menu, "#32768", nullptr)) != nullptr) {
    if (IsWindowVisible(menu)) return true;
  }
  return false;
}

// A visible message box (the system's dialog class) with the given title.
HWND FindBox(const std::string& title) {
  HWND box = nullptr;
  while ((box = FindWindowExA(nullptr, box, "#32770", title.c_str())) != nullptr) {
    if (IsWindowVisible(box)) return box;
  }
  return nullptr;
}

// Clicks (once or twice) the middle of a list box's item, scrolled into view first.
void ClickItem(const std::string& rest, int clicks) {
  HWND list = NeedControl(Before(rest, '='));
  std::string text = After(rest, '=');
  LRESULT index =
      SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
  if (index == LB_ERR) Fail(text + " is not listed");
  SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
  RECT item{};
  SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  ClickAt(ScreenMiddle(list, item), clicks);
}

// Clicks the control; a text box is then waited for until it has the keyboard focus.
void ClickOnAndFocus(HWND control) {
  char kind[32] = {};
  GetClassNameA(control, kind, sizeof kind);
  if (lstrcmpiA(kind, "Edit") == 0) {
    ClickToFocus(control, kPatience);
  } else {
    ClickOn(control);
  }
}

void ClickTab(const std::string& rest) {
  HWND tabs = NeedControl(Before(rest, '='));
  RECT tab{};
  if (!SendMessageA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(std::stoi(After(rest, '='))),
                    reinterpret_cast<LPARAM>(&tab)))
    Fail("no tab " + rest);
  ClickAt(ScreenMiddle(tabs, tab));
}

void Run(const std::string& step) {
  std::string verb = Before(step, ':');
  std::string rest = After(step, ':');
  if (verb == "wait") {
    WaitForForm(kPatience, rest);
  } else if (verb == "front") {
    BringToFront(NeedForm(rest), kPatience);
  } else if (verb == "click") {
    ClickOnAndFocus(NeedControl(rest));
  } else if (verb == "type") {
    TypeText(rest);
  } else if (verb == "keys") {
    Keys(rest);
  } else if (verb == "menu") {
    bool wanted = rest == "open";
    if (!Poll(kGlance, [&] { return MenuOpen() == wanted; }))
      Fail("a menu is " + std::string(wanted ? "not " : "") + "open");
  } else if (verb == "checked") {
    HWND box = NeedControl(Before(rest, '='));
    LRESULT wanted = After(rest, '=') == "1" ? BST_CHECKED : BST_UNCHECKED;
    if (!Poll(kPatience, [&] { return SendMessageA(box, BM_GETCHECK, 0, 0) == wanted; })) Fail(rest + " is not so");
  } else if (verb == "text") {
    HWND control = NeedControl(Before(rest, '='));
    std::string wanted = After(rest, '=');
    if (!Poll(kPatience, [&] { return TextOf(control) == wanted; })) Fail(rest + " reads " + TextOf(control));
  } else if (verb == "gone") {
    if (!Poll(kPatience, [&] { return FindForm(rest) == nullptr; })) Fail(rest + " is still shown");
  } else if (verb == "box") {
    HWND box = nullptr;
    WaitOrFail(kPatience, "the message box " + rest, [&] { return (box = FindBox(rest)) != nullptr; });
    BringToFront(box, kPatience);
  } else if (verb == "shown") {
    NeedForm(rest);
  } else if (verb == "item" || verb == "open") {
    ClickItem(rest, verb == "item" ? 1 : 2);
  } else if (verb == "tab") {
    ClickTab(rest);
  } else if (verb == "visible") {
    HWND control = NeedControl(Before(rest, '='));
    bool wanted = After(rest, '=') == "1";
    if (!Poll(kGlance, [&] { return (IsWindowVisible(control) != FALSE) == wanted; })) Fail(rest + " is not so");
  } else if (verb == "close") {
    PostMessageA(NeedForm(rest), WM_CLOSE, 0, 0);
  } else {
    Fail("unknown step " + step);
  }
  Report(step);
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) Run(argv[i]);
  return 0;
}
