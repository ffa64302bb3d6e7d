// The weekly plan and times of "开机设定": what a start shows and the daily
// shutdown over whole simulated days with drifting timers. The save, part of
// the main window's options save, is tested with the main window.

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
