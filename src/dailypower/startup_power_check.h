#pragma once
// The check shortly after start (the main window's one-shot Timer1): when
// the computer was switched on by the daily alarm 1 to 14 whole minutes ago
// on a day that has no power-on, it is switched off again after the modal
// countdown with "今天没有开机任务！". The first line of "\time.dat" for today
// decides; without one, today's weekday box (any value but "0") or "每天"
// (exactly "1") keeps the computer on. It reads its settings afresh and keeps
// nothing.

#include <functional>

#include "common/date_time.h"

namespace orvane {

class ClockApi;
class FileSystem;
class PowerActions;
class Ui;
struct CountdownRequest;

// The power-on time "h", "m" (seconds are not used) counts as the moment of
// the alarm when it lies 1 to 14 whole minutes before `now`'s minute, within
// the same or the previous hour; the hour does not wrap past midnight.
bool justSwitchedOnByAlarm(int hour, int minute, const TimeOfDay& now);

class StartupPowerCheck {
 public:
  StartupPowerCheck(FileSystem& files, ClockApi& clock, Ui& ui, PowerActions& actions, CountdownRequest& request);

  // The wizard's test run goes first while "test"/"test" reads "1" or "2";
  // it returns whether it acted (a question or a countdown), which ends the
  // check. Unset, there is no test run to continue.
  void setContinueTestRun(std::function<bool()> continueTestRun) { continueTestRun_ = std::move(continueTestRun); }

  // Timer1Timer's work after the timer has been stopped.
  void run();

 private:
  bool todayIsPowerOnDay(const CivilDate& today, int weekday);
  // The first line of the list for today decides: true for on, false for
  // off; nothing without such a line. A date that does not read ends the
  // check through the error box.
  std::optional<bool> datedDecision(const CivilDate& today);
  void switchOff();

  FileSystem& files_;
  ClockApi& clock_;
  Ui& ui_;
  PowerActions& actions_;
  CountdownRequest& request_;
  std::function<bool()> continueTestRun_;
};

}  // namespace orvane
