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

#include <string>

#include "driver_support.h"
#include "input_support.h"
#include "menu_support.h"

namespace {

using namespace wine_driver;

constexpr Patience kPatience{20000, 50};
constexpr Patience kGlance{1500, 50};

// Clicks (once or twice) the middle of a list box's item, scrolled into view first.
void ClickItem(const std::string& rest, int clicks) {
  HWND list = NeedControl(kPatience, Before(rest, '='));
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
  HWND tabs = NeedControl(kPatience, Before(rest, '='));
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
    BringToFront(WaitForShownForm(kPatience, rest), kPatience);
  } else if (verb == "click") {
    ClickOnAndFocus(NeedControl(kPatience, rest));
  } else if (verb == "type") {
    TypeText(rest);
  } else if (verb == "keys") {
    PressKeys(rest);
  } else if (verb == "menu") {
    bool wanted = rest == "open";
    if (!Poll(kGlance, [&] { return MenuOpen() == wanted; }))
      Fail("a menu is " + std::string(wanted ? "not " : "") + "open");
  } else if (verb == "checked") {
    HWND box = NeedControl(kPatience, Before(rest, '='));
    LRESULT wanted = After(rest, '=') == "1" ? BST_CHECKED : BST_UNCHECKED;
    if (!Poll(kPatience, [&] { return SendMessageA(box, BM_GETCHECK, 0, 0) == wanted; })) Fail(rest + " is not so");
  } else if (verb == "text") {
    HWND control = NeedControl(kPatience, Before(rest, '='));
    std::string wanted = After(rest, '=');
    if (!Poll(kPatience, [&] { return TextOf(control) == wanted; })) Fail(rest + " reads " + TextOf(control));
  } else if (verb == "gone") {
    if (!Poll(kPatience, [&] { return FindForm(rest) == nullptr; })) Fail(rest + " is still shown");
  } else if (verb == "box") {
    HWND box = nullptr;
    WaitOrFail(kPatience, "the message box " + rest, [&] { return (box = FindBox(rest)) != nullptr; });
    BringToFront(box, kPatience);
  } else if (verb == "shown") {
    WaitForShownForm(kPatience, rest);
  } else if (verb == "item" || verb == "open") {
    ClickItem(rest, verb == "item" ? 1 : 2);
  } else if (verb == "tab") {
    ClickTab(rest);
  } else if (verb == "visible") {
    HWND control = NeedControl(kPatience, Before(rest, '='));
    bool wanted = After(rest, '=') == "1";
    if (!Poll(kGlance, [&] { return (IsWindowVisible(control) != FALSE) == wanted; })) Fail(rest + " is not so");
  } else if (verb == "close") {
    PostMessageA(WaitForShownForm(kPatience, rest), WM_CLOSE, 0, 0);
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
