// Access keys that two controls of a window mark: each press moves the focus to the next of
// them and presses none, so a key meant for one button cannot press the other.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "batch/frm_scr_complete.h"
#include "mainwindow/main_window_fixture.h"

namespace {

class WindowAccessKeys : public test::MainWindowFixture {};

TEST_F(WindowAccessKeys, ASharedKeyMovesTheFocusAmongItsControlsAndPressesNone) {
  struct Case {
    const char* name;
    char key;
    // Shows the window with the focus where the presses start; gives the controls the
    // presses reach, in order, and the state no press may change.
    std::function<ui::Form&(std::vector<ui::Control*>& reached, std::function<std::string()>& state)> open;
  };
  const Case cases[] = {
      {"main window: C&lear and File&Lists", 'l',
       [&](std::vector<ui::Control*>& reached, std::function<std::string()>& state) -> ui::Form& {
         mainwindow::frmMain& main = Main();
         user.Fill(main.Text1, "ZOOM E");
         main.Text1.SetFocus();
         reached = {&main.cmdClearSCREditor, &main.cmdFileList, &main.cmdClearSCREditor};
         state = [&main] { return main.Text1.Text() + "|" + main.cmdFileList.Caption(); };
         return main;
       }},
      {"build notice: &Options and &OK", 'o',
       [&](std::vector<ui::Control*>& reached, std::function<std::string()>& state) -> ui::Form& {
         batch::frmScrComplete& notice = app.frmScrComplete();
         notice.Show();
         notice.Check1.SetFocus();
         reached = {&notice.Command1, &notice.Command2, &notice.Command1};
         state = [&notice] { return std::to_string(notice.Visible()) + "|" + std::to_string(notice.Check1.Value()); };
         return notice;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<ui::Control*> reached;
    std::function<std::string()> state;
    ui::Form& form = c.open(reached, state);
    const std::string before = state();
    for (ui::Control* control : reached) {
      user.PressAccessKey(form, c.key);
      EXPECT_EQ(form.ActiveControl(), control) << control->Name();
    }
    EXPECT_EQ(state(), before);
  }
}

}  // namespace
