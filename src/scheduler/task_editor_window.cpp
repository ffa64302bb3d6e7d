// The task editor on Windows: a fixed dialog centred on the screen. The
// title edit, the five schedule radios (one group, so the arrow keys move
// among them and Tab enters at the chosen one), the date picker
// "yyyy-MM-dd" with up-down arrows, the editable month and day boxes, the
// weekday boxes, the time picker with seconds, the action boxes with their
// edits and "..." buttons, the editable message box, and "确定" (the
// default button: Enter) and "取消" (Esc; the close box does the same).
// Tab walks through them in that order. The radios and the "..." buttons
// carry their hints as tooltips.
//
// Before every handler of the model the view copies the controls into it,
// and after every change it copies the model back, so the model always
// holds what the window shows.

#include "scheduler/task_editor_window.h"

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "platform/win32/win32_dialog.h"
#include "platform/win32/win32_text.h"
#include "scheduler/task_editor_form.h"

namespace orvane {

namespace {

const DialogFrame kFrame{nullptr, 470, 574, Placement::CentredOnScreen};

enum ControlId : int {
  kTitleLabel = 100,
  kTitle,
  kEveryDay,
  kOnce,
  kEveryMonth,
  kEveryYear,
  kWeekly,
  kOnceDate,
  kMonthlyDayLabel,
  kMonthlyDay,
  kYearlyMonthLabel,
  kYearlyMonth,
  kYearlyDayLabel,
  kYearlyDay,
  kMonday,  // to kSunday, in order
  kSunday = kMonday + 6,
  kTimeLabel,
  kTime,
  kActionsLabel,
  kShutdown,
  kReboot,
  kLock,
  kStandby,
  kHibernate,
  kOpenFile,
  kOpenFileText,
  kOpenFileButton,
  kPlaySound,
  kPlaySoundText,
  kPlaySoundButton,
  kRunProgram,
  kRunProgramText,
  kRunProgramButton,
  kCloseProgram,
  kCloseProgramText,
  kCloseProgramButton,
  kOpenUrl,
  kOpenUrlText,
  kOpenUrlButton,
  kShowMessage,
  kShowMessageText,
  kOk = IDOK,
  kCancel = IDCANCEL,
};

constexpr DWORD kBox = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kNumberBox = CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
// The first control after a group of radios or boxes starts a new group.
constexpr DWORD kNewGroup = WS_GROUP;

// In tab order. Heights of combo boxes include their drop-down lists.
const ControlSpec kControls[] = {
    {kTitleLabel, L"STATIC", SS_LEFT, "任务标题：", 16, 17, 76, 20},
    {kTitle, L"EDIT", kEdit, "", 92, 14, 362, 24},
    {kEveryDay, L"BUTTON", kRadio | WS_GROUP | WS_TABSTOP, "每天运行", 16, 50, 90, 22},
    {kOnce, L"BUTTON", kRadio, "仅一次", 16, 80, 90, 22},
    {kEveryMonth, L"BUTTON", kRadio, "每月", 16, 112, 90, 22},
    {kEveryYear, L"BUTTON", kRadio, "每年", 16, 144, 90, 22},
    {kWeekly, L"BUTTON", kRadio, "每周", 16, 176, 90, 22},
    {kOnceDate, DATETIMEPICK_CLASSW, DTS_UPDOWN | WS_TABSTOP | kNewGroup, "", 112, 78, 130, 26},
    {kMonthlyDayLabel, L"STATIC", SS_LEFT, "日：", 112, 115, 26, 20},
    {kMonthlyDay, WC_COMBOBOXW, kNumberBox, "", 138, 111, 64, 240},
    {kYearlyMonthLabel, L"STATIC", SS_LEFT, "月：", 112, 147, 26, 20},
    {kYearlyMonth, WC_COMBOBOXW, kNumberBox, "", 138, 143, 64, 240},
    {kYearlyDayLabel, L"STATIC", SS_LEFT, "日：", 214, 147, 26, 20},
    {kYearlyDay, WC_COMBOBOXW, kNumberBox, "", 240, 143, 64, 240},
    {kMonday, L"BUTTON", kBox, "星期一", 112, 176, 84, 22},
    {kMonday + 1, L"BUTTON", kBox, "星期二", 200, 176, 84, 22},
    {kMonday + 2, L"BUTTON", kBox, "星期三", 288, 176, 84, 22},
    {kMonday + 3, L"BUTTON", kBox, "星期四", 376, 176, 84, 22},
    {kMonday + 4, L"BUTTON", kBox, "星期五", 112, 202, 84, 22},
    {kMonday + 5, L"BUTTON", kBox, "星期六", 200, 202, 84, 22},
    {kSunday, L"BUTTON", kBox, "星期日", 288, 202, 84, 22},
    {kTimeLabel, L"STATIC", SS_LEFT, "运行时间", 16, 240, 90, 20},
    {kTime, DATETIMEPICK_CLASSW, DTS_TIMEFORMAT | DTS_UPDOWN | WS_TABSTOP | kNewGroup, "", 112, 236, 110, 26},
    {kActionsLabel, L"STATIC", SS_LEFT, "执行任务", 16, 276, 90, 20},
    {kShutdown, L"BUTTON", kBox | kNewGroup, "关机", 16, 300, 84, 22},
    {kReboot, L"BUTTON", kBox, "重启", 104, 300, 84, 22},
    {kLock, L"BUTTON", kBox, "锁定", 192, 300, 84, 22},
    {kStandby, L"BUTTON", kBox, "待机", 280, 300, 84, 22},
    {kHibernate, L"BUTTON", kBox, "休眠", 368, 300, 84, 22},
    {kOpenFile, L"BUTTON", kBox, "打开文件", 16, 332, 92, 22},
    {kOpenFileText, L"EDIT", kEdit, "", 112, 331, 300, 24},
    {kOpenFileButton, L"BUTTON", kButton, "...", 418, 331, 36, 24},
    {kPlaySound, L"BUTTON", kBox, "播放声音", 16, 364, 92, 22},
    {kPlaySoundText, L"EDIT", kEdit, "", 112, 363, 300, 24},
    {kPlaySoundButton, L"BUTTON", kButton, "...", 418, 363, 36, 24},
    {kRunProgram, L"BUTTON", kBox, "运行程序", 16, 396, 92, 22},
    {kRunProgramText, L"EDIT", kEdit, "", 112, 395, 300, 24},
    {kRunProgramButton, L"BUTTON", kButton, "...", 418, 395, 36, 24},
    {kCloseProgram, L"BUTTON", kBox, "关闭程序", 16, 428, 92, 22},
    {kCloseProgramText, L"EDIT", kEdit, "", 112, 427, 300, 24},
    {kCloseProgramButton, L"BUTTON", kButton, "...", 418, 427, 36, 24},
    {kOpenUrl, L"BUTTON", kBox, "打开网址", 16, 460, 92, 22},
    {kOpenUrlText, L"EDIT", kEdit, "", 112, 459, 300, 24},
    {kOpenUrlButton, L"BUTTON", kButton, "...", 418, 459, 36, 24},
    {kShowMessage, L"BUTTON", kBox, "提示信息：", 16, 492, 92, 22},
    {kShowMessageText, WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, "", 112, 490, 342, 160},
    {kOk, L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP | kNewGroup, "确定", 276, 534, 84, 28},
    {kCancel, L"BUTTON", kButton, "取消", 370, 534, 84, 28},
};

struct Radio {
  ControlId id;
  ScheduleChoice choice;
  const char* hint;
};
const Radio kRadios[] = {
    {kEveryDay, ScheduleChoice::EveryDay, "The scheduled task will fire every day."},
    {kOnce, ScheduleChoice::Once, "The scheduled task will fire only at this specified date."},
    {kEveryMonth, ScheduleChoice::EveryMonth, "The scheduled task will fire at specified date of every month."},
    {kEveryYear, ScheduleChoice::EveryYear, "The scheduled task will fire at specified date of every year."},
    {kWeekly, ScheduleChoice::Weekly, "The scheduled task will fire at specified date of every week."},
};

// The action boxes and the field of each; those with a text have its edit
// (or the message box) beside them.
struct ActionControls {
  ControlId box;
  TaskField field;
  ControlId text;  // 0 for a box without one
};
const ActionControls kActions[] = {
    {kShutdown, TaskField::Shutdown, ControlId{}},
    {kReboot, TaskField::Reboot, ControlId{}},
    {kLock, TaskField::LockComputer, ControlId{}},
    {kStandby, TaskField::Standby, ControlId{}},
    {kHibernate, TaskField::Hibernate, ControlId{}},
    {kOpenFile, TaskField::OpenFile, kOpenFileText},
    {kPlaySound, TaskField::PlaySound, kPlaySoundText},
    {kRunProgram, TaskField::RunProgram, kRunProgramText},
    {kCloseProgram, TaskField::CloseProgram, kCloseProgramText},
    {kOpenUrl, TaskField::OpenUrl, kOpenUrlText},
    {kShowMessage, TaskField::ShowMessage, kShowMessageText},
};

struct FileButton {
  ControlId id;
  TaskField field;
};
const FileButton kFileButtons[] = {
    {kOpenFileButton, TaskField::OpenFile},
    {kPlaySoundButton, TaskField::PlaySound},
    {kRunProgramButton, TaskField::RunProgram},
    {kCloseProgramButton, TaskField::CloseProgram},
};
constexpr const char* kFileButtonHint = "Selects a file.";

class TaskEditorWindow : public DialogView {
 public:
  TaskEditorWindow(TaskEditorForm& form, Win32Ui& ui) : DialogView(form, ui, kControls, kFrame), form_(form) {}

 private:
  std::wstring title() const override { return utf8ToWide(form_.caption()); }
  void prepareControls() override;
  void showState() override;
  int firstControl() const override { return kTitle; }
  void command(int id, int notification) override;
  void fillLists();
  void addHints();
  void gather();
  void showSchedule();
  void showActions();
  void enable(std::initializer_list<int> ids, bool on);

  TaskEditorForm& form_;
  HWND hints_ = nullptr;
};

void TaskEditorWindow::prepareControls() {
  fillLists();
  addHints();
}

void TaskEditorWindow::fillLists() {
  for (int number = 1; number <= TaskEditorForm::kDaysOffered; ++number) {
    const std::string text = std::to_string(number);
    for (int id : {kMonthlyDay, kYearlyDay}) comboBox(id).addUtf8(text);
    if (number <= TaskEditorForm::kMonthsOffered) comboBox(kYearlyMonth).addUtf8(text);
  }
  for (const char* message : TaskEditorForm::kPresetMessages) comboBox(kShowMessageText).addUtf8(message);
  picker(kOnceDate).setFormat(L"yyyy-MM-dd");
  picker(kTime).setFormat(L"HH:mm:ss");
}

void TaskEditorWindow::addHints() {
  hints_ =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  auto add = [this](int id, const char* hint) {
    std::wstring text = utf8ToWide(hint);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = handle();
    tool.uId = reinterpret_cast<UINT_PTR>(control(id));
    tool.lpszText = text.data();
    SendMessageW(hints_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  };
  for (const Radio& radio : kRadios) add(radio.id, radio.hint);
  for (const FileButton& button : kFileButtons) add(button.id, kFileButtonHint);
}

void TaskEditorWindow::showState() {
  SetWindowTextW(handle(), title().c_str());
  editField(kTitle).setTextGbk(form_.title);
  showSchedule();
  picker(kTime).setTime(form_.time);
  showActions();
}

void TaskEditorWindow::showSchedule() {
  for (const Radio& radio : kRadios) checkBox(radio.id).setChecked(form_.schedule == radio.choice);
  picker(kOnceDate).setDate(form_.onceDate);
  comboBox(kMonthlyDay).setTextGbk(form_.monthlyDay);
  comboBox(kYearlyMonth).setTextGbk(form_.yearlyMonth);
  comboBox(kYearlyDay).setTextGbk(form_.yearlyDay);
  for (int day = 0; day < 7; ++day) checkBox(kMonday + day).setChecked(form_.weekdays[static_cast<std::size_t>(day)]);
  enable({kOnceDate}, form_.onceDateEnabled());
  enable({kMonthlyDayLabel, kMonthlyDay}, form_.monthlyDayEnabled());
  enable({kYearlyMonthLabel, kYearlyMonth, kYearlyDayLabel, kYearlyDay}, form_.yearlyDateEnabled());
  enable({kMonday, kMonday + 1, kMonday + 2, kMonday + 3, kMonday + 4, kMonday + 5, kSunday}, form_.weekdaysEnabled());
}

void TaskEditorWindow::showActions() {
  for (const ActionControls& action : kActions) {
    const ActionBox& box = form_.action(action.field);
    checkBox(action.box).setChecked(box.ticked);
    if (action.text != ControlId{}) plain(action.text).setTextGbk(box.text);
  }
}

void TaskEditorWindow::enable(std::initializer_list<int> ids, bool on) {
  for (int id : ids) plain(id).enable(on);
}

void TaskEditorWindow::gather() {
  form_.title = editField(kTitle).textGbk();
  for (const Radio& radio : kRadios) {
    if (checkBox(radio.id).checked()) form_.schedule = radio.choice;
  }
  form_.onceDate = picker(kOnceDate).date();
  form_.time = picker(kTime).time();
  form_.monthlyDay = comboBox(kMonthlyDay).textGbk();
  form_.yearlyMonth = comboBox(kYearlyMonth).textGbk();
  form_.yearlyDay = comboBox(kYearlyDay).textGbk();
  for (int day = 0; day < 7; ++day) form_.weekdays[static_cast<std::size_t>(day)] = checkBox(kMonday + day).checked();
  for (const ActionControls& action : kActions) {
    ActionBox& box = form_.action(action.field);
    box.ticked = checkBox(action.box).checked();
    if (action.text != ControlId{}) box.text = plain(action.text).textGbk();
  }
}

void TaskEditorWindow::command(int id, int notification) {
  if (notification != BN_CLICKED) return;
  for (const Radio& radio : kRadios) {
    if (radio.id != id) continue;
    gather();
    form_.radioChosen(radio.choice);
  }
  for (const FileButton& button : kFileButtons) {
    if (button.id != id) continue;
    gather();
    form_.fileButtonClicked(button.field);
  }
  if (id == kOpenUrlButton) form_.addressButtonClicked();
  if (id != kOk) return;
  gather();
  form_.okClicked();
}

}  // namespace

void registerTaskEditorView(Win32Ui& ui) { ui.registerViewOf<TaskEditorForm, TaskEditorWindow>(); }

}  // namespace orvane
