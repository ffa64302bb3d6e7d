// The one-off timed shutdown "TForm10" against the simulated Windows: both
// modes under drifting timers, disarming and re-arming, a bad number of
// minutes, and the window living on while the shutdown stays armed.

#include "power/timed_shutdown_form.h"

#include <gtest/gtest.h>

#include <string>

#include "common/errors.h"
#include "platform/sim/sim_world.h"
#include "power/power_system.h"
#include "test_support/parts_window.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

const char* const kPowerOff = "ExitWindowsEx flags=13 reserved=0";

class TimedShutdownTest : public SimTest {
 protected:
  TimedShutdownTest() : SimTest("2026-03-02 10:00:00") { window.parts.add(power); }
  // The user opens "定时关机" at this second and answers as scripted.
  void openAt(double second, const char* answer) {
    world.at(second, [this, answer] {
      world.ui().setAnswer("TForm10", answer);
      power.Autoshutdown1Click();
    });
  }
  std::string firstAt(const std::string& event) { return firstStampOf(world.log(), event); }
  void expectStatusAt(double second, const std::string& status) {
    world.at(second, [this, second, status] { EXPECT_EQ(form.StatusBar1(), status) << "at " << second; });
  }

  PartsWindow window{world.ui()};
  PowerSystem power{world.platform(), world.ui(), window.parts};
  TimedShutdownForm& form = power.timedShutdown();
};

TEST_F(TimedShutdownTest, MinutesAreMeasuredByTheClockSoDriftingTicksDoNotDelayTheShutdown) {
  world.time().setJitter(300);
  power.countdownRequest().PendingPowerAction = kRebootRequest;  // left by an earlier countdown
  openAt(5, "minutes 2");
  // A task asks for a reboot while the countdown runs: this one powers off.
  world.at(130, [this] { power.countdownRequest().PendingPowerAction = kRebootRequest; });
  expectStatusAt(6, "定时关机已启用！");
  expectStatusAt(64, "计算机将在 2 分钟之后关闭！");
  expectStatusAt(67, "计算机将在 1 分钟之后关闭！");
  expectStatusAt(126.5, "计算机将在 1 分钟之后关闭！");
  world.run(200);
  EXPECT_EQ(firstAt("close TForm10"), "2026-03-02 10:00:06.300");
  EXPECT_EQ(firstAt("open TForm4 button2=\"关闭\""), "2026-03-02 10:02:06.000");
  EXPECT_EQ(firstAt(kPowerOff).substr(0, 19), "2026-03-02 10:03:07");
  EXPECT_FALSE(world.log().contains("ExitWindowsEx flags=2"));
  EXPECT_FALSE(form.armed());
  EXPECT_FALSE(form.CheckBox1);
}

TEST_F(TimedShutdownTest, ZeroMinutesFallDueOnTheFirstTick) {
  openAt(5, "minutes 0");
  world.run(10);
  EXPECT_EQ(firstAt("open TForm4"), "2026-03-02 10:00:06.000");
}

TEST_F(TimedShutdownTest, ClockTimeFiresAtItsSecondEvenWhenLateTicksSkipIt) {
  world.time().setJitter(300);
  // Ticks come at 10:01:04.8 and 10:01:06.1.
  openAt(5, "at 10:01:05");
  expectStatusAt(30, "计算机将在 10:01:05 关闭！");
  world.run(100);
  EXPECT_EQ(firstAt("open TForm4"), "2026-03-02 10:01:06.100");
}

TEST_F(TimedShutdownTest, ClockTimeEarlierThanNowFallsDueTheNextDay) {
  openAt(5, "at 9:59:59");
  world.run(86400);
  EXPECT_EQ(firstAt("open TForm4"), "2026-03-03 09:59:59.000");
}

TEST_F(TimedShutdownTest, UncheckedBoxDisarmsAndArmingAgainStartsFromTheNewValues) {
  openAt(5, "minutes 2");
  openAt(30, "off");
  expectStatusAt(32, "定时关机未启用！");
  openAt(40, "minutes 2");
  openAt(50, "minutes 1");
  openAt(60, "at 10:01:30");
  world.run(300);
  EXPECT_EQ(world.log().count("open TForm4"), 1);
  EXPECT_EQ(firstAt("open TForm4"), "2026-03-02 10:01:30.000");
}

TEST_F(TimedShutdownTest, BadMinutesAreReportedAndChangeNothing) {
  openAt(5, "at 10:01:00");
  openAt(10, "minutes 1O");
  world.run(100);
  EXPECT_TRUE(world.log().contains("error \"'1O' is not a valid integer value\""));
  EXPECT_EQ(firstAt("open TForm4"), "2026-03-02 10:01:00.000");

  form.CheckBox1 = true;
  form.RadioButton1 = false;
  form.suiEdit1 = "";
  EXPECT_THROW(form.suiButton1Click(), OperationError);
  EXPECT_FALSE(form.armed());
  EXPECT_TRUE(form.TimedShutdownAtTime());
  // The minutes field does not matter in the clock-time mode.
  form.RadioButton1 = true;
  form.suiButton1Click();
  EXPECT_TRUE(form.armed());
}

TEST_F(TimedShutdownTest, ClosedWindowKeepsTheShutdownArmedAndReopensInItsMode) {
  openAt(2, "cancel");
  world.at(3, [this] { EXPECT_EQ(form.DateTimePicker1, (TimeOfDay{10, 30, 2, 0})); });
  openAt(5, "minutes 3");
  world.at(8, [this] { form.DateTimePicker1 = {11, 0, 0, 0}; });
  openAt(20, "cancel");
  world.run(30);
  EXPECT_TRUE(form.armed());
  EXPECT_FALSE(form.RadioButton1);
  EXPECT_TRUE(form.CheckBox1);
  EXPECT_EQ(form.DateTimePicker1, (TimeOfDay{11, 0, 0, 0}));
  EXPECT_EQ(world.log().count("close TForm10"), 3);
}

}  // namespace
}  // namespace orvane
