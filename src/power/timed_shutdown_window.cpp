// The timed shutdown on Windows: a small fixed dialog captioned "定时关机",
// centred on its owner: the box "启用定时关机 (仅本次有效)", the choice of
// "指定时间：" with a time field or "计时：" with a number of "分钟", the
// default button "确定" (Enter) and a status bar of one panel. Esc and the
// close box close it; the model outlives the window, and every change of a
// control goes into it at once, so the window shows the same when reopened.

#include "power/timed_shutdown_window.h"

#include <windows.h>

#include <commctrl.h>

#include "platform/win32/win32_dialog.h"
#include "power/timed_shutdown_form.h"

namespace orvane {

namespace {

const DialogFrame kFrame{"定时关机", 300, 176};

enum ControlId : int {
  kCheckBox1 = 100,
  kRadioButton1,
  kDateTimePicker1,
  kRadioButton2,
  kSuiEdit1,
  kLabel1,
  kStatusBar1,
  kSuiButton1 = IDOK
};

const ControlSpec kControls[] = {
    {kCheckBox1, L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, "启用定时关机 (仅本次有效)", 16, 14, 268, 22},
    {kRadioButton1, L"BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, "指定时间：", 34, 48, 96, 22},
    {kDateTimePicker1, DATETIMEPICK_CLASSW, DTS_TIMEFORMAT | DTS_UPDOWN | WS_TABSTOP | WS_GROUP, "", 134, 46, 110, 26},
    {kRadioButton2, L"BUTTON", BS_AUTORADIOBUTTON, "计时：", 34, 82, 96, 22},
    {kSuiEdit1, L"EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP, "", 134, 81, 64, 24},
    {kLabel1, L"STATIC", SS_LEFT, "分钟", 206, 85, 60, 20},
    {kSuiButton1, L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, "确定", 110, 118, 80, 28},
};

class TimedShutdownWindow : public DialogView {
 public:
  TimedShutdownWindow(TimedShutdownForm& form, Win32Ui& ui) : DialogView(form, ui, kControls, kFrame), form_(form) {}

 private:
  void prepareControls() override;
  void showState() override;
  int firstControl() const override { return kCheckBox1; }
  void command(int id, int notification) override;
  void notified(const NMHDR& header) override;
  void dpiApplied(unsigned /*dpi*/) override;
  void gather();

  TimedShutdownForm& form_;
};

void TimedShutdownWindow::prepareControls() {
  CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, handle(),
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusBar1)), GetModuleHandleW(nullptr), nullptr);
  picker(kDateTimePicker1).setFormat(L"HH:mm:ss");
}

void TimedShutdownWindow::showState() {
  checkBox(kCheckBox1).setChecked(form_.CheckBox1);
  checkBox(kRadioButton1).setChecked(form_.RadioButton1);
  checkBox(kRadioButton2).setChecked(!form_.RadioButton1);
  picker(kDateTimePicker1).setTime(form_.DateTimePicker1);
  editField(kSuiEdit1).setTextGbk(form_.suiEdit1);
  plain(kStatusBar1).setTextUtf8(form_.StatusBar1());
}

void TimedShutdownWindow::gather() {
  form_.CheckBox1 = checkBox(kCheckBox1).checked();
  form_.DateTimePicker1 = picker(kDateTimePicker1).time();
  form_.suiEdit1 = editField(kSuiEdit1).textGbk();
}

void TimedShutdownWindow::command(int id, int notification) {
  if (id == kSuiButton1) {
    gather();
    form_.suiButton1Click();
  } else if (id == kRadioButton1 || id == kRadioButton2) {
    // The time field and the number field part the two radios into groups
    // of their own, so the choice is kept here.
    form_.RadioButton1 = id == kRadioButton1;
    refresh();
  } else if (notification == BN_CLICKED || notification == EN_CHANGE) {
    gather();
  }
}

void TimedShutdownWindow::notified(const NMHDR& header) {
  if (header.code == DTN_DATETIMECHANGE && !refreshing()) gather();
}

// The status bar lies along the bottom of the client area at its own height.
void TimedShutdownWindow::dpiApplied(unsigned /*dpi*/) { SendMessageW(control(kStatusBar1), WM_SIZE, 0, 0); }

}  // namespace

void registerTimedShutdownView(Win32Ui& ui) { ui.registerViewOf<TimedShutdownForm, TimedShutdownWindow>(); }

}  // namespace orvane
