#include "ui/headless/user.h"

#include <algorithm>

#include "ui/access_key_target.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/command_button.h"
#include "ui/context.h"
#include "ui/dir_list_box.h"
#include "ui/drive_list_box.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/headless/headless_backend.h"
#include "ui/label.h"
#include "ui/list_control.h"
#include "ui/menu_item.h"
#include "ui/option_button.h"
#include "ui/picture_box.h"
#include "ui/scroll_bar.h"
#include "ui/tab_control.h"
#include "ui/tab_order.h"
#include "ui/text_box.h"

namespace ui::headless {

namespace {

std::string NameOf(const Control& control) {
  std::string name = control.ParentForm().Name() + "." + control.Name();
  if (control.Index() >= 0) {
    name += '(';
    name += std::to_string(control.Index());
    name += ')';
  }
  return name;
}

// Typing keys that produce a character: the character, or 0.
int AsciiOf(int keyCode, int shift) {
  if (keyCode == kKeyReturn || keyCode == kKeyEscape || keyCode == kKeyBack || keyCode == kKeySpace) return keyCode;
  if (keyCode >= '0' && keyCode <= '9') return keyCode;
  if (keyCode >= 'A' && keyCode <= 'Z') return (shift & kShiftMask) != 0 ? keyCode : keyCode - 'A' + 'a';
  return 0;
}

}  // namespace

User::User(Context& ctx, HeadlessBackend& backend) : ctx_(ctx), backend_(backend) {}

bool User::CanReach(Form& form, const char* action) {
  std::string why;
  if (!form.Loaded() || !form.Visible()) {
    why = "it is not shown";
  } else if (backend_.IsBlocked(form)) {
    why = "a modal form blocks it";
  } else if (!form.Enabled()) {
    why = "it is disabled";
  }
  if (why.empty()) return true;
  backend_.Fail(std::string("cannot ") + action + " on form " + form.Name() + ": " + why);
  return false;
}

bool User::CanReach(Control& control, const char* action) {
  Form& form = control.ParentForm();
  std::string why;
  if (!form.Loaded() || !form.Visible()) {
    why = "its form is not shown";
  } else if (backend_.IsBlocked(form)) {
    why = "a modal form blocks its form";
  } else if (!form.Enabled()) {
    why = "its form is disabled";
  } else if (!control.IsShown()) {
    why = "it is not visible";
  } else if (!control.IsEnabled()) {
    why = "it is disabled";
  }
  if (why.empty()) return true;
  backend_.Fail(std::string("cannot ") + action + " " + NameOf(control) + ": " + why);
  return false;
}

void User::Act(const std::function<void()>& action) {
  backend_.CountEvent();
  try {
    ctx_.UserAction(action);
  } catch (const ProgramEnd&) {
    if (ctx_.IsRunning()) throw;
  }
}

void User::Focus(Control& control) {
  if (TakesFocus(control)) control.SetFocus();
}

void User::Click(CommandButton& button) {
  if (!CanReach(button, "click")) return;
  Act([&] {
    Focus(button);
    button.Click();
  });
}

void User::Click(CheckBox& box) {
  if (!CanReach(box, "click")) return;
  Act([&] {
    Focus(box);
    box.Click();
  });
}

void User::Click(OptionButton& option) {
  if (!CanReach(option, "click")) return;
  Act([&] {
    Focus(option);
    option.Click();
  });
}

void User::Click(Label& label) {
  if (CanReach(label, "click")) Act([&] { label.Click(); });
}

void User::Click(Frame& frame) {
  if (CanReach(frame, "click")) Act([&] { frame.Click(); });
}

void User::Click(PictureBox& picture) {
  if (CanReach(picture, "click")) Act([&] { picture.Click(); });
}

void User::DblClick(Label& label) {
  if (!CanReach(label, "double-click")) return;
  Act([&] { label.Click(); });
  Act([&] { label.DblClick(); });
}

void User::DblClick(TextBox& box) {
  if (!CanReach(box, "double-click")) return;
  Act([&] {
    Focus(box);
    box.DblClick();
  });
}

void User::Type(TextBox& box, const std::string& characters) {
  if (!CanReach(box, "type in")) return;
  Act([&] {
    Focus(box);
    box.Type(characters);
  });
}

void User::Fill(TextBox& box, const std::string& text) {
  if (!CanReach(box, "fill")) return;
  if (box.Locked()) {
    backend_.Fail("cannot fill " + NameOf(box) + ": it is locked");
    return;
  }
  std::string typed = box.MaxLength() > 0 ? text.substr(0, static_cast<std::size_t>(box.MaxLength())) : text;
  Act([&] {
    Focus(box);
    box.EditByUser(typed, static_cast<int>(typed.size()));
  });
}

void User::Fill(ComboBox& box, const std::string& text) {
  if (!CanReach(box, "fill")) return;
  if (box.Style() == ComboStyle::kDropDownList) {
    backend_.Fail("cannot type in " + NameOf(box) + ": it is a drop-down list");
    return;
  }
  Act([&] {
    Focus(box);
    box.EditByUser(text);
  });
}

void User::Select(TextBox& box, int start, int length) {
  if (!CanReach(box, "select in")) return;
  Act([&] {
    Focus(box);
    box.SetSelStart(start);
    box.SetSelLength(length);
  });
}

void User::ClickItem(ListControl& list, int index, int shift) {
  if (!CanReach(list, "click an item of")) return;
  if (index < 0 || index >= list.ListCount()) {
    backend_.Fail(NameOf(list) + " has no item " + std::to_string(index));
    return;
  }
  Act([&] {
    Focus(list);
    list.ClickItem(index, shift);
  });
}

void User::DblClickItem(ListControl& list, int index) {
  if (!CanReach(list, "double-click an item of")) return;
  if (index < 0 || index >= list.ListCount()) {
    backend_.Fail(NameOf(list) + " has no item " + std::to_string(index));
    return;
  }
  Act([&] {
    Focus(list);
    list.ClickItem(index);
  });
  Act([&] { list.DblClick(); });
}

void User::ClickItem(DirListBox& list, int index) {
  if (!CanReach(list, "click an item of")) return;
  if (index < -list.Levels() || index >= list.ListCount()) {
    backend_.Fail(NameOf(list) + " has no item " + std::to_string(index));
    return;
  }
  Act([&] {
    Focus(list);
    list.ClickItem(index);
  });
}

void User::OpenItem(DirListBox& list, int index) {
  if (!CanReach(list, "open an item of")) return;
  if (index < -list.Levels() || index >= list.ListCount()) {
    backend_.Fail(NameOf(list) + " has no item " + std::to_string(index));
    return;
  }
  Act([&] {
    Focus(list);
    list.ClickItem(index);
  });
  Act([&] { list.OpenItem(index); });
}

void User::ChooseDrive(DriveListBox& list, const std::string& drive) {
  if (!CanReach(list, "choose a drive in")) return;
  int found = -1;
  for (int i = 0; i < list.ListCount() && found < 0 && !drive.empty(); ++i) {
    if (std::tolower(static_cast<unsigned char>(list.List(i)[0])) == std::tolower(static_cast<unsigned char>(drive[0])))
      found = i;
  }
  if (found < 0) {
    backend_.Fail(NameOf(list) + " shows no drive " + drive);
    return;
  }
  Act([&] {
    Focus(list);
    list.SetListIndex(found);
  });
}

void User::ChooseTab(TabControl& tabs, int index) {
  if (!CanReach(tabs, "choose a tab of")) return;
  if (index < 0 || index >= tabs.Tabs() || !tabs.TabVisible(index) || !tabs.TabEnabled(index)) {
    backend_.Fail("cannot choose tab " + std::to_string(index) + " of " + NameOf(tabs));
    return;
  }
  Act([&] { tabs.ChooseTab(index); });
}

void User::Scroll(ScrollBar& bar, int smallSteps, int largeSteps) {
  if (!CanReach(bar, "scroll")) return;
  Act([&] { bar.ScrollBy(smallSteps, largeSteps); });
}

void User::PressKey(Control& control, int keyCode, int shift) {
  if (!CanReach(control, "press a key on")) return;
  if (keyCode == kKeyTab) {
    Act([&] { TabFrom(control, (shift & kShiftMask) != 0); });
    return;
  }
  Act([&] {
    Focus(control);
    Form& form = control.ParentForm();
    auto* box = dynamic_cast<TextBox*>(&control);
    auto* ownButton = dynamic_cast<CommandButton*>(&control);
    bool dialogKey = (keyCode == kKeyReturn && (box == nullptr || !box->MultiLine()) && ownButton == nullptr) ||
                     keyCode == kKeyEscape;
    CommandButton* pressed = keyCode == kKeyReturn ? form.DefaultButton() : form.CancelButton();
    if (dialogKey && pressed != nullptr && pressed->IsShown() && pressed->IsEnabled()) {
      pressed->Click();
      return;
    }
    if (keyCode == kKeyEscape && form.EscapeCloses()) {
      form.Close();
      return;
    }
    int code = keyCode;
    control.KeyDown(code, shift);
    if (code == 0) return;
    if (ownButton != nullptr && (code == kKeyReturn || code == kKeySpace)) ownButton->Click();
    int ascii = AsciiOf(code, shift);
    if (ascii != 0) control.KeyPress(ascii);
    int up = keyCode;
    control.KeyUp(up, shift);
  });
}

void User::PressAccessKey(Form& form, char key) {
  if (!CanReach(form, "press an access key")) return;
  if (MenuItem* menu = form.MenuOfAccessKey(key)) return ChooseMenu(*menu);
  AccessKeyTarget target = FindAccessKeyTarget(form, key, form.ActiveControl());
  if (target.press != nullptr) {
    if (auto* button = dynamic_cast<CommandButton*>(target.press)) return Click(*button);
    if (auto* box = dynamic_cast<CheckBox*>(target.press)) return Click(*box);
    if (auto* option = dynamic_cast<OptionButton*>(target.press)) return Click(*option);
    target.focus = &AccessKeyFocus(*target.press);
  }
  Control* focus = target.focus;
  if (focus != nullptr && TakesFocus(*focus) && focus->IsShown() && focus->IsEnabled()) {
    Act([focus] { focus->SetFocus(); });
  }
}

void User::TabFrom(Control& control, bool backwards) {
  Control& next = NextTabStop(control, backwards);
  if (TakesFocus(next)) next.SetFocus();
}

void User::ChooseMenu(MenuItem& item) {
  if (!CanReach(item.ParentForm(), "choose a menu")) return;
  std::vector<MenuItem*> path;
  for (MenuItem* at = &item; at != nullptr; at = at->ParentItem()) path.insert(path.begin(), at);
  for (MenuItem* step : path) {
    if (!step->Visible() || !step->Enabled()) {
      backend_.Fail("cannot choose menu " + item.Name() + ": " + step->Name() + " is hidden or disabled");
      return;
    }
    Act([step] { step->Click(); });
  }
}

void User::PressShortcut(Form& form, Shortcut shortcut) {
  if (CanReach(form, "press a shortcut")) Act([&] { form.PressShortcut(shortcut); });
}

void User::MouseDown(Control& control, int button, int shift, int x, int y) {
  if (CanReach(control, "press the mouse on")) Act([&] { control.MouseDown(button, shift, x, y); });
}

void User::MouseMove(Control& control, int button, int shift, int x, int y) {
  if (CanReach(control, "move the mouse on")) Act([&] { control.MouseMove(button, shift, x, y); });
}

void User::MouseUp(Control& control, int button, int shift, int x, int y) {
  if (CanReach(control, "release the mouse on")) Act([&] { control.MouseUp(button, shift, x, y); });
}

void User::Drag(Control& control, int button, const std::vector<std::pair<int, int>>& points) {
  if (points.empty() || !CanReach(control, "drag")) return;
  Act([&] { control.MouseDown(button, 0, points.front().first, points.front().second); });
  for (std::size_t i = 1; i < points.size(); ++i) {
    Act([&] { control.MouseMove(button, 0, points[i].first, points[i].second); });
  }
  Act([&] { control.MouseUp(button, 0, points.back().first, points.back().second); });
}

void User::Drop(Control& control, const std::vector<std::string>& paths) {
  if (!CanReach(control, "drop files on")) return;
  if (!control.AcceptDrops()) {
    backend_.Fail(NameOf(control) + " does not accept dropped files");
    return;
  }
  Act([&] { control.Drop(paths); });
}

void User::Activate(Form& form) {
  if (CanReach(form, "activate")) backend_.ActivateByUser(form);
}

void User::Close(Form& form) {
  if (CanReach(form, "close")) Act([&] { form.Close(); });
}

void User::Resize(Form& form, int width, int height) {
  if (!CanReach(form, "resize")) return;
  bool sizable = form.BorderStyle() == BorderStyle::kSizable || form.BorderStyle() == BorderStyle::kSizableToolWindow;
  if (!sizable || form.WindowState() != WindowState::kNormal) {
    backend_.Fail("cannot resize form " + form.Name() + ": it is not sizable now");
    return;
  }
  Act([&] { form.Move(form.Left(), form.Top(), width, height); });
}

void User::Minimize(Form& form) {
  if (!CanReach(form, "minimize")) return;
  if (!form.HasMinimizeBox()) {
    backend_.Fail("cannot minimize form " + form.Name() + ": it has no minimize box");
    return;
  }
  Act([&] { form.SetWindowState(WindowState::kMinimized); });
}

void User::Maximize(Form& form) {
  if (!CanReach(form, "maximize")) return;
  if (!form.HasMaximizeBox()) {
    backend_.Fail("cannot maximize form " + form.Name() + ": it has no maximize box");
    return;
  }
  Act([&] { form.SetWindowState(WindowState::kMaximized); });
}

void User::Restore(Form& form) {
  if (form.Loaded() && form.Visible()) Act([&] { form.SetWindowState(WindowState::kNormal); });
}

}  // namespace ui::headless
