// Works a running Tornavane's script editor and command capture with real input (SendInput):
// Ctrl+E opens the editor at its first place; a META command is picked from its drop-down list
// with the mouse and a tag with the arrow keys and Enter; the editor is moved and sized with the
// mouse on its frame, "Load &VBA" and the picker's "&Cancel" deactivate and activate it again, and
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

GUITHREADINFO GuiInfo(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info;
}

bool HasFocus(HWND control) {
  const HWND focus = GuiInfo(control).hwndFocus;
  return focus == control || IsChild(control, focus) != FALSE;
}

// The window that has the mouse capture in the thread of the given window.
HWND CaptureOf(HWND window) {
  return GuiInfo(window).hwndCapture;
}

// The state of the thread that runs the window: a menu being tracked, a move or size loop.
DWORD GuiFlags(HWND window) {
  return GuiInfo(window).flags;
}

// Clicks the control until it has the program's keyboard focus, so that the keys typed next go
// to it (a program still starting up may move the focus after the first click).
void FocusByClick(HWND control, const std::string& name) {
  WaitFor(name + " to have the focus", [&] {
    ClickOn(control);
    return Poll(Patience{2000, 50}, [&] { return HasFocus(control); });
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
  // The combo box takes the button's release after the list has appeared, scrolls the list
  // back to its choice and hands the mouse capture to the list: scroll only after that.
  WaitFor("the drop-down list to take the mouse", [&] { return CaptureOf(list) == list; });
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

// Moves the pointer to a point of the screen as a mouse would (absolute coordinates).
void PointerTo(POINT point) {
  const int width = GetSystemMetrics(SM_CXSCREEN) - 1;
  const int height = GetSystemMetrics(SM_CYSCREEN) - 1;
  std::vector<INPUT> inputs(1);
  inputs[0].type = INPUT_MOUSE;
  inputs[0].mi.dx = (point.x * 65535 + width / 2) / width;
  inputs[0].mi.dy = (point.y * 65535 + height / 2) / height;
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendAll(inputs);
}

void Button(DWORD flags) {
  std::vector<INPUT> inputs(1);
  inputs[0].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = flags;
  SendAll(inputs);
}

// Drags with the left button from a point of the window's frame by the given offset, in a few
// steps, and waits until the window's move or size loop is over.
void Drag(HWND window, POINT from, int right, int down) {
  PointerTo(from);
  Button(MOUSEEVENTF_LEFTDOWN);
  WaitFor("the move or size loop", [&] { return (GuiFlags(window) & GUI_INMOVESIZE) != 0; });
  constexpr int kSteps = 4;
  for (int i = 1; i <= kSteps; ++i) PointerTo(POINT{from.x + right * i / kSteps, from.y + down * i / kSteps});
  Button(MOUSEEVENTF_LEFTUP);
  WaitFor("the end of the move or size loop", [&] { return (GuiFlags(window) & GUI_INMOVESIZE) == 0; });
}

// Moves the window by dragging its caption.
void MoveByCaption(HWND window, int right, int down) {
  const RECT before = PlaceOf(window);
  POINT client{0, 0};
  ClientToScreen(window, &client);
  Drag(window, POINT{before.left + 120, (before.top + client.y) / 2}, right, down);
  const RECT now = PlaceOf(window);
  const RECT expected{before.left + right, before.top + down, before.right + right, before.bottom + down};
  if (!EqualRect(&now, &expected)) Fail("the editor moved from " + Describe(before) + " to " + Describe(now));
  Report("editor moved with the mouse to " + Describe(now));
}

// Sizes the window by dragging its bottom right corner.
void SizeByCorner(HWND window, int right, int down) {
  const RECT before = PlaceOf(window);
  Drag(window, POINT{before.right - 2, before.bottom - 2}, right, down);
  const RECT now = PlaceOf(window);
  const RECT expected{before.left, before.top, before.right + right, before.bottom + down};
  if (!EqualRect(&now, &expected)) Fail("the editor was sized from " + Describe(before) + " to " + Describe(now));
  Report("editor sized with the mouse to " + Describe(now));
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

  MoveByCaption(editor, 48, 32);
  SizeByCorner(editor, 40, 24);
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
