// The night run on the virtual clock: the countdown, the start one second before the start
// time, and the run button pressed with InNightRun set.

#include "batch/frm_night_run.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "batch/night_run_countdown.h"
#include "build_fixture.h"
#include "core/settings_model.h"

namespace test {
namespace {

constexpr const char* kAcad = "C:\\ACAD\\acad.exe";
constexpr const char* kCorrect = " Please Correct your Start-Time";
constexpr const char* kRunCaption = "Create && &RUN Batch Script";

TEST(NightRunCountdownTest, ReadsAsHoursThenPaddedMinutesAndSeconds) {
  struct Case {
    std::int32_t remaining;
    const char* text;
  };
  for (const Case& c : {Case{5, "0:00:05"}, Case{-5, "0:00:05"}, Case{1800, "0:30:00"}, Case{-3600, "1:00:00"},
                        Case{3 * 3600 + 9 * 60 + 7, "3:09:07"}, Case{86399, "23:59:59"}, Case{0, "0:00:00"}}) {
    EXPECT_EQ(batch::CountdownText(c.remaining), c.text) << c.remaining;
  }
  EXPECT_EQ(batch::RemainingSeconds({1899, 12, 30, 20, 30, 0}, {2026, 12, 10, 21, 30, 0}), -3600);
  EXPECT_EQ(batch::RemainingSeconds({1899, 12, 30, 20, 30, 0}, {2026, 12, 11, 0, 0, 0}), 73800);
}

TEST(NightRunCountdownTest, IsDueOneSecondAwayOrWhenATickSkippedPast) {
  struct Case {
    std::int32_t remaining;
    std::optional<std::int32_t> previous;
    bool due;
  };
  for (const Case& c : {Case{1, std::nullopt, true}, Case{-1, std::nullopt, true}, Case{2, std::nullopt, false},
                        Case{0, std::nullopt, false}, Case{-4, 3, true}, Case{0, 2, true}, Case{1, 2, true},
                        Case{-4, 1, false}, Case{-4, -3, false}, Case{73800, -12599, false}, Case{2, 3, false}}) {
    EXPECT_EQ(batch::RunIsDue(c.remaining, c.previous), c.due)
        << c.remaining << " after " << (c.previous ? std::to_string(*c.previous) : "none");
  }
}

class NightRunTest : public BuildFixture {
 protected:
  NightRunTest() {
    Main().settings.ShowSCRComplete = 0;
    fileSystem.AddFile(kAcad, "MZ");
    Options().tbAutoCadEXE.SetText(kAcad);
    WorkedExampleQueue();
  }

  batch::frmNightRun& Night() { return app.frmNightRun(); }
  // Opens the night run from the menu at this time of 10 December; it ticks a second later.
  void OpenAt(int hour, int minute, int second) {
    clock.Set({2026, 12, 10, hour, minute, second});
    user.ChooseMenu(Main().mnuNightRun);
  }
  void Arm() { user.Click(Night().chkActivate); }
  void Tick(int seconds = 1) { AdvanceTime(1000 * seconds); }
  std::string Countdown() { return Night().lblCountDown.Caption(); }
  std::string RunCaption() { return Main().cmdCreateAndRun.Caption(); }
  int Runs() const { return static_cast<int>(shell.executeCalls.size()); }
  void ExpectIdleMainWindow() {
    EXPECT_TRUE(Main().cmdCreateAndRun.Enabled());
    EXPECT_TRUE(Main().Command1_Compile.Enabled());
    EXPECT_EQ(RunCaption(), kRunCaption);
  }
};

TEST_F(NightRunTest, CountsDownAndStartsTheRunOneSecondBeforeTheStartTime) {
  Main().settings.ShowSCRComplete = 1;
  OpenAt(20, 29, 54);
  EXPECT_EQ(Night().Caption(), " Tornavane - Night Run");
  EXPECT_EQ(Night().tbRunTime.Text(), "8:30:00 PM");
  Arm();
  EXPECT_EQ(Night().Caption(), " Tornavane - Night Run - ACTIVATED");
  EXPECT_FALSE(Night().cmdClose.Enabled());
  EXPECT_FALSE(Main().cmdCreateAndRun.Enabled());
  EXPECT_FALSE(Main().Command1_Compile.Enabled());

  std::vector<std::string> seen;
  for (int i = 0; i < 4; ++i) {
    Tick();
    seen.push_back(Countdown() + "|" + RunCaption());
  }
  EXPECT_EQ(seen, (std::vector<std::string>{" Batch will Start in 0:00:05| Batch Starts in 0:00:05",
                                            " Batch will Start in 0:00:04| Batch Starts in 0:00:04",
                                            " Batch will Start in 0:00:03| Batch Starts in 0:00:03",
                                            " Batch will Start in 0:00:02| Batch Starts in 0:00:02"}));
  EXPECT_EQ(Runs(), 0);

  // At 8:29:59 the run builds, waits at the notice, and starts AutoCAD after "&OK".
  std::int16_t flagDuringRun = core::kFalse;
  int runsBeforeOk = -1;
  bool windowShownDuringRun = true;
  ExpectNotice([&](batch::frmScrComplete&) {
    flagDuringRun = Main().settings.InNightRun;
    runsBeforeOk = Runs();
    windowShownDuringRun = Night().Visible();
  });
  Tick();
  EXPECT_EQ(flagDuringRun, core::kTrue);
  EXPECT_EQ(runsBeforeOk, 0);
  EXPECT_FALSE(windowShownDuringRun);
  ASSERT_EQ(Runs(), 1);
  EXPECT_EQ(shell.executeCalls[0].parameters, "/b \"C:\\Support\\tornavane.scr\"");
  std::string expected = ReadGolden("worked_example");
  expected.replace(expected.find("1:05:09 PM"), 10, "8:29:59 PM");
  EXPECT_EQ(Written(), expected);
  EXPECT_EQ(Main().settings.InNightRun, core::kFalse);
  EXPECT_EQ(Night().chkActivate.Value(), ui::kUnchecked);
  EXPECT_EQ(Night().Caption(), " Tornavane - Night Run");
  EXPECT_EQ(Countdown(), "");
  EXPECT_TRUE(Night().cmdClose.Enabled());
  ExpectIdleMainWindow();

  // Hidden and idle: later ticks start nothing.
  Tick(10);
  EXPECT_EQ(Runs(), 1);
}

TEST_F(NightRunTest, ShowsTheDistanceToTheStartTimeEitherSide) {
  struct Case {
    int hour, minute, second;
    const char* countdown;
  };
  OpenAt(19, 0, 0);
  Arm();
  // Ordered so that no step passes the start time.
  for (const Case& c : {Case{21, 29, 59, "1:00:00"}, Case{21, 30, 0, "1:00:01"}, Case{23, 59, 58, "3:29:59"},
                        Case{23, 59, 59, "20:30:00"}, Case{19, 59, 59, "0:30:00"}, Case{20, 29, 49, "0:00:10"}}) {
    clock.Set({2026, 12, 10, c.hour, c.minute, c.second});
    Tick();
    EXPECT_EQ(Countdown(), std::string(" Batch will Start in ") + c.countdown) << c.hour << ":" << c.minute;
    EXPECT_EQ(RunCaption(), std::string(" Batch Starts in ") + c.countdown);
  }
  EXPECT_EQ(Runs(), 0);
}

TEST_F(NightRunTest, StartTimeAlreadyPastRunsTheNextDay) {
  OpenAt(21, 29, 59);
  Arm();
  Tick();
  EXPECT_EQ(Countdown(), " Batch will Start in 1:00:00");
  Tick();
  EXPECT_EQ(Countdown(), " Batch will Start in 1:00:01");
  clock.Set({2026, 12, 10, 23, 59, 58});
  Tick(2);
  EXPECT_EQ(Countdown(), " Batch will Start in 20:30:00");
  clock.Set({2026, 12, 11, 20, 29, 57});
  Tick();
  EXPECT_EQ(Countdown(), " Batch will Start in 0:00:02");
  EXPECT_EQ(Runs(), 0);
  Tick();
  EXPECT_EQ(Runs(), 1);
}

TEST_F(NightRunTest, ArmedWithinTheSecondAfterTheStartTimeRunsAtTheNextTick) {
  OpenAt(20, 29, 59);
  Tick();  // 8:30:00, not armed yet
  AdvanceTime(500);
  Arm();
  EXPECT_EQ(Runs(), 0);
  AdvanceTime(500);  // 8:30:01
  EXPECT_EQ(Runs(), 1);
}

TEST_F(NightRunTest, ATickLateBeyondTheStartTimeStillRuns) {
  OpenAt(20, 29, 56);
  Arm();
  Tick();
  EXPECT_EQ(Countdown(), " Batch will Start in 0:00:03");
  // The program is blocked for seven seconds: the next tick comes at 8:30:04.
  clock.Advance(7000);
  AdvanceTime(0);
  EXPECT_EQ(Runs(), 1);
  EXPECT_EQ(Night().chkActivate.Value(), ui::kUnchecked);
}

TEST_F(NightRunTest, UnreadableStartTimeAsksForACorrectionAndNeverRuns) {
  OpenAt(20, 29, 56);
  Arm();
  Tick();
  EXPECT_EQ(RunCaption(), " Batch Starts in 0:00:03");
  // The start time passes while the text cannot be read.
  for (const char* text : {"20", "12/10/2026", ""}) {
    user.Fill(Night().tbRunTime, text);
    Tick();
    EXPECT_EQ(Countdown(), kCorrect) << text;
    EXPECT_EQ(RunCaption(), " Batch Starts in 0:00:03") << text;
  }
  user.Fill(Night().tbRunTime, "20:35");
  Tick();
  EXPECT_EQ(Countdown(), " Batch will Start in 0:04:59");
  EXPECT_EQ(Runs(), 0);
  EXPECT_TRUE(backend.Messages().empty());
}

TEST_F(NightRunTest, CloseBoxWhileArmedDisarmsFirst) {
  OpenAt(20, 29, 50);
  Arm();
  Tick();
  user.Close(Night());
  ExpectIdleMainWindow();
  Tick(20);
  EXPECT_EQ(Runs(), 0);
}

TEST_F(NightRunTest, UntickingRestoresTheMainWindowAndStopsTheCountdown) {
  OpenAt(20, 29, 50);
  Arm();
  Tick();
  user.Click(Night().chkActivate);
  EXPECT_EQ(Night().Caption(), " Tornavane - Night Run");
  EXPECT_TRUE(Night().cmdClose.Enabled());
  EXPECT_EQ(Countdown(), "");
  ExpectIdleMainWindow();
  Tick(20);
  EXPECT_EQ(Countdown(), "");
  EXPECT_EQ(Runs(), 0);
  user.Click(Night().cmdClose);
  EXPECT_FALSE(Night().Visible());
}

// The start falls inside a build started by hand: the run waits for it, then runs once.
TEST_F(NightRunTest, StartDuringABuildByHandWaitsForIt) {
  OpenAt(20, 29, 56);
  AtPump(1, [&] {
    Arm();
    Tick(3);  // 8:29:57 to 8:29:59, inside the build
  });
  ClickCreate();
  EXPECT_EQ(Runs(), 0);
  EXPECT_EQ(Night().chkActivate.Value(), ui::kChecked);
  Tick();
  EXPECT_EQ(Runs(), 1);
  EXPECT_EQ(Night().chkActivate.Value(), ui::kUnchecked);
  Tick(5);
  EXPECT_EQ(Runs(), 1);
}

}  // namespace
}  // namespace test
