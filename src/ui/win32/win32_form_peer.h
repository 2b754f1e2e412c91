#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ui/form.h"
#include "ui/native_window.h"
#include "ui/peer.h"
#include "ui/win32/win32_menu_bar.h"
#include "ui/win32/window_handler.h"

namespace ui::win32 {

class Win32Backend;

// A form's top-level window. It mirrors the form's caption, geometry, border, state and
// colours, carries the menu bar, passes its controls' notifications to their peers and turns
// the frame's input (close box, moving, sizing, minimising, activation) into the model's
// setters and events.
class Win32FormPeer : public FormPeer, public NativeWindowSource, private WindowHandler {
 public:
  Win32FormPeer(Win32Backend& backend, Form& form);
  ~Win32FormPeer() override;

  Form& GetForm() const { return form_; }
  HWND Hwnd() const { return hwnd_; }
  std::uintptr_t WindowHandle() const override { return reinterpret_cast<std::uintptr_t>(hwnd_); }
  Win32MenuBar& Menus() { return menus_; }

  void Changed(Property what) override;
  void MenuChanged(MenuItem& item) override;

  // A modal window keeps this one from taking input while blocked (counted).
  void Block();
  void Unblock();
  // The window takes input: enabled in the model and not blocked.
  bool TakesInput() const;
  // Activates the window (after the model showed it).
  void Activate();
  // A showing held back by the form's appear delay reaches the screen once it is due (or at
  // once with dueOnly false). True when the window appeared.
  bool AppearWhenDue(bool dueOnly);
  // Destroys the window at once, without events (unload, end of the program).
  void Destroy();
  // The id a control window of this form gets.
  int NextControlId() { return nextId_++; }
  // Shows the text as the tooltip of a control window ("" removes it).
  void SetToolTip(HWND control, const std::string& text);
  // The push button Enter presses now: the focused one, else the form's default button.
  HWND DefaultButtonWindow() const;
  // The real size the frame, title bar and menu bar add, in pixels.
  SIZE FrameSize() const;
  // The size they would add to a form that has no window.
  static SIZE FrameSizeOf(const Form& form);

 private:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void WindowDestroyed(HWND window) override;
  void HandleCommand(WPARAM wParam);
  void MoveFocus(WPARAM wParam, LPARAM lParam);
  void HandleActivate(WPARAM wParam);
  void HandleMoved();
  void HandleSized(WPARAM kind);
  bool HandleCursor(LPARAM lParam);
  void HandleMouse(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  void SyncVisible();
  void ShowVisible();
  void ShowNow();
  // Makes the model's owner the owner window, so the form stays above it.
  void TakeOwner();
  void SyncGeometry();
  void SyncWindowState();
  void SyncBorder();
  void SyncEnabled();
  void SyncTopMost();
  static DWORD Style(const Form& form);
  static DWORD ExStyle(const Form& form);
  static bool HasMenuBar(const Form& form);
  void Deliver(const std::function<void()>& action) const;

  Win32Backend& backend_;
  Form& form_;
  HWND hwnd_ = nullptr;
  HWND toolTips_ = nullptr;
  HWND lastFocus_ = nullptr;
  Win32MenuBar menus_;
  int blocked_ = 0;
  int nextId_ = 100;
  bool updating_ = false;
  ULONGLONG appearAt_ = 0;  // when a held-back showing appears (GetTickCount64); 0: none
  // False once the peer is gone: an event run from this window may unload the form.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace ui::win32
