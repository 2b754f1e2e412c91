// Works a running Tornavane's script editor and command capture with real input (SendInput):
// Ctrl+E opens the editor at its first place; a META command is picked from its drop-down list
// with the mouse and a tag with the arrow keys and Enter; the editor is moved and sized through
// its system menu, "Load &VBA" and the picker's "&Cancel" deactivate and activate it again, and
// "&Ok" hands the text to the main window. A second Ctrl+E must bring the editor back at the
// place and size left; "&Cancel" closes it. Then Tools > "&Capture AutoCAD Commands to Script"
// pastes the history the driver put on the real clipboard, captures it and hands it over.
// Prints one line per step, and the editor's last bounds in twips; exits non-zero when a window
// does not appear or a text or place is not what it should be.
//
//   script_tools_driver.exe "Tornavane v1.0.0"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "driver_support.h"
#include "input_support.h"

namespace {

using namespace wine_driver;

constexpr Patience kPatience{30000, 50};
// Twips in a pixel on the 96 dots-per-inch screen of Wine.
constexpr int kTwipsPerPixel = 15;

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

std::string Describe(const RECT& r) {
  char text[96];
  std::snprintf(text, sizeof text, "%ld, %ld, %ld, %ld", r.left, r.top, r.right - r.left, r.bottom - r.top);
  return text;
}

RECT PlaceOf(HWND window) {
  RECT place{};
  GetWindowRect(window, &place);
  return place;
}

// The editor takes its stored place when it is activated, a moment after it appears: the
// driver waits for the place before it aims at a control.
void WaitForPlace(HWND editor, const RECT& expected, const std::string& what) {
  if (!Poll(kPatience, [&] {
        const RECT now = PlaceOf(editor);
        return EqualRect(&expected, &now) != FALSE;
      })) {
    Fail("the editor is at " + Describe(PlaceOf(editor)) + ", expected " + Describe(expected) + " (" + what + ")");
  }
  Report("editor at its place (" + what + ")");
}

RECT PixelsOf(int left, int top, int width, int height) {
  return RECT{left / kTwipsPerPixel, top / kTwipsPerPixel, (left + width) / kTwipsPerPixel,
              (top + height) / kTwipsPerPixel};
}

// The state of the thread that runs the window: a menu being tracked, a move or size loop.
DWORD GuiFlags(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return 0;
  return info.flags;
}

// Clicks the control and waits until it has the program's keyboard focus, so that the keys
// typed next go to it.
void FocusByClick(HWND control, const std::string& name) {
  ClickOn(control);
  WaitFor(name + " to have the focus", [&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(control, nullptr), &info)) return false;
    return info.hwndFocus == control || IsChild(control, info.hwndFocus) != FALSE;
  });
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
  RECT box = PlaceOf(combo);
  ClickAt(POINT{box.right - 8, (box.top + box.bottom) / 2});
  HWND list = nullptr;
  WaitFor("the drop-down list", [&] { return (list = ShownList()) != nullptr; });
  SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(item), 0);
  RECT row{};
  SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&row));
  ClickAt(ScreenMiddle(list, row));
  WaitFor("the drop-down list to close", [&] { return !IsWindowVisible(list); });
  Report("entry picked with the mouse");
}

// Steps through the closed list with the arrow keys from a click in its box.
void StepWithKeys(HWND combo, int steps) {
  RECT box = PlaceOf(combo);
  ClickAt(POINT{box.left + 20, (box.top + box.bottom) / 2});
  for (int i = 0; i < steps; ++i) PressKey(VK_DOWN);
  Report("stepped with the arrow keys");
}

void PressKeys(WORD key, int times) {
  for (int i = 0; i < times; ++i) PressKey(key);
}

// Opens the window's system menu with Alt+Space (the pointer over the window, so that the keys
// go to it) and starts its "&Move" or "&Size" with the item's key.
void StartMoveOrSize(HWND window, WORD item) {
  const RECT place = PlaceOf(window);
  SetCursorPos((place.left + place.right) / 2, (place.top + place.bottom) / 2);
  Sleep(300);
  PressKey(VK_SPACE, VK_MENU);
  WaitFor("the system menu", [&] { return (GuiFlags(window) & GUI_INMENUMODE) != 0; });
  PressKey(item);
  WaitFor("the move or size loop", [&] { return (GuiFlags(window) & GUI_INMOVESIZE) != 0; });
}

void EndMoveOrSize(HWND window) {
  PressKey(VK_RETURN);
  WaitFor("the end of the move or size loop", [&] { return (GuiFlags(window) & GUI_INMOVESIZE) == 0; });
}

// Moves the window through its system menu: each arrow key moves it by a few pixels.
void MoveWithKeys(HWND window, int right, int down) {
  const RECT before = PlaceOf(window);
  StartMoveOrSize(window, 'M');
  PressKeys(VK_RIGHT, right);
  PressKeys(VK_DOWN, down);
  EndMoveOrSize(window);
  const RECT now = PlaceOf(window);
  if (now.left <= before.left || now.top <= before.top || now.right - now.left != before.right - before.left) {
    Fail("the editor moved from " + Describe(before) + " to " + Describe(now));
  }
  Report("editor moved with the keys to " + Describe(now));
}

// Sizes the window through its system menu: the first arrow picks the edge, the next ones
// move it (VK_RIGHT: the right edge, VK_DOWN: the bottom edge).
void SizeWithKeys(HWND window, WORD edge, int steps) {
  const RECT before = PlaceOf(window);
  StartMoveOrSize(window, 'S');
  PressKeys(edge, steps + 1);
  EndMoveOrSize(window);
  const RECT now = PlaceOf(window);
  const bool wider = now.right - now.left > before.right - before.left;
  const bool taller = now.bottom - now.top > before.bottom - before.top;
  if (now.left != before.left || now.top != before.top || !(edge == VK_RIGHT ? wider : taller)) {
    Fail("the editor was sized from " + Describe(before) + " to " + Describe(now));
  }
  Report("editor sized with the keys to " + Describe(now));
}

HWND OpenEditor(HWND main) {
  BringToFront(main, kPatience);
  PressKey('E', VK_CONTROL);
  HWND editor = WaitForForm(kPatience, "frmSCREdit");
  Report("editor shown");
  return editor;
}

// The editor's first opening: the insert lists, the geometry and "&Ok". Gives the place left.
RECT Edit(HWND main) {
  HWND script = Need(main, "Text1");
  BringToFront(main, kPatience);
  FocusByClick(script, "Text1");
  TypeText("ZOOM E");
  ExpectText(script, "Text1", "ZOOM E");
  HWND editor = OpenEditor(main);
  WaitForPlace(editor, PixelsOf(200, 200, 11250, 8835), "first opening");
  HWND text = Need(editor, "txtSCREdit");
  ExpectText(text, "txtSCREdit", "ZOOM E");
  // The caret at the start: the command goes in before the script.
  FocusByClick(text, "txtSCREdit");
  PressKey(VK_HOME, VK_CONTROL);
  PickWithMouse(Need(editor, "cmbMeta"), 5);
  ExpectText(text, "txtSCREdit", ";SAVEAS=TRUE\r\nZOOM E");
  StepWithKeys(Need(editor, "cmbDynamicTags"), 2);
  ExpectText(text, "txtSCREdit", ";SAVEAS=TRUE\r\nZOOM E");
  PressKey(VK_RETURN);
  ExpectText(text, "txtSCREdit", ";SAVEAS=TRUE\r\n$MM/DD/YY$ZOOM E");

  ClickOn(text);
  MoveWithKeys(editor, 6, 4);
  // Only the right edge: the bottom edge's keyboard sizing puts the pointer below the window,
  // and without a window manager the keys then stop reaching the sizing loop.
  SizeWithKeys(editor, VK_RIGHT, 5);
  const RECT left = PlaceOf(editor);
  // A picker over the editor deactivates it (which stores the place); its "&Cancel" activates
  // it again (which restores the place just stored).
  ClickOn(Need(editor, "cmdLoadVBA"));
  HWND picker = WaitForForm(kPatience, "frmVBAselector");
  Report("VBA picker shown");
  ClickOn(Need(picker, "cmdCancel"));
  WaitFor("the picker to go", [&] { return !IsWindowVisible(picker); });
  WaitForInput(kPatience, editor, "the editor");
  WaitForPlace(editor, left, "back from the picker");
  ClickOn(Need(editor, "cmdSCROk"));
  WaitFor("the editor to go", [&] { return !IsWindowVisible(editor); });
  ExpectText(script, "Text1", ";SAVEAS=TRUE\r\n$MM/DD/YY$ZOOM E");
  return left;
}

// The second opening comes back where the first was left; "&Cancel" keeps Text1.
void EditAgain(HWND main, const RECT& left) {
  HWND editor = OpenEditor(main);
  WaitForPlace(editor, left, "second opening");
  HWND text = Need(editor, "txtSCREdit");
  ExpectText(text, "txtSCREdit", ";SAVEAS=TRUE\r\n$MM/DD/YY$ZOOM E");
  FocusByClick(text, "txtSCREdit");
  TypeText("X");
  ClickOn(Need(editor, "cmdSCRCancel"));
  WaitFor("the editor to go", [&] { return !IsWindowVisible(editor); });
  ExpectText(Need(main, "Text1"), "Text1", ";SAVEAS=TRUE\r\n$MM/DD/YY$ZOOM E");
  char line[128];
  std::snprintf(line, sizeof line, "editor bounds in twips: %ld %ld %ld %ld", left.left * kTwipsPerPixel,
                left.top * kTwipsPerPixel, (left.right - left.left) * kTwipsPerPixel,
                (left.bottom - left.top) * kTwipsPerPixel);
  Report(line);
}

void Capture(HWND main) {
  PutOnClipboard("Command: -LAYER\r\n\r\n\r\nEnter an option [?/Make/Set]: m");
  BringToFront(main, kPatience);
  PressKey('T', VK_MENU);
  PressKey('C');
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
  if (argc < 2) Fail("usage: script_tools_driver.exe <main window caption>");
  const std::string caption = argv[1];

  HWND main = WaitForMain(kPatience, caption);
  WaitForInput(kPatience, main, "the main window");
  Report("main window shown");
  const RECT left = Edit(main);
  WaitForInput(kPatience, main, "the main window");
  EditAgain(main, left);
  WaitForInput(kPatience, main, "the main window");
  Capture(main);
  WaitForInput(kPatience, main, "the main window");

  PostMessageA(main, WM_CLOSE, 0, 0);
  WaitFor("the main window to close", [&] { return !IsWindow(main); });
  Report("main window closed");
  return 0;
}
