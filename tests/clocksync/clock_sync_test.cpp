// The clock window "TForm9" and the synchronisation after start against the
// simulated Windows: what a fetch shows and stores, what "校正" sets, the
// box stored at once, and the synchronisation 29 seconds after start.

#include "clocksync/clock_sync.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "clocksync/clock_form.h"
#include "storage/settings_keys.h"
#include "test_support/parts_window.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

const char* const kNetworkDown = "message \"网络不通，请稍后再试！\" -> 确定";
const char* const kNoServerTime = "message \"原子钟服务器时间错误！校正失败！\" -> 确定";

class ClockSyncTest : public SimTest {
 protected:
  ClockSyncTest() : SimTest("2026-03-02 10:00:00") {
    window.parts.add(clockSync);
    serveClock("time.example", "2026-03-02 01:59:00");
  }
  void serveClock(const char* host, const char* utc) {
    SimTimeServer server;
    server.kind = SimTimeServer::Kind::Clock;
    server.utcAtStart = dateTime(utc);
    world.network().addServer(host, server);
  }
  void settings(const char* enabled, const char* server) {
    writeProgramFile("wake.ini", std::string("[time]\r\nenabled=") + enabled + "\r\nserver=" + server + "\r\n");
  }
  void openWithAnswerAt(double second, const char* answer) {
    world.at(second, [this, answer] {
      world.ui().setAnswer("TForm9", answer);
      clockSync.openClockWindow();
    });
  }
  std::string stored() { return wakeSettings(world.files()).read(wake_ini::kClockServer); }
  // The clock window's model opens at this second; `during` runs on it at
  // the seconds given.
  using Step = std::pair<double, std::function<void(ClockForm&)>>;
  void openAt(double second, std::vector<Step> during) {
    world.at(second, [this] { form.FormShow(); });
    for (auto& entry : during) world.at(entry.first, [this, step = entry.second] { step(form); });
  }

  PartsWindow window{world.ui()};
  ClockSync clockSync{world.platform(), world.ui()};
  ClockForm form{world.platform(), world.ui()};
};

TEST_F(ClockSyncTest, AfterStartTheUtcClockIsSetFromTheStoredServerOnlyWhenSwitchedOn) {
  settings("1", "time.example");
  world.run(40, [this] { window.parts.startUp(); });
  EXPECT_EQ(timesOf(world.log(), "connect host=time.example port=37 -> ok"), std::vector<std::string>{"10:00:29"});
  EXPECT_EQ(timesOf(world.log(), "SetSystemTime time=\"2026-03-02 01:59:29\""), std::vector<std::string>{"10:00:29"});
  EXPECT_EQ(formatDateTime(world.time().localNow()).substr(11), "09:59:39");
  EXPECT_EQ(world.log().count("message"), 0);

  for (const char* off : {"0", "true"}) {
    TempDir other;
    SimWorld quiet(other.path(), dateTime("2026-03-02 10:00:00"));
    ASSERT_TRUE(quiet.files().writeFileFlushed(
        other.path() / "wake.ini", std::string("[time]\r\nenabled=") + off + "\r\nserver=time.example\r\n"));
    PartsWindow quietWindow(quiet.ui());
    ClockSync quietSync(quiet.platform(), quiet.ui());
    quietWindow.parts.add(quietSync);
    quiet.run(40, [&] { quietWindow.parts.startUp(); });
    EXPECT_FALSE(quiet.log().contains("connect")) << off;
  }
}

TEST_F(ClockSyncTest, AfterStartAFailedFetchOrAYearUpTo2003SetsNothing) {
  settings("1", "time.example");
  serveClock("time.example", "2003-12-31 23:59:00");
  world.run(40, [this] { window.parts.startUp(); });
  EXPECT_TRUE(world.log().contains("connect host=time.example port=37 -> ok"));
  EXPECT_FALSE(world.log().contains("SetSystemTime"));
  EXPECT_EQ(world.log().count("message"), 0);
}

TEST_F(ClockSyncTest, ATypedHostIsStoredOnlyAfterASuccessfulFetch) {
  settings("0", "time.example");
  openAt(1, {{2,
              [](ClockForm& shown) {
                EXPECT_EQ(shown.ComboBox1, "time.example");
                EXPECT_EQ(shown.serverTimeText, "N/A");
                EXPECT_EQ(shown.localTimeText, "N/A") << "until the first tick";
                shown.ComboBox1 = "typo.example";
                shown.Button1Click();
                EXPECT_EQ(shown.serverTimeText, "N/A");
              }},
             {3, [this](ClockForm& shown) {
                EXPECT_EQ(stored(), "time.example");
                serveClock("typo.example", "2026-03-02 02:00:00");
                shown.Button1Click();
                EXPECT_EQ(shown.serverTimeText, "2026-03-02   10:00:03");
                EXPECT_EQ(stored(), "typo.example");
              }}});
  world.run(10);
  EXPECT_EQ(world.log().count(kNetworkDown), 1);
}

TEST_F(ClockSyncTest, CorrectSetsTheLocalClockASecondAheadOfTheAdvancedServerTime) {
  world.time().setTimeZone({TimeZoneState::Kind::Standard, 300, 0, 0});  // west: the UTC date is ahead
  settings("0", "time.example");
  openAt(1, {{2, [](ClockForm& shown) { shown.Button1Click(); }},
             {5, [](ClockForm& shown) {
                EXPECT_EQ(shown.serverTimeText, "2026-03-01   20:59:05");
                EXPECT_EQ(shown.localTimeText, "2026-03-02   10:00:05");
                shown.Button2Click();
              }}});
  world.run(10);
  const std::vector<std::string> expected{
      "AdjustTokenPrivileges privilege=SeSystemtimePrivilege enable=1",
      "SetLocalTime time=\"2026-03-01 20:59:06\"",
      "AdjustTokenPrivileges privilege=SeSystemtimePrivilege enable=0",
  };
  const std::vector<std::string> events = world.log().events();
  EXPECT_EQ(std::vector<std::string>(events.end() - 3, events.end()), expected);
}

TEST_F(ClockSyncTest, CorrectNeedsAGoodFetchInThisWindow) {
  settings("0", "time.example");
  world.setPlatformId(1);  // no token on Windows 9x/ME
  openWithAnswerAt(1, "fetch");
  openWithAnswerAt(3, "correct");
  world.run(10);
  EXPECT_EQ(world.log().count(kNoServerTime), 1) << "the earlier window's fetch is not used";
  EXPECT_FALSE(world.log().contains("SetLocalTime"));

  openWithAnswerAt(11, "server typo.example fetch+correct");
  world.run(5);
  EXPECT_EQ(world.log().count(kNetworkDown), 1);
  EXPECT_EQ(world.log().count(kNoServerTime), 2);

  openWithAnswerAt(16, "server time.example fetch+correct");
  world.run(5);
  EXPECT_TRUE(world.log().contains("SetLocalTime time=\"2026-03-02 09:59:17\""));
  EXPECT_FALSE(world.log().contains("AdjustTokenPrivileges"));
}

TEST_F(ClockSyncTest, TheAutomaticSynchronisationBoxIsStoredAtOnce) {
  settings("1", "time.example");
  openAt(1, {{2, [this](ClockForm& shown) {
                EXPECT_TRUE(shown.CheckBox1);
                shown.CheckBox1 = false;
                shown.CheckBox1Click();
                EXPECT_FALSE(wakeSettings(world.files()).isOn(wake_ini::kClockAutoSync));
              }}});
  world.run(5);
  EXPECT_FALSE(world.log().contains("connect"));
}

}  // namespace
}  // namespace orvane
