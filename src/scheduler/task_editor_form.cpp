#include "scheduler/task_editor_form.h"

#include "common/log_text.h"
#include "common/windows_path.h"
#include "platform/clock.h"
#include "scheduler/occurrence_table.h"
#include "scheduler/schedule.h"
#include "scheduler/task_commands.h"

namespace orvane {

namespace {

constexpr const char* kAddressDefault = "http://";

const char* fileFilterOf(TaskField field) {
  switch (field) {
    case TaskField::PlaySound:
      return TaskEditorForm::kSoundFilter;
    case TaskField::RunProgram:
    case TaskField::CloseProgram:
      return TaskEditorForm::kProgramFilter;
    default:
      return TaskEditorForm::kAnyFileFilter;
  }
}

// The weekday fields counted from Monday (0) to Sunday (6).
TaskField weekdayFromMonday(std::size_t index) {
  return static_cast<TaskField>(static_cast<std::size_t>(TaskField::Monday) + index);
}

}  // namespace

// Opening, in both modes: the yearly month box gets this month, both day
// boxes today's day, the date picker today and the time picker the current
// time; in edit mode the selected task then overwrites them.
TaskEditorForm::TaskEditorForm(Ui& ui, ClockApi& clock, TaskCommands& commands) : Form(ui), commands_(commands) {
  const DateTime now = clock.localNow();
  onceDate = now.date();
  yearlyMonth = std::to_string(onceDate.month);
  monthlyDay = yearlyDay = std::to_string(onceDate.day);
  time = now.time();
  time.millisecond = 0;
  action(TaskField::OpenUrl).text = kAddressDefault;
  if (!commands.taskEditMode().isEdit()) return;
  editing_ = true;
  if (const OccurrenceRow* row = commands.selectedTask()) fillFrom(*row);
}

std::string TaskEditorForm::describe() const { return "mode=" + orvane::quoted(commands_.taskEditMode().text); }

void TaskEditorForm::answerScripted(const std::string& answer) {
  if (answer == "ok") {
    okClicked();
  } else {
    closeBox();
  }
}

std::size_t TaskEditorForm::actionIndex(TaskField field) {
  return static_cast<std::size_t>(field) - static_cast<std::size_t>(TaskField::Shutdown);
}

void TaskEditorForm::radioChosen(ScheduleChoice choice) {
  schedule = choice;
  changed();
}

void TaskEditorForm::fileButtonClicked(TaskField field) {
  auto chosen = ui().chooseExistingFile(fileFilterOf(field));
  if (!chosen) return;
  action(field).text = field == TaskField::CloseProgram ? std::string(fileNamePart(*chosen)) : *chosen;
  changed();
}

void TaskEditorForm::addressButtonClicked() { commands_.showDialerWindow(); }

// A "*" in any text but the title would shift the fields after it when the
// line is read again (a message could become a program to close), so such a
// task is not saved and the editor stays open for the text to be changed.
void TaskEditorForm::okClicked() {
  const TaskFields texts = fields();
  if (!JoinsIntact(texts)) {
    ui().showWarningBox(kSeparatorRefused);
    return;
  }
  commands_.store(JoinTaskLine(texts));
  close(kResultOk);
}

// The edit-mode steps in their order: the hidden box, the title, the
// schedule ("每周" first, then the kind of the text, then "每天运行"), the
// weekday boxes, the action boxes and their texts, the time.
void TaskEditorForm::fillFrom(const OccurrenceRow& row) {
  const TaskLineView line = row.fields();
  enabled = line[TaskField::Status] != kDisabledWord;
  title = line[TaskField::Title];
  fillSchedule(line[TaskField::Schedule]);
  for (std::size_t index = 0; index < weekdays.size(); ++index) {
    weekdays[index] = line[weekdayFromMonday(index)] == kWeekdayWords[index];
  }
  for (const TaskAction& each : kTaskActions) {
    const std::string_view field = line[each.field];
    action(each.field).ticked = !field.empty();
    if (each.takesText) action(each.field).text = ActionArgument(field);
  }
  if (row.time) time = *row.time;
}

// A once-date that is no calendar date leaves the picker on today.
void TaskEditorForm::fillSchedule(std::string_view text) {
  radioChosen(ScheduleChoice::Weekly);
  switch (scheduleKindOf(text)) {
    case ScheduleKind::Once: {
      radioChosen(ScheduleChoice::Once);
      const auto date = readOnceDate(text);
      if (date && isValidDate(date->year, date->month, date->day)) onceDate = {date->year, date->month, date->day};
      break;
    }
    case ScheduleKind::EveryYear: {
      radioChosen(ScheduleChoice::EveryYear);
      const ScheduleDateTexts texts = monthAndDayTexts(text);
      yearlyMonth = texts.month;
      yearlyDay = texts.day;
      break;
    }
    case ScheduleKind::EveryMonth:
      radioChosen(ScheduleChoice::EveryMonth);
      monthlyDay = monthlyDayText(text);
      break;
    default:
      break;
  }
  // "每天运行" is chosen for exactly "每天"; clearing it otherwise changes
  // nothing, since the kind chosen above is another radio.
  if (text == kEveryDayWord) radioChosen(ScheduleChoice::EveryDay);
}

TaskFields TaskEditorForm::fields() const {
  TaskFields fields;
  fields[TaskField::Time] = formatTime(time);
  fields[TaskField::Status] = enabled ? kEnabledWord : kDisabledWord;
  fields[TaskField::Schedule] = scheduleText();
  for (std::size_t index = 0; index < weekdays.size(); ++index) {
    if (schedule == ScheduleChoice::Weekly && weekdays[index]) {
      fields[weekdayFromMonday(index)] = kWeekdayWords[index];
    }
  }
  for (const TaskAction& each : kTaskActions) {
    const ActionBox& box = action(each.field);
    if (box.ticked) fields[each.field] = std::string(each.word) + (each.takesText ? box.text : std::string());
  }
  fields[TaskField::Title] = title;
  return fields;
}

std::string TaskEditorForm::scheduleText() const {
  const std::string day(kDayMark);
  const std::string month(kMonthMark);
  switch (schedule) {
    case ScheduleChoice::EveryDay:
      return std::string(kEveryDayWord);
    case ScheduleChoice::Once:
      return std::to_string(onceDate.year) + std::string(kYearMark) + std::to_string(onceDate.month) + month +
             std::to_string(onceDate.day) + day;
    case ScheduleChoice::EveryYear:
      return std::string(kEveryYearWord) + yearlyMonth + month + yearlyDay + day;
    case ScheduleChoice::EveryMonth:
      return std::string(kEveryMonthWord) + monthlyDay + day;
    default:
      return {};
  }
}

}  // namespace orvane
