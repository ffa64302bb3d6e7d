// The dispatcher of the running program against the simulated Windows: the
// fixed order of the actions, what reaches the shell, the power calls and
// the two windows that open after dodo has returned, and the reminders,
// every one of which opens its own window.

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <utility>

#include "platform/sim/sim_world.h"
#include "scheduler/reminder_form.h"
#include "scheduler/task_lines.h"
#include "scheduler/task_window.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

using Events = std::vector<std::string>;
using Actions = std::initializer_list<std::pair<TaskField, const char*>>;

// An every-day task at this time with these action fields (UTF-8).
std::string taskWith(Actions actions, const char* time = "10:00:05") {
  TaskFields fields(TaskLine(test::taskLine(time, "每天", "任务")));
  for (const auto& [field, text] : actions) fields[field] = test::gbk(text);
  return JoinTaskLine(fields);
}

const char* const kCountdownShutdown = "open TForm4 button2=\"关闭\" label4=\"这是一个指定任务。\"";
const char* const kCountdownReboot = "open TForm4 button2=\"重启\" label4=\"这是一个指定任务。\"";

class TaskDispatcherTest : public SimTest {
 protected:
  TaskDispatcherTest() { world.shell().setProcesses({{120, "notepad.exe"}, {340, "C:\\WINDOWS\\NOTEPAD.EXE"}}); }

  void writeTasks(std::initializer_list<std::string> lines) {
    std::ofstream(dir.path() / "task.dat", std::ios::binary) << test::taskFile(lines);
  }
  void writeReminderSound() { std::ofstream(dir.path() / "di.wav", std::ios::binary) << "RIFF"; }
  void run(double seconds) {
    world.run(seconds, [this] {
      if (!started) program.start();
      started = true;
    });
  }
  // The events from the first dodo on whose names start with one of these.
  Events eventsOf(std::initializer_list<const char*> names) {
    Events found;
    for (const std::string& event : world.log().events()) {
      for (const char* name : names) {
        if (event.rfind(name, 0) == 0) found.push_back(event);
      }
    }
    return found;
  }
  std::string shellOpen(const std::string& file, const std::string& directory = "") const {
    return "ShellExecute verb=open file=\"" + file + "\" dir=\"" + directory + "\"";
  }
  std::string programFile(const char* name) { return world.files().programDirectoryText() + "\\" + name; }
  // The reminder windows open at this second of the run (text and place),
  // oldest first, into `shown`.
  void captureRemindersAt(double seconds) {
    world.at(seconds, [this] {
      for (Form* form : world.ui().openForms()) {
        if (auto* reminder = dynamic_cast<ReminderForm*>(form))
          shown.emplace_back(reminder->text(), reminder->offset());
      }
    });
  }

  test::TaskWindow program{world.platform(), world.ui()};
  bool started = false;
  std::vector<std::pair<std::string, int>> shown;
};

TEST_F(TaskDispatcherTest, EveryActionOfATaskRunsInTheFixedOrderAndTheWindowsOpenAfterwards) {
  writeTasks({taskWith({{TaskField::Shutdown, "Shutdown"},
                        {TaskField::PlaySound, "Play Sound:C:\\sounds\\bell.wav"},
                        {TaskField::RunProgram, "Run Program:C:\\tools\\x.exe"},
                        {TaskField::ShowMessage, "Show Message:休息"},
                        {TaskField::LockComputer, "Lock Computer"},
                        {TaskField::OpenFile, "Open File:C:\\docs\\plan.txt"},
                        {TaskField::CloseProgram, "Close Program:notepad.exe"},
                        {TaskField::OpenUrl, "Open URL:http://intranet/news"},
                        {TaskField::Standby, "Standby"},
                        {TaskField::Hibernate, "Hibernate"}})});
  writeReminderSound();
  AutoDial& autoDial = program.tasks.autoDial();
  autoDial.AutoDialEnabled = true;
  autoDial.DialCurrentEntry = [this] { world.log().add("DialCurrentEntry"); };
  run(7);
  EXPECT_EQ(
      eventsOf({"dodo", "Terminate", "ShellExecute", "sndPlaySound", "Dial", "SetSystemPowerState", "open TForm4",
                "open TForm5"}),
      (Events{"dodo row=1", "TerminateProcess pid=120", "TerminateProcess pid=340", shellOpen("C:\\sounds\\bell.wav"),
              shellOpen("C:\\tools\\x.exe", "C:\\tools"), "sndPlaySound file=\"" + programFile("di.wav") + "\" flags=3",
              shellOpen(programFile("deskward.exe")), shellOpen("C:\\docs\\plan.txt"), "DialCurrentEntry",
              shellOpen("http://intranet/news"), "SetSystemPowerState suspend=1 force=1",
              "SetSystemPowerState suspend=0 force=1", "open TForm5 text=\"10:00:05\\r\\n休息\"", kCountdownShutdown}));
  EXPECT_EQ(program.power.countdownRequest().PendingPowerAction, "Shutdown...");
}

TEST_F(TaskDispatcherTest, ShutdownAndRebootTogetherCountDownToShutdownOnly) {
  writeTasks({taskWith({{TaskField::Shutdown, "Shutdown"}, {TaskField::Reboot, "Reboot"}})});
  run(70);
  EXPECT_EQ(eventsOf({"open TForm4", "ExitWindowsEx"}),
            (Events{kCountdownShutdown, "ExitWindowsEx flags=13 reserved=0"}));
  EXPECT_EQ(world.log().lines()[world.log().lines().size() - 2].substr(0, 19), "2026-12-07 10:01:06");
}

TEST_F(TaskDispatcherTest, RebootAloneCountsDownToReboot) {
  writeTasks({taskWith({{TaskField::Reboot, "Reboot"}})});
  run(70);
  EXPECT_EQ(eventsOf({"open TForm4", "ExitWindowsEx"}), (Events{kCountdownReboot, "ExitWindowsEx flags=2 reserved=0"}));
}

TEST_F(TaskDispatcherTest, StandbyAndHibernationNeedTheShutdownPrivilege) {
  writeTasks({taskWith({{TaskField::Standby, "Standby"}, {TaskField::Hibernate, "Hibernate"}})});
  world.power().setPrivilegeOutcome(PrivilegeOutcome::NotAllAssigned);
  run(6);
  EXPECT_EQ(world.log().count("AdjustTokenPrivileges"), 2);
  EXPECT_EQ(world.log().count("SetSystemPowerState"), 0);
}

TEST_F(TaskDispatcherTest, ActionWordsOtherThanTheFixedOnesDoNothing) {
  writeTasks({taskWith({{TaskField::Shutdown, "shutdown"},
                        {TaskField::Reboot, "Reboot "},
                        {TaskField::LockComputer, "Lock"},
                        {TaskField::Standby, "standby"},
                        {TaskField::Hibernate, "Hibernate:"}})});
  run(8);
  EXPECT_EQ(eventsOf({"ShellExecute", "AdjustTokenPrivileges", "SetSystemPowerState", "open TForm4", "open TForm5"}),
            Events{});
}

TEST_F(TaskDispatcherTest, ARunProgramStartsInItsDirectoryOrWithoutOneWhenThePathHasNoBackslash) {
  writeTasks({taskWith({{TaskField::RunProgram, "Run Program:D:\\游戏\\启动.exe"}}),
              taskWith({{TaskField::RunProgram, "Run Program:calc.exe"}}),
              taskWith({{TaskField::RunProgram, "Run Program:C:\\x.exe"}})});
  run(6);
  EXPECT_EQ(eventsOf({"ShellExecute"}), (Events{shellOpen("D:\\游戏\\启动.exe", "D:\\游戏"), shellOpen("calc.exe"),
                                                shellOpen("C:\\x.exe", "C:\\")}));
}

TEST_F(TaskDispatcherTest, TheReminderIsTheTaskTimeALineBreakAndTheMessageWithItsOwnColons) {
  writeTasks({taskWith({{TaskField::ShowMessage, "Show Message:该休息了: 10分钟"}}, "10:00:05")});
  captureRemindersAt(5.5);
  run(6);
  EXPECT_EQ(shown, (std::vector<std::pair<std::string, int>>{{test::gbk("10:00:05\r\n该休息了: 10分钟"), 10}}));
  EXPECT_TRUE(world.log().contains("open TForm5 text=\"10:00:05\\r\\n该休息了: 10分钟\""));
}

TEST_F(TaskDispatcherTest, TwoRemindersOfOneSecondEachOpenTheirOwnWindowInListOrderCascading) {
  writeTasks({taskWith({{TaskField::ShowMessage, "Show Message:第一"}}),
              taskWith({{TaskField::ShowMessage, "Show Message:第二"}})});
  captureRemindersAt(5.5);
  run(6);
  EXPECT_EQ(world.log().count("sndPlaySound"), 2);
  EXPECT_EQ(eventsOf({"open TForm5"}),
            (Events{"open TForm5 text=\"10:00:05\\r\\n第一\"", "open TForm5 text=\"10:00:05\\r\\n第二\""}));
  EXPECT_EQ(shown, (std::vector<std::pair<std::string, int>>{{test::gbk("10:00:05\r\n第一"), 10},
                                                             {test::gbk("10:00:05\r\n第二"), 20}}));
  EXPECT_EQ(program.tasks.reminders().ReminderOffset(), 20);
}

TEST_F(TaskDispatcherTest, AReminderDueWhileAnotherIsOpenOpensOnTopOfItOneStepFurther) {
  writeTasks({taskWith({{TaskField::ShowMessage, "Show Message:第一"}}, "10:00:05"),
              taskWith({{TaskField::ShowMessage, "Show Message:第二"}}, "10:00:30")});
  captureRemindersAt(30.5);
  run(31);
  EXPECT_EQ(shown, (std::vector<std::pair<std::string, int>>{{test::gbk("10:00:05\r\n第一"), 10},
                                                             {test::gbk("10:00:30\r\n第二"), 20}}));
}

TEST_F(TaskDispatcherTest, ClosedRemindersKeepTheCascadeGoing) {
  world.ui().setAnswer("TForm5", "确定");
  writeTasks({taskWith({{TaskField::ShowMessage, "Show Message:第一"}}, "10:00:05"),
              taskWith({{TaskField::ShowMessage, "Show Message:第二"}}, "10:00:30")});
  run(31);
  EXPECT_EQ(world.log().count("close TForm5"), 2);
  EXPECT_EQ(program.tasks.reminders().ReminderOffset(), 20);
}

TEST_F(TaskDispatcherTest, AMissingReminderSoundPlaysNothingAndTheReminderStillOpens) {
  writeTasks({taskWith({{TaskField::ShowMessage, "Show Message:休息"}})});
  run(6);
  EXPECT_EQ(eventsOf({"sndPlaySound", "open TForm5", "message"}),
            (Events{"sndPlaySound file=\"" + programFile("di.wav") + "\" flags=3 -> missing",
                    "open TForm5 text=\"10:00:05\\r\\n休息\""}));
}

TEST_F(TaskDispatcherTest, AnAddressOpensWithoutADialWhileAutoDialIsOff) {
  writeTasks({taskWith({{TaskField::OpenUrl, "Open URL:http://intranet/"}})});
  bool dialled = false;
  program.tasks.autoDial().DialCurrentEntry = [&dialled] { dialled = true; };
  run(6);
  EXPECT_FALSE(dialled);
  EXPECT_EQ(eventsOf({"ShellExecute"}), Events{shellOpen("http://intranet/")});
}

// The row that came due is read again after the rebuild: once the file has
// lost it, nothing runs for it.
TEST_F(TaskDispatcherTest, ARowTheRebuiltListNoLongerHasDoesNothing) {
  writeTasks(
      {taskWith({{TaskField::OpenFile, "Open File:a.txt"}}), taskWith({{TaskField::OpenFile, "Open File:b.txt"}})});
  world.at(4.5, [this] { writeTasks({taskWith({{TaskField::OpenFile, "Open File:c.txt"}})}); });
  run(6);
  EXPECT_EQ(eventsOf({"dodo", "ShellExecute"}), (Events{"dodo row=1", shellOpen("c.txt"), "dodo row=2"}));
}

}  // namespace
}  // namespace orvane
