// Real input for the driver programs: keys, typed text and mouse clicks sent with SendInput,
// so the program gets them as it gets a user's. Header only, like driver_support.h.

#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "driver_support.h"

namespace wine_driver {

// Sends the input at once; a timed action starts its clock right after.
inline void SendNow(std::vector<INPUT>& inputs) {
  if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size()) {
    Fail("SendInput refused the input");
  }
  inputs.clear();
}

// Sends the input and gives the program a moment to take it.
inline void SendAll(std::vector<INPUT>& inputs) {
  SendNow(inputs);
  Sleep(150);
}

inline void AddKey(std::vector<INPUT>& inputs, WORD key, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  inputs.push_back(input);
}

// One key pressed and released, with an optional modifier (VK_MENU, VK_SHIFT) held around it.
inline std::vector<INPUT> KeyInputs(WORD key, WORD modifier = 0) {
  std::vector<INPUT> inputs;
  if (modifier != 0) AddKey(inputs, modifier, false);
  AddKey(inputs, key, false);
  AddKey(inputs, key, true);
  if (modifier != 0) AddKey(inputs, modifier, true);
  return inputs;
}

inline void PressKey(WORD key, WORD modifier = 0) {
  std::vector<INPUT> inputs = KeyInputs(key, modifier);
  SendAll(inputs);
}

inline void TypeText(const std::string& text) {
  std::vector<INPUT> inputs;
  for (char c : text) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = static_cast<unsigned char>(c);
    input.ki.dwFlags = KEYEVENTF_UNICODE;
    inputs.push_back(input);
    input.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  SendAll(inputs);
}

// The input of a click at a point of the screen with the left or right button, once or twice
// in a row (a double-click), after a move there. The press and release each carry the point:
// Wine turns the X server's pointer motion into input of its own, and a late motion from an
// earlier move can put the pointer back between SetCursorPos and a click that carries no
// position.
inline std::vector<INPUT> ClickInputs(POINT point, bool right, int clicks) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = static_cast<LONG>(point.x * 65535 / (width - 1));
  input.mi.dy = static_cast<LONG>(point.y * 65535 / (height - 1));
  const DWORD at = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  std::vector<INPUT> inputs;
  input.mi.dwFlags = at;
  inputs.push_back(input);
  for (int i = 0; i < clicks; ++i) {
    input.mi.dwFlags = at | (right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    inputs.push_back(input);
    input.mi.dwFlags = at | (right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    inputs.push_back(input);
  }
  return inputs;
}

inline void ClickButtonAt(POINT point, bool right, int clicks) {
  std::vector<INPUT> inputs = ClickInputs(point, right, clicks);
  SetCursorPos(point.x, point.y);
  SendAll(inputs);
}

// Left clicks at a point of the screen: one, or two in a row for a double-click.
inline void ClickAt(POINT point, int clicks = 1) {
  ClickButtonAt(point, false, clicks);
}

// The middle of a window, on the screen.
inline POINT MiddleOf(HWND window) {
  RECT place;
  GetWindowRect(window, &place);
  return {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
}

// A left click in the middle of the window.
inline void ClickOn(HWND window) {
  ClickAt(MiddleOf(window));
}

// Clicks into a box and waits until it has the program's keyboard focus, so that the keys
// typed next reach it. A click the loaded program lost is given once more.
inline void ClickToFocus(HWND box, Patience patience) {
  auto focused = [&] {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &info) && info.hwndFocus == box;
  };
  ClickOn(box);
  if (!Poll(patience, focused)) ClickOn(box);
  WaitOrFail(patience, "the focus in the box", focused);
}

// The middle of a rectangle given in a window's client coordinates, on the screen.
inline POINT ScreenMiddle(HWND window, RECT client) {
  POINT middle{(client.left + client.right) / 2, (client.top + client.bottom) / 2};
  ClientToScreen(window, &middle);
  return middle;
}

// Clicks the middle of a list box item with the left or right button, once or twice in quick
// succession (a double-click).
inline void ClickListItem(HWND list, int index, bool right = false, int clicks = 1) {
  RECT client{};
  GetClientRect(list, &client);
  auto height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  auto top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
  POINT at{client.right / 4, (index - top) * height + height / 2};
  ClientToScreen(list, &at);
  SetCursorPos(at.x, at.y);
  Sleep(100);
  ClickButtonAt(at, right, clicks);
}

// Brings a window of the program to the front, so that keys go to it.
inline void BringToFront(HWND window, Patience patience) {
  SetForegroundWindow(window);
  WaitOrFail(patience, "the window in front", [&] { return GetForegroundWindow() == window; });
}

}  // namespace wine_driver
