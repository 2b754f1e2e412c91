// Works the user-script panel and the drawing pattern list of a running Tornavane with real
// input (SendInput): closes the tip of the day, types a script and its name, presses "&Save"
// and "C&lear", clicks the saved script in the list and waits for it to come back; then opens
// the pattern list beside the drawing filter, types a pattern, presses "&Add", double-clicks
// the new entry and waits for the drawing filter to hold it; closes the main window. Prints
// one line per step; exits non-zero when a step does not show in time.
//
//   script_panel_driver.exe "Tornavane v1.0.0"

#include <windows.h>

#include <string>
#include <vector>

#include "driver_support.h"
#include "input_support.h"

namespace {

using namespace wine_driver;

constexpr Patience kPatience{30000, 50};

template <class Probe>
void Await(const std::string& what, Probe probe) {
  WaitOrFail(kPatience, what, probe);
}

int Count(HWND list) {
  return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
}

// Clicks into a text box, selects what it holds and types over it.
void TypeInto(HWND box, const std::string& text) {
  ClickOn(box);
  Sleep(100);
  SendMessageA(box, EM_SETSEL, 0, -1);
  TypeText(text);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) Fail("usage: script_panel_driver.exe <main window caption>");
  HWND main = WaitForMain(kPatience, argv[1]);
  HWND tips = nullptr;
  Await("the tip of the day", [&] { return (tips = FindForm("frmTips")) != nullptr; });
  PostMessageA(tips, WM_CLOSE, 0, 0);
  WaitForInput(kPatience, main, "the main window");
  SetForegroundWindow(main);

  HWND script = Need(main, "Text1");
  HWND name = Need(main, "Text2");
  HWND list = Need(main, "File2");
  TypeInto(script, "ZOOM E");
  Await("the script typed", [&] { return TextOf(script) == "ZOOM E"; });
  TypeInto(name, "T1");
  Await("the name typed", [&] { return TextOf(name) == "T1"; });
  ClickOn(Need(main, "cmdSAVESCR"));
  Await("the saved script in the list", [&] { return Count(list) == 1; });
  Report("script saved as T1");
  ClickOn(Need(main, "cmdClearSCREditor"));
  Await("the cleared boxes", [&] { return TextOf(script).empty() && TextOf(name).empty(); });
  Report("script cleared");
  ClickListItem(list, 0);
  Await("the loaded script", [&] { return TextOf(script) == "ZOOM E" && TextOf(name) == "T1"; });
  Report("script loaded from the list");

  HWND filter = Need(main, "tbDWGFilter");
  ClickOn(Need(main, "cmdFilterFormShow"));
  HWND dialog = WaitForForm(kPatience, "frmDWGFilter");
  WaitForInput(kPatience, dialog, "the drawing pattern list");
  Report("drawing pattern list shown");
  HWND patterns = Need(dialog, "List1");
  TypeInto(Need(dialog, "tbDWGFilter"), "A-*.dwg");
  ClickOn(Need(dialog, "cmdAdd"));
  Await("the added pattern", [&] { return Count(patterns) == 1; });
  Report("pattern added");
  ClickListItem(patterns, 0, false, 2);
  Await("the chosen pattern in the drawing filter", [&] { return TextOf(filter) == "A-*.dwg"; });
  Await("the pattern list to hide", [&] { return !IsWindowVisible(dialog); });
  Report("pattern chosen by double-click");

  WaitForInput(kPatience, main, "the main window");
  PostMessageA(main, WM_CLOSE, 0, 0);
  Await("the main window to close", [&] { return !IsWindow(main); });
  Report("main window closed");
  return 0;
}
