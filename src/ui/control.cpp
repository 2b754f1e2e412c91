#include "ui/control.h"

#include <utility>

#include "ui/container.h"
#include "ui/form.h"
#include "ui/tab_control.h"
#include "ui/ui_errors.h"

namespace ui {

Control::Control(Container* parent, std::string name, int index)
    : parent_(parent), name_(std::move(name)), index_(index) {
  parent_->Adopt(this);
  parent_->ParentForm().AddControl(this);
}

Control::~Control() {
  peer_.reset();
  parent_->ParentForm().RemoveControl(this);
  parent_->Release(this);
}

Form& Control::ParentForm() const {
  return parent_->ParentForm();
}

Context& Control::Ctx() const {
  return ParentForm().Ctx();
}

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Changed(Property::kEnabled);
  EnabledChanged();
}

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Changed(Property::kVisible);
}

bool Control::IsShown() const {
  return visible_ && parent_->IsShown();
}

bool Control::IsEnabled() const {
  return enabled_ && parent_->IsEnabled();
}

bool Control::OnCurrentTab() const {
  auto* page = dynamic_cast<TabPage*>(parent_);
  return page == nullptr || page->Tabs().Tab() == page->TabIndex();
}

void Control::SetLeft(int left) {
  Move(left, bounds_.top, bounds_.width, bounds_.height);
}

void Control::SetTop(int top) {
  Move(bounds_.left, top, bounds_.width, bounds_.height);
}

void Control::SetWidth(int width) {
  Move(bounds_.left, bounds_.top, width, bounds_.height);
}

void Control::SetHeight(int height) {
  Move(bounds_.left, bounds_.top, bounds_.width, height);
}

void Control::Move(int left, int top) {
  Move(left, top, bounds_.width, bounds_.height);
}

void Control::Move(int left, int top, int width, int height) {
  if (width < 0 || height < 0) throw errors::InvalidPropertyValue();
  Rect bounds{left, top, width, height};
  if (bounds == bounds_) return;
  bounds_ = bounds;
  Changed(Property::kGeometry);
}

void Control::SetToolTipText(std::string text) {
  if (toolTipText_ == text) return;
  toolTipText_ = std::move(text);
  Changed(Property::kToolTip);
}

void Control::SetTabIndex(int tabIndex) {
  if (tabIndex < 0) throw errors::InvalidPropertyValue();
  if (tabIndex_ == tabIndex) return;
  tabIndex_ = tabIndex;
  Changed(Property::kTabOrder);
}

void Control::SetTabStop(bool tabStop) {
  if (tabStop_ == tabStop) return;
  tabStop_ = tabStop;
  Changed(Property::kTabOrder);
}

void Control::SetMousePointer(Pointer pointer) {
  if (pointer_ == pointer) return;
  pointer_ = pointer;
  Changed(Property::kMousePointer);
}

void Control::SetFontName(std::string name) {
  if (font_.name == name) return;
  font_.name = std::move(name);
  Changed(Property::kFont);
}

void Control::SetFontSize(double size) {
  if (size <= 0) throw errors::InvalidPropertyValue();
  if (font_.size == size) return;
  font_.size = size;
  Changed(Property::kFont);
}

void Control::SetFontBold(bool bold) {
  if (font_.bold == bold) return;
  font_.bold = bold;
  Changed(Property::kFont);
}

void Control::SetBackColor(Color color) {
  if (backColor_ == color) return;
  backColor_ = color;
  Changed(Property::kColors);
}

void Control::SetForeColor(Color color) {
  if (foreColor_ == color) return;
  foreColor_ = color;
  Changed(Property::kColors);
}

void Control::SetAcceptDrops(bool accept) {
  if (acceptDrops_ == accept) return;
  acceptDrops_ = accept;
  Changed(Property::kAcceptDrops);
}

void Control::SetFocus() {
  if (!IsShown() || !IsEnabled()) throw errors::InvalidProcedureCall();
  ParentForm().SetActiveControl(this);
  if (peer_) peer_->FocusSet();
}

bool Control::HasFocus() const {
  return ParentForm().ActiveControl() == this;
}

void Control::MouseDown(int button, int shift, int x, int y) {
  Raise(onMouseDown, button, shift, x, y);
}

void Control::MouseMove(int button, int shift, int x, int y) {
  Raise(onMouseMove, button, shift, x, y);
}

void Control::MouseUp(int button, int shift, int x, int y) {
  Raise(onMouseUp, button, shift, x, y);
}

void Control::KeyDown(int& keyCode, int shift) {
  Raise(onKeyDown, keyCode, shift);
  if (keyCode != 0) DefaultKeyDown(keyCode, shift);
}

void Control::KeyUp(int& keyCode, int shift) {
  Raise(onKeyUp, keyCode, shift);
}

void Control::KeyPress(int& keyAscii) {
  Raise(onKeyPress, keyAscii);
}

void Control::Drop(const std::vector<std::string>& paths) {
  Raise(onDrop, paths);
}

void Control::AttachPeer(std::unique_ptr<ControlPeer> peer) {
  peer_ = std::move(peer);
}

void Control::DetachPeer() {
  peer_.reset();
}

void Control::Changed(Property what) {
  if (peer_) peer_->Changed(what);
}

}  // namespace ui
