// The shutdown countdown "TForm4" against the simulated Windows: opened
// through the main window's Timer9 or directly, counted by its own Timer1,
// acting on the request as it stands at the tick or the click.

#include "power/countdown_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/sim_world.h"
#include "power/power_system.h"
#include "test_support/parts_window.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

const char* const kPowerOff = "ExitWindowsEx flags=13 reserved=0";
const char* const kReboot = "ExitWindowsEx flags=2 reserved=0";

class CountdownTest : public SimTest {
 protected:
  CountdownTest() { window.parts.add(power); }
  std::vector<std::string> timesOf(const std::string& event) { return orvane::timesOf(world.log(), event); }
  // A request through Timer9, as the task dispatcher and the daily shutdown
  // make it.
  void requestThroughTimer9(const char* action) {
    power.countdownRequest().PendingPowerAction = action;
    power.requestCountdown();
  }
  CountdownForm* openCountdown() { return dynamic_cast<CountdownForm*>(world.ui().findOpenForm("TForm4")); }
  // The texts of the countdown on screen at this second.
  void expectTextsAt(double second, const char* label2, const char* button2, const char* label4) {
    world.at(second, [=] {
      EXPECT_EQ(openCountdown()->Label2(), label2);
      EXPECT_EQ(openCountdown()->Button2(), button2);
      EXPECT_EQ(openCountdown()->Label4(), label4);
    });
  }

  PartsWindow window{world.ui()};
  PowerSystem power{world.platform(), world.ui(), window.parts};
  CountdownRequest& request = power.countdownRequest();
};

TEST_F(CountdownTest, RebootThroughTimer9OpensAfterOneTickAndRestarts61SecondsAfterTheRequest) {
  requestThroughTimer9(kRebootRequest);
  world.run(90);
  EXPECT_EQ(timesOf("open TForm4 button2=\"重启\""), std::vector<std::string>{"10:00:01"});
  EXPECT_EQ(timesOf("AdjustTokenPrivileges privilege=SeShutdownPrivilege enable=1"),
            std::vector<std::string>{"10:01:01"});
  EXPECT_EQ(timesOf(kReboot), std::vector<std::string>{"10:01:01"});
  EXPECT_EQ(timesOf("AdjustTokenPrivileges privilege=SeShutdownPrivilege enable=0"),
            std::vector<std::string>{"10:01:01"});
  EXPECT_EQ(world.log().count("ExitWindowsEx"), 1);
}

TEST_F(CountdownTest, ReachingZeroLeavesTheDialogOpenWithAFullBarAndTheTimerStopped) {
  world.power().setExitWindowsResult(false);  // a program vetoes the reboot
  requestThroughTimer9(kRebootRequest);
  world.at(31.5, [&] {
    EXPECT_EQ(openCountdown()->Label1(), "30");
    EXPECT_EQ(openCountdown()->progressPosition(), 300);
  });
  world.at(199, [&] {
    CountdownForm* countdown = openCountdown();
    ASSERT_NE(countdown, nullptr);
    EXPECT_EQ(countdown->Label1(), "0");
    EXPECT_EQ(countdown->progressPosition(), CountdownForm::kProgressMaximum);
    EXPECT_FALSE(countdown->counting());
  });
  world.run(200);
  EXPECT_EQ(world.log().count("ExitWindowsEx"), 1);
}

TEST_F(CountdownTest, CancelClosesTheDialogBeforeAnyActionAndKeepsTheRequest) {
  world.ui().setAnswer("TForm4", "cancel");
  request.CountdownNote = "今天没有开机任务！";
  requestThroughTimer9(kRebootRequest);
  world.run(90);
  EXPECT_EQ(timesOf("close TForm4"), std::vector<std::string>{"10:00:01"});
  EXPECT_FALSE(world.log().contains("ExitWindowsEx"));
  EXPECT_EQ(request.PendingPowerAction, kRebootRequest);
  EXPECT_EQ(request.CountdownNote, "今天没有开机任务！");
}

TEST_F(CountdownTest, ActNowWorksAtAnySecondOnceAndLeavesTheDialogOpen) {
  for (double second : {1.5, 30.0, 60.5}) {
    TempDir otherDir;
    SimWorld other{otherDir.path(), dateTime("2026-12-07 10:00:00")};
    PartsWindow otherWindow{other.ui()};
    PowerSystem otherPower{other.platform(), other.ui(), otherWindow.parts};
    otherWindow.parts.add(otherPower);
    otherPower.requestCountdown();
    other.at(second, [&] { dynamic_cast<CountdownForm*>(other.ui().findOpenForm("TForm4"))->Button2Click(); });
    other.run(120);
    EXPECT_EQ(other.log().count(kPowerOff), 1) << "at " << second;
    EXPECT_FALSE(other.log().contains("close TForm4")) << "at " << second;
  }
}

TEST_F(CountdownTest, LateTicksDoNotStretchTheSixtySeconds) {
  world.time().setJitter(300);  // each tick 1.3 s after the last
  CountdownForm countdown(world.ui(), world.platform().clock, power.powerActions(), request);
  world.run(70, [&] { world.ui().showModeless(countdown); });
  EXPECT_EQ(timesOf(kPowerOff), std::vector<std::string>{"10:01:01"});
  EXPECT_EQ(countdown.Label1(), "0");
}

TEST_F(CountdownTest, ScriptedCaptionPressesTheActNowButton) {
  world.ui().setAnswer("TForm4", "重启");
  requestThroughTimer9(kRebootRequest);
  world.run(5);
  EXPECT_EQ(timesOf(kReboot), std::vector<std::string>{"10:00:01"});
}

TEST_F(CountdownTest, EmptyRequestCountsDownToAPowerOffWithTheDefaultTexts) {
  power.requestCountdown();
  expectTextsAt(2, "秒之后关闭...", "关闭", "这是一个指定任务。");
  world.run(90);
  EXPECT_EQ(timesOf(kPowerOff), std::vector<std::string>{"10:01:01"});
}

TEST_F(CountdownTest, TextsFollowTheRequestAtCreationAndTheActionFollowsItAtTheTick) {
  request.CountdownNote = "测试中...这是测试的一个步骤。";
  requestThroughTimer9(kRebootRequest);
  world.at(10, [&] { request.PendingPowerAction = kShutdownRequest; });
  expectTextsAt(11, "秒之后重启...", "重启", "测试中...这是测试的一个步骤。");
  world.run(90);
  EXPECT_EQ(timesOf(kPowerOff), std::vector<std::string>{"10:01:01"});
  EXPECT_FALSE(world.log().contains(kReboot));
}

TEST_F(CountdownTest, ActNowFollowsTheRequestAtTheClick) {
  CountdownForm countdown(world.ui(), world.platform().clock, power.powerActions(), request);
  request.PendingPowerAction = kRebootRequest;
  countdown.Button2Click();
  EXPECT_EQ(countdown.Button2(), "关闭");
  EXPECT_TRUE(world.log().contains(kReboot));
}

TEST_F(CountdownTest, StackedCountdownsEachCountOnTheirOwnAndActOnTheLatestRequest) {
  requestThroughTimer9(kShutdownRequest);
  world.at(10, [&] { requestThroughTimer9(kRebootRequest); });
  world.run(120);
  EXPECT_EQ(timesOf("open TForm4"), (std::vector<std::string>{"10:00:01", "10:00:11"}));
  EXPECT_EQ(timesOf("open TForm4 button2=\"关闭\""), std::vector<std::string>{"10:00:01"});
  // The first dialog reaches zero first and acts on the request as it now
  // stands; the second acts ten seconds later.
  EXPECT_EQ(timesOf(kReboot), (std::vector<std::string>{"10:01:01", "10:01:11"}));
  EXPECT_FALSE(world.log().contains(kPowerOff));
}

}  // namespace
}  // namespace orvane
