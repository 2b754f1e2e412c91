#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/app_fixture.h"
#include "ui/ui.h"

namespace {

class frmTimers : public ui::Form {
 public:
  explicit frmTimers(ui::Context& ctx) : Form(ctx, "frmTimers") {
    onLoad = [this] {
      Timer1.SetInterval(1000);
      Timer2.SetInterval(1500);
    };
    Timer1.onTimer = [this] { ticks.push_back("Timer1 " + std::to_string(Now())); };
    Timer2.onTimer = [this] { ticks.push_back("Timer2 " + std::to_string(Now())); };
  }
  std::int64_t Now() const { return Ctx().Services().clock.TickMilliseconds() - start; }

  ui::Timer Timer1{this, "Timer1"};
  ui::Timer Timer2{this, "Timer2"};
  std::vector<std::string> ticks;
  std::int64_t start = Ctx().Services().clock.TickMilliseconds();
};

class TimerTest : public test::AppFixture {
 protected:
  ui::FormSlot<frmTimers> slot{ctx};
};

// Timers due at the same moment run in the order they were started.
TEST_F(TimerTest, DueTimersRunInTimeOrderAsTheClockAdvances) {
  slot().Hide();
  AdvanceTime(3200);
  EXPECT_EQ(slot().ticks,
            (std::vector<std::string>{"Timer1 1000", "Timer2 1500", "Timer1 2000", "Timer1 3000", "Timer2 3000"}));
  EXPECT_EQ(slot().Now(), 3200);
}

TEST_F(TimerTest, DisablingStopsATimerAndEnablingStartsItsCountAfresh) {
  slot().Timer2.SetEnabled(false);
  AdvanceTime(1500);
  slot().Timer1.SetEnabled(false);
  AdvanceTime(2000);
  slot().Timer1.SetEnabled(true);
  AdvanceTime(1200);
  EXPECT_EQ(slot().ticks, (std::vector<std::string>{"Timer1 1000", "Timer1 4500"}));
}

TEST_F(TimerTest, ATimerStopsWithItsForm) {
  slot().Unload();
  ctx.CollectRetired();
  AdvanceTime(5000);
  EXPECT_EQ(slot().ticks, std::vector<std::string>{}) << "the fresh form starts counting when it loads";
}

TEST_F(TimerTest, ATimerHandlerMayUnloadItsOwnForm) {
  slot().Timer1.onTimer = [this] { slot().Unload(); };
  AdvanceTime(3000);
  EXPECT_FALSE(slot.Loaded());
}

TEST_F(TimerTest, IntervalsOutsideTheRangeAreRefused) {
  EXPECT_THROW(slot().Timer1.SetInterval(65536), runtime::Error);
  EXPECT_THROW(slot().Timer1.SetInterval(-1), runtime::Error);
  slot().Timer1.SetInterval(0);
  EXPECT_FALSE(slot().Timer1.Running());
}

TEST_F(TimerTest, DoEventsRunsTimersThatFellDue) {
  slot().Timer2.SetEnabled(false);
  slot().Timer1.onTimer = [this] {
    slot().ticks.push_back("tick");
    ctx.GetBackend().DoEvents();
  };
  AtPump(1, [this] { clock.Advance(1000); });
  AdvanceTime(1000);
  EXPECT_EQ(slot().ticks, (std::vector<std::string>{"tick", "tick"}));
}

}  // namespace
