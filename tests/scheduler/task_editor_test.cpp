// The task editor "TForm2" and the list commands of the task page against
// the simulated Windows: what a new task holds, every kind of schedule and
// every action through edit mode and "确定" unchanged, texts saved as typed,
// the file buttons, delete and clear with their questions, the selection
// kept, and the two tray entries.

#include "scheduler/task_editor_form.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "common/errors.h"
#include "platform/sim/sim_world.h"
#include "scheduler/task_lines.h"
#include "scheduler/task_window.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

using test::gbk;
using test::taskLine;

constexpr const char* kMonday = "2026-12-07 10:00:05";

class TaskEditorTest : public SimTest {
 protected:
  TaskEditorTest() : SimTest(kMonday) {}
  void writeTasks(std::initializer_list<std::string> lines) {
    std::ofstream(taskPath(), std::ios::binary) << test::taskFile(lines);
    tasks.RebuildOccurrences();
  }
  std::filesystem::path taskPath() const { return dir.path() / "task.dat"; }
  std::optional<std::string> taskFile() { return world.files().readFile(taskPath()); }
  TaskLine savedLine(int row) {
    return SplitTaskLine(tasks.scheduler().taskList().at(static_cast<std::size_t>(row - 1)));
  }
  TaskCommands& commands() { return tasks.taskCommands(); }

  // An editor opened on the selected row in this mode, not yet shown.
  std::unique_ptr<TaskEditorForm> editor(const char* mode, int selectedRow = 1) {
    tasks.taskPage().select(selectedRow);
    commands().taskEditMode().text = mode;
    return std::make_unique<TaskEditorForm>(world.ui(), world.platform().clock, commands());
  }
  // A task saved from a new editor after `set` has changed its controls.
  template <typename Set>
  void addTask(Set set) {
    auto added = editor(kNewScheduledTask);
    set(*added);
    added->okClicked();
  }
  // The row opened with " 编 辑 " and "确定" pressed without a change.
  void editUnchanged(int row) {
    tasks.taskPage().select(row);
    world.ui().setAnswer("TForm2", "ok");
    commands().ToolButton6Click();
  }
  test::TaskWindow window{world.platform(), world.ui()};
  TaskSystem& tasks = window.tasks;
};

TEST_F(TaskEditorTest, ANewTaskWithTheDefaultsComesDueEveryDayAndDoesNothing) {
  auto added = editor(kNewScheduledTask);
  EXPECT_STREQ(added->caption(), "添加新定时任务");
  EXPECT_EQ(added->schedule, ScheduleChoice::EveryDay);
  EXPECT_FALSE(added->weekdaysEnabled() || added->onceDateEnabled() || added->monthlyDayEnabled() ||
               added->yearlyDateEnabled());
  EXPECT_EQ(added->onceDate, (CivilDate{2026, 12, 7}));
  EXPECT_EQ(added->yearlyMonth + "/" + added->yearlyDay + "/" + added->monthlyDay, "12/7/7");
  EXPECT_EQ(added->weekdays, (std::array<bool, 7>{true, true, true, true, true, false, false}));
  EXPECT_EQ(added->time, (TimeOfDay{10, 0, 5, 0}));
  EXPECT_EQ(added->action(TaskField::OpenUrl).text, "http://");
  added->okClicked();
  EXPECT_EQ(taskFile(), "10:00:05*" + gbk("启用*每天") + std::string(20, '*') + "\r\n");
  EXPECT_EQ(gbkToUtf8(tasks.taskPage().row(1).state), "等待");
}

TEST_F(TaskEditorTest, EveryKindOfScheduleAndEveryActionComesBackUnchangedThroughEditMode) {
  TaskFields all;
  all[TaskField::Time] = "23:59:59";
  all[TaskField::Status] = kDisabledWord;
  all[TaskField::Schedule] = gbk("每月15日");
  all[TaskField::Shutdown] = kShutdownWord;
  all[TaskField::PlaySound] = "Play Sound:C:\\a b\\di.wav";
  all[TaskField::RunProgram] = "Run Program:C:\\tools\\x.exe";
  all[TaskField::ShowMessage] = gbk("Show Message:注意：休息:10 分钟");
  all[TaskField::Reboot] = kRebootWord;
  all[TaskField::LockComputer] = kLockComputerWord;
  all[TaskField::OpenFile] = "Open File:D:\\doc.txt";
  all[TaskField::CloseProgram] = "Close Program:qq.exe";
  all[TaskField::OpenUrl] = "Open URL:http://example.cn/a?b=c";
  all[TaskField::Standby] = kStandbyWord;
  all[TaskField::Hibernate] = kHibernateWord;
  all[TaskField::Title] = gbk("全部*动作");
  writeTasks({taskLine("8:05:09", "2027年1月2日", "一次"), taskLine("0:00:00", "每年12月25日", "圣诞"),
              JoinTaskLine(all), taskLine("12:30:00", "每天", ""),
              test::weeklyLine("7:00:00", {TaskField::Monday, TaskField::Wednesday, TaskField::Sunday})});
  const auto before = taskFile();
  const ScheduleChoice chosen[] = {ScheduleChoice::Once, ScheduleChoice::EveryYear, ScheduleChoice::EveryMonth,
                                   ScheduleChoice::EveryDay, ScheduleChoice::Weekly};
  for (int row = 1; row <= 5; ++row) {
    auto edited = editor(kEditScheduledTask, row);
    EXPECT_STREQ(edited->caption(), "编辑/查看定时任务");
    EXPECT_EQ(edited->schedule, chosen[row - 1]) << row;
    editUnchanged(row);
    EXPECT_EQ(taskFile(), before) << row;
  }
  EXPECT_EQ(world.log().count("open TForm2 mode=\"Edit Scheduled Task\""), 5);
}

TEST_F(TaskEditorTest, EditModeChoosesWeeklyFirstAndEveryDayOnlyForExactlyThatText) {
  writeTasks({taskLine("9:00:00", "每天 ", "x"), taskLine("9:00:00", "1999年1月1日", "y")});
  for (int row : {1, 2}) {
    auto edited = editor(kEditScheduledTask, row);
    EXPECT_EQ(edited->schedule, ScheduleChoice::Weekly) << row;
    EXPECT_TRUE(edited->weekdaysEnabled() && !edited->onceDateEnabled());
    EXPECT_EQ(edited->weekdays, (std::array<bool, 7>{})) << row;
  }
}

TEST_F(TaskEditorTest, TheChosenRadioGivesTheScheduleAndTypedTextsAreSavedAsTyped) {
  addTask([](TaskEditorForm& edit) {
    edit.radioChosen(ScheduleChoice::Once);
    edit.onceDate = {2027, 3, 4};
  });
  addTask([](TaskEditorForm& edit) {
    edit.radioChosen(ScheduleChoice::EveryYear);
    edit.yearlyMonth = "02";
    edit.yearlyDay = "30";
  });
  addTask([](TaskEditorForm& edit) {
    edit.radioChosen(ScheduleChoice::EveryMonth);
    edit.monthlyDay = "31 ";
  });
  addTask([](TaskEditorForm& edit) {
    edit.radioChosen(ScheduleChoice::Weekly);
    edit.weekdays = {false, true, false, false, false, true, false};
  });
  EXPECT_EQ(gbkToUtf8(savedLine(1)[TaskField::Schedule]), "2027年3月4日");
  EXPECT_EQ(gbkToUtf8(savedLine(2)[TaskField::Schedule]), "每年02月30日");
  EXPECT_EQ(gbkToUtf8(savedLine(3)[TaskField::Schedule]), "每月31 日");
  EXPECT_EQ(editor(kEditScheduledTask, 2)->yearlyMonth, "02");
  const TaskLine weekly = savedLine(4);
  EXPECT_EQ(weekly[TaskField::Schedule], "");
  EXPECT_EQ(gbkToUtf8(std::string(weekly[TaskField::Tuesday]) + std::string(weekly[TaskField::Saturday])), "周二周六");
  EXPECT_EQ(weekly[TaskField::Monday], "");
  // The weekday boxes count only under "每周".
  EXPECT_EQ(savedLine(1)[TaskField::Monday], "");
  const auto before = taskFile();
  for (int row = 1; row <= 4; ++row) editUnchanged(row);
  EXPECT_EQ(taskFile(), before);
}

TEST_F(TaskEditorTest, WeeklyWithNoWeekdayIsSavedAndShowsDone) {
  addTask([](TaskEditorForm& edit) {
    edit.radioChosen(ScheduleChoice::Weekly);
    edit.weekdays = {};
  });
  EXPECT_EQ(taskFile(), "10:00:05*" + gbk("启用") + std::string(21, '*') + "\r\n");
  EXPECT_EQ(gbkToUtf8(tasks.taskPage().row(1).state), "完成");
}

TEST_F(TaskEditorTest, EditingATaskWithoutAnAddressLeavesTheAddressEmpty) {
  writeTasks({taskLine("9:00:00", "每天", "x")});
  auto edited = editor(kEditScheduledTask);
  EXPECT_EQ(edited->action(TaskField::OpenUrl).text, "");
  edited->action(TaskField::OpenUrl).ticked = true;
  edited->okClicked();
  EXPECT_EQ(savedLine(1)[TaskField::OpenUrl], "Open URL:");
}

// The done-when of the editor: the defaults plus "运行程序" and "关机".
TEST_F(TaskEditorTest, AnAddedTaskLandsAsOneLineShowsWaitingAndFiresAtItsSecond) {
  world.run(1, [this] { window.start(); });
  addTask([](TaskEditorForm& edit) {
    edit.time = {10, 0, 30, 0};
    edit.action(TaskField::RunProgram) = {true, "C:\\tools\\x.exe"};
    edit.action(TaskField::Shutdown).ticked = true;
  });
  EXPECT_EQ(taskFile(),
            "10:00:30*" + gbk("启用*每天") + "*********Shutdown**Run Program:C:\\tools\\x.exe*********\r\n");
  EXPECT_EQ(gbkToUtf8(tasks.taskPage().row(1).state), "等待");
  world.run(30);
  const auto events = world.log().lines();
  EXPECT_TRUE(world.log().contains("ShellExecute verb=open file=\"C:\\tools\\x.exe\" dir=\"C:\\tools\""));
  EXPECT_NE(std::find(events.begin(), events.end(), "2026-12-07 10:00:30.000 dodo row=1"), events.end());
  EXPECT_TRUE(world.log().contains("open TForm4"));
}

TEST_F(TaskEditorTest, TheFileButtonsUseTheirFiltersAndTheCloseProgramNameIsCutToItsFileName) {
  auto edited = editor(kNewScheduledTask);
  edited->fileButtonClicked(TaskField::OpenFile);
  EXPECT_TRUE(world.log().contains("GetOpenFileName filter=\"*.*|*.*\" flags=0x1004 -> cancelled"));
  EXPECT_EQ(edited->action(TaskField::OpenFile).text, "");
  world.ui().setAnswer("file", "D:\\乗\\乗.exe");  // 乗 ends in the byte of a backslash
  edited->fileButtonClicked(TaskField::RunProgram);
  edited->fileButtonClicked(TaskField::CloseProgram);
  edited->fileButtonClicked(TaskField::PlaySound);
  EXPECT_EQ(gbkToUtf8(edited->action(TaskField::RunProgram).text), "D:\\乗\\乗.exe");
  EXPECT_EQ(gbkToUtf8(edited->action(TaskField::CloseProgram).text), "乗.exe");
  EXPECT_EQ(world.log().count("GetOpenFileName filter=\"*.exe|*.exe\" flags=0x1004"), 2);
  EXPECT_TRUE(world.log().contains("GetOpenFileName filter=\"" + std::string(TaskEditorForm::kSoundFilter)));
  EXPECT_FALSE(edited->action(TaskField::RunProgram).ticked);
}

TEST_F(TaskEditorTest, DeleteAsksAndRemovesTheSelectedTask) {
  writeTasks({taskLine("1:00:00", "每天", "a"), taskLine("2:00:00", "每天", "b"), taskLine("3:00:00", "每天", "c")});
  tasks.taskPage().select(2);
  world.ui().setAnswer("message", "取消");
  tasks.taskListMenu().find("删除选定任务")->action();
  EXPECT_EQ(tasks.scheduler().taskList().size(), 3u);
  world.ui().setAnswer("message", "确定");
  commands().ToolButton7Click();
  EXPECT_EQ(taskFile(), test::taskFile({taskLine("1:00:00", "每天", "a"), taskLine("3:00:00", "每天", "c")}));
  EXPECT_EQ(world.log().count("message \"您真的要删除吗？\""), 2);
  tasks.taskPage().select(2);
  commands().ToolButton7Click();
  EXPECT_EQ(tasks.taskPage().selectedRow(), 1);
}

TEST_F(TaskEditorTest, ClearAsksAndLeavesAnEmptyFile) {
  writeTasks({taskLine("1:00:00", "每天", "a"), taskLine("2:00:00", "每天", "b")});
  world.ui().setAnswer("message", "取消");
  commands().ToolButton8Click();
  EXPECT_EQ(tasks.scheduler().taskList().size(), 2u);
  world.ui().setAnswer("message", "确定");
  tasks.taskListMenu().find("清空列表")->action();
  EXPECT_EQ(taskFile(), "");
  EXPECT_TRUE(tasks.scheduler().taskList().empty());
  EXPECT_EQ(tasks.taskPage().rowCount(), 1);
  EXPECT_TRUE(world.log().contains("message \"您真的要全部删除吗？\" -> 确定"));
}

TEST_F(TaskEditorTest, DeleteAndEditOnAnEmptyListDoNothing) {
  tasks.RebuildOccurrences();
  commands().ToolButton7Click();
  commands().StringGrid2DblClick();
  EXPECT_FALSE(taskFile());
  EXPECT_FALSE(world.log().contains("open TForm2"));
  writeTasks({});
  commands().ToolButton7Click();
  EXPECT_EQ(taskFile(), "");
  EXPECT_FALSE(world.log().contains("您真的要删除吗"));
}

TEST_F(TaskEditorTest, TheSelectedRowSurvivesOk) {
  writeTasks({taskLine("1:00:00", "每天", "a"), taskLine("2:00:00", "每天", "b"), taskLine("3:00:00", "每天", "c")});
  editUnchanged(2);
  EXPECT_EQ(tasks.taskPage().selectedRow(), 2);
  world.ui().setAnswer("TForm2", "ok");
  tasks.taskListMenu().find("添加新任务")->action();
  EXPECT_EQ(tasks.scheduler().taskList().size(), 4u);
  EXPECT_EQ(tasks.taskPage().selectedRow(), 2);
  EXPECT_TRUE(world.log().contains("open TForm2 mode=\"New Scheduled Task\""));
}

TEST_F(TaskEditorTest, AFileThatCannotBeWrittenEndsOkWithTheErrorAndKeepsTheEditorOpen) {
  writeTasks({taskLine("1:00:00", "每天", "a")});
  const auto before = taskFile();
  auto added = editor(kNewScheduledTask);
  added->opened();
  world.files().failWritesAfter(before->size() + 10);  // the disk fills half way through the new list
  EXPECT_THROW(added->okClicked(), OperationError);
  world.files().refuseWritesTo(taskPath());
  EXPECT_THROW(added->okClicked(), OperationError);
  EXPECT_TRUE(added->isOpen());
  EXPECT_EQ(taskFile(), before);
  EXPECT_EQ(tasks.scheduler().taskList().size(), 1u);
}

TEST_F(TaskEditorTest, AStarOutsideTheTitleIsRefusedSoNoFieldShifts) {
  auto added = editor(kNewScheduledTask);
  added->opened();
  added->action(TaskField::ShowMessage) = {true, "5*3"};
  added->okClicked();
  EXPECT_TRUE(added->isOpen());
  EXPECT_FALSE(taskFile());
  EXPECT_TRUE(world.log().contains(std::string("message \"") + TaskEditorForm::kSeparatorRefused));
  added->action(TaskField::ShowMessage).text = "5x3";
  added->title = gbk("标题*可含星号");
  added->okClicked();
  EXPECT_EQ(savedLine(1)[TaskField::Title], gbk("标题*可含星号"));
  EXPECT_EQ(savedLine(1)[TaskField::ShowMessage], "Show Message:5x3");
}

}  // namespace
}  // namespace orvane
