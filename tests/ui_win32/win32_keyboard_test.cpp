// Keys typed into the real input queue (SendInput) reach menus, buttons and dialogs as in any
// Windows program, and the session-end messages unload forms as the close box does.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui_win32/win32_fixture.h"

namespace ui::win32 {
namespace {

class FrmKeys : public Form {
 public:
  FrmKeys(Context& ctx, ui::BorderStyle border) : Form(ctx, "frmKeys") {
    SetCaption("Keys");
    SetBorderStyle(border);
    Move(600, 600, 6000, 4500);
    chkTestRun.SetCaption("&Test Run");
    chkTestRun.Move(150, 300, 2400, 300);
    chkTestRun.SetTabIndex(0);
    cmdFavorites.SetCaption("&Favorites");
    cmdFavorites.Move(150, 900, 1500, 375);
    cmdGo.SetCaption("&Go");
    cmdGo.Move(1800, 900, 1200, 375);
    chkTestRun.onClick = [this] { seen += "Test Run;"; };
    cmdFavorites.onClick = [this] { seen += "Favorites;"; };
    cmdGo.onClick = [this] { seen += "Go;"; };
    onQueryUnload = [this](bool&, UnloadMode mode) {
      seen += "QueryUnload " + std::to_string(static_cast<int>(mode)) + ";";
    };
  }
  void AddMenus() {
    mnuFile.SetCaption("&File");
    mnuFileOpen.SetCaption("&Open");
    mnuTools.SetCaption("&Tools");
    mnuToolsOptions.SetCaption("&Options");
    mnuFile.onClick = [this] { seen += "File menu;"; };
    mnuTools.onClick = [this] { seen += "Tools menu;"; };
  }

  CheckBox chkTestRun{this, "chkTestRun"};
  CommandButton cmdFavorites{this, "cmdFavorites"};
  CommandButton cmdGo{this, "cmdGo"};
  MenuItem mnuFile{this, "mnuFile"};
  MenuItem mnuFileOpen{&mnuFile, "mnuFileOpen"};
  MenuItem mnuTools{this, "mnuTools"};
  MenuItem mnuToolsOptions{&mnuTools, "mnuToolsOptions"};
  std::string seen;
};

using test_support::Stroke;

class Win32KeyboardTest : public test_support::Win32InputTest {};

TEST_F(Win32KeyboardTest, AltAndAMenuTitlesLetterOpenTheMenuBeforeAControlMarkingIt) {
  struct Case {
    const char* keys;
    bool menus;
    std::vector<Stroke> strokes;
    std::string seen;
  };
  const std::vector<Stroke> closeMenu = {VK_ESCAPE, -VK_ESCAPE, VK_ESCAPE, -VK_ESCAPE};
  auto with = [&](std::vector<Stroke> strokes) {
    strokes.insert(strokes.end(), closeMenu.begin(), closeMenu.end());
    return strokes;
  };
  const Case cases[] = {
      {"Alt+T", true, with({VK_MENU, 'T', -'T', -VK_MENU}), "Tools menu;"},
      {"Alt+F", true, with({VK_MENU, 'F', -'F', -VK_MENU}), "File menu;"},
      {"Alt+G", true, {VK_MENU, 'G', -'G', -VK_MENU}, "Go;"},
      {"F10 Down", true, with({VK_F10, -VK_F10, VK_DOWN, -VK_DOWN}), "File menu;"},
      {"Alt+T without menus", false, {VK_MENU, 'T', -'T', -VK_MENU}, "Test Run;"},
      {"Alt+F without menus", false, {VK_MENU, 'F', -'F', -VK_MENU}, "Favorites;"},
  };
  for (const Case& c : cases) {
    FrmKeys form(ctx, BorderStyle::kSizable);
    if (c.menus) form.AddMenus();
    Type(form, c.strokes);
    EXPECT_EQ(form.seen, c.seen) << c.keys;
    EXPECT_EQ(form.chkTestRun.Value(), c.seen == "Test Run;" ? kChecked : kUnchecked) << c.keys;
    form.Unload();
  }
}

TEST_F(Win32KeyboardTest, EscapeAndEnterAnswerTheDialogsCancelOrCloseBoxAndDefaultButton) {
  struct Case {
    const char* what;
    BorderStyle border;
    bool cancelButton;
    Stroke key;
    std::string seen;
    bool stillLoaded;
  };
  const Case cases[] = {
      {"Escape presses the cancel button", BorderStyle::kFixedDialog, true, VK_ESCAPE, "Go;", true},
      {"Escape closes a dialog without one", BorderStyle::kFixedDialog, false, VK_ESCAPE, "QueryUnload 0;", false},
      {"Escape leaves a sizable window alone", BorderStyle::kSizable, false, VK_ESCAPE, "", true},
      {"Enter presses the default button", BorderStyle::kFixedDialog, false, VK_RETURN, "Favorites;", true},
  };
  for (const Case& c : cases) {
    FrmKeys form(ctx, c.border);
    form.cmdFavorites.SetDefault(true);
    form.cmdGo.SetCancel(c.cancelButton);
    Type(form, {c.key, -c.key});
    EXPECT_EQ(form.seen, c.seen) << c.what;
    EXPECT_EQ(form.Loaded(), c.stillLoaded) << c.what;
    if (form.Loaded()) form.Unload();
  }
}

class FrmTabs : public Form {
 public:
  explicit FrmTabs(Context& ctx) : Form(ctx, "frmTabs") {
    SetCaption("Tabs");
    Move(600, 600, 6000, 4500);
    chkFirst.SetCaption("First");
    chkFirst.Move(120, 120, 1500, 300);
    SSTab1.SetTabs(2);
    SSTab1.Move(120, 600, 5000, 2400);
    txtA.Move(120, 600, 1500, 300);
    cmdB.SetCaption("B");
    cmdB.Move(1800, 600, 900, 375);
    cmdC.SetCaption("C");
    cmdC.Move(120, 600, 900, 375);
    cmdLast.SetCaption("Last");
    cmdLast.Move(120, 3300, 900, 375);
  }

  CheckBox chkFirst{this, "chkFirst"};
  TabControl SSTab1{this, "SSTab1"};
  TextBox txtA{SSTab1.Page(0), "txtA"};
  CommandButton cmdB{SSTab1.Page(0), "cmdB"};
  CommandButton cmdC{SSTab1.Page(1), "cmdC"};
  CommandButton cmdLast{this, "cmdLast"};
};

TEST_F(Win32KeyboardTest, TabReachesTheTabStripBeforeTheControlsOfItsTab) {
  FrmTabs form(ctx);
  Type(form, {});
  SetFocus(Window(form.chkFirst));
  std::vector<std::string> focus;
  for (int i = 0; i < 5; ++i) {
    Type(form, {VK_TAB, -VK_TAB});
    focus.push_back(WindowName(GetFocus()));
  }
  EXPECT_EQ(focus, (std::vector<std::string>{"SSTab1", "txtA", "cmdB", "cmdLast", "chkFirst"}));
  form.Unload();
}

// Two buttons mark L, one marks G; a label marks N before its text box.
class FrmShared : public Form {
 public:
  explicit FrmShared(Context& ctx) : Form(ctx, "frmShared") {
    SetCaption("Shared");
    Move(600, 600, 6000, 4500);
    txtFirst.Move(120, 120, 1500, 300);
    cmdClear.SetCaption("C&lear");
    cmdClear.Move(120, 600, 1200, 375);
    lblName.SetCaption("&Name:");
    lblName.Move(120, 1200, 900, 255);
    txtName.Move(1200, 1200, 1500, 300);
    cmdLists.SetCaption("File&Lists");
    cmdLists.Move(120, 1800, 1200, 375);
    cmdNew.SetCaption("&New");
    cmdNew.Move(1500, 1800, 1200, 375);
    cmdGo.SetCaption("&Go");
    cmdGo.Move(3000, 1800, 1200, 375);
    cmdClear.onClick = [this] { seen += "Clear;"; };
    cmdLists.onClick = [this] { seen += "Lists;"; };
    cmdNew.onClick = [this] { seen += "New;"; };
    cmdGo.onClick = [this] { seen += "Go;"; };
  }

  TextBox txtFirst{this, "txtFirst"};
  CommandButton cmdClear{this, "cmdClear"};
  Label lblName{this, "lblName"};
  TextBox txtName{this, "txtName"};
  CommandButton cmdLists{this, "cmdLists"};
  CommandButton cmdNew{this, "cmdNew"};
  CommandButton cmdGo{this, "cmdGo"};
  std::string seen;
};

TEST_F(Win32KeyboardTest, AnAccessKeyTwoControlsMarkMovesTheFocusAndPressesNone) {
  struct Case {
    const char* keys;
    Stroke key;
    bool alt;                                      // else the letter alone, typed on a button
    std::vector<std::string> focusAfterEachPress;  // "": a press, where the focus is not the point
    std::string seen;
  };
  const Case cases[] = {
      {"Alt+L", 'L', true, {"cmdClear", "cmdLists", "cmdClear"}, ""},
      {"Alt+N", 'N', true, {"txtName", "cmdNew", "txtName"}, ""},
      {"L on a button", 'L', false, {"cmdLists", "cmdClear"}, ""},
      {"Alt+G", 'G', true, {""}, "Go;"},
  };
  for (const Case& c : cases) {
    FrmShared form(ctx);
    Type(form, {});
    SetFocus(Window(c.alt ? static_cast<Control&>(form.txtFirst) : form.cmdClear));
    std::vector<std::string> focus;
    for (std::size_t i = 0; i < c.focusAfterEachPress.size(); ++i) {
      Type(form, c.alt ? std::vector<Stroke>{VK_MENU, c.key, -c.key, -VK_MENU} : std::vector<Stroke>{c.key, -c.key});
      focus.push_back(c.focusAfterEachPress[i].empty() ? "" : WindowName(GetFocus()));
    }
    EXPECT_EQ(focus, c.focusAfterEachPress) << c.keys;
    EXPECT_EQ(form.seen, c.seen) << c.keys;
    form.Unload();
  }
}

TEST_F(Win32KeyboardTest, TheSessionEndUnloadsTheFormWithItsOwnUnloadMode) {
  struct Case {
    const char* what;
    bool cancel;
    WPARAM ending;
    LRESULT answer;
    std::string seen;
    bool stillLoaded;
  };
  const Case cases[] = {
      {"the session ends", false, TRUE, TRUE, "QueryUnload 2;Unload;", false},
      {"the form refuses", true, FALSE, FALSE, "QueryUnload 2;", true},
      {"another program refused", false, FALSE, TRUE, "QueryUnload 2;", true},
  };
  for (const Case& c : cases) {
    FrmKeys form(ctx, BorderStyle::kSizable);
    form.onQueryUnload = [&](bool& cancel, UnloadMode mode) {
      form.seen += "QueryUnload " + std::to_string(static_cast<int>(mode)) + ";";
      cancel = c.cancel;
    };
    form.onUnload = [&](bool&) { form.seen += "Unload;"; };
    form.Show();
    HWND window = Window(form);
    EXPECT_EQ(SendMessageA(window, WM_QUERYENDSESSION, 0, 0), c.answer) << c.what;
    if (c.answer == TRUE) SendMessageA(window, WM_ENDSESSION, c.ending, 0);
    EXPECT_EQ(form.seen, c.seen) << c.what;
    EXPECT_EQ(form.Loaded(), c.stillLoaded) << c.what;
    if (form.Loaded()) form.Unload();
  }
}

class FrmQueue : public Form {
 public:
  FrmQueue(Context& ctx, MultiSelect mode) : Form(ctx, "frmQueue") {
    SetCaption("Queue");
    Move(600, 600, 6000, 4500);
    List1.SetMultiSelect(mode);
    List1.Move(150, 150, 2700, 3000);
    List1.AddItems({"A1.dwg", "B2.dwg", "C3.dwg"});
    cmdOpen.SetCaption("&Open");
    cmdOpen.Move(3000, 150, 1200, 375);
    cmdOpen.onClick = [this] { seen += "Open;"; };
  }
  void HandleKeyDown() {
    List1.onKeyDown = [this](int& keyCode, int) { seen += "KeyDown " + std::to_string(keyCode) + ";"; };
  }

  ListBox List1{this, "List1"};
  CommandButton cmdOpen{this, "cmdOpen"};
  std::string seen;
};

TEST_F(Win32KeyboardTest, EnterReachesAListWhoseFormHandlesItsKeyDownUnlessADefaultButtonTakesIt) {
  enum class Default { kNone, kEnabled, kDisabled };
  struct Case {
    const char* what;
    MultiSelect mode;
    bool handled;
    Default button;
    std::string seen;
  };
  const std::string enter = "KeyDown " + std::to_string(kKeyReturn) + ";";
  const Case cases[] = {
      {"a queue without a default button", MultiSelect::kExtended, true, Default::kNone, enter},
      {"a plain list without a default button", MultiSelect::kNone, true, Default::kNone, enter},
      {"a list beside a disabled default button", MultiSelect::kNone, true, Default::kDisabled, enter},
      {"a list beside a default button", MultiSelect::kExtended, true, Default::kEnabled, "Open;"},
      {"a list whose KeyDown is not handled", MultiSelect::kNone, false, Default::kEnabled, "Open;"},
  };
  for (const Case& c : cases) {
    FrmQueue form(ctx, c.mode);
    if (c.handled) form.HandleKeyDown();
    form.cmdOpen.SetDefault(c.button != Default::kNone);
    form.cmdOpen.SetEnabled(c.button != Default::kDisabled);
    form.List1.SetSelected(1, true);
    Front(form);
    form.List1.SetFocus();
    Type(form, {VK_RETURN, -VK_RETURN});
    EXPECT_EQ(form.seen, c.seen) << c.what;
    form.Unload();
  }
}

}  // namespace
}  // namespace ui::win32
