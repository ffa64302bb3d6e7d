// The weekly plan and times of "开机设定": what a start shows, the save in its
// order with the wizard's decision, and the daily shutdown over whole
// simulated days with drifting timers.

#include "dailypower/daily_schedule.h"

#include "dailypower/daily_power_fixture.h"

namespace orvane {
namespace {

using Fields = DailyScheduleFields;
using ScheduleTest = test::DailyPowerTest;

TEST_F(ScheduleTest, AStartReadsOnlyExactlyOneAsCheckedAndTheTimesAsText) {
  start("2026-12-07 10:00:00");
  const Fields& empty = main().dailySchedule().fields();
  EXPECT_EQ(empty.weekdays, (std::array<bool, 7>{}));
  EXPECT_FALSE(empty.everyDay);
  EXPECT_EQ(empty.powerOn, (TimeFields{"0", "0", "0"}));
  EXPECT_EQ(empty.shutdown, (TimeFields{"0", "0", "0"}));

  put("wake.ini", "[power]\r\nevreyday=01\r\nw2=1\r\nw3=yes\r\nw1=1\r\nh=07\r\nm=5\r\n[close]\r\nh=23\r\n");
  start("2026-12-07 10:00:00");
  const Fields& odd = main().dailySchedule().fields();
  EXPECT_FALSE(odd.everyDay);
  EXPECT_EQ(odd.weekdays, (std::array<bool, 7>{true, false, false, false, false, false, true}));
  EXPECT_EQ(odd.powerOn, (TimeFields{"07", "5", "0"}));
  EXPECT_EQ(odd.shutdown, (TimeFields{"23", "0", "0"}));
  EXPECT_TRUE(main().dailySchedule().weekdaysEnabled());
  main().dailySchedule().fields().everyDay = true;
  EXPECT_FALSE(main().dailySchedule().weekdaysEnabled());
}

TEST_F(ScheduleTest, TheSaveWritesItsKeysInOrderAndOpensTheWizardOnlyForAChangedPowerOnText) {
  put("wake.ini", "[power]\r\nh=07\r\nm=0\r\ns=0\r\n");
  start("2026-12-07 10:00:00");
  DailySchedule& schedule = main().dailySchedule();
  std::vector<std::string> steps;
  schedule.saveSteps().computeNextWake = [&] { steps.push_back("wake:" + fileUtf8("wake.ini")); };
  schedule.saveSteps().openPowerOnWizard = [&] { steps.push_back("wizard"); };
  Fields& fields = schedule.fields();
  fields.everyDay = true;
  fields.weekdays[6] = true;  // "星期日", disabled but saved
  fields.powerOn = {"7", "0", "0"};
  fields.shutdown = {"22", "30", "0"};
  handle([&] { main().saveOptions(); });
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_EQ(steps[0], "wake:[power]\r\nh=07\r\nm=0\r\ns=0\r\n[test]\r\ntest=0\r\n");  // before the save
  EXPECT_EQ(steps[1], "wizard");
  // New keys go to the end of their section, so their order is the order
  // of the writes; "autorun" and "tray" of the other tab follow.
  EXPECT_EQ(fileUtf8("wake.ini")
                .rfind("[power]\r\nh=7\r\nm=0\r\ns=0\r\nevreyday=1\r\nw2=0\r\nw3=0\r\nw4=0\r\nw5=0\r\n"
                       "w6=0\r\nw7=0\r\nw1=1\r\n[test]\r\ntest=0\r\n[close]\r\nh=22\r\nm=30\r\ns=0\r\n[autorun]",
                       0),
            0u);
  EXPECT_TRUE(main().advancedPage().options().startWithWindows);

  // The same texts again, another shutdown time and no box: no wizard, and
  // "随系统启动" stays as the user set it.
  steps.clear();
  fields.everyDay = fields.weekdays[6] = false;
  fields.shutdown = {"0", "0", "0"};
  main().advancedPage().options().startWithWindows = false;
  handle([&] { main().saveOptions(); });
  EXPECT_EQ(steps.size(), 1u);
  EXPECT_FALSE(main().advancedPage().options().startWithWindows);
  EXPECT_NE(fileUtf8("wake.ini").find("[close]\r\nh=0\r\nm=0\r\ns=0\r\n"), std::string::npos);
}

TEST_F(ScheduleTest, TheDailyShutdownComesExactlyOnceADayUnderDriftingTimers) {
  put("wake.ini", "[close]\r\nh=22\r\nm=30\r\ns=0\r\n");
  for (const int jitter : {0, 16, 700}) {
    start("2026-12-07 08:00:00", 2 * 86400, jitter);
    std::vector<std::string> opened;
    for (const std::string& line : world().log().lines()) {
      if (line.find(" open TForm4") != std::string::npos) opened.push_back(line.substr(0, 19));
    }
    ASSERT_EQ(opened.size(), 2u) << jitter;
    for (const std::string& stamp : opened) {
      EXPECT_TRUE(stamp.substr(11) == "22:30:01" || stamp.substr(11) == "22:30:02") << jitter << " " << stamp;
    }
    EXPECT_EQ(opened[0].substr(0, 10), "2026-12-07");
    EXPECT_EQ(opened[1].substr(0, 10), "2026-12-08");
  }
}

TEST_F(ScheduleTest, TheShutdownFollowsTheFieldsAsTypedAndZeroMeansNone) {
  start("2026-12-07 23:59:50", 86400, 700);
  EXPECT_EQ(countdowns(), 0);
  main().dailySchedule().fields().shutdown = {"0", "0", "5"};
  world().run(20);
  EXPECT_EQ(countdowns(), 1);
  main().dailySchedule().fields().shutdown = {"x", "0", "5"};
  world().run(86400);
  EXPECT_EQ(countdowns(), 1);
  EXPECT_EQ(shutdownSecondOfDay({"23", "59", "59"}), 86399);
  EXPECT_EQ(shutdownSecondOfDay({"24", "0", "0"}), std::nullopt);
}

}  // namespace
}  // namespace orvane
