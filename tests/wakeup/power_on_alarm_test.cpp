// The power-on alarm in the CMOS: the bytes and checksums of each board
// profile when setting and clearing, the decimal time of 0x59 boards, the
// extra registers, the stop when nothing changes, the profile keys, and the
// questions with their power calls.

#include "wakeup/power_on_alarm.h"

#include "wakeup/wakeup_fixture.h"

namespace orvane {
namespace {

using Writes = std::vector<std::string>;

class AlarmTest : public test::WakeupTest {
 protected:
  PowerOnAlarm& alarm() { return wakeup.alarm(); }
  // The bytes that setting and then clearing write, "|" between the two.
  Writes setThenClear(int hour, int minute) {
    const auto earlier = static_cast<long>(cmosWrites().size());
    alarm().SetPowerOnAlarm(hour, minute);
    const auto setting = static_cast<long>(cmosWrites().size());
    alarm().ClearPowerOnAlarm();
    Writes writes = cmosWrites();
    writes.insert(writes.begin() + setting, "|");
    writes.erase(writes.begin(), writes.begin() + earlier);
    return writes;
  }
};

TEST_F(AlarmTest, Board54SetsTheWorkedExampleAndClearsTheEnableByteOnly) {
  setProfile({"84", "85", "86", "87", "88", "125", "126"});
  setCmos({{84, 0x00}, {85, 0x05}, {86, 0x07}, {87, 0x00}, {88, 0x11}, {125, 0x12}, {126, 0x34}, {127, 0x99}});
  EXPECT_EQ(setThenClear(6, 30),
            (Writes{"84=1", "85=0", "86=6", "87=30", "88=17", "125=18", "126=77", "|", "84=0", "125=18", "126=76"}));
  EXPECT_EQ(cmos(86), 6);
  EXPECT_EQ(cmos(127), 0x99);
  EXPECT_EQ(eventsOf({"message", "ExitWindowsEx"}),
            (Writes{"message \"必须重启一次计算机才能使设置生效！\" -> 确定", "ExitWindowsEx flags=2 reserved=0",
                    "message \"定时开机功能已经取消！\" -> 确定"}));
}

TEST_F(AlarmTest, EveryOtherProfileRowSetsAndClearsItsOwnBytes) {
  struct Row {
    std::vector<std::string> profile;
    std::initializer_list<std::pair<int, int>> cmos;
    Writes writes;
  };
  const Row rows[] = {
      // 0x40 with extra 126: 0x01 into 0x7E outside the checksum; off is 0x08.
      {{"64", "65", "66", "67", "68", "124", "125", "126"},
       {{64, 0x08}, {65, 3}, {66, 7}, {68, 5}, {124, 1}},
       {"64=9", "65=0", "66=6", "67=30", "68=5", "124=1", "125=27", "126=1", "|", "64=8", "124=1", "125=26"}},
      // 0x55 with extra 101: 0xD8 and 0x24 into 0x65, both in the checksum.
      {{"85", "86", "87", "88", "89", "123", "124", "101"},
       {{86, 0x10}, {87, 7}, {124, 0x10}},
       {"85=216", "86=0", "87=6", "88=30", "89=0", "123=1", "124=25", "101=36", "|", "85=0", "123=0", "124=65"}},
      // 0x55 with any other extra index: 0x20, and 0x65 left alone.
      {{"85", "86", "87", "88", "89", "123", "124"},
       {{86, 0x10}, {87, 7}, {124, 0x10}},
       {"85=32", "86=0", "87=6", "88=30", "89=0", "123=0", "124=61", "|", "85=0", "123=0", "124=29"}},
      // 0x56 is no 0x55: enable 0x00 both ways, but extra 101 still gets 0x24.
      {{"86", "87", "88", "89", "90", "123", "124", "101"},
       {{86, 5}, {87, 2}, {88, 7}, {124, 80}},
       {"86=0", "87=0", "88=6", "89=30", "90=0", "123=0", "124=138", "101=36", "|", "86=0", "123=0", "124=138"}},
      // 0x59: decimal time, the day kept, the checksum against the enable byte.
      {{"89", "127", "90", "91", "127", "109", "110"},
       {{89, 0x01}, {127, 7}, {90, 5}, {109, 0x12}, {110, 0x34}},
       {"89=65", "127=7", "90=6", "91=48", "127=7", "109=17", "110=244", "|", "89=1", "109=18", "110=52"}},
  };
  for (const Row& row : rows) {
    setProfile(row.profile);
    setCmos(row.cmos);
    EXPECT_EQ(setThenClear(6, 30), row.writes) << "profile " << row.profile[0];
  }
}

TEST_F(AlarmTest, Board59AsksForThePowerOffBeforeTheRestartAndCancelCallsNothing) {
  setProfile({"89", "127", "90", "91", "127", "109", "110"});
  alarm().SetPowerOnAlarm(7, 0);
  EXPECT_EQ(
      eventsOf({"message", "ExitWindowsEx"}),
      (Writes{"message \"现在请关闭系统。计算机将尝试在10分钟后重启。\" -> 确定", "ExitWindowsEx flags=13 reserved=0",
              "message \"必须重启一次计算机才能使设置生效！\" -> 确定", "ExitWindowsEx flags=2 reserved=0"}));
  world.ui().setAnswer("message", "取消");
  alarm().SetPowerOnAlarm(8, 0);
  EXPECT_EQ(world.log().count("message"), 4);
  EXPECT_EQ(world.log().count("ExitWindowsEx"), 2);
}

TEST_F(AlarmTest, Board59WritesTheTimeInDecimalDigits) {
  setProfile({"89", "127", "90", "91", "127", "109", "110"});
  const std::pair<int, int> times[] = {{10, 0}, {11, 0}, {20, 0}, {23, 45}, {0, 30},
                                       {0, 31}, {0, 32}, {0, 33}, {0, 34}};
  const std::pair<int, int> stored[] = {{0x10, 0}, {0x11, 0}, {0x20, 0}, {0x23, 0x45}, {0, 0x30},
                                        {0, 0x31}, {0, 0x32}, {0, 0x33}, {0, 0x34}};
  for (std::size_t i = 0; i < std::size(times); ++i) {
    alarm().SetPowerOnAlarm(times[i].first, times[i].second);
    EXPECT_EQ(std::make_pair(cmos(90), cmos(91)), stored[i]) << times[i].first << ":" << times[i].second;
  }
}

TEST_F(AlarmTest, TheChecksumWrapsBothWays) {
  setProfile({"84", "85", "86", "87", "88", "125", "126"});
  setCmos({{86, 5}, {87, 30}, {125, 0xFF}, {126, 0xFF}});
  alarm().SetPowerOnAlarm(6, 30);  // +1 enable, +1 hour
  EXPECT_EQ(std::make_pair(cmos(125), cmos(126)), std::make_pair(0x00, 0x01));
  setCmos({{84, 1}, {86, 8}, {87, 30}, {126, 0x01}});
  alarm().SetPowerOnAlarm(6, 30);  // -2 hour
  EXPECT_EQ(std::make_pair(cmos(125), cmos(126)), std::make_pair(0xFF, 0xFF));
}

TEST_F(AlarmTest, TheTimeAlreadySetWritesNothingAndAsksNothing) {
  setProfile({"84", "85", "86", "87", "88", "125", "126"});
  setCmos({{84, 1}, {85, 0}, {86, 6}, {87, 30}, {125, 0x12}});
  alarm().SetPowerOnAlarm(6, 30);
  EXPECT_TRUE(cmosWrites().empty());
  EXPECT_FALSE(world.log().contains("message"));
  setCmos({{84, 1}, {85, 2}, {86, 6}, {87, 30}});  // a day set: not the same alarm
  alarm().SetPowerOnAlarm(6, 30);
  EXPECT_EQ(cmosWrites().size(), 7U);
}

TEST_F(AlarmTest, MissingKeysStandFor127WhenSettingAnd0WhenClearing) {
  writeProgramFile("wake.ini", "[wake]\r\net=1\r\n");
  alarm().SetPowerOnAlarm(6, 30);
  alarm().ClearPowerOnAlarm();
  const Writes writes = cmosWrites();
  ASSERT_EQ(writes.size(), 10U);
  for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(writes[i].substr(0, 4), "127=");
  for (std::size_t i = 7; i < 10; ++i) EXPECT_EQ(writes[i].substr(0, 2), "0=");
}

TEST_F(AlarmTest, AKeyThatIsNoNumberEndsTheOperationBeforeAnyPortIsTouched) {
  setProfile({"84", "85", "abc", "87", "88", "125", "126"});
  world.ui().runHandler([&] { alarm().SetPowerOnAlarm(6, 30); });
  EXPECT_EQ(world.log().events(), (Writes{"error \"'abc' is not a valid integer value\""}));
  setProfile({"84x"});
  world.ui().runHandler([&] { alarm().ClearPowerOnAlarm(); });
  EXPECT_TRUE(world.log().contains("error \"'84x' is not a valid integer value\""));
  EXPECT_FALSE(world.log().contains("CreateFile"));
  setProfile({"84", "85", "abc", "87", "88", "125", "126"});  // clearing never reads the hour key
  alarm().ClearPowerOnAlarm();
  EXPECT_TRUE(world.log().contains("message \"定时开机功能已经取消！\""));
}

}  // namespace
}  // namespace orvane
