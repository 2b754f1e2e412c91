#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/services.h"
#include "ui/app_info.h"
#include "ui/backend.h"
#include "ui/message_box.h"
#include "ui/types.h"

namespace ui {

class Form;

// Thrown by Context::End to unwind every handler and nested loop. It is no runtime::Error
// (and no std::exception), so no error handler of the program catches it.
class ProgramEnd {};

// Everything a form needs from outside: the back end, the operating-system services and the
// program's own information. It also keeps the event bookkeeping the model shares: which
// handlers are running, the busy flag, the forms waiting to be destroyed.
class Context {
 public:
  Context(Backend& backend, platform::Services& services, AppInfo app);
  ~Context();
  Context(const Context&) = delete;
  Context& operator=(const Context&) = delete;

  Backend& GetBackend() const { return backend_; }
  platform::Services& Services() const { return services_; }
  const AppInfo& App() const { return app_; }

  // Runs one user action that the back end delivers (a click, a key, a timer tick, a drop).
  // An error that escapes it is reported in a message box "Error N (description)" under the
  // application title, and the program goes on. ProgramEnd passes through.
  void UserAction(const std::function<void()>& action);

  // Message boxes, the input box and DoEvents, through the back end.
  MsgAnswer MsgBox(const MessageBoxSpec& box);
  std::string InputBox(const InputBoxSpec& box);
  void DoEvents();
  // DoEvents between the items of a long operation; see Backend::DoEventsBetweenItems.
  void DoEventsBetweenItems();
  // Whether a long operation shows its next progress text now; see Backend::ItemProgressDue.
  bool ItemProgressDue();

  // The pointer of the whole program (Screen.MousePointer).
  Pointer ScreenPointer() const { return screenPointer_; }
  void SetScreenPointer(Pointer pointer);

  // Ends the program now: every window closes without its closing events, every nested loop
  // unwinds (by throwing ProgramEnd).
  [[noreturn]] void End();
  bool Ended() const { return ended_; }

  // The busy flag of long operations; see BusyGuard.
  bool Busy() const { return busy_; }

  // Held while model code runs a handler or a nested loop. Forms unloaded meanwhile are
  // destroyed only once none is held.
  class Running {
   public:
    explicit Running(Context& ctx) : ctx_(ctx) { ++ctx_.running_; }
    ~Running() { --ctx_.running_; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

   private:
    Context& ctx_;
  };
  bool IsRunning() const { return running_ > 0; }

  // An unloaded form, kept alive until no handler runs (it may be its own handler that
  // unloaded it).
  void Retire(std::unique_ptr<Form> form);
  // Destroys the retired forms when no handler runs; back ends call it between user actions.
  void CollectRetired();

 private:
  friend class BusyGuard;

  // Runs one of the back end's pumps; the program's end, before or during it, ends the caller.
  void Pump(void (Backend::*pump)());

  Backend& backend_;
  platform::Services& services_;
  AppInfo app_;
  Pointer screenPointer_ = Pointer::kDefault;
  int running_ = 0;
  bool ended_ = false;
  bool busy_ = false;
  std::vector<std::unique_ptr<Form>> retired_;
};

}  // namespace ui
