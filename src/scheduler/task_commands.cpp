#include "scheduler/task_commands.h"

#include "common/errors.h"
#include "common/gbk.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "scheduler/task_editor_form.h"
#include "scheduler/task_page.h"
#include "scheduler/task_scheduler.h"

namespace orvane {

TaskCommands::TaskCommands(FileSystem& files, ClockApi& clock, Ui& ui, TaskScheduler& tasks, TaskPage& page,
                           const AutoDial& autoDial)
    : files_(files), clock_(clock), ui_(ui), tasks_(tasks), page_(page), autoDial_(autoDial) {}

void TaskCommands::ToolButton5Click() { openEditor(kNewScheduledTask); }

void TaskCommands::ToolButton6Click() {
  if (tasks_.taskList().empty()) return;
  openEditor(kEditScheduledTask);
}

void TaskCommands::ToolButton7Click() {
  if (tasks_.taskList().empty()) return;
  if (!confirmed("您真的要删除吗？")) return;
  TaskList lines = tasks_.taskList();
  const auto row = static_cast<std::size_t>(page_.selectedRow());
  if (row > lines.size()) return;
  lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(row - 1));
  save(lines);
}

void TaskCommands::ToolButton8Click() {
  if (confirmed("您真的要全部删除吗？")) save({});
}

void TaskCommands::openEditor(const char* mode) {
  mode_.text = mode;
  TaskEditorForm editor(ui_, clock_, *this);
  ui_.showModal(editor);
}

void TaskCommands::showDialerWindow() const {
  if (autoDial_.ShowDialerWindow) autoDial_.ShowDialerWindow();
}

const OccurrenceRow* TaskCommands::selectedTask() const {
  const OccurrenceTable& table = tasks_.table();
  const int row = page_.selectedRow();
  return row <= table.rowCount() ? &table.row(row) : nullptr;
}

void TaskCommands::store(const std::string& line) {
  const int row = page_.selectedRow();
  TaskList lines = tasks_.taskList();
  if (mode_.isNew()) {
    lines.push_back(line);
  } else if (mode_.isEdit() && static_cast<std::size_t>(row) <= lines.size()) {
    lines[static_cast<std::size_t>(row - 1)] = line;
  }
  save(lines);
  page_.select(row);
}

void TaskCommands::save(const TaskList& lines) {
  const std::filesystem::path path = taskFilePath(files_);
  if (!saveTaskFile(files_, path, lines)) {
    throw OperationError("Cannot create file \"" + gbkToUtf8(files_.programDirectoryText()) + "\\task.dat\"");
  }
  tasks_.rebuild();
}

bool TaskCommands::confirmed(const char* question) {
  return ui_.showMessage(question, MessageButtons::OkCancel) == MessageAnswer::Ok;
}

}  // namespace orvane
