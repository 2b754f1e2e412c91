// Works the Tools, Wizards and Help menus of a running Tornavane with real keys (SendInput), one
// row of tests/wine/menus_tools_wizards_help.sh at a time: the row's keys open an entry, its
// checks show what followed, its last keys put it away, and the main window takes input again.
// After the last row Alt+F4 closes the main window.
//
//   menus_tools_wizards_help_driver.exe <main window caption> <launch record> <row>...
//
// The launch record is fake_acad_cmdline.txt beside the http and https handler's stand-in
// fake_acad.exe, which writes its command line there; each row starts without it, and a row
// without a launch check must leave none.
//
// A row is "<entry>|<keys>|<check>;<check>;...". Keys: a letter or digit, enter, esc, tab,
// up, down, left, right, f1..f12, each optionally after alt+, ctrl+ or shift+; "down*4" repeats.
// Checks:
//   modal:<form>              the form is shown, owned by the main window, which takes no input
//   modeless:<form>           the form is shown without an owner while the main window takes input
//   box:<title>=<text>        a message box with that title whose text holds <text>
//   warning                   the File Renamer's warning, word for word, with Cancel as default
//   text:<form>/<control>=<t> the control's text
//   unchecked:<form>/<control>  the check box is not ticked
//   launch:<address>          the http handler was started since the row began, with that address
//   gone:<form>               the form is no longer shown
//   none:<form>               the form does not show
//   away:<form>               Alt+F4 closes the form (after Tab where a drop-down list has the
//                             focus: Wine's drop-down list takes Alt+F4 for itself)
//   keys:<keys>               keys pressed between checks
//   click-ok:<title>          a mouse click on the OK button of the message box with that title

#include <windows.h>

#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "driver_support.h"
#include "input_support.h"
#include "menu_support.h"

namespace {

using namespace wine_driver;

constexpr Patience kPatience{30000, 50};
constexpr Patience kGlance{2000, 50};

HWND g_main = nullptr;
std::string g_record;
// Whether the row checked a launch: the other rows must launch nothing.
bool g_launched = false;

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t at = 0;
  while (at <= text.size()) {
    std::size_t end = text.find(separator, at);
    if (end == std::string::npos) end = text.size();
    if (end > at) parts.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  return parts;
}

// Brings the window to the front, asking again while another window of the program is still
// giving up the activation (a modal window just closed).
void Front(HWND window, Patience patience) {
  WaitOrFail(patience, "the window in front", [&] {
    if (GetForegroundWindow() == window) return true;
    SetForegroundWindow(window);
    return false;
  });
}

// Presses the keys of a comma list, "key*n" n times. Alt and a title's letter drops a menu
// down: the next keys are for it, once it shows.
void Keys(const std::string& list) {
  for (std::string key : Split(list, ',')) {
    int times = 1;
    if (key.find('*') != std::string::npos) {
      times = std::stoi(After(key, '*'));
      key = Before(key, '*');
    }
    for (int i = 0; i < times; ++i) PressNamedKey(key);
    if (key.rfind("alt+", 0) == 0 && key.size() == 5) WaitMenu(kPatience, true);
  }
}

// A visible message box with that title whose text passes the test; brought to the front.
template <class Test>
HWND WaitBox(const std::string& title, Test test) {
  HWND box = nullptr;
  std::string seen;
  if (!Poll(kPatience, [&] {
        box = FindBox(title);
        if (box == nullptr) return false;
        seen = BoxText(box);
        return test(seen);
      }))
    Fail("no message box " + title + " as expected; seen: " + seen);
  Front(box, kPatience);
  return box;
}

void CheckModal(const std::string& name) {
  HWND form = WaitForForm(kPatience, name);
  if (GetWindow(form, GW_OWNER) != g_main) Fail(name + " is not owned by the main window");
  if (IsWindowEnabled(g_main)) Fail("the main window takes input while " + name + " is shown");
  Front(form, kPatience);
}

void CheckModeless(const std::string& name) {
  HWND form = WaitForForm(kPatience, name);
  if (GetWindow(form, GW_OWNER) != nullptr) Fail(name + " has an owner");
  WaitForInput(kPatience, g_main, "the main window beside " + name);
  Front(form, kPatience);
}

void CheckBox(const std::string& rest) {
  std::string part = After(rest, '=');
  WaitBox(Before(rest, '='), [&](const std::string& text) { return text.find(part) != std::string::npos; });
}

void CheckRenamerWarning() {
  const std::string expected =
      "WARNING\r\nThe Renamer function must be used with care!!\r\n\r\n--Use it at Your Own Risk--\r\n\r\n"
      "Please rename copies of your files, and\r\nkeep the originals in a safe place.\r\n\r\nContinue?";
  HWND box = WaitBox("Tornavane for AutoCAD", [&](const std::string& text) { return text == expected; });
  if (GetDlgItem(box, IDOK) == nullptr || GetDlgItem(box, IDCANCEL) == nullptr) Fail("the warning lacks OK or Cancel");
  auto style = GetWindowLongA(GetDlgItem(box, IDCANCEL), GWL_STYLE);
  if ((style & BS_TYPEMASK) != BS_DEFPUSHBUTTON) Fail("Cancel is not the warning's default button");
}

// The command line the handler's stand-in recorded ("" while it has not run since the row began).
std::string Launch() {
  std::string text;
  std::FILE* file = std::fopen(g_record.c_str(), "rb");
  if (file == nullptr) return text;
  char buffer[1024];
  std::size_t length = 0;
  while ((length = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, length);
  std::fclose(file);
  return text;
}

// The stand-in beside the record was started with the address as its one argument.
bool Launched(const std::string& address) {
  std::string folder = g_record.substr(0, g_record.find_last_of('\\') + 1);
  return Launch() == "\"" + folder + "fake_acad.exe\" \"" + address + "\"";
}

// Clicks the OK button of the message box, again when a click under load went astray.
void ClickOk(const std::string& title) {
  HWND box = WaitBox(title, [](const std::string&) { return true; });
  for (int attempt = 0; attempt < 3; ++attempt) {
    Front(box, kPatience);
    ClickOn(GetDlgItem(box, IDOK));
    if (Poll(kGlance, [&] { return !IsWindow(box) || !IsWindowVisible(box); })) return;
  }
  Fail("the OK button of " + title + " did not take the click");
}

void CloseByKeys(const std::string& name) {
  for (int attempt = 0; attempt < 4; ++attempt) {
    HWND form = FindForm(name);
    if (form == nullptr) return;
    Front(form, kPatience);
    if (attempt > 0) PressKey(VK_TAB);
    PressKey(VK_F4, VK_MENU);
    if (Poll(kGlance, [&] { return FindForm(name) == nullptr; })) return;
  }
  Fail(name + " did not close with Alt+F4");
}

void Check(const std::string& check) {
  std::string verb = Before(check, ':');
  std::string rest = After(check, ':');
  if (verb == "modal") {
    CheckModal(rest);
  } else if (verb == "modeless") {
    CheckModeless(rest);
  } else if (verb == "box") {
    CheckBox(rest);
  } else if (verb == "warning") {
    CheckRenamerWarning();
  } else if (verb == "text") {
    HWND control = NeedControl(kPatience, Before(rest, '='));
    std::string wanted = After(rest, '=');
    if (!Poll(kPatience, [&] { return TextOf(control) == wanted; })) Fail(rest + " reads " + TextOf(control));
  } else if (verb == "unchecked") {
    if (SendMessageA(NeedControl(kPatience, rest), BM_GETCHECK, 0, 0) != BST_UNCHECKED) Fail(rest + " is ticked");
  } else if (verb == "launch") {
    WaitOrFail(kPatience, "the launch of " + rest, [&] { return Launched(rest); });
    g_launched = true;
  } else if (verb == "gone") {
    if (!Poll(kPatience, [&] { return FindForm(rest) == nullptr; })) Fail(rest + " is still shown");
  } else if (verb == "none") {
    if (Poll(kGlance, [&] { return FindForm(rest) != nullptr; })) Fail(rest + " is shown");
  } else if (verb == "keys") {
    Keys(rest);
  } else if (verb == "away") {
    CloseByKeys(rest);
  } else if (verb == "click-ok") {
    ClickOk(rest);
  } else {
    Fail("unknown check " + check);
  }
}

// One row: the keys from the main window in front, the checks, and the main window back.
void Row(const std::string& row) {
  std::vector<std::string> fields = Split(row, '|');
  if (fields.size() != 3) Fail("a row needs entry|keys|checks: " + row);
  WaitForInput(kPatience, g_main, "the main window");
  Front(g_main, kPatience);
  std::remove(g_record.c_str());
  g_launched = false;
  Keys(fields[1]);
  for (const std::string& check : Split(fields[2], ';')) Check(check);
  WaitForInput(kPatience, g_main, "the main window after " + fields[0]);
  WaitOrFail(kPatience, "the menus closed after " + fields[0], [] { return !MenuOpen(); });
  if (!g_launched && !Launch().empty()) Fail(fields[0] + " started the http handler: " + Launch());
  Report("row passed: " + fields[0]);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) Fail("usage: menus_tools_wizards_help_driver.exe <caption> <launch record> <row>...");
  g_main = WaitForMain(kPatience, argv[1]);
  g_record = argv[2];
  for (int i = 3; i < argc; ++i) Row(argv[i]);
  // Alt+F4 closes the main window ("E&xit" is left to the File menu's check).
  Front(g_main, kPatience);
  PressKey(VK_F4, VK_MENU);
  WaitOrFail(kPatience, "the main window to close", [] { return !IsWindow(g_main); });
  Report("main window closed");
  return 0;
}
