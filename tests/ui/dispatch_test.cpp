#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "support/app_fixture.h"
#include "test_forms.h"
#include "ui/ui.h"

namespace {

using test::frmDialog;

// A window with a long operation that lets events run, a Stop button and a second operation
// that must not start while the first runs.
class frmScan : public ui::Form {
 public:
  explicit frmScan(ui::Context& ctx) : Form(ctx, "frmScan") {
    cmdScan.onClick = [this] { cmdScan_Click(); };
    cmdClear.onClick = [this] { cmdClear_Click(); };
    cmdStop.onClick = [this] { stop = true; };
    cmdFail.onClick = [] { throw runtime::Error(runtime::kPathNotFound); };
  }

  void cmdScan_Click() {
    ui::BusyGuard busy(Ctx());
    if (!busy) return;
    ++scansStarted;
    stop = false;
    for (int i = 0; i < 10 && !stop; ++i) {
      List1.AddItem("item " + std::to_string(i));
      Ctx().DoEvents();
    }
  }
  void cmdClear_Click() {
    ui::BusyGuard busy(Ctx());
    if (!busy) return;
    List1.Clear();
  }

  ui::ListBox List1{this, "List1"};
  ui::CommandButton cmdScan{this, "cmdScan"};
  ui::CommandButton cmdClear{this, "cmdClear"};
  ui::CommandButton cmdStop{this, "cmdStop"};
  ui::CommandButton cmdFail{this, "cmdFail"};
  ui::Timer tmrTick{this, "tmrTick"};
  bool stop = false;
  int scansStarted = 0;
};

class DispatchTest : public test::AppFixture {
 protected:
  void SetUp() override { form.Show(); }
  frmScan form{ctx};
};

TEST_F(DispatchTest, AnErrorEscapingAHandlerIsReportedAndTheProgramGoesOn) {
  ExpectMessage(kAppTitle, "Error 76 (Path not found)").Buttons(ui::MsgButtons::kOk);
  user.Click(form.cmdFail);
  user.Click(form.cmdScan);
  EXPECT_EQ(form.scansStarted, 1) << "the program goes on after the report";
}

TEST_F(DispatchTest, AnErrorFromCodeOutsideAnEventReachesTheCaller) {
  EXPECT_THROW(form.cmdFail.SetValue(true), runtime::Error);
  EXPECT_TRUE(backend.Messages().empty());
}

TEST_F(DispatchTest, AnUnexpectedMessageBoxFailsTheTest) {
  std::vector<std::string> failures;
  backend.onFailure = [&](const std::string& what) { failures.push_back(what); };
  user.Click(form.cmdFail);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(failures[0].find("unexpected message box"), std::string::npos);
  EXPECT_NE(failures[0].find("Error 76 (Path not found)"), std::string::npos);
}

TEST_F(DispatchTest, AMessageBoxOtherThanTheExpectedOneFailsTheTest) {
  std::vector<std::string> failures;
  backend.onFailure = [&](const std::string& what) { failures.push_back(what); };
  ExpectMessage("Sure?", "Really?").Answer(ui::MsgAnswer::kYes);
  ui::MsgAnswer answer = ctx.MsgBox({"Really?", "Sure?", ui::MsgButtons::kYesNo, ui::MsgIcon::kQuestion, 2});
  EXPECT_EQ(answer, ui::MsgAnswer::kYes);
  ExpectMessage("Sure?", "Really?").Icon(ui::MsgIcon::kExclamation);
  answer = ctx.MsgBox({"Really?", "Sure?", ui::MsgButtons::kYesNo, ui::MsgIcon::kQuestion, 2});
  EXPECT_EQ(answer, ui::MsgAnswer::kNo) << "without an answer the default button is pressed";
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(failures[0].find("another icon"), std::string::npos);
  ExpectMessage("Done", "Finished").Answer(ui::MsgAnswer::kYes);
  ctx.MsgBox({"Finished", "Done"});
  EXPECT_EQ(failures.size(), 2u) << "an OK box cannot be answered Yes";
}

TEST_F(DispatchTest, ScheduledActionsRunAtTheirPump) {
  AtPump(3, [this] { user.Click(form.cmdStop); });
  user.Click(form.cmdScan);
  EXPECT_EQ(form.List1.ListCount(), 3) << "Stop works while the scan runs";
}

// A long operation asks the event count whether anything can have changed since it last
// looked: a pump that finds nothing leaves the count, every event moves it.
TEST_F(DispatchTest, TheEventCountMovesWithEveryEventButNotWithAnEmptyPump) {
  auto count = [this] { return ctx.GetBackend().EventCount(); };
  std::uint64_t before = count();
  ctx.DoEvents();
  ctx.DoEventsBetweenItems();
  EXPECT_EQ(count(), before) << "empty pumps";
  form.tmrTick.SetInterval(100);
  struct Case {
    const char* event;
    std::function<void()> run;
  };
  const std::vector<Case> cases = {
      {"a pumped action",
       [this] {
         AtPump(1, [] {});
         ctx.DoEvents();
       }},
      {"a user's click", [this] { user.Click(form.cmdStop); }},
      {"a timer tick", [this] { AdvanceTime(100); }},
      {"a message box",
       [this] {
         ExpectMessage("Done", "Finished");
         ctx.MsgBox({"Finished", "Done"});
       }},
  };
  for (const Case& c : cases) {
    before = count();
    c.run();
    EXPECT_GT(count(), before) << c.event;
  }
}

TEST_F(DispatchTest, TheBusyGuardKeepsOperationsFromStartingInsideALongOne) {
  AtPump(2, [this] {
    user.Click(form.cmdScan);
    user.Click(form.cmdClear);
  });
  AtPump(4, [this] { user.Click(form.cmdStop); });
  user.Click(form.cmdScan);
  EXPECT_EQ(form.scansStarted, 1);
  EXPECT_EQ(form.List1.ListCount(), 4) << "Clear did not run inside the scan";
  EXPECT_FALSE(ctx.Busy());
  user.Click(form.cmdClear);
  EXPECT_EQ(form.List1.ListCount(), 0) << "after the scan the guard is free again";
}

TEST_F(DispatchTest, EndingTheProgramInsideNestedLoopsUnwindsThemAll) {
  test::TestApp app{ctx};
  bool codeAfterModalRan = false;
  form.cmdScan.onClick = [&] {
    app.Dialog().Show(ui::ShowMode::kModal, &form);
    codeAfterModalRan = true;
  };
  OnModal<frmDialog>([&](frmDialog& dialog) {
    dialog.cmdOK.onClick = [&] {
      for (int i = 0; i < 5; ++i) ctx.DoEvents();
      codeAfterModalRan = true;
    };
    dialog.cmdCancel.onClick = [&] { ctx.End(); };
    AtPump(2, [&] { user.Click(dialog.cmdCancel); });
    user.Click(dialog.cmdOK);
    codeAfterModalRan = true;
  });
  user.Click(form.cmdScan);
  EXPECT_TRUE(ctx.Ended());
  EXPECT_TRUE(backend.ProgramEnded());
  EXPECT_FALSE(codeAfterModalRan);
  EXPECT_EQ(backend.Pumps(), 2);
}

TEST_F(DispatchTest, TheInputBoxAnswersFromTheScript) {
  ExpectInput("Name", "Enter a name:").Answer("PLAN-01");
  ExpectInput("Name", "Enter a name:").Cancel();
  EXPECT_EQ(ctx.InputBox({"Enter a name:", "Name", "default"}), "PLAN-01");
  EXPECT_EQ(ctx.InputBox({"Enter a name:", "Name", "default"}), "");
}

}  // namespace
