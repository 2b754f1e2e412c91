#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/app_fixture.h"
#include "test_forms.h"
#include "ui/ui.h"

namespace {

using test::frmDialog;
using test::frmOwner;

class FormLifecycleTest : public test::AppFixture {
 protected:
  test::TestApp app{ctx};
};

TEST_F(FormLifecycleTest, AFormLoadsOnFirstTouchAndOnlyOnce) {
  EXPECT_FALSE(app.dialog_.Loaded());
  app.Dialog().Text1.SetText("kept");
  app.Dialog().Check1.SetValue(ui::kChecked);
  EXPECT_TRUE(app.dialog_.Loaded());
  EXPECT_EQ(app.Dialog().log, (std::vector<std::string>{"Form_Load", "Text1_Change kept", "Check1_Click 1"}));
  EXPECT_FALSE(app.Dialog().Visible()) << "touching loads, it does not show";
}

// A form whose Load fails or unloads the form again.
class frmTroubled : public ui::Form {
 public:
  frmTroubled(ui::Context& ctx, int trouble) : Form(ctx, "frmTroubled") {
    onLoad = [this, trouble] {
      if (trouble == 1) throw runtime::Error(runtime::kFileNotFound);
      Unload();
    };
  }
};

TEST_F(FormLifecycleTest, AnErrorInLoadReachesTheToucherAndAFormThatUnloadsInLoadIsError364) {
  int trouble = 1;
  ui::FormSlot<frmTroubled> slot{ctx, [&] { return std::make_unique<frmTroubled>(ctx, trouble); }};
  EXPECT_THROW(slot(), runtime::Error);
  EXPECT_TRUE(slot.Loaded()) << "the form stays loaded as far as Load got";
  slot().Unload();
  trouble = 2;
  try {
    slot();
    FAIL() << "no error";
  } catch (const runtime::Error& error) {
    EXPECT_EQ(error.Number(), 364);
  }
  EXPECT_FALSE(slot.Loaded());
}

TEST_F(FormLifecycleTest, HideKeepsTheFormAndItsState) {
  app.Dialog().Show();
  app.Dialog().Text1.SetText("typed");
  app.Dialog().Hide();
  EXPECT_TRUE(app.dialog_.Loaded());
  app.Dialog().Show();
  EXPECT_EQ(app.Dialog().Text1.Text(), "typed");
  EXPECT_EQ(std::count(app.Dialog().log.begin(), app.Dialog().log.end(), "Form_Load"), 1);
}

TEST_F(FormLifecycleTest, UnloadGivesAFreshFormOnTheNextTouch) {
  app.Dialog().Text1.SetText("old");
  frmDialog* first = &app.Dialog();
  app.Dialog().Unload();
  EXPECT_FALSE(app.dialog_.Loaded());
  EXPECT_EQ(first->log.back(), "Form_Unload") << "the old form lives until no handler runs";
  ctx.CollectRetired();
  EXPECT_EQ(app.Dialog().Text1.Text(), "");
  EXPECT_EQ(app.Dialog().log, std::vector<std::string>{"Form_Load"});
}

TEST_F(FormLifecycleTest, AFormThatUnloadsItselfInItsHandlerFinishesTheHandler) {
  app.Dialog().Show();
  app.Dialog().cmdCancel.onClick = [this] {
    frmDialog& self = app.Dialog();
    self.Unload();
    self.log.push_back("after Unload");  // the form must still be alive here
    self.Text1.SetText("still alive");
  };
  user.Click(app.Dialog().cmdCancel);
  EXPECT_FALSE(app.dialog_.Loaded());
  EXPECT_EQ(app.Dialog().log, std::vector<std::string>{"Form_Load"}) << "destroyed after the click, fresh now";
}

TEST_F(FormLifecycleTest, QueryUnloadCanRefuseTheCloseBox) {
  app.Dialog().Show();
  app.Dialog().refuseToClose = true;
  user.Close(app.Dialog());
  EXPECT_TRUE(app.dialog_.Loaded());
  EXPECT_TRUE(app.Dialog().Visible());
  app.Dialog().refuseToClose = false;
  user.Close(app.Dialog());
  EXPECT_FALSE(app.dialog_.Loaded());
}

TEST_F(FormLifecycleTest, QueryUnloadTellsTheCloseBoxFromCode) {
  app.Dialog().Show();
  frmDialog& dialog = app.Dialog();
  dialog.refuseToClose = true;
  user.Close(dialog);
  dialog.Unload();
  EXPECT_NE(std::find(dialog.log.begin(), dialog.log.end(), "Form_QueryUnload 0"), dialog.log.end());
  EXPECT_NE(std::find(dialog.log.begin(), dialog.log.end(), "Form_QueryUnload 1"), dialog.log.end());
}

TEST_F(FormLifecycleTest, ShowModalWaitsUntilTheScriptHidesTheForm) {
  app.Owner().Show();
  OnModal<frmDialog>([this](frmDialog& dialog) {
    EXPECT_TRUE(dialog.Visible());
    EXPECT_TRUE(backend.IsBlocked(app.Owner()));
    user.Fill(dialog.Text1, "answer");
    user.Click(dialog.cmdOK);
  });
  user.Click(app.Owner().cmdOpen);
  EXPECT_EQ(app.Owner().afterModal, "answer") << "Show returned after the script, the hidden form kept its text";
  EXPECT_FALSE(backend.IsBlocked(app.Owner()));
  EXPECT_EQ(backend.ModalForms(), std::vector<std::string>{"frmDialog"});
}

TEST_F(FormLifecycleTest, TheUserCannotReachTheOwnerWhileAModalFormIsOpen) {
  std::vector<std::string> failures;
  backend.onFailure = [&](const std::string& what) { failures.push_back(what); };
  app.Owner().Show();
  OnModal<frmDialog>([this](frmDialog& dialog) {
    user.Fill(app.Owner().Text1, "typed into the owner");
    user.Click(dialog.cmdOK);
    user.Click(dialog.cmdOK);
  });
  user.Click(app.Owner().cmdOpen);
  ASSERT_EQ(failures.size(), 2u);
  EXPECT_NE(failures[0].find("a modal form blocks its form"), std::string::npos);
  EXPECT_NE(failures[1].find("its form is not shown"), std::string::npos) << "the script ends when the form hides";
  EXPECT_EQ(app.Owner().Text1.Text(), "");
}

TEST_F(FormLifecycleTest, AModalFormWithoutAScriptFailsAndIsClosed) {
  std::vector<std::string> failures;
  backend.onFailure = [&](const std::string& what) { failures.push_back(what); };
  app.Owner().Show();
  user.Click(app.Owner().cmdOpen);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(failures[0].find("frmDialog was shown without a script"), std::string::npos);
  EXPECT_FALSE(app.Dialog().Visible());
}

TEST_F(FormLifecycleTest, ShowingAVisibleFormModallyIsError400) {
  app.Dialog().Show();
  try {
    app.Dialog().Show(ui::ShowMode::kModal);
    FAIL() << "no error";
  } catch (const runtime::Error& error) {
    EXPECT_EQ(error.Number(), 400);
  }
}

TEST_F(FormLifecycleTest, ActivationMovesBetweenTheProgramsWindows) {
  app.Owner().Show();
  EXPECT_EQ(app.Owner().activations, 1);
  app.Dialog().Show();
  EXPECT_EQ(app.Owner().deactivations, 1);
  EXPECT_EQ(backend.ActiveForm(), &app.Dialog());
  user.Activate(app.Owner());
  EXPECT_EQ(app.Owner().activations, 2);
  EXPECT_EQ(app.Dialog().log.back(), "Form_Deactivate");
  app.Owner().Hide();
  EXPECT_EQ(backend.ActiveForm(), &app.Dialog()) << "the other window takes over";
}

TEST_F(FormLifecycleTest, TheOwnerIsActivatedAgainWhenItsModalFormCloses) {
  app.Owner().Show();
  OnModal<frmDialog>([this](frmDialog& dialog) { user.Click(dialog.cmdCancel); });
  user.Click(app.Owner().cmdOpen);
  EXPECT_EQ(app.Owner().activations, 2);
  EXPECT_EQ(backend.ActiveForm(), &app.Owner());
}

// A tool window the owner shows over itself, as the main window shows the preview.
class frmTool : public ui::Form {
 public:
  explicit frmTool(ui::Context& ctx) : Form(ctx, "frmTool") {
    onActivate = [this] { ++activations; };
  }
  int activations = 0;
};

TEST_F(FormLifecycleTest, AClosedWindowGivesTheActivationBackToTheFormItCameFromNotToAToolWindowAboveIt) {
  struct Case {
    const char* what;
    bool modal;
    bool owned;
    bool unload;  // closed by Cancel (which unloads), else hidden by OK
  };
  const Case cases[] = {
      {"a modal form with its owner, hidden", true, true, false},
      {"a modal form with its owner, unloaded", true, true, true},
      {"a modal form without an owner", true, false, false},
      {"a stop window (modeless, no owner)", false, false, false},
  };
  for (const Case& c : cases) {
    frmOwner& owner = app.Owner();
    owner.Show();
    frmTool tool(ctx);
    tool.Show(ui::ShowMode::kModeless, &owner);
    user.Activate(owner);
    ui::Form* from = c.owned ? &owner : nullptr;
    if (c.modal) {
      OnModal<frmDialog>([&](frmDialog& dialog) { user.Click(c.unload ? dialog.cmdCancel : dialog.cmdOK); });
      app.Dialog().Show(ui::ShowMode::kModal, from);
    } else {
      app.Dialog().Show(ui::ShowMode::kModeless, from);
      app.Dialog().Hide();
    }
    EXPECT_EQ(backend.ActiveForm(), &owner) << c.what;
    EXPECT_EQ(tool.activations, 1) << c.what << ": only at its show";
    tool.Unload();
    if (app.dialog_.Loaded()) app.Dialog().Unload();
  }
}

TEST_F(FormLifecycleTest, AFormForgetsAnOwnerThatUnloads) {
  frmTool owned(ctx);
  owned.SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  owned.Show(ui::ShowMode::kModeless, &app.Owner());
  app.Dialog().Show(ui::ShowMode::kModeless, &app.Owner());
  EXPECT_EQ(owned.Owner(), &app.Owner());
  app.Dialog().Unload();
  ctx.CollectRetired();  // the owned dialog is gone before its owner
  app.Owner().Unload();
  ctx.CollectRetired();
  EXPECT_EQ(owned.Owner(), nullptr);
  owned.Unload();
  owned.Show();  // placed again at its first show, without an owner
  EXPECT_EQ(owned.Owner(), nullptr);
}

// A window with a minimum size kept by its Resize handler, as the main window does.
class frmSizable : public ui::Form {
 public:
  explicit frmSizable(ui::Context& ctx) : Form(ctx, "frmSizable") {
    Move(0, 0, 9000, 7000);
    onResize = [this] { Form_Resize(); };
  }
  void Form_Resize() {
    seen.push_back(Width());
    if (WindowState() == ui::WindowState::kMinimized) return;
    if (Width() < 8000) SetWidth(8001);
  }
  std::vector<int> seen;
};

TEST_F(FormLifecycleTest, ResizeMayResizeTheFormAgain) {
  frmSizable form{ctx};
  form.Show();
  EXPECT_EQ(form.seen, std::vector<int>{9000}) << "the first show resizes";
  user.Resize(form, 5000, 7000);
  EXPECT_EQ(form.Width(), 8001);
  EXPECT_EQ(form.seen, (std::vector<int>{9000, 5000, 8001}));
  EXPECT_EQ(form.ScaleWidth(), 8001 - 240) << "the client area is the outer size less the frame";
}

TEST_F(FormLifecycleTest, WindowStatesKeepTheNormalBounds) {
  frmSizable form{ctx};
  form.Show();
  user.Maximize(form);
  EXPECT_EQ(form.Bounds(), backend.WorkArea());
  try {
    form.SetWidth(100);
    FAIL() << "no error";
  } catch (const runtime::Error& error) {
    EXPECT_EQ(error.Number(), 384);
  }
  user.Minimize(form);
  user.Restore(form);
  EXPECT_EQ(form.Bounds(), (ui::Rect{0, 0, 9000, 7000}));
}

// The user minimises and maximises a window only through the boxes its title bar shows.
TEST_F(FormLifecycleTest, OnlyTheTitleBarsBoxesMinimiseAndMaximise) {
  struct Case {
    ui::BorderStyle border;
    bool minButton;
    bool maxButton;
    bool minimises;
    bool maximises;
  };
  const Case cases[] = {
      {ui::BorderStyle::kSizable, true, true, true, true},
      {ui::BorderStyle::kSizable, false, false, false, false},
      {ui::BorderStyle::kSizable, true, false, true, false},
      {ui::BorderStyle::kSizable, false, true, false, true},
      {ui::BorderStyle::kFixedSingle, true, true, true, false},
      {ui::BorderStyle::kFixedSingle, false, true, false, false},
      {ui::BorderStyle::kFixedDialog, true, true, false, false},
      {ui::BorderStyle::kSizableToolWindow, true, true, false, false},
  };
  std::vector<std::string> failures;
  backend.onFailure = [&](const std::string& what) { failures.push_back(what); };
  for (const Case& c : cases) {
    frmSizable form{ctx};
    form.SetBorderStyle(c.border);
    form.SetMinButton(c.minButton);
    form.SetMaxButton(c.maxButton);
    form.Show();
    const std::string trace =
        std::to_string(static_cast<int>(c.border)) + " " + std::to_string(c.minButton) + std::to_string(c.maxButton);
    EXPECT_EQ(form.HasMinimizeBox(), c.minimises) << trace;
    EXPECT_EQ(form.HasMaximizeBox(), c.maximises) << trace;
    failures.clear();
    user.Minimize(form);
    EXPECT_EQ(form.WindowState() == ui::WindowState::kMinimized, c.minimises) << trace;
    EXPECT_EQ(failures.size(), c.minimises ? 0u : 1u) << trace;
    user.Restore(form);
    failures.clear();
    user.Maximize(form);
    EXPECT_EQ(form.WindowState() == ui::WindowState::kMaximized, c.maximises) << trace;
    EXPECT_EQ(failures.size(), c.maximises ? 0u : 1u) << trace;
    form.Unload();
  }
}

TEST_F(FormLifecycleTest, CenterScreenPlacesTheFormAtItsFirstShow) {
  frmDialog& dialog = app.Dialog();
  dialog.Move(0, 0, 4800, 3600);
  dialog.SetStartUpPosition(ui::StartUpPosition::kCenterScreen);
  dialog.Show();
  EXPECT_EQ(dialog.Left(), (28800 - 4800) / 2);
  EXPECT_EQ(dialog.Top(), (15600 - 3600) / 2);
}

}  // namespace
