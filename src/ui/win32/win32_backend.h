#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "ui/backend.h"
#include "ui/container.h"
#include "ui/context.h"
#include "ui/win32/gdi_cache.h"
#include "ui/win32/window_handler.h"

namespace ui::win32 {

class Win32ControlPeer;
class Win32FormPeer;

// Where a container's controls live: the window that is their parent, and the pixel point of
// the container that is (0, 0) in that window (a tab's controls are placed relative to the
// whole tab control, but live in the page below its tabs).
struct Site {
  HWND window = nullptr;
  POINT origin{0, 0};
};

// The back end of the product: real windows for the model's forms and controls, the message
// loops, timers, message boxes and the input box.
//
// Every window message that reaches the model goes through Deliver, so an error escaping a
// handler is reported by the context and the end of the program (ProgramEnd) unwinds every
// loop once the system has returned control to the loop.
class Win32Backend : public Backend, private WindowHandler {
 public:
  Win32Backend();
  ~Win32Backend() override;
  Win32Backend(const Win32Backend&) = delete;
  Win32Backend& operator=(const Win32Backend&) = delete;

  // The program's main loop: runs until no form is loaded or the program ends.
  void Run();

  // --- Backend ----------------------------------------------------------------------------
  void Attach(Context& ctx) override;
  void FormLoaded(Form& form) override;
  void ControlAdded(Control& control) override;
  void FormShown(Form& form) override;
  void FormHidden(Form& form) override;
  void FormUnloaded(Form& form) override;
  void RunModal(Form& form) override;
  void DoEvents() override;
  void DoEventsBetweenItems() override;
  bool ItemProgressDue() override;
  std::uint64_t EventCount() const override;
  MenuItem* PopupMenu(Form& form, MenuItem& menu, MenuItem* defaultItem, const PopupAnchor* anchor) override;
  void StartTimer(Timer& timer) override;
  void StopTimer(Timer& timer) override;
  void SetScreenPointer(Pointer pointer) override;
  Rect WorkArea() override;
  bool OnAnyScreen(const Rect& bounds) override;
  Size NonClientSize(const Form& form) override;
  void EndProgram() override;
  MsgAnswer Show(const MessageBoxSpec& box) override;
  std::string InputBox(const InputBoxSpec& box) override;

  // --- for the peers ----------------------------------------------------------------------
  Context& Ctx() const { return *ctx_; }
  const PixelScale& Scale() const { return scale_; }
  GdiCache& Gdi() { return gdi_; }
  // Runs user input in the model, as one user action. Nothing runs once the program ends.
  void Deliver(const std::function<void()>& action);
  bool Ending() const { return ending_; }
  Pointer ScreenPointer() const { return screenPointer_; }

  Win32FormPeer* FormPeerOf(const Form& form) const;
  Win32FormPeer* FormPeerOf(HWND window) const;
  static Win32ControlPeer* PeerOf(const Control& control);
  // The window a container's controls live in.
  Site SiteOf(Container& container);
  // Orders a container's windows by TabIndex (the dialog keys follow that order) and marks
  // the groups of option buttons.
  void ArrangeTabOrder(Container& container);
  // A form's window became the active one (WM_ACTIVATE); runs Deactivate and Activate when
  // the activation moved between two of the program's forms.
  void FormActivated(Form& form);

  // A form is about to be hidden: it is no longer the active form, and the windows its modal
  // loop blocked take input again first, so the activation can go back to them.
  void FormHiding(const Form& form);
  // A form is about to appear: the program's form that is active now is the one it came
  // from, which is active again when this one hides. A modal form's loop blocks windows: they
  // stop taking input first, so no other program sees the form with its owner still enabled.
  void FormShowing(const Form& form);
  // Rethrows what a window procedure kept while the model's call into the back end ran
  // system code (an error, or the end of the program).
  void Settle();

  // A form's window is about to be destroyed: the windows of other forms it owns lose their
  // owner first, for Windows would destroy them with it while their forms stay loaded.
  void ReleaseOwnedWindows(HWND owner);

  void AddFormPeer(Win32FormPeer* peer);
  void RemoveFormPeer(Win32FormPeer* peer);

 private:
  struct ModalSession;

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void CreateControlPeer(Control& control);
  // One message from a loop: menu shortcuts, dialog keys, then the window.
  void Pump(MSG& message);
  bool PressShortcut(const MSG& message);
  bool OpenMenuOfAccessKey(const MSG& message);
  bool MoveFocusByTab(const MSG& message);
  bool MoveFocusBySharedAccessKey(const MSG& message);
  // Runs one message loop until done() holds.
  void Loop(const std::function<bool()>& done);
  void WakeLoop();
  void CloseSessionsOf(const Form& form);
  void CloseSession(ModalSession& session);
  void ForgetShown(const Form& form);
  std::vector<const Form*> BlockVisibleForms(const Form* except);
  void Unblock(const std::vector<const Form*>& blocked);
  void ActivateLastShown();
  // After a form hid: its owner, else the form it came from, else the last one shown takes the
  // activation, when the hidden form had it or no window of the program has it now.
  void ReturnActivation(const Form& hidden, bool hadActivation);
  // The form's peer when the form is one of the loaded ones (the pointer may be stale).
  Win32FormPeer* LoadedPeer(const Form* form) const;
  void ShowHeldBackForms(bool dueOnly);
  HWND ActiveFormWindow() const;

  Context* ctx_ = nullptr;
  PixelScale scale_;
  GdiCache gdi_;
  HWND helper_ = nullptr;
  ULONGLONG lastItemPump_ = 0;      // when DoEventsBetweenItems last pumped (GetTickCount64)
  ULONGLONG lastItemProgress_ = 0;  // when ItemProgressDue last said yes (GetTickCount64)
  std::vector<Win32FormPeer*> forms_;
  std::vector<ModalSession*> sessions_;
  // Forms blocked for a modal form that is shown but whose loop has not started yet.
  std::map<const Form*, std::vector<const Form*>> pendingBlocks_;
  std::vector<const Form*> shownOrder_;  // the forms shown, the latest last
  const Form* activeForm_ = nullptr;
  std::map<const Form*, const Form*> cameFrom_;  // a shown form, and the form active before it
  const Form* hidingActive_ = nullptr;           // a form that had the activation as it hid
  std::map<UINT_PTR, Timer*> timers_;
  UINT_PTR nextTimerId_ = 1;
  Timer* ticking_ = nullptr;
  Pointer screenPointer_ = Pointer::kDefault;
  bool ending_ = false;
};

}  // namespace ui::win32
