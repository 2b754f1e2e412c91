#include "ui/form.h"

#include <algorithm>
#include <utility>

#include "runtime/text.h"
#include "ui/access_key.h"
#include "ui/command_button.h"
#include "ui/control.h"
#include "ui/form_slot.h"
#include "ui/menu_item.h"
#include "ui/ui_errors.h"

namespace ui {

Form::Form(Context& ctx, std::string name) : ctx_(ctx), name_(std::move(name)) {}

Form::~Form() {
  if (loaded_) ctx_.GetBackend().FormUnloaded(*this);
  peer_.reset();
  DropOwnerLinks();
}

void Form::Load() {
  if (loaded_) return;
  if (retired_) throw errors::ObjectUnloaded();
  Context::Running running(ctx_);
  loaded_ = true;
  ctx_.GetBackend().FormLoaded(*this);
  for (Control* control : allControls_) control->FormLoaded();
  Raise(onLoad);
}

void Form::Show(ShowMode mode, Form* owner) {
  Context::Running running(ctx_);
  Load();
  if (!loaded_) return;
  if (owner != nullptr) SetOwner(owner);
  if (mode == ShowMode::kModeless) {
    ShowWindow();
    return;
  }
  if (visible_) throw errors::AlreadyShown();
  struct ModalFlag {
    bool& flag;
    ~ModalFlag() { flag = false; }
  } modalFlag{modal_};
  modal_ = true;
  ShowWindow();
  if (visible_ && loaded_) ctx_.GetBackend().RunModal(*this);
}

void Form::SetOwner(Form* owner) {
  if (owner == owner_ || owner == this) return;
  if (owner_ != nullptr) std::erase(owner_->owned_, this);
  owner_ = owner;
  owner_->owned_.push_back(this);
}

void Form::DropOwnerLinks() {
  if (owner_ != nullptr) std::erase(owner_->owned_, this);
  owner_ = nullptr;
  for (Form* owned : owned_) owned->owner_ = nullptr;
  owned_.clear();
}

void Form::ShowWindow() {
  if (visible_) {
    ctx_.GetBackend().FormShown(*this);
    return;
  }
  visible_ = true;
  bool first = !shownBefore_;
  if (first) {
    shownBefore_ = true;
    PlaceAtFirstShow();
  }
  Changed(Property::kVisible);
  if (first) RaiseResize();
  if (visible_) ctx_.GetBackend().FormShown(*this);
}

void Form::PlaceAtFirstShow() {
  switch (startUpPosition_) {
    case ui::StartUpPosition::kCenterScreen:
      Center(ctx_.GetBackend().WorkArea());
      break;
    case ui::StartUpPosition::kCenterOwner:
      Center(owner_ != nullptr && owner_->Visible() ? owner_->Bounds() : ctx_.GetBackend().WorkArea());
      break;
    case ui::StartUpPosition::kManual:
    case ui::StartUpPosition::kWindowsDefault:
      break;
  }
}

void Form::Center(const Rect& area) {
  if (windowState_ != ui::WindowState::kNormal) return;
  bounds_.left = area.left + (area.width - bounds_.width) / 2;
  bounds_.top = area.top + (area.height - bounds_.height) / 2;
  Changed(Property::kGeometry);
}

void Form::Hide() {
  Context::Running running(ctx_);
  Load();
  if (!visible_) return;
  visible_ = false;
  Changed(Property::kVisible);
  ctx_.GetBackend().FormHidden(*this);
}

void Form::SetVisible(bool visible) {
  if (visible) {
    Show();
  } else {
    Hide();
  }
}

void Form::Unload() {
  UnloadWith(UnloadMode::kFormCode);
}

bool Form::Close() {
  return UnloadWith(UnloadMode::kFormControlMenu);
}

bool Form::QueryEndSession() {
  if (!loaded_ || unloading_) return true;
  Context::Running running(ctx_);
  bool cancel = false;
  Raise(onQueryUnload, cancel, UnloadMode::kAppWindows);
  return !cancel || !loaded_;
}

void Form::EndSession() {
  UnloadWith(UnloadMode::kAppWindows, false);
}

bool Form::UnloadWith(UnloadMode mode, bool query) {
  if (!loaded_ || unloading_) return !loaded_;
  Context::Running running(ctx_);
  bool cancel = false;
  if (query) Raise(onQueryUnload, cancel, mode);
  if (cancel || !loaded_) return !loaded_;
  Raise(onUnload, cancel);
  if (cancel || !loaded_) return !loaded_;
  unloading_ = true;
  if (visible_) {
    visible_ = false;
    Changed(Property::kVisible);
    ctx_.GetBackend().FormHidden(*this);
  }
  for (Control* control : allControls_) control->FormUnloaded();
  ctx_.GetBackend().FormUnloaded(*this);
  DropOwnerLinks();
  for (Control* control : allControls_) control->DetachPeer();
  peer_.reset();
  loaded_ = false;
  unloading_ = false;
  shownBefore_ = false;
  activeControl_ = nullptr;
  if (slot_ != nullptr) {
    retired_ = true;
    slot_->Release(*this);  // may hand this form to the context, which destroys it later
  }
  return true;
}

void Form::SetCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  Changed(Property::kCaption);
}

void Form::SetLeft(int left) {
  Move(left, bounds_.top, bounds_.width, bounds_.height);
}

void Form::SetTop(int top) {
  Move(bounds_.left, top, bounds_.width, bounds_.height);
}

void Form::SetWidth(int width) {
  Move(bounds_.left, bounds_.top, width, bounds_.height);
}

void Form::SetHeight(int height) {
  Move(bounds_.left, bounds_.top, bounds_.width, height);
}

void Form::Move(int left, int top) {
  Move(left, top, bounds_.width, bounds_.height);
}

void Form::Move(int left, int top, int width, int height) {
  if (windowState_ != ui::WindowState::kNormal) throw errors::CannotMoveSizedForm();
  if (width < 0 || height < 0) throw errors::InvalidPropertyValue();
  Rect bounds{left, top, width, height};
  if (bounds == bounds_) return;
  bool resized = bounds.width != bounds_.width || bounds.height != bounds_.height;
  bounds_ = bounds;
  Changed(Property::kGeometry);
  if (resized) RaiseResize();
}

int Form::ScaleWidth() const {
  return std::max(0, bounds_.width - ctx_.GetBackend().NonClientSize(*this).width);
}

int Form::ScaleHeight() const {
  return std::max(0, bounds_.height - ctx_.GetBackend().NonClientSize(*this).height);
}

void Form::SetBorderStyle(ui::BorderStyle style) {
  if (borderStyle_ == style) return;
  borderStyle_ = style;
  Changed(Property::kBorderStyle);
}

void Form::SetMinButton(bool on) {
  if (minButton_ == on) return;
  minButton_ = on;
  Changed(Property::kBorderStyle);
}

void Form::SetMaxButton(bool on) {
  if (maxButton_ == on) return;
  maxButton_ = on;
  Changed(Property::kBorderStyle);
}

bool Form::HasMinimizeBox() const {
  return minButton_ && (borderStyle_ == ui::BorderStyle::kSizable || borderStyle_ == ui::BorderStyle::kFixedSingle);
}

bool Form::HasMaximizeBox() const {
  return maxButton_ && borderStyle_ == ui::BorderStyle::kSizable;
}

void Form::SetWindowState(ui::WindowState state) {
  if (windowState_ == state) return;
  if (windowState_ == ui::WindowState::kNormal) restoredBounds_ = bounds_;
  windowState_ = state;
  if (state == ui::WindowState::kMaximized) bounds_ = ctx_.GetBackend().WorkArea();
  if (state == ui::WindowState::kNormal) bounds_ = restoredBounds_;
  Changed(Property::kWindowState);
  RaiseResize();
}

void Form::SetStartUpPosition(ui::StartUpPosition position) {
  startUpPosition_ = position;
}

void Form::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Changed(Property::kEnabled);
}

void Form::SetMousePointer(Pointer pointer) {
  if (pointer_ == pointer) return;
  pointer_ = pointer;
  Changed(Property::kMousePointer);
}

void Form::SetBackColor(Color color) {
  if (backColor_ == color) return;
  backColor_ = color;
  Changed(Property::kColors);
}

void Form::SetTopMost(bool topMost) {
  if (topMost_ == topMost) return;
  topMost_ = topMost;
  Changed(Property::kTopMost);
}

Control* Form::FindControl(const std::string& name, int index) const {
  for (Control* control : allControls_) {
    if (control->Name() == name && control->Index() == index) return control;
  }
  return nullptr;
}

void Form::ControlLoaded(Control& control) {
  if (!loaded_) return;
  ctx_.GetBackend().ControlAdded(control);
  control.FormLoaded();
}

CommandButton* Form::DefaultButton() const {
  for (Control* control : allControls_) {
    auto* button = dynamic_cast<CommandButton*>(control);
    if (button != nullptr && button->Default()) return button;
  }
  return nullptr;
}

CommandButton* Form::CancelButton() const {
  for (Control* control : allControls_) {
    auto* button = dynamic_cast<CommandButton*>(control);
    if (button != nullptr && button->Cancel()) return button;
  }
  return nullptr;
}

bool Form::EscapeCloses() const {
  bool dialog = borderStyle_ == ui::BorderStyle::kFixedDialog || borderStyle_ == ui::BorderStyle::kFixedToolWindow ||
                borderStyle_ == ui::BorderStyle::kSizableToolWindow;
  return dialog && CancelButton() == nullptr;
}

MenuItem* Form::MenuOfAccessKey(char key) const {
  char wanted = runtime::UpperCase(key);
  if (wanted == 0) return nullptr;
  for (MenuItem* menu : menus_) {
    if (menu->Visible() && menu->Enabled() && AccessKey(menu->Caption()) == wanted) return menu;
  }
  return nullptr;
}

bool Form::PressShortcut(Shortcut shortcut) {
  if (shortcut.IsNone()) return false;
  for (MenuItem* item : allMenuItems_) {
    if (item->Shortcut() == shortcut && item->IsAvailable() && !item->IsSeparator()) {
      item->Click();
      return true;
    }
  }
  return false;
}

void Form::PopupMenu(MenuItem& menu, MenuItem* defaultItem) {
  ShowPopup(menu, defaultItem, nullptr);
}

void Form::PopupMenuAt(MenuItem& menu, MenuItem* defaultItem, const Control& list, int item) {
  const PopupAnchor anchor{&list, item};
  ShowPopup(menu, defaultItem, &anchor);
}

void Form::ShowPopup(MenuItem& menu, MenuItem* defaultItem, const PopupAnchor* anchor) {
  Context::Running running(ctx_);
  MenuItem* chosen = ctx_.GetBackend().PopupMenu(*this, menu, defaultItem, anchor);
  if (chosen != nullptr) ctx_.UserAction([chosen] { chosen->Click(); });
}

void Form::Activated() {
  Raise(onActivate);
}

void Form::Deactivated() {
  Raise(onDeactivate);
}

void Form::MouseDown(int button, int shift, int x, int y) {
  Raise(onMouseDown, button, shift, x, y);
}

void Form::MouseMove(int button, int shift, int x, int y) {
  Raise(onMouseMove, button, shift, x, y);
}

void Form::MouseUp(int button, int shift, int x, int y) {
  Raise(onMouseUp, button, shift, x, y);
}

void Form::AttachPeer(std::unique_ptr<FormPeer> peer) {
  peer_ = std::move(peer);
}

void Form::Changed(Property what) {
  if (peer_) peer_->Changed(what);
}

void Form::MenuChanged(MenuItem& item) {
  if (peer_) peer_->MenuChanged(item);
}

void Form::AddControl(Control* control) {
  allControls_.push_back(control);
}

void Form::RemoveControl(Control* control) {
  std::erase(allControls_, control);
  if (activeControl_ == control) activeControl_ = nullptr;
}

void Form::AddMenu(MenuItem* item) {
  allMenuItems_.push_back(item);
  if (item->ParentItem() == nullptr) menus_.push_back(item);
}

void Form::RemoveMenu(MenuItem* item) {
  std::erase(allMenuItems_, item);
  std::erase(menus_, item);
}

void Form::SetActiveControl(Control* control) {
  if (activeControl_ == control) return;
  Control* previous = activeControl_;
  activeControl_ = control;
  if (previous != nullptr) previous->FocusChanged(false);
  if (control != nullptr && activeControl_ == control) control->FocusChanged(true);
}

void Form::RaiseResize() {
  if (loaded_) Raise(onResize);
}

}  // namespace ui
