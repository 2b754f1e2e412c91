// The Wizards menu's two slow-loading wizards and the hourglass over the main window.
#include <gtest/gtest.h>

#include "wizard_fixture.h"
#include "wizards/frm_layout_wiz.h"
#include "wizards/frm_tb_wiz.h"

namespace test {
namespace {

class WizardsMenuTest : public WizardFixture {};

// A wizard that cannot be shown (here: already shown modeless, error 400) is reported by the
// dispatcher, and the main window's pointer is the arrow again, not a lasting hourglass.
TEST_F(WizardsMenuTest, ThePointerComesBackWhenTheWizardFailsToOpen) {
  mainwindow::frmMain& main = Main();
  main.Show();
  const struct {
    ui::MenuItem& entry;
    ui::Form& wizard;
  } cases[] = {
      {main.mnuRenameLayoutTabs, app.frmLayoutWiz()},
      {main.mnuTBWiz, app.frmTBWiz()},
  };
  for (const auto& c : cases) {
    c.wizard.Show(ui::ShowMode::kModeless);
    ExpectMessage(kAppTitle, "Error 400 (Form already displayed; can't show modally)");
    user.ChooseMenu(c.entry);
    EXPECT_EQ(main.MousePointer(), ui::Pointer::kDefault) << c.entry.Name();
    EXPECT_TRUE(c.wizard.Visible()) << c.entry.Name();
    c.wizard.Hide();
  }
}

}  // namespace
}  // namespace test
