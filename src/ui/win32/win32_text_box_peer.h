#pragma once

#include "ui/text_box.h"
#include "ui/win32/win32_control_peer.h"

namespace ui::win32 {

// A text box: an EDIT control. Typing reaches the model as the whole new text and caret
// (EN_CHANGE); the caret and selection the user moves are told to the model as they change,
// so code reads them right. A multi-line box leaves Tab and Escape to the dialog keys, and
// Enter too while the form has a default button (Ctrl+Enter then starts a new line).
class Win32TextBoxPeer : public Win32ControlPeer {
 public:
  Win32TextBoxPeer(Win32Backend& backend, TextBox& box) : Win32ControlPeer(backend, box), box_(box) {}

  void Changed(Property what) override;
  bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
  WindowSpec Spec() const override;
  void SyncAll() override;
  bool KindMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void AfterMessage(UINT message) override;

 private:
  void SyncText();
  void SyncSelection();
  void SyncLimits();
  void TellSelection();
  LRESULT DialogCode(WPARAM wParam, LPARAM lParam);

  TextBox& box_;
};

}  // namespace ui::win32
