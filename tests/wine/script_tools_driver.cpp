// Works a running Tornavane's script editor and command capture with real input (SendInput):
// Ctrl+E opens the editor, a META command is picked from its drop-down list with the mouse and
// a tag with the arrow keys and Enter, "&Ok" hands the text to the main window; then Tools > "&Capture AutoCAD Commands
// to Script" (a WM_COMMAND with the entry's command id) pastes the history the driver put on the real clipboard,
// captures it and hands it over. Prints one line per step; exits non-zero when a window does not appear or a text is
// not what it should be.
//
//   script_tools_driver.exe "Tornavane v1.0.0" <capture menu id>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "driver_support.h"
#include "input_support.h"

namespace {

using namespace wine_driver;

constexpr Patience kPatience{30000, 50};

template <class Condition>
void WaitFor(const std::string& what, Condition condition) {
  WaitOrFail(kPatience, what, condition);
}

void ExpectText(HWND control, const std::string& name, const std::string& expected) {
  if (!Poll(Patience{5000, 50}, [&] { return TextOf(control) == expected; })) {
    Fail(name + " reads \"" + TextOf(control) + "\", expected \"" + expected + "\"");
  }
  Report(name + " reads as expected");
}

void PutOnClipboard(const std::string& text) {
  if (!OpenClipboard(nullptr)) Fail("the clipboard cannot be opened");
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  auto* bytes = static_cast<char*>(GlobalLock(memory));
  CopyMemory(bytes, text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
  Report("clipboard filled");
}

void LeftClickAt(POINT point) {
  SetCursorPos(point.x, point.y);
  Sleep(150);
  std::vector<INPUT> inputs(2);
  inputs[0].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].type = INPUT_MOUSE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendAll(inputs);
}

// The drop-down list of the program that is shown (one at a time).
HWND ShownList() {
  HWND list = nullptr;
  while ((list = FindWindowExA(nullptr, list, "ComboLBox", nullptr)) != nullptr) {
    if (IsWindowVisible(list)) return list;
  }
  return nullptr;
}

// Drops the combo box's list down with a click on its button (at the right end) and clicks
// the item.
void PickWithMouse(HWND combo, int item) {
  RECT box = {};
  GetWindowRect(combo, &box);
  const int height = static_cast<int>(SendMessageA(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  LeftClickAt(POINT{box.right - 8, box.top + height / 2 + 3});
  HWND list = nullptr;
  WaitFor("the drop-down list", [&] { return (list = ShownList()) != nullptr; });
  SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(item), 0);
  const auto top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
  const auto row = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  POINT centre{20, (item - top) * row + row / 2};
  ClientToScreen(list, &centre);
  LeftClickAt(centre);
  WaitFor("the drop-down list to close", [&] { return !IsWindowVisible(list); });
  Report("entry picked with the mouse");
}

// Steps through the closed list with the arrow keys, then commits with Enter.
void PickWithKeys(HWND combo, int steps) {
  RECT box = {};
  GetWindowRect(combo, &box);
  LeftClickAt(POINT{box.left + 20, box.top + 8});
  for (int i = 0; i < steps; ++i) PressKey(VK_DOWN);
  Report("stepped with the arrow keys");
}

void Editor(HWND main) {
  HWND script = Need(main, "Text1");
  BringToFront(main, kPatience);
  ClickOn(script);
  TypeText("ZOOM E");
  ExpectText(script, "Text1", "ZOOM E");
  PressKey('E', VK_CONTROL);
  HWND editor = WaitForForm(kPatience, "frmSCREdit");
  Report("editor shown");
  HWND text = Need(editor, "txtSCREdit");
  ExpectText(text, "txtSCREdit", "ZOOM E");
  // The caret at the start: the command goes in before the script.
  SendMessageA(text, EM_SETSEL, 0, 0);
  PickWithMouse(Need(editor, "cmbMeta"), 5);
  ExpectText(text, "txtSCREdit", ";SAVEAS=TRUE\r\nZOOM E");
  PickWithKeys(Need(editor, "cmbDynamicTags"), 2);
  ExpectText(text, "txtSCREdit", ";SAVEAS=TRUE\r\nZOOM E");
  PressKey(VK_RETURN);
  ExpectText(text, "txtSCREdit", ";SAVEAS=TRUE\r\n$MM/DD/YY$ZOOM E");
  ClickOn(Need(editor, "cmdSCROk"));
  WaitFor("the editor to go", [&] { return !IsWindowVisible(editor); });
  ExpectText(script, "Text1", ";SAVEAS=TRUE\r\n$MM/DD/YY$ZOOM E");
}

void Capture(HWND main, WPARAM menuId) {
  PutOnClipboard("Command: -LAYER\r\n\r\n\r\nEnter an option [?/Make/Set]: m");
  PostMessageA(main, WM_COMMAND, MAKEWPARAM(menuId, 0), 0);
  HWND capture = WaitForForm(kPatience, "frmcapture");
  Report("capture shown");
  ClickOn(Need(capture, "cmdPastefromClip"));
  ExpectText(Need(capture, "Text1"), "the capture's input", "Command: -LAYER\r\n\r\nEnter an option [?/Make/Set]: m");
  ClickOn(Need(capture, "cmdParseScr"));
  const std::string script =
      ";BEGIN SCRIPT\r\n;Command: -LAYER\r\n-LAYER\r\n;Enter an option [?/Make/Set]: m\r\nM\r\n;END SCRIPT";
  ExpectText(Need(capture, "Text2"), "the capture's output", script);
  ClickOn(Need(capture, "cmdCopyToTornavane"));
  WaitFor("the capture to go", [&] { return !IsWindowVisible(capture); });
  ExpectText(Need(main, "Text1"), "Text1", script);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) Fail("usage: script_tools_driver.exe <main window caption> <capture menu id>");
  const std::string caption = argv[1];
  const auto menuId = static_cast<WPARAM>(std::strtoul(argv[2], nullptr, 0));

  HWND main = WaitForMain(kPatience, caption);
  WaitForInput(kPatience, main, "the main window");
  Report("main window shown");
  Editor(main);
  WaitForInput(kPatience, main, "the main window");
  Capture(main, menuId);
  WaitForInput(kPatience, main, "the main window");

  PostMessageA(main, WM_CLOSE, 0, 0);
  WaitFor("the main window to close", [&] { return !IsWindow(main); });
  Report("main window closed");
  return 0;
}
