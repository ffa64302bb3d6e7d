#pragma once
// The task editor (window class "TForm2"), modal and centred on the screen,
// titled "添加新定时任务", or "编辑/查看定时任务" in edit mode. It builds
// one task line from its controls: the title, one of the five schedule
// radios with its date, month, day or weekday boxes, the time, the action
// boxes with their paths, address and message, and the hidden "Enabled"
// box. "确定" stores the line through the task list commands; "取消", Esc
// and the close box leave the list as it was. Nothing typed is checked.
//
// Field texts are GBK, as the task line holds them.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "common/date_time.h"
#include "platform/form.h"
#include "scheduler/task_line.h"
#include "scheduler/task_words.h"

namespace orvane {

class ClockApi;
class TaskCommands;
struct OccurrenceRow;

// The schedule radios: "每天运行", "仅一次", "每月", "每年", "每周". One
// group: choosing one clears the others.
enum class ScheduleChoice { EveryDay, Once, EveryMonth, EveryYear, Weekly };

// An action box and the field it gives when ticked: its word, or its prefix
// followed by the text of its edit.
struct TaskAction {
  TaskField field;
  std::string_view word;
  bool takesText;
};

// In field order, 12 to 22.
inline constexpr std::array<TaskAction, 11> kTaskActions{{
    {TaskField::Shutdown, kShutdownWord, false},           // "关机"
    {TaskField::PlaySound, kPlaySoundPrefix, true},        // "播放声音"
    {TaskField::RunProgram, kRunProgramPrefix, true},      // "运行程序"
    {TaskField::ShowMessage, kShowMessagePrefix, true},    // "提示信息："
    {TaskField::Reboot, kRebootWord, false},               // "重启"
    {TaskField::LockComputer, kLockComputerWord, false},   // "锁定"
    {TaskField::OpenFile, kOpenFilePrefix, true},          // "打开文件"
    {TaskField::CloseProgram, kCloseProgramPrefix, true},  // "关闭程序"
    {TaskField::OpenUrl, kOpenUrlPrefix, true},            // "打开网址"
    {TaskField::Standby, kStandbyWord, false},             // "待机"
    {TaskField::Hibernate, kHibernateWord, false},         // "休眠"
}};

struct ActionBox {
  bool ticked = false;
  std::string text;  // the path, name, address or message
};

class TaskEditorForm : public Form {
 public:
  static constexpr const char* kWindowClass = "TForm2";
  // The file dialog filters of the four "..." buttons that choose a file.
  static constexpr const char* kSeparatorRefused = "除任务名称外，各项内容中不能含有“*”，请修改后再确定。";
  static constexpr const char* kAnyFileFilter = "*.*|*.*";
  static constexpr const char* kSoundFilter =
      "*.wav,*.mp3,*.rm,*.ram,*.ra,*.swf,*.wma,*.mid|*.wav;*.rm;*.ram;*.ra;*.swf;*.mp3;*.wma;*.mid";
  static constexpr const char* kProgramFilter = "*.exe|*.exe";
  // What the lists offer: the days 1 to 31 of "每月" and "每年", the months
  // 1 to 12 of "每年", and the messages of "提示信息：" (UTF-8); any other
  // text may be typed into them.
  static constexpr int kDaysOffered = 31;
  static constexpr int kMonthsOffered = 12;
  static constexpr std::array<const char*, 3> kPresetMessages{"懒虫，快点，时间到了！",
                                                              "你还在上网呀？快点睡，身体要紧！", "注意休息！"};

  // Opens as TaskEditMode says: with the defaults, or filled from the
  // selected task in edit mode.
  TaskEditorForm(Ui& ui, ClockApi& clock, TaskCommands& commands);

  const char* windowClass() const override { return kWindowClass; }
  // mode="New Scheduled Task" or mode="Edit Scheduled Task".
  std::string describe() const override;
  // "ok" presses "确定" with what the window holds; anything else cancels.
  void answerScripted(const std::string& answer) override;

  // The window's title (UTF-8).
  const char* caption() const { return editing_ ? "编辑/查看定时任务" : "添加新定时任务"; }

  std::string title;                                   // "任务标题："
  ScheduleChoice schedule = ScheduleChoice::EveryDay;  // the chosen radio
  CivilDate onceDate;                                  // the date picker of "仅一次"
  std::string monthlyDay;                              // the day box of "每月"
  std::string yearlyMonth;                             // the month box of "每年"
  std::string yearlyDay;                               // the day box of "每年"
  // "星期一" to "星期日", Monday to Friday ticked.
  std::array<bool, 7> weekdays{true, true, true, true, true, false, false};
  TimeOfDay time;       // "运行时间", to the second
  bool enabled = true;  // the hidden "Enabled" box
  ActionBox& action(TaskField field) { return actions_[actionIndex(field)]; }
  const ActionBox& action(TaskField field) const { return actions_[actionIndex(field)]; }

  // A radio was chosen (by the user or from code): the controls of the
  // other kinds are disabled.
  void radioChosen(ScheduleChoice choice);
  bool weekdaysEnabled() const { return schedule == ScheduleChoice::Weekly; }
  bool onceDateEnabled() const { return schedule == ScheduleChoice::Once; }
  bool monthlyDayEnabled() const { return schedule == ScheduleChoice::EveryMonth; }
  bool yearlyDateEnabled() const { return schedule == ScheduleChoice::EveryYear; }

  // The "..." of "打开文件", "播放声音", "运行程序" or "关闭程序": the open-file
  // dialog with the button's filter; a chosen file's full path goes into the
  // edit, cut to its file name for "关闭程序".
  void fileButtonClicked(TaskField field);
  // The "..." of "打开网址": the dial-up window, not modally.
  void addressButtonClicked();
  // "确定" (suitempBitBtn2Click): the line is built and stored, and the
  // window closes.
  void okClicked();
  void cancelClicked() { close(kResultCancel); }

  // The 23 fields that "确定" joins.
  TaskFields fields() const;

 private:
  static std::size_t actionIndex(TaskField field);
  void fillFrom(const OccurrenceRow& row);
  void fillSchedule(std::string_view schedule);
  std::string scheduleText() const;

  TaskCommands& commands_;
  bool editing_ = false;
  std::array<ActionBox, kTaskActions.size()> actions_;
};

}  // namespace orvane
