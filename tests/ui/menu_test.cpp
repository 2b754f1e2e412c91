#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/app_fixture.h"
#include "ui/ui.h"

namespace {

class frmMenus : public ui::Form {
 public:
  explicit frmMenus(ui::Context& ctx) : Form(ctx, "frmMenus") {
    mnuScript.SetCaption("&Script");
    mnuScriptEditor.SetCaption("Script &Editor");
    mnuScriptEditor.SetShortcut(ui::Shortcut::Ctrl('E'));
    mnuHelp.SetCaption("&Help");
    mnuReadme.SetCaption("&Setup Instructions && Tutorials");
    mnuReadme.SetShortcut(ui::Shortcut::F(1));
    mnuPUForm.SetVisible(false);
    mnuOpen.SetCaption("&Open Selected File(s)");
    mnuSkip.SetCaption("S&kip Past Selected File");
    mnuScript.onClick = [this] { log.push_back("mnuScript_Click"); };
    mnuScriptEditor.onClick = [this] { log.push_back("mnuScriptEditor_Click"); };
    mnuReadme.onClick = [this] { log.push_back("mnuReadme_Click"); };
    mnuOpen.onClick = [this] { log.push_back("mnuOpen_Click"); };
    mnuSkip.onClick = [this] { log.push_back("mnuSkip_Click"); };
  }

  ui::MenuItem mnuScript{this, "mnuScript"};
  ui::MenuItem mnuScriptEditor{&mnuScript, "mnuScriptEditor"};
  ui::MenuItem mnuHelp{this, "mnuHelp"};
  ui::MenuItem mnuReadme{&mnuHelp, "mnuReadme"};
  ui::MenuItem mnuPUForm{this, "mnuPUForm"};
  ui::MenuItem mnuOpen{&mnuPUForm, "mnuOpen"};
  ui::MenuItem mnuSkip{&mnuPUForm, "mnuSkip"};
  std::vector<std::string> log;
};

class MenuTest : public test::AppFixture {
 protected:
  void SetUp() override { form.Show(); }
  frmMenus form{ctx};
};

TEST_F(MenuTest, AShortcutActsOnlyWhenItsItemAndEveryMenuAboveAreVisibleAndEnabled) {
  struct Case {
    const char* state;
    ui::MenuItem* changed;
    bool visible;
    bool enabled;
    bool acts;
  };
  const Case cases[] = {
      {"as designed", nullptr, true, true, true},
      {"item hidden", &form.mnuScriptEditor, false, true, false},
      {"item disabled", &form.mnuScriptEditor, true, false, false},
      {"menu hidden", &form.mnuScript, false, true, false},
      {"menu disabled", &form.mnuScript, true, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.state);
    if (c.changed != nullptr) {
      c.changed->SetVisible(c.visible);
      c.changed->SetEnabled(c.enabled);
    }
    form.log.clear();
    user.PressShortcut(form, ui::Shortcut::Ctrl('e'));
    EXPECT_EQ(form.log.size(), c.acts ? 1u : 0u);
    if (c.changed != nullptr) {
      c.changed->SetVisible(true);
      c.changed->SetEnabled(true);
    }
  }
}

TEST_F(MenuTest, FunctionKeysAndShortcutTexts) {
  user.PressShortcut(form, ui::Shortcut::F(1));
  user.PressShortcut(form, ui::Shortcut::F(2));
  EXPECT_EQ(form.log, std::vector<std::string>{"mnuReadme_Click"});
  EXPECT_EQ(ui::Shortcut::Ctrl('e').Text(), "Ctrl+E");
  EXPECT_EQ(ui::Shortcut::F(4).Text(), "F4");
}

TEST_F(MenuTest, ChoosingAnItemOpensTheMenusAboveIt) {
  user.ChooseMenu(form.mnuScriptEditor);
  EXPECT_EQ(form.log, (std::vector<std::string>{"mnuScript_Click", "mnuScriptEditor_Click"}));
}

TEST_F(MenuTest, APopUpMenuOfAHiddenCarrierRunsTheChosenItemAndShowsItsDefaultBold) {
  backend.ExpectPopup("mnuPUForm", "mnuSkip");
  form.PopupMenu(form.mnuPUForm, &form.mnuOpen);
  EXPECT_EQ(form.log, std::vector<std::string>{"mnuSkip_Click"});
  ASSERT_EQ(backend.Popups().size(), 1u);
  EXPECT_EQ(backend.Popups()[0].defaultItem, "mnuOpen");
}

TEST_F(MenuTest, ADisabledPopUpItemCannotBeChosen) {
  std::vector<std::string> failures;
  backend.onFailure = [&](const std::string& what) { failures.push_back(what); };
  form.mnuSkip.SetEnabled(false);
  backend.ExpectPopup("mnuPUForm", "mnuSkip");
  form.PopupMenu(form.mnuPUForm);
  EXPECT_TRUE(form.log.empty());
  EXPECT_EQ(failures.size(), 1u);
}

}  // namespace
