#include "scheduler/task_dispatcher.h"

#include <string>

#include "common/windows_path.h"
#include "scheduler/kill_task.h"
#include "scheduler/task_words.h"

namespace orvane {

namespace {
const char* const kOpenVerb = "open";
}  // namespace

TaskDispatcher::TaskDispatcher(Platform& platform, PowerActions& power, CountdownRequest& countdown,
                               Reminders& reminders, const AutoDial& autoDial, DispatchHost& host)
    : platform_(platform),
      power_(power),
      countdown_(countdown),
      reminders_(reminders),
      autoDial_(autoDial),
      host_(host) {}

void TaskDispatcher::perform(const OccurrenceTable& table, int row) {
  if (row < 1 || row > table.rowCount()) return;
  perform(table.row(row).fields());
}

void TaskDispatcher::perform(const TaskLineView& task) {
  closeProgram(task[TaskField::CloseProgram]);
  open(task[TaskField::PlaySound]);
  runProgram(task[TaskField::RunProgram]);
  showMessage(task[TaskField::Time], task[TaskField::ShowMessage]);
  if (task[TaskField::LockComputer] == kLockComputerWord) power_.LockComputer();
  requestCountdown(task[TaskField::Shutdown], task[TaskField::Reboot]);
  open(task[TaskField::OpenFile]);
  openUrl(task[TaskField::OpenUrl]);
  if (task[TaskField::Standby] == kStandbyWord) power_.StandbySystem();
  if (task[TaskField::Hibernate] == kHibernateWord) power_.HibernateSystem();
}

void TaskDispatcher::closeProgram(std::string_view field) {
  if (!field.empty()) KillTask(platform_.shell, ActionArgument(field));
}

void TaskDispatcher::open(std::string_view field) {
  if (!field.empty()) platform_.shell.shellExecute(kOpenVerb, ActionArgument(field), "");
}

// The program starts in its own directory.
void TaskDispatcher::runProgram(std::string_view field) {
  if (field.empty()) return;
  const std::string program = ActionArgument(field);
  platform_.shell.shellExecute(kOpenVerb, program, std::string(directoryPart(program)));
}

void TaskDispatcher::showMessage(std::string_view time, std::string_view field) {
  if (field.empty()) return;
  reminders_.add(std::string(time) + "\r\n" + ActionArgument(field));
  platform_.shell.playSound(platform_.files.programDirectoryText() + kReminderSound, kReminderSoundFlags);
  host_.startReminderTimer();
}

void TaskDispatcher::requestCountdown(std::string_view shutdown, std::string_view reboot) {
  if (shutdown == kShutdownWord) {
    countdown_.PendingPowerAction = kShutdownRequest;
  } else if (reboot == kRebootWord) {
    countdown_.PendingPowerAction = kRebootRequest;
  } else {
    return;
  }
  host_.startCountdownTimer();
}

// The address opens at once, without waiting for the dial-up connection.
void TaskDispatcher::openUrl(std::string_view field) {
  if (!field.empty() && autoDial_.AutoDialEnabled) autoDial_.DialCurrentEntry();
  open(field);
}

}  // namespace orvane
