// Keys typed into the real input queue (SendInput) reach menus, buttons and dialogs as in any
// Windows program, and the session-end messages unload forms as the close box does.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui_win32/win32_fixture.h"

namespace ui::win32 {
namespace {

using test_support::Win32BackendTest;

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

// A key code pressed (positive) or released (negative).
using Stroke = int;

class Win32KeyboardTest : public Win32BackendTest {
 protected:
  // Shows the form in front, types the strokes into the system's input queue and lets the
  // program handle them (a menu opened by a key tracks the later strokes itself).
  void Type(Form& form, const std::vector<Stroke>& strokes) {
    form.Show();
    HWND window = Window(form);
    SetForegroundWindow(window);
    Settle();
    ASSERT_EQ(GetForegroundWindow(), window);
    std::vector<INPUT> inputs;
    for (Stroke stroke : strokes) {
      INPUT input = {};
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = static_cast<WORD>(stroke < 0 ? -stroke : stroke);
      input.ki.dwFlags = stroke < 0 ? KEYEVENTF_KEYUP : 0;
      inputs.push_back(input);
    }
    ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
    Settle();
  }
  void Settle() {
    for (int i = 0; i < 10; ++i) {
      ctx.DoEvents();
      Sleep(20);
    }
  }
};

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

}  // namespace
}  // namespace ui::win32
