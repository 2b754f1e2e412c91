// Real input for the driver programs: keys, typed text and mouse clicks sent with SendInput,
// so the program gets them as it gets a user's. Header only, like driver_support.h.

#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "driver_support.h"

namespace wine_driver {

inline void SendAll(std::vector<INPUT>& inputs) {
  if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size()) {
    Fail("SendInput refused the input");
  }
  inputs.clear();
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
inline void PressKey(WORD key, WORD modifier = 0) {
  std::vector<INPUT> inputs;
  if (modifier != 0) AddKey(inputs, modifier, false);
  AddKey(inputs, key, false);
  AddKey(inputs, key, true);
  if (modifier != 0) AddKey(inputs, modifier, true);
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

// A left click in the middle of the window.
inline void ClickOn(HWND window) {
  RECT place;
  GetWindowRect(window, &place);
  SetCursorPos((place.left + place.right) / 2, (place.top + place.bottom) / 2);
  std::vector<INPUT> inputs(2);
  inputs[0].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].type = INPUT_MOUSE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendAll(inputs);
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
  std::vector<INPUT> inputs;
  for (int i = 0; i < clicks; ++i) {
    INPUT down{};
    down.type = INPUT_MOUSE;
    down.mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    INPUT up = down;
    up.mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    inputs.push_back(down);
    inputs.push_back(up);
  }
  SendAll(inputs);
}

// Brings a window of the program to the front, so that keys go to it.
inline void BringToFront(HWND window, Patience patience) {
  SetForegroundWindow(window);
  WaitOrFail(patience, "the window in front", [&] { return GetForegroundWindow() == window; });
}

}  // namespace wine_driver
