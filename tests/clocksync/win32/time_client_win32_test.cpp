// The Time Protocol client on the real WinSock and the real time zone, against
// a server that the test runs on 127.0.0.1 (the client's port 37 is
// redirected to it); and setting the clock up to the call that would set it,
// which a recording clock takes instead: no test sets the machine's clock.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "clocksync/local_clock.h"
#include "clocksync/time_client.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_power.h"
#include "platform/win32/win32_sockets.h"
#include "platform/win32/win32_system.h"
#include "test_support/loopback_server.h"

namespace orvane {
namespace {

// Serves one connection on loopback: after `delayMs` it sends `bytes` and
// closes (or, with no bytes, just closes).
class OneShotTimeServer {
 public:
  OneShotTimeServer(std::string bytes, int delayMs)
      : serving_([this, bytes, delayMs] {
          const SOCKET client = listener_.accept();
          std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
          if (!bytes.empty()) send(client, bytes.data(), static_cast<int>(bytes.size()), 0);
          closesocket(client);
        }) {}
  ~OneShotTimeServer() { serving_.join(); }
  OneShotTimeServer(const OneShotTimeServer&) = delete;
  OneShotTimeServer& operator=(const OneShotTimeServer&) = delete;

  std::uint16_t port() const { return listener_.port(); }

 private:
  LoopbackServer listener_;
  std::thread serving_;
};

// The seconds from 1900 to 2013-02-01 00:00 UTC, in network byte order.
const std::string k2013Count("\xD4\xB5\x84\x00", 4);

DateTime fetchFrom(const OneShotTimeServer& server) {
  Win32Sockets sockets;
  sockets.redirectPort(TimeClient::kPort, server.port());
  Win32Clock clock;
  return fetchUtcTime(sockets, clock, "127.0.0.1");
}

TEST(TimeClientWin32Test, FetchesTheServersCountAsUtcWhateverTheZone) {
  OneShotTimeServer server(k2013Count, 0);
  EXPECT_EQ(formatDateTime(fetchFrom(server)), "2013-02-01 00:00:00");

  Win32Clock clock;
  const std::int64_t utcMinusLocalMs = clock.utcNow().totalMilliseconds() - clock.localNow().totalMilliseconds();
  EXPECT_LT(std::llabs(utcMinusLocalMs + localOffsetMinutes(clock) * 60'000LL), 2'000);
}

TEST(TimeClientWin32Test, AServerSilentLongerThanTheReadWaitFailsTheFetch) {
  OneShotTimeServer server(k2013Count, 3'000);
  EXPECT_FALSE(isPlausibleServerTime(fetchFrom(server)));
}

TEST(TimeClientWin32Test, AServerThatClosesWithoutAnAnswerFailsTheFetch) {
  OneShotTimeServer server("", 0);
  EXPECT_EQ(fetchFrom(server).value(), 0.0);
}

// Takes the clock-setting calls instead of the real clock.
class RecordingClock : public Win32Clock {
 public:
  bool setLocalTime(DateTime local) override {
    setTo = formatDateTime(local);
    return true;
  }
  bool setSystemTime(DateTime) override { return false; }
  std::string setTo;
};

bool systemTimePrivilegeEnabled() {
  HANDLE token = nullptr;
  OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
  LUID luid{};
  LookupPrivilegeValueW(nullptr, SE_SYSTEMTIME_NAME, &luid);
  PRIVILEGE_SET query{1, PRIVILEGE_SET_ALL_NECESSARY, {{luid, 0}}};
  BOOL enabled = FALSE;
  PrivilegeCheck(token, &query, &enabled);
  CloseHandle(token);
  return enabled != FALSE;
}

TEST(TimeClientWin32Test, SettingTheClockEnablesThePrivilegeOnlyForTheCall) {
  Win32System system;
  Win32Power power;
  RecordingClock clock;
  const bool before = systemTimePrivilegeEnabled();
  EXPECT_TRUE(setLocalClock(system, power, clock, DateTime::fromParts({2026, 3, 2}, {10, 0, 1, 0})));
  EXPECT_EQ(clock.setTo, "2026-03-02 10:00:01");
  EXPECT_EQ(systemTimePrivilegeEnabled(), before);
}

}  // namespace
}  // namespace orvane
