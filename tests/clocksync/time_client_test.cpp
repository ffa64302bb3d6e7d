// The Time Protocol client against simulated servers: the conversion in
// every kind of time zone, the round-trip correction, the read wait, every
// way a fetch fails, and the count's wrap in 2036.

#include "clocksync/time_client.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

std::uint32_t countOf(const char* utc) {
  return static_cast<std::uint32_t>(
      (dateTime(utc).totalMilliseconds() - DateTime(TimeClient::kBaseDate).totalMilliseconds()) / 1000);
}

SimTimeServer countServer(std::uint32_t count) {
  SimTimeServer server;
  server.kind = SimTimeServer::Kind::Count;
  server.count = count;
  return server;
}

class TimeClientTest : public SimTest {
 protected:
  TimeClientTest() : SimTest("2026-03-02 10:00:00") {}
  void serve(const SimTimeServer& server) { world.network().addServer("time.example", server); }
  std::string fetch() { return formatDateTime(fetchUtcTime(world.platform().sockets, world.time(), "time.example")); }
  void zone(TimeZoneState::Kind kind, int bias, int daylightBias = 0) {
    world.time().setTimeZone({kind, bias, 0, daylightBias});
  }
};

TEST_F(TimeClientTest, TheServerTimeIsUtcInEveryZoneAndLocalAccordingToTheBiasInForce) {
  serve(countServer(countOf("2013-02-01 00:00:00")));
  const struct {
    TimeZoneState::Kind kind;
    int bias, daylightBias;
    const char* local;
  } zones[] = {
      {TimeZoneState::Kind::Standard, -480, 0, "2013-02-01 08:00:00"},   // China
      {TimeZoneState::Kind::Standard, 300, -60, "2013-01-31 19:00:00"},  // west, standard time
      {TimeZoneState::Kind::Daylight, 300, -60, "2013-01-31 20:00:00"},  // west, daylight in force
      {TimeZoneState::Kind::Unknown, -330, -60, "2013-02-01 05:30:00"},  // no daylight rules
      {TimeZoneState::Kind::Daylight, -60, -60, "2013-02-01 02:00:00"},  // east, daylight in force
  };
  for (const auto& each : zones) {
    zone(each.kind, each.bias, each.daylightBias);
    EXPECT_EQ(fetch(), "2013-02-01 00:00:00") << each.local;
    TimeClient client(world.platform().sockets, world.time(), "time.example");
    EXPECT_EQ(formatDateTime(client.serverTimeAsLocal()), each.local);
    EXPECT_EQ(localOffsetMinutes(world.time()), -zoneBiasMinutes(world.time()));
  }
}

TEST_F(TimeClientTest, HalfTheRoundTripIsAddedInWholeSeconds) {
  SimTimeServer server = countServer(countOf("2013-02-01 00:00:00"));
  server.inTwoPieces = true;  // each wait sees data within 2500 ms
  serve(server);
  world.network().setRoundTrip(1999);
  EXPECT_EQ(fetch(), "2013-02-01 00:00:00");
  world.network().setRoundTrip(3000);
  TimeClient client(world.platform().sockets, world.time(), "time.example");
  EXPECT_EQ(formatDateTime(client.serverTimeAsLocal()), "2013-02-01 08:00:01");
  EXPECT_EQ(client.roundTripDelayMs(), 1500u);
}

TEST_F(TimeClientTest, AWaitOf2500MsWithoutDataFailsTheFetch) {
  serve(countServer(countOf("2013-02-01 00:00:00")));
  world.network().setRoundTrip(2500);
  EXPECT_EQ(fetch(), "2013-02-01 00:00:01");
  world.network().setRoundTrip(2501);
  const std::int64_t before = world.time().tick();
  EXPECT_EQ(fetch(), "1899-12-29 16:00:00") << "0.0 less the local offset";
  EXPECT_EQ(world.time().tick() - before, 2500);

  serve(SimTimeServer{});  // silent
  EXPECT_EQ(fetch(), "1899-12-29 16:00:00");
}

TEST_F(TimeClientTest, EveryFailureGivesAYearTheCallersReject) {
  serve(countServer(0));
  EXPECT_FALSE(isPlausibleServerTime(fetchUtcTime(world.platform().sockets, world.time(), "time.example")));
  SimTimeServer refusing;
  refusing.kind = SimTimeServer::Kind::Refuse;
  serve(refusing);
  EXPECT_EQ(fetch(), "1899-12-30 00:00:00");
  EXPECT_EQ(formatDateTime(fetchUtcTime(world.platform().sockets, world.time(), "nowhere.example")),
            "1899-12-30 00:00:00");
  serve(countServer(countOf("2013-02-01 00:00:00")));
  zone(TimeZoneState::Kind::Invalid, -480);
  EXPECT_EQ(fetch(), "1899-12-30 00:00:00");
  EXPECT_THROW(localOffsetMinutes(world.time()), OperationError);

  EXPECT_TRUE(world.log().contains("connect host=time.example port=37 -> refused"));
  EXPECT_TRUE(world.log().contains("connect host=nowhere.example port=37 -> unresolved"));
  EXPECT_FALSE(isPlausibleServerTime(dateTime("2003-12-31 23:59:59")));
  EXPECT_TRUE(isPlausibleServerTime(dateTime("2004-01-01 00:00:00")));
}

TEST_F(TimeClientTest, TheCountIsReadInTheEraNearestThePcClock) {
  // 2036-02-08 00:00:00 UTC wraps to 63,104.
  serve(countServer(63'104));
  world.setClock(dateTime("2036-02-08 08:00:00"));
  EXPECT_EQ(fetch(), "2036-02-08 00:00:00");
  // The last count before the wrap, read from either side of it.
  serve(countServer(0xFFFFFFFF));
  EXPECT_EQ(fetch(), "2036-02-07 06:28:15");
  world.setClock(dateTime("2026-03-02 10:00:00"));
  EXPECT_EQ(fetch(), "2036-02-07 06:28:15");
  serve(countServer(countOf("2026-03-02 02:00:00")));
  EXPECT_EQ(fetch(), "2026-03-02 02:00:00");
}

}  // namespace
}  // namespace orvane
