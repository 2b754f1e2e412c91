#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/shortcut.h"

namespace ui {
class CheckBox;
class ComboBox;
class CommandButton;
class Context;
class Control;
class DirListBox;
class DriveListBox;
class Form;
class Frame;
class Label;
class ListControl;
class MenuItem;
class OptionButton;
class PictureBox;
class ScrollBar;
class TabControl;
class TextBox;
}  // namespace ui

namespace ui::headless {

class HeadlessBackend;

// The scripted user of the tests. Every action is what a person does with the mouse or the
// keyboard, delivered as the real back end delivers it (an error escaping a handler is
// reported in a message box and the program goes on). An action on a control the user could
// not reach (hidden, disabled, on another tab, on a form a modal form blocks) is a failure
// and does nothing.
class User {
 public:
  User(Context& ctx, HeadlessBackend& backend);

  void Click(CommandButton& button);
  void Click(CheckBox& box);
  void Click(OptionButton& option);
  void Click(Label& label);
  void Click(Frame& frame);
  void Click(PictureBox& picture);
  void DblClick(Label& label);
  void DblClick(TextBox& box);

  // Types characters at the caret (KeyPress and Change for each).
  void Type(TextBox& box, const std::string& characters);
  // Selects the whole text and types a new one over it, in one step (as a paste would):
  // one Change.
  void Fill(TextBox& box, const std::string& text);
  void Fill(ComboBox& box, const std::string& text);
  // Moves the caret / selection with the mouse.
  void Select(TextBox& box, int start, int length);

  // Lists: a click on an item (with Shift or Ctrl), a double-click.
  void ClickItem(ListControl& list, int index, int shift = 0);
  void DblClickItem(ListControl& list, int index);
  void ClickItem(DirListBox& list, int index);
  // Double-click on a folder: it opens (becomes Path).
  void OpenItem(DirListBox& list, int index);
  // Picks a drive by the list's text or a letter ("d:").
  void ChooseDrive(DriveListBox& list, const std::string& drive);

  void ChooseTab(TabControl& tabs, int index);
  // Clicks the arrows (small steps) or the track (large steps).
  void Scroll(ScrollBar& bar, int smallSteps, int largeSteps = 0);

  // A key pressed on the control with the focus moved there first: KeyDown, the control's
  // own handling, KeyPress for keys that type a character, KeyUp. Enter and Escape press the
  // form's default and cancel buttons, as dialogs do; Tab (Shift+Tab) moves the focus to the
  // next (previous) control in TabIndex order. For typing text use Type.
  void PressKey(Control& control, int keyCode, int shift = 0);
  // Alt and a letter: opens the top-level menu that marks that access key, else does what
  // ui::FindAccessKeyTarget decides: presses the one button, check box or option button
  // that marks it (a label or frame hands the focus on), or, when several controls mark it,
  // moves the focus to the next of them. Escape on a dialog without a cancel button closes
  // it as the close box does.
  void PressAccessKey(Form& form, char key);
  // Opens the menus above the item (their Click runs) and chooses it.
  void ChooseMenu(MenuItem& item);
  void PressShortcut(Form& form, Shortcut shortcut);

  void MouseDown(Control& control, int button, int shift, int x, int y);
  void MouseMove(Control& control, int button, int shift, int x, int y);
  void MouseUp(Control& control, int button, int shift, int x, int y);
  // Press, move through the points, release: a drag with the mouse captured.
  void Drag(Control& control, int button, const std::vector<std::pair<int, int>>& points);
  void Drop(Control& control, const std::vector<std::string>& paths);

  // Clicks another window of the program, which becomes the active one.
  void Activate(Form& form);
  // The close box.
  void Close(Form& form);
  // Resizing and the window-state buttons of the frame.
  void Resize(Form& form, int width, int height);
  void Minimize(Form& form);
  void Maximize(Form& form);
  void Restore(Form& form);

 private:
  bool CanReach(Control& control, const char* action);
  bool CanReach(Form& form, const char* action);
  void Act(const std::function<void()>& action);
  void Focus(Control& control);
  void TabFrom(Control& control, bool backwards);

  Context& ctx_;
  HeadlessBackend& backend_;
};

}  // namespace ui::headless
