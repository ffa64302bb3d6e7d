// The dated power-on editor on Windows: a fixed dialog centred on the main
// window with "指定日期：" and a date picker "yyyy-MM-dd" with up-down arrows,
// "开机状态：" with the radios "禁用" and "启用", "备注：" with a multi-line
// box (Enter breaks the line) and "确定". The close box and Esc discard the
// input.

#include "dailypower/power_on_date_window.h"

#include <windows.h>

#include <commctrl.h>

#include "dailypower/power_on_date_form.h"
#include "platform/win32/win32_dialog.h"

namespace orvane {

namespace {

const DialogFrame kFrame{PowerOnDateForm::kCaption, 340, 250};

enum ControlId : int { kDateLabel = 100, kDate, kStatusLabel, kDisabled, kEnabled, kRemarkLabel, kRemark, kOk };

const ControlSpec kControls[] = {
    {kDateLabel, L"STATIC", SS_LEFT, "指定日期：", 16, 19, 84, 20},
    {kDate, DATETIMEPICK_CLASSW, DTS_UPDOWN | WS_TABSTOP | WS_GROUP, "", 100, 14, 140, 26},
    {kStatusLabel, L"STATIC", SS_LEFT, "开机状态：", 16, 55, 84, 20},
    {kDisabled, L"BUTTON", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, "禁用", 100, 53, 70, 22},
    {kEnabled, L"BUTTON", BS_AUTORADIOBUTTON, "启用", 176, 53, 70, 22},
    {kRemarkLabel, L"STATIC", SS_LEFT, "备注：", 16, 88, 84, 20},
    {kRemark, L"EDIT", ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP,
     "", 100, 86, 224, 100},
    {kOk, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, "确定", 240, 206, 84, 28},
};

class PowerOnDateWindow : public DialogView {
 public:
  PowerOnDateWindow(PowerOnDateForm& form, Win32Ui& ui) : DialogView(form, ui, kControls, kFrame), form_(form) {}

 private:
  void prepareControls() override { picker(kDate).setFormat(L"yyyy-MM-dd"); }
  void showState() override;
  int firstControl() const override { return kDate; }
  void command(int id, int notification) override;

  PowerOnDateForm& form_;
};

void PowerOnDateWindow::showState() {
  picker(kDate).setDate(form_.date);
  checkBox(kDisabled).setChecked(!form_.enabled);
  checkBox(kEnabled).setChecked(form_.enabled);
  editField(kRemark).setTextGbk(form_.remark);
}

void PowerOnDateWindow::command(int id, int notification) {
  if (id != kOk || notification != BN_CLICKED) return;
  form_.date = picker(kDate).date();
  form_.enabled = checkBox(kEnabled).checked();
  form_.remark = editField(kRemark).textGbk();
  form_.Button2Click();
}

}  // namespace

void registerPowerOnDateView(Win32Ui& ui) { ui.registerViewOf<PowerOnDateForm, PowerOnDateWindow>(); }

}  // namespace orvane
