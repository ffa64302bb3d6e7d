#pragma once
// The dispatcher of a due task: performs every action that its line carries,
// one after the other in a fixed order, without asking and without looking
// at any result. Documents, programs, sounds and web addresses go to the
// shell; a reminder waits for Timer6 and a shutdown or reboot for the
// countdown behind Timer9, so that those windows open only after every
// action of the task has been started.

#include <cstdint>
#include <string_view>

#include "platform/platform.h"
#include "power/countdown_request.h"
#include "power/power_actions.h"
#include "scheduler/auto_dial.h"
#include "scheduler/occurrence_table.h"
#include "scheduler/reminders.h"

namespace orvane {

// What the dispatcher needs of the main window: its two one-shot timers.
class DispatchHost {
 public:
  virtual ~DispatchHost() = default;
  // Timer6: the oldest waiting reminder opens from the message loop.
  virtual void startReminderTimer() = 0;
  // Timer9: the countdown opens about a second later.
  virtual void startCountdownTimer() = 0;
};

// The reminder sound beside the executable, played asynchronously and
// without the default sound when the file is missing.
inline constexpr const char* kReminderSound = "\\di.wav";
inline constexpr std::uint32_t kReminderSoundFlags = 3;  // SND_ASYNC | SND_NODEFAULT

class TaskDispatcher {
 public:
  TaskDispatcher(Platform& platform, PowerActions& power, CountdownRequest& countdown, Reminders& reminders,
                 const AutoDial& autoDial, DispatchHost& host);

  // The actions of row `row` (from 1) of the table, in this order: close
  // program, play sound, run program, show message, lock, shutdown or reboot
  // (shutdown wins), open file, open URL, standby, hibernate. Nothing for a
  // row the table lacks (an empty task list).
  void perform(const OccurrenceTable& table, int row);

 private:
  void perform(const TaskLineView& task);
  void closeProgram(std::string_view field);
  // "open" with no working directory: a document, a sound or an address.
  void open(std::string_view field);
  void runProgram(std::string_view field);
  void showMessage(std::string_view time, std::string_view field);
  void requestCountdown(std::string_view shutdown, std::string_view reboot);
  void openUrl(std::string_view field);

  Platform& platform_;
  PowerActions& power_;
  CountdownRequest& countdown_;
  Reminders& reminders_;
  const AutoDial& autoDial_;
  DispatchHost& host_;
};

}  // namespace orvane
