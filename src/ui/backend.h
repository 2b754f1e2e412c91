#pragma once

#include <cstdint>

#include "ui/geometry.h"
#include "ui/message_box.h"
#include "ui/types.h"

namespace ui {

class Context;
class Control;
class Form;
class MenuItem;
class Timer;

// Where a pop-up menu opened from the keyboard appears: beside one item of a list control.
struct PopupAnchor {
  const Control* control = nullptr;
  int item = -1;
};

// What a back end does for the model: shows its forms, runs the nested loops, delivers user
// input, timers and message boxes. The model calls it; it calls back into the model only
// through Context::UserAction (so an error that escapes a handler is reported, never lost)
// and through the public setters and event methods of forms and controls.
//
// Context::End throws ui::ProgramEnd to unwind every nested loop. A back end that calls
// into the model from a system callback must catch it there and rethrow it outside the
// system's frames.
class Backend : public MessageService, public InputService {
 public:
  ~Backend() override = default;

  // The context the back end serves; called once by the context's constructor.
  virtual void Attach(Context& ctx) = 0;

  // A form was loaded: create its windows (hidden) and attach peers to it, its controls and
  // its menus. Later controls (control arrays) come through ControlAdded.
  virtual void FormLoaded(Form& form) = 0;
  virtual void ControlAdded(Control& control) = 0;
  // The form became visible or hidden (its peer already knows); the back end moves the
  // activation between the program's windows.
  virtual void FormShown(Form& form) = 0;
  virtual void FormHidden(Form& form) = 0;
  // The form is being unloaded; the model detaches the peers right after.
  virtual void FormUnloaded(Form& form) = 0;

  // The nested loop of a modal form: disables the windows it blocks (its owner, and every
  // other window shown before it) and returns when the form is hidden or unloaded.
  virtual void RunModal(Form& form) = 0;
  // Lets pending input, paints and timers run once.
  virtual void DoEvents() = 0;
  // The same between the items of a long operation (a build's drawings, a check's files). A
  // back end whose pump costs system calls even when nothing waits may skip it while its last
  // one is a few milliseconds old: items come faster than anyone can see, and input then
  // waits no longer than that.
  virtual void DoEventsBetweenItems() { DoEvents(); }
  // Whether a long operation shows its next progress text now. A back end whose caption
  // change and repaint cost system calls may answer no while the text it last let through is
  // younger than a tenth of a second: texts then change faster than anyone reads them, and the
  // operation lets events run as between any two items instead.
  virtual bool ItemProgressDue() { return true; }
  // A count that grows whenever events may have run: the program's handlers, or the user's
  // input reaching its controls. While it stays the same, whatever only events change (a
  // control's value, a setting) is as it was.
  virtual std::uint64_t EventCount() const = 0;
  // Shows a pop-up menu of the form's menu item and returns the item chosen, or nullptr when
  // the user dismissed it. defaultItem is shown bold. Without an anchor the menu opens at the
  // mouse position, with one beside that item of the list control (opened from the keyboard).
  virtual MenuItem* PopupMenu(Form& form, MenuItem& menu, MenuItem* defaultItem, const PopupAnchor* anchor) = 0;

  // Timers: the back end calls Timer::Tick (through UserAction) every Interval ms until stopped.
  virtual void StartTimer(Timer& timer) = 0;
  virtual void StopTimer(Timer& timer) = 0;

  // The pointer for the whole program (Screen.MousePointer).
  virtual void SetScreenPointer(Pointer pointer) = 0;

  // Screen metrics in twips: the work area (the screen less the task bar), and the size the
  // frame, title bar and menu bar add to a form's client area.
  virtual Rect WorkArea() = 0;
  // Whether a window at bounds (twips) would show on some screen, at least in part.
  virtual bool OnAnyScreen(const Rect& bounds) {
    const Rect area = WorkArea();
    return bounds.left < area.left + area.width && area.left < bounds.left + bounds.width &&
           bounds.top < area.top + area.height && area.top < bounds.top + bounds.height;
  }
  virtual Size NonClientSize(const Form& form) = 0;

  // The program is ending: close every window at once, without events.
  virtual void EndProgram() = 0;
};

}  // namespace ui
