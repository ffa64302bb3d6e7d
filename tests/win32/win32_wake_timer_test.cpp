// The real waitable timer behind the wake-up timer: an absolute due time
// signals at that moment, the expiry reaches the GUI thread as a message,
// arming again replaces the due time and disarming leaves nothing to expire.
// (Sleep and the resume flag are only simulated: Wine ignores the flag.)

#include "platform/win32/win32_wake_timer.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/win32/win32_clock.h"

namespace orvane {
namespace {

// A name of its own, so that a running program's timer is left alone.
constexpr const char* kTestTimer = "orvane-wake-timer-test";

// Runs this thread's messages until `done` holds or `limitMs` have passed (a
// bound for a loaded machine, not a measure of speed).
bool pumpUntil(const std::function<bool()>& done, DWORD limitMs) {
  const DWORD start = GetTickCount();
  MSG message{};
  while (!done() && GetTickCount() - start < limitMs) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  return done();
}

class Win32WakeTimerTest : public testing::Test {
 protected:
  // The local moment this many milliseconds from now.
  DateTime inMs(int milliseconds) { return clock.localNow().addMilliseconds(milliseconds); }
  // An expiry handler that counts and notes when and on which thread it ran.
  std::function<void()> counting(int& expiries) {
    return [this, &expiries] {
      ++expiries;
      expiredAt = clock.localNow();
      expiredOnThread = GetCurrentThreadId();
    };
  }

  Win32Clock clock;
  int handled = 0;
  Win32WakeTimer timer{[this](const std::function<void()>& handler) {
    ++handled;
    handler();
  }};
  DateTime expiredAt;
  DWORD expiredOnThread = 0;
};

TEST_F(Win32WakeTimerTest, AnAbsoluteDueTimeExpiresOnceAtItsMomentOnTheGuiThread) {
  int expiries = 0;
  const DateTime due = inMs(1500);
  timer.arm(kTestTimer, due, counting(expiries));
  ASSERT_TRUE(pumpUntil([&] { return expiries > 0; }, 30'000));
  EXPECT_EQ(expiredOnThread, GetCurrentThreadId());
  EXPECT_EQ(handled, 1);                                                    // through the general error handler
  EXPECT_GE(expiredAt.totalMilliseconds(), due.totalMilliseconds() - 100);  // the clocks' granularity
  pumpUntil([] { return false; }, 500);
  EXPECT_EQ(expiries, 1);
}

TEST_F(Win32WakeTimerTest, ArmingAgainReplacesTheDueTimeAndDisarmingLeavesNothingToExpire) {
  int first = 0;
  int second = 0;
  timer.arm(kTestTimer, inMs(1000), counting(first));
  const DateTime later = inMs(2000);
  timer.arm(kTestTimer, later, counting(second));
  ASSERT_TRUE(pumpUntil([&] { return second > 0; }, 30'000));
  EXPECT_EQ(first, 0);
  EXPECT_GE(expiredAt.totalMilliseconds(), later.totalMilliseconds() - 100);

  int disarmed = 0;
  timer.arm(kTestTimer, inMs(300), counting(disarmed));
  timer.disarm();
  pumpUntil([] { return false; }, 1500);
  EXPECT_EQ(disarmed, 0);
}

}  // namespace
}  // namespace orvane
