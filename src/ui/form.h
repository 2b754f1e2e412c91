#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/container.h"
#include "ui/context.h"
#include "ui/geometry.h"
#include "ui/peer.h"
#include "ui/shortcut.h"
#include "ui/types.h"

namespace ui {

class CommandButton;
class Control;
class FormSlotBase;
class MenuItem;

enum class BorderStyle : int {
  kNone = 0,
  kFixedSingle = 1,
  kSizable = 2,
  kFixedDialog = 3,
  kFixedToolWindow = 4,
  kSizableToolWindow = 5,
};
enum class WindowState : int { kNormal = 0, kMinimized = 1, kMaximized = 2 };
enum class StartUpPosition : int { kManual = 0, kCenterOwner = 1, kCenterScreen = 2, kWindowsDefault = 3 };
enum class ShowMode : int { kModeless = 0, kModal = 1 };
// Why a form is being unloaded (passed to QueryUnload).
enum class UnloadMode : int {
  kFormControlMenu = 0,  // the user closed it (close box, system menu, Alt+F4)
  kFormCode = 1,         // the Unload statement
  kAppWindows = 2,       // Windows is shutting down
  kAppTaskManager = 3,
  kFormOwner = 5,
};

// A top-level window. A form class derives from Form, declares its controls and menus as
// members, sets their design-time properties in its constructor and wires their events to
// its handlers:
//
//   class frmAbout : public ui::Form {
//    public:
//     explicit frmAbout(ui::Context& ctx) : Form(ctx, "frmAbout") {
//       SetCaption("About");
//       cmdOK.SetCaption("&OK");
//       cmdOK.onClick = [this] { cmdOK_Click(); };
//     }
//     ui::CommandButton cmdOK{this, "cmdOK"};
//     void cmdOK_Click() { Hide(); }
//   };
//
// Life cycle: created and loaded on first touch (through its FormSlot; Load runs then),
// shown and hidden any number of times (Hide keeps all state), unloaded by Unload or the
// close box. A form reached through a slot is destroyed after its unload, and the next
// touch creates a fresh one.
class Form : public Container {
 public:
  Form(Context& ctx, std::string name);
  ~Form() override;

  const std::string& Name() const { return name_; }
  Context& Ctx() const { return ctx_; }
  Form& ParentForm() const override { return const_cast<Form&>(*this); }
  bool IsShown() const override { return visible_; }
  bool IsEnabled() const override { return enabled_; }

  // Life cycle.
  bool Loaded() const { return loaded_; }
  // Loads the form when it is not loaded: its Load event runs. A slot does this on first touch.
  void Load();
  // Shows the form (loading it first). Modal: runs a nested loop until the form is hidden or
  // unloaded; the windows shown before it (its owner among them) take no input meanwhile.
  // Showing a visible form modally is error 400.
  void Show(ShowMode mode = ShowMode::kModeless, Form* owner = nullptr);
  void Hide();
  // The Unload statement: QueryUnload and Unload run and may cancel; then the form closes
  // and is destroyed when its slot owns it.
  void Unload();
  // The close box: as Unload, with the user's unload mode. Returns whether it unloaded.
  bool Close();
  // The Windows session ends: QueryEndSession runs QueryUnload with kAppWindows and returns
  // whether the form lets the session end; EndSession then unloads it without asking again.
  bool QueryEndSession();
  void EndSession();
  bool IsModal() const { return modal_; }
  // The form named as owner by the last Show that named one; nullptr once either unloads.
  Form* Owner() const { return owner_; }

  // Properties.
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // Outer bounds (frame, title bar and menu bar included), in twips. Error 384 while the
  // form is minimised or maximised; a negative size is error 380.
  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.width; }
  int Height() const { return bounds_.height; }
  Rect Bounds() const { return bounds_; }
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);
  void Move(int left, int top);
  void Move(int left, int top, int width, int height);
  // The client area's size (the outer size less frame, title bar and menu bar).
  int ScaleWidth() const;
  int ScaleHeight() const;
  ui::BorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(ui::BorderStyle style);
  // The minimise and maximise boxes of the title bar, on by default. Only a sizable border
  // shows both and a fixed single one the minimise box; without the box the user cannot
  // minimise (maximise) the window.
  bool MinButton() const { return minButton_; }
  void SetMinButton(bool on);
  bool MaxButton() const { return maxButton_; }
  void SetMaxButton(bool on);
  bool HasMinimizeBox() const;
  bool HasMaximizeBox() const;
  ui::WindowState WindowState() const { return windowState_; }
  void SetWindowState(ui::WindowState state);
  ui::StartUpPosition StartUpPosition() const { return startUpPosition_; }
  void SetStartUpPosition(ui::StartUpPosition position);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  Pointer MousePointer() const { return pointer_; }
  void SetMousePointer(Pointer pointer);
  Color BackColor() const { return backColor_; }
  void SetBackColor(Color color);
  // Always on top of other programs' windows.
  // A modeless showing reaches the screen only once it has lasted this many milliseconds (0:
  // at once), so that the window of an operation that ends sooner never appears. The form
  // counts as shown meanwhile.
  int AppearDelay() const { return appearDelay_; }
  void SetAppearDelay(int milliseconds) { appearDelay_ = milliseconds; }
  bool TopMost() const { return topMost_; }
  void SetTopMost(bool topMost);

  // Controls and menus.
  // Every control of the form, in creation order, whatever its container.
  const std::vector<Control*>& AllControls() const { return allControls_; }
  Control* FindControl(const std::string& name, int index = -1) const;
  // The top-level menu items, in creation order.
  const std::vector<MenuItem*>& Menus() const { return menus_; }
  // Every menu item, in creation order.
  const std::vector<MenuItem*>& AllMenuItems() const { return allMenuItems_; }
  // A control created after the form loaded (a control array element): the back end shows it.
  void ControlLoaded(Control& control);
  Control* ActiveControl() const { return activeControl_; }
  // The button Enter presses and the one Escape presses, if any.
  CommandButton* DefaultButton() const;
  CommandButton* CancelButton() const;
  // Escape on a dialog without a cancel button closes it as its close box does, as Windows
  // dialogs do; a sizable window without one ignores Escape.
  bool EscapeCloses() const;
  // The shown, enabled top-level menu whose caption marks this access key, if any. Alt and
  // that key open the menu before any control marking the same key.
  MenuItem* MenuOfAccessKey(char key) const;

  // Runs the menu item that carries this shortcut, when it and every menu above it are
  // visible and enabled. Returns whether one ran.
  bool PressShortcut(Shortcut shortcut);
  // Shows a pop-up menu of a menu item (which may itself be hidden) and runs the item chosen.
  void PopupMenu(MenuItem& menu, MenuItem* defaultItem = nullptr);
  // The same beside the item of a list control, for the keyboard (Shift+F10, the Menu key).
  void PopupMenuAt(MenuItem& menu, MenuItem* defaultItem, const Control& list, int item);

  // Input the back end delivers.
  void Activated();
  void Deactivated();
  void MouseDown(int button, int shift, int x, int y);
  void MouseMove(int button, int shift, int x, int y);
  void MouseUp(int button, int shift, int x, int y);

  // Events.
  std::function<void()> onLoad;
  std::function<void()> onActivate;
  std::function<void()> onDeactivate;
  std::function<void()> onResize;
  std::function<void(bool& cancel, UnloadMode mode)> onQueryUnload;
  std::function<void(bool& cancel)> onUnload;
  std::function<void(int button, int shift, int x, int y)> onMouseDown;
  std::function<void(int button, int shift, int x, int y)> onMouseMove;
  std::function<void(int button, int shift, int x, int y)> onMouseUp;

  // Back end side.
  FormPeer* Peer() const { return peer_.get(); }
  void AttachPeer(std::unique_ptr<FormPeer> peer);

 protected:
  template <class Handler, class... Args>
  void Raise(const Handler& handler, Args&&... args) {
    if (!handler) return;
    Context::Running running(ctx_);
    Handler copy = handler;
    copy(std::forward<Args>(args)...);
  }

 private:
  friend class Control;
  friend class MenuItem;
  friend class FormSlotBase;

  void Changed(Property what);
  void MenuChanged(MenuItem& item);
  void ShowPopup(MenuItem& menu, MenuItem* defaultItem, const PopupAnchor* anchor);
  void AddControl(Control* control);
  void RemoveControl(Control* control);
  void AddMenu(MenuItem* item);
  void RemoveMenu(MenuItem* item);
  void SetActiveControl(Control* control);
  void RaiseResize();
  bool UnloadWith(UnloadMode mode, bool query = true);
  void ShowWindow();
  void PlaceAtFirstShow();
  void Center(const Rect& area);
  void SetOwner(Form* owner);
  // Forgets the owner and the forms this one owns, in both directions.
  void DropOwnerLinks();

  Context& ctx_;
  std::string name_;
  FormSlotBase* slot_ = nullptr;
  bool loaded_ = false;
  bool retired_ = false;
  bool visible_ = false;
  bool shownBefore_ = false;
  bool modal_ = false;
  bool unloading_ = false;
  bool enabled_ = true;
  bool topMost_ = false;
  int appearDelay_ = 0;
  Form* owner_ = nullptr;
  std::vector<Form*> owned_;  // the forms whose owner_ is this one
  std::string caption_;
  Rect bounds_{0, 0, 4800, 3600};
  Rect restoredBounds_;
  ui::BorderStyle borderStyle_ = ui::BorderStyle::kSizable;
  bool minButton_ = true;
  bool maxButton_ = true;
  ui::WindowState windowState_ = ui::WindowState::kNormal;
  ui::StartUpPosition startUpPosition_ = ui::StartUpPosition::kWindowsDefault;
  Pointer pointer_ = Pointer::kDefault;
  Color backColor_ = kButtonFace;
  Control* activeControl_ = nullptr;
  std::vector<Control*> allControls_;
  std::vector<MenuItem*> menus_;
  std::vector<MenuItem*> allMenuItems_;
  std::unique_ptr<FormPeer> peer_;
};

}  // namespace ui
