#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/peer.h"
#include "ui/win32/window_handler.h"

namespace ui::win32 {

class Win32Backend;

// The base of the peers that show a control in a window: creates the window in its
// container's window, mirrors the common properties (enabled, visible, geometry, font,
// tooltip, tab order, drops) and turns the window's mouse, key, focus and drop input into
// the control's events.
//
// A peer changing its own window sets updating_ (with Updating), so the notification the
// window sends back is not taken for the user's input.
class Win32ControlPeer : public ControlPeer, public WindowHandler {
 public:
  Win32ControlPeer(Win32Backend& backend, Control& control);
  ~Win32ControlPeer() override;

  Control& GetControl() const { return control_; }
  HWND Hwnd() const { return hwnd_; }
  // The window the controls placed in this one live in (frames, picture boxes); nullptr
  // for controls that hold none.
  virtual HWND ChildParent() const { return nullptr; }

  // Creates the window and shows the control's whole state; called once, right after the
  // peer is made.
  void Realise();

  void Changed(Property what) override;
  void FocusSet() override;

  // A notification the window sent its parent (WM_COMMAND, WM_NOTIFY, WM_HSCROLL,
  // WM_VSCROLL, WM_CTLCOLOR..., WM_DRAWITEM, WM_CHARTOITEM, WM_VKEYTOITEM). Returns whether
  // it was handled.
  virtual bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  // The peer of a window of ours, or nullptr.
  static Win32ControlPeer* Of(HWND window);
  // Passes a notification from a child window (WM_COMMAND, WM_NOTIFY, ...) to the child's
  // peer; false for other messages and for windows without a peer. For container windows.
  static bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 protected:
  struct WindowSpec {
    const char* className;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::string text;
    bool ownClass = false;  // one of our classes rather than a subclassed standard control
  };
  // What window shows the control. WS_CHILD, WS_CLIPSIBLINGS and the visible, enabled and
  // tab stop bits are added from the control's state.
  virtual WindowSpec Spec() const = 0;
  // Shows the kind's own properties; runs after the window is made.
  virtual void SyncAll() {}
  // The kind's own messages, before the common handling. Return true with the result when
  // handled.
  virtual bool KindMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) { return false; }
  // Runs after the window's own processing of every message (for state the window keeps,
  // such as a caret or a scroll position, that the model must learn).
  virtual void AfterMessage(UINT message) {}
  // Keys the model handles itself for this control (its window must not handle them again).
  virtual bool ModelHandlesKey(int keyCode) const { return false; }
  // The height of the window for a control of this height (a combo box adds its list).
  virtual int WindowHeight(int pixels) const { return pixels; }

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void WindowDestroyed(HWND window) override;
  LRESULT CallDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;

  // Adds another window (a combo box's edit) whose input counts as this control's.
  void AdoptWindow(HWND window);
  // Colours for WM_CTLCOLOR...: the control's fore and back colours.
  LRESULT ControlColors(HDC dc) const;
  // Runs input from the window in the model (see Win32Backend::Deliver).
  void Deliver(const std::function<void()>& action) const;
  std::string WindowText() const;
  void SetWindowTextQuietly(const std::string& text);
  // Places the window where the control lies, at the height WindowHeight gives.
  void SyncGeometry();

  class Updating {
   public:
    explicit Updating(Win32ControlPeer& peer) : peer_(peer), was_(peer.updating_) { peer_.updating_ = true; }
    ~Updating() { peer_.updating_ = was_; }
    Updating(const Updating&) = delete;
    Updating& operator=(const Updating&) = delete;

   private:
    Win32ControlPeer& peer_;
    bool was_;
  };

  Win32Backend& backend_;
  bool updating_ = false;

 private:
  RECT PixelBounds() const;
  void SyncFont();
  void HandleMouse(UINT message, WPARAM wParam, LPARAM lParam);
  bool HandleKey(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Shift+F10 arrives as a system key; the model sees it as a key press like the Menu key.
  bool HandleShiftF10(WPARAM wParam);
  void HandleFocus();
  bool HandleCursor(LPARAM lParam);
  void HandleDrop(HDROP drop);

  Control& control_;
  HWND hwnd_ = nullptr;
  std::vector<HWND> adopted_;
  bool ownClass_ = false;
  bool tabStoppable_ = false;

 protected:
  // False once the peer is gone: input may unload the form (and delete the peer) while the
  // peer's own message handling is still on the stack.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace ui::win32
