#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/context.h"
#include "ui/geometry.h"
#include "ui/peer.h"
#include "ui/types.h"

namespace ui {

class Container;
class Form;

// The base of every control: name and index, the common properties (enabled, visible,
// geometry in twips, tooltip, tab order, pointer, font, colours) and the common events.
//
// Controls are members of their form, created with the container they sit in:
//   ui::Frame Frame3{this, "Frame3"};
//   ui::CheckBox chkDelay{&Frame3, "chkDelay"};
//
// Setting a property in code behaves as a user action: the control's change or click event
// runs at once, inside the setter, and only when the value really changes. An error raised
// by the setter or its handler reaches the code that set it.
class Control {
 public:
  Control(Container* parent, std::string name, int index = -1);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  // The index within a control array; -1 for a single control.
  int Index() const { return index_; }
  Container& ParentContainer() const { return *parent_; }
  Form& ParentForm() const;
  Context& Ctx() const;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // Whether the user can see it: visible itself, in shown containers, on the current tab,
  // on a visible form.
  bool IsShown() const;
  // Whether it takes input: enabled itself, in enabled containers, on an enabled form.
  bool IsEnabled() const;
  // Whether its tab is the current one (always true for a control not on a tab control).
  bool OnCurrentTab() const;

  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.width; }
  int Height() const { return bounds_.height; }
  Rect Bounds() const { return bounds_; }
  void SetLeft(int left);
  void SetTop(int top);
  // A negative width or height is error 380.
  void SetWidth(int width);
  void SetHeight(int height);
  void Move(int left, int top);
  void Move(int left, int top, int width, int height);

  const std::string& ToolTipText() const { return toolTipText_; }
  void SetToolTipText(std::string text);
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int tabIndex);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop);
  Pointer MousePointer() const { return pointer_; }
  void SetMousePointer(Pointer pointer);

  const ui::Font& Font() const { return font_; }
  void SetFontName(std::string name);
  void SetFontSize(double size);
  void SetFontBold(bool bold);
  Color BackColor() const { return backColor_; }
  void SetBackColor(Color color);
  Color ForeColor() const { return foreColor_; }
  void SetForeColor(Color color);

  // Whether files dropped from the shell are taken (delivered through onDrop).
  bool AcceptDrops() const { return acceptDrops_; }
  void SetAcceptDrops(bool accept);

  // Moves the keyboard focus here: LostFocus of the control that had it, then GotFocus.
  // Error 5 when the control cannot take the focus (hidden or disabled).
  void SetFocus();
  bool HasFocus() const;

  // Input the back end (or the scripted user) delivers; each runs the matching event.
  void MouseDown(int button, int shift, int x, int y);
  void MouseMove(int button, int shift, int x, int y);
  void MouseUp(int button, int shift, int x, int y);
  void KeyDown(int& keyCode, int shift);
  void KeyUp(int& keyCode, int shift);
  void KeyPress(int& keyAscii);
  void Drop(const std::vector<std::string>& paths);

  std::function<void(int button, int shift, int x, int y)> onMouseDown;
  std::function<void(int button, int shift, int x, int y)> onMouseMove;
  std::function<void(int button, int shift, int x, int y)> onMouseUp;
  // A handler may change the key or set it to 0 to swallow it.
  std::function<void(int& keyCode, int shift)> onKeyDown;
  std::function<void(int& keyCode, int shift)> onKeyUp;
  std::function<void(int& keyAscii)> onKeyPress;
  std::function<void()> onGotFocus;
  std::function<void()> onLostFocus;
  std::function<void(const std::vector<std::string>& paths)> onDrop;

  // Back end side.
  ControlPeer* Peer() const { return peer_.get(); }
  void AttachPeer(std::unique_ptr<ControlPeer> peer);
  void DetachPeer();
  // Called by the form when it loads or unloads (timers start and stop there).
  virtual void FormLoaded() {}
  virtual void FormUnloaded() {}

 protected:
  // Runs after Enabled changed.
  virtual void EnabledChanged() {}
  // Tells the peer, if any, what changed.
  void Changed(Property what);
  // The control's own handling of a key its KeyDown handler let through.
  virtual void DefaultKeyDown(int keyCode, int shift) {}
  // Runs an event handler, if set, as running model code.
  template <class Handler, class... Args>
  void Raise(const Handler& handler, Args&&... args) {
    if (!handler) return;
    Context::Running running(Ctx());
    Handler copy = handler;  // the handler may replace itself while it runs
    copy(std::forward<Args>(args)...);
  }

 private:
  friend class Form;
  // The form moved the focus to or away from this control.
  void FocusChanged(bool got) { Raise(got ? onGotFocus : onLostFocus); }

  Container* parent_;
  std::string name_;
  int index_;
  bool enabled_ = true;
  bool visible_ = true;
  Rect bounds_;
  std::string toolTipText_;
  int tabIndex_ = 0;
  bool tabStop_ = true;
  Pointer pointer_ = Pointer::kDefault;
  ui::Font font_;
  Color backColor_ = kButtonFace;
  Color foreColor_ = kButtonText;
  bool acceptDrops_ = false;
  std::unique_ptr<ControlPeer> peer_;
};

}  // namespace ui
