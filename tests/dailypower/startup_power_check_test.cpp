// The check after start: the window of 1 to 14 minutes after the power-on
// time, the dated list before the weekly plan, the countdown it opens, and
// what stops it.

#include "dailypower/startup_power_check.h"

#include "dailypower/daily_power_fixture.h"

namespace orvane {
namespace {

constexpr const char* kNoPowerOnToday = "open TForm4 button2=\"关闭\" label4=\"今天没有开机任务！\"";

class StartupCheckTest : public test::DailyPowerTest {
 protected:
  // Starts on Monday 2026-12-07 at `time` with these settings and list.
  bool switchesOff(const char* time, const std::string& wakeIni, const char* timeDat = nullptr, double seconds = 2) {
    put("wake.ini", wakeIni);
    if (timeDat != nullptr) put("time.dat", timeDat);
    start((std::string("2026-12-07 ") + time).c_str(), seconds);
    return world().log().contains(kNoPowerOnToday);
  }
};

TEST(StartupWindow, OneToFourteenWholeMinutesAfterThePowerOnTimeWithoutWrapping) {
  EXPECT_FALSE(justSwitchedOnByAlarm(8, 0, {8, 0, 40}));
  EXPECT_TRUE(justSwitchedOnByAlarm(8, 0, {8, 1, 0}));
  EXPECT_TRUE(justSwitchedOnByAlarm(8, 0, {8, 14, 59}));
  EXPECT_FALSE(justSwitchedOnByAlarm(8, 0, {8, 15, 0}));
  EXPECT_TRUE(justSwitchedOnByAlarm(7, 50, {8, 4, 0}));
  EXPECT_FALSE(justSwitchedOnByAlarm(7, 50, {8, 5, 0}));
  EXPECT_FALSE(justSwitchedOnByAlarm(23, 50, {0, 2, 0}));
  EXPECT_FALSE(justSwitchedOnByAlarm(8, 10, {8, 5, 0}));
}

TEST_F(StartupCheckTest, ADayWithoutPowerOnCountsDownOneSecondAfterStartAndPowersOff) {
  EXPECT_TRUE(switchesOff("08:05:00", "[power]\r\nh=8\r\nm=0\r\ns=0\r\n", nullptr, 62));
  const auto& lines = world().log().lines();
  const auto opened = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
    return line.find(kNoPowerOnToday) != std::string::npos;
  });
  EXPECT_EQ(opened->substr(0, 23), "2026-12-07 08:05:01.000");
  EXPECT_TRUE(world().log().contains("ExitWindowsEx flags=13"));
  EXPECT_EQ(main().countdownRequest().PendingPowerAction, "Shutdown...");
}

TEST_F(StartupCheckTest, TheFirstLineForTodayDecidesBeforeTheWeeklyPlan) {
  const std::string noDay = "[power]\r\nh=8\r\nm=0\r\ns=30\r\n";
  const std::string everyDay = noDay + "evreyday=1\r\n";
  EXPECT_FALSE(switchesOff("08:05:00", noDay, "2026-12-06*禁用*\r\n2026/12/7*启用*\r\n2026-12-07*禁用*\r\n"));
  EXPECT_TRUE(switchesOff("08:05:00", everyDay, "2026-12-07*禁用*\r\n2026-12-07*启用*\r\n"));
  EXPECT_TRUE(switchesOff("08:05:00", everyDay, "2026年12月7日*停用\r\n"));
  EXPECT_FALSE(switchesOff("08:05:00", everyDay, "2026-12-08*禁用*\r\n"));
}

TEST_F(StartupCheckTest, TheWeekdayCountsForAnythingButZeroAndEveryDayOnlyForOne) {
  const std::string alarm = "[power]\r\nh=8\r\nm=0\r\ns=0\r\n";
  EXPECT_FALSE(switchesOff("08:05:00", alarm + "w2=yes\r\n"));  // Monday
  EXPECT_TRUE(switchesOff("08:05:00", alarm + "w2=0\r\nw1=1\r\nevreyday=yes\r\n"));
  EXPECT_FALSE(switchesOff("08:05:00", alarm + "w2=0\r\nevreyday=1\r\n"));
}

TEST_F(StartupCheckTest, NothingHappensOutsideTheWindowOrWithoutAPowerOnTime) {
  EXPECT_FALSE(switchesOff("08:15:00", "[power]\r\nh=8\r\nm=0\r\ns=0\r\n"));
  EXPECT_FALSE(switchesOff("00:05:00", "[power]\r\nh=0\r\nm=0\r\ns=0\r\n"));
  EXPECT_FALSE(switchesOff("08:05:00", "[power]\r\nh=8\r\nm=0\r\n"));
  EXPECT_FALSE(switchesOff("08:05:00", ""));
  EXPECT_EQ(fileUtf8("wake.ini"), "[test]\r\ntest=0\r\n");
}

TEST_F(StartupCheckTest, AnUnreadableDateIsReportedAndNothingIsSwitchedOff) {
  EXPECT_FALSE(switchesOff("08:05:00", "[power]\r\nh=8\r\nm=0\r\ns=0\r\n", "12/7/2026*启用*\r\n2026-12-07*禁用*\r\n"));
  EXPECT_TRUE(world().log().contains("error \"'12/7/2026' is not a valid date\""));
  EXPECT_FALSE(world().log().contains("open TForm4"));
}

TEST_F(StartupCheckTest, AnUnfinishedTestRunGoesFirstAndIsAbandonedWhenItDoesNotAct) {
  put("wake.ini", "[test]\r\ntest=2\r\n[power]\r\nh=8\r\nm=0\r\ns=0\r\n");
  int testRuns = 0;
  start("2026-12-07 08:05:00", 0);
  main().startupPowerCheck().setContinueTestRun([&] { return ++testRuns == 1; });
  world().run(2);
  EXPECT_EQ(testRuns, 1);
  EXPECT_FALSE(world().log().contains("open TForm4"));
  EXPECT_NE(fileUtf8("wake.ini").find("test=2"), std::string::npos);
  world().run(2, [&] { handle([&] { main().startupPowerCheck().run(); }); });
  EXPECT_EQ(testRuns, 2);
  EXPECT_NE(fileUtf8("wake.ini").find("test=0"), std::string::npos);
  EXPECT_TRUE(world().log().contains(kNoPowerOnToday));
}

}  // namespace
}  // namespace orvane
