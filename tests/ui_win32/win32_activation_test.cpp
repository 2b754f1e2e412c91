// Which window is active after another closes, and which window a hidden form's window lives
// with: the form a closed modal form, stop window or message box came from is active again
// (never a tool window of the program lying above it), and a hidden form's window survives
// the owner it was last shown with.

#include <gtest/gtest.h>

#include <string>

#include "ui_win32/win32_fixture.h"

namespace ui::win32 {
namespace {

using test_support::Later;
using test_support::SendStrokes;

class FrmWork : public Form {
 public:
  FrmWork(Context& ctx, std::string name, ui::BorderStyle border) : Form(ctx, std::move(name)) {
    SetCaption(Name());
    SetBorderStyle(border);
    Move(600, 600, 6000, 4500);
    cmdGo.SetCaption("&Go");
    cmdGo.Move(150, 150, 1200, 375);
    cmdGo.onClick = [this] { seen += "Go;"; };
  }

  CommandButton cmdGo{this, "cmdGo"};
  std::string seen;
};

class Win32ActivationTest : public test_support::Win32InputTest {
 protected:
  // The main window in front, with a tool window it owns (as the preview is) shown over it.
  void SetUp() override {
    main.Show();
    tool.Move(3000, 900, 3000, 3000);
    tool.Show(ShowMode::kModeless, &main);
    Front(main);
  }
  void TearDown() override {
    for (Form* form : {&dialog, &tool, &main}) form->Unload();
  }
  // Alt+G, which presses Go on the active form.
  void PressGo() {
    SendStrokes({VK_MENU, 'G', -'G', -VK_MENU});
    Settle();
  }

  FrmWork main{ctx, "frmMain", BorderStyle::kSizable};
  FrmWork tool{ctx, "frmTool", BorderStyle::kSizableToolWindow};
  FrmWork dialog{ctx, "frmDialog", BorderStyle::kFixedDialog};
  Later later;
};

TEST_F(Win32ActivationTest, TheFormAModalFormCameFromIsActiveAgainWhenItCloses) {
  struct Case {
    const char* what;
    bool owned;
    bool escapeUnloads;
  };
  const Case cases[] = {
      {"owned, hidden by its cancel button", true, false},
      {"owned, unloaded by Escape", true, true},
      {"without an owner, hidden by its cancel button", false, false},
  };
  for (const Case& c : cases) {
    dialog.cmdGo.SetCancel(!c.escapeUnloads);
    dialog.cmdGo.onClick = [this] { dialog.Hide(); };
    later.Run([] { SendStrokes({VK_ESCAPE, -VK_ESCAPE}); });
    dialog.Show(ShowMode::kModal, c.owned ? &main : nullptr);
    Settle();
    EXPECT_EQ(dialog.Loaded(), !c.escapeUnloads) << c.what;
    EXPECT_EQ(GetForegroundWindow(), Window(main)) << c.what;
    main.seen.clear();
    PressGo();
    EXPECT_EQ(main.seen, "Go;") << c.what;
  }
}

TEST_F(Win32ActivationTest, AStopWindowHiddenByCodeGivesTheActivationBackAndABoxThenBelongsToTheMainWindow) {
  dialog.Show();  // a stop window: modeless, without an owner, shown over the main window
  Settle();
  ASSERT_EQ(GetActiveWindow(), Window(dialog));
  dialog.Hide();
  Settle();
  EXPECT_EQ(GetForegroundWindow(), Window(main));
  HWND boxOwner = nullptr;
  later.Run([&boxOwner] {
    boxOwner = GetWindow(GetActiveWindow(), GW_OWNER);
    SendStrokes({VK_RETURN, -VK_RETURN});
  });
  ctx.MsgBox({"3 Duplicate Items Removed", "", MsgButtons::kOk, MsgIcon::kInformation});
  Settle();
  EXPECT_EQ(boxOwner, Window(main));
  EXPECT_EQ(GetForegroundWindow(), Window(main));
  PressGo();
  EXPECT_EQ(main.seen, "Go;");
}

TEST_F(Win32ActivationTest, AHiddenFormsWindowOutlivesTheOwnerItWasShownModallyWith) {
  struct Case {
    const char* what;
    bool closeBox;  // the owner closed by its close box, else unloaded by code
  };
  const Case cases[] = {{"close box", true}, {"Unload", false}};
  for (const Case& c : cases) {
    FrmWork wizard(ctx, "frmWizard", BorderStyle::kFixedDialog);
    wizard.Show(ShowMode::kModeless, &main);
    later.Run([this] { dialog.Hide(); });
    dialog.Show(ShowMode::kModal, &wizard);
    HWND window = Window(dialog);
    if (c.closeBox) {
      SendMessageA(Window(wizard), WM_SYSCOMMAND, SC_CLOSE, 0);
      Settle();
    } else {
      wizard.Unload();
    }
    ASSERT_FALSE(wizard.Loaded()) << c.what;
    EXPECT_TRUE(IsWindow(window)) << c.what;
    EXPECT_EQ(dialog.Owner(), nullptr) << c.what;

    FrmWork again(ctx, "frmWizard", BorderStyle::kFixedDialog);
    again.Show(ShowMode::kModeless, &main);
    bool shown = false;
    bool ownerBlocked = false;
    later.Run([&] {
      shown = IsWindowVisible(Window(dialog)) != FALSE;
      ownerBlocked = IsWindowEnabled(Window(again)) == FALSE;
      dialog.Hide();
    });
    EXPECT_NO_THROW(dialog.Show(ShowMode::kModal, &again)) << c.what;
    EXPECT_TRUE(shown) << c.what;
    EXPECT_TRUE(ownerBlocked) << c.what;
    EXPECT_EQ(GetWindow(Window(dialog), GW_OWNER), Window(again)) << c.what;
    EXPECT_TRUE(IsWindowEnabled(Window(again))) << c.what;
    again.Unload();
  }
}

}  // namespace
}  // namespace ui::win32
