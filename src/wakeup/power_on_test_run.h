#pragma once
// The test run of the automatic set-up, across two starts of the program
// (it starts with Windows). The wizard sets the alarm about ten minutes
// ahead and stores state "1" (restart pending) or, on a board that powers
// off at once, "2" (power-on pending) with the alarm's time. At the next
// start, the first step of the start-up check continues it:
// - state "1" while the alarm is due (less than 10 minutes ahead, or passed
//   within the hour): state "2" and a shutdown countdown, after which the
//   alarm should switch the computer on again;
// - state "2" shortly after the alarm (up to 14 minutes): state "0" and the
//   question whether to set up the normal power-on now, which opens a new
//   wizard;
// - otherwise the test is dropped by the start-up check, without a message.
// Hours are compared as plain numbers: a test across midnight never ends.

#include <functional>

#include "common/date_time.h"
#include "platform/platform.h"

namespace orvane {

class PowerSystem;
class Ui;

bool testRunDue(int testHour, int testMinute, const TimeOfDay& now);
bool testRunPassed(int testHour, int testMinute, const TimeOfDay& now);

class PowerOnTestRun {
 public:
  // `openWizard` opens a new wizard window, modal.
  PowerOnTestRun(Platform& platform, Ui& ui, PowerSystem& power, std::function<void()> openWizard);

  // The first step of the start-up check while "test"/"test" reads "1" or
  // "2": whether it acted (a question or a countdown), which ends the check.
  bool continueTestRun();

 private:
  Platform& platform_;
  Ui& ui_;
  PowerSystem& power_;
  std::function<void()> openWizard_;
};

}  // namespace orvane
