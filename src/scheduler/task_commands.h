#pragma once
// The task list commands of the page "    定时任务    ": add and edit through
// the task editor "TForm2", delete and clear after a question. Every change
// goes the same way: the task list is changed, written whole to the task
// file, and the occurrence table is rebuilt from it.

#include <string>

#include "scheduler/auto_dial.h"
#include "scheduler/task_edit_mode.h"
#include "scheduler/task_file.h"

namespace orvane {

class ClockApi;
class FileSystem;
class TaskPage;
class TaskScheduler;
class Ui;
struct OccurrenceRow;

class TaskCommands {
 public:
  TaskCommands(FileSystem& files, ClockApi& clock, Ui& ui, TaskScheduler& tasks, TaskPage& page,
               const AutoDial& autoDial);

  // Add: " 添 加 " and "添加新任务": the editor for a new task, modal.
  void ToolButton5Click();
  // Edit: " 编 辑 ", "编辑选定任务": the editor for the selected task, modal;
  // nothing while the list is empty.
  void ToolButton6Click();
  // The double-click on the list: as Edit.
  void StringGrid2DblClick() { ToolButton6Click(); }
  // Delete: " 删 除 ", "删除选定任务": after "您真的要删除吗？" is answered
  // "确定", the selected task goes; while the list is empty, nothing (not
  // even the question).
  void ToolButton7Click();
  // Clear: " 清 空 ", "清空列表": after "您真的要全部删除吗？" is answered
  // "确定", every task goes and the task file is left empty.
  void ToolButton8Click();

  // Set by every command that opens the editor, just before it opens it.
  TaskEditMode& taskEditMode() { return mode_; }
  const TaskEditMode& taskEditMode() const { return mode_; }

  // The row the editor shows in edit mode: the selected one; null while the
  // list is empty.
  const OccurrenceRow* selectedTask() const;
  // The editor's "确定": the line is appended ("New Scheduled Task") or put
  // in place of the selected task ("Edit Scheduled Task"), the list is
  // saved and rebuilt, and the row that was selected is selected again.
  void store(const std::string& line);
  // The editor's "..." beside the web address: the dial-up window.
  void showDialerWindow() const;

 private:
  // Writes the list to the task file and rebuilds the table from it. A file
  // that cannot be written ends the command with OperationError; the file
  // and the table stay as they were.
  void save(const TaskList& lines);
  // Sets TaskEditMode and opens a new editor.
  void openEditor(const char* mode);
  bool confirmed(const char* question);

  FileSystem& files_;
  ClockApi& clock_;
  Ui& ui_;
  TaskScheduler& tasks_;
  TaskPage& page_;
  const AutoDial& autoDial_;
  TaskEditMode mode_;
};

}  // namespace orvane
