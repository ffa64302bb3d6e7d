// The clock window on Windows: a small fixed dialog captioned
// "网络原子钟对时", centred on the screen, with only a close box: the server
// box (a drop-down list that takes any typed host), the server's time and
// the local time, "获取时间", "校正" and "运行时自动同步". The server box is
// filled once when the window opens; what the user picks or types is read
// when a button is pressed.

#include "clocksync/clock_window.h"

#include <windows.h>

#include <commctrl.h>

#include <string_view>

#include "clocksync/clock_form.h"
#include "clocksync/time_servers.h"
#include "platform/win32/win32_dialog.h"

namespace orvane {

namespace {

const DialogFrame kFrame{ClockForm::kCaption, 360, 186, Placement::CentredOnScreen};

enum ControlId : int {
  kServerLabel = 100,
  kComboBox1,
  kServerTimeLabel,
  kServerTime,
  kLocalTimeLabel,
  kLocalTime,
  kCheckBox1,
  kButton1,
  kButton2,
};

const ControlSpec kControls[] = {
    {kServerLabel, L"STATIC", SS_LEFT, "请选择时间服务器：", 16, 16, 200, 20},
    {kComboBox1, L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP | WS_GROUP, "", 16, 40, 328,
     240},
    {kServerTimeLabel, L"STATIC", SS_LEFT, "原子钟时间：", 16, 84, 100, 20},
    {kServerTime, L"STATIC", SS_LEFT, ClockForm::kNotAvailable, 120, 84, 224, 20},
    {kLocalTimeLabel, L"STATIC", SS_LEFT, "本地时间：", 16, 110, 100, 20},
    {kLocalTime, L"STATIC", SS_LEFT, ClockForm::kNotAvailable, 120, 110, 224, 20},
    {kCheckBox1, L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, "运行时自动同步", 16, 146, 150, 22},
    {kButton1, L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, "获取时间", 178, 142, 80, 28},
    {kButton2, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, "校正", 264, 142, 80, 28},
};

class ClockWindow : public DialogView {
 public:
  ClockWindow(ClockForm& form, Win32Ui& ui) : DialogView(form, ui, kControls, kFrame), form_(form) {}

 private:
  void prepareControls() override;
  void showState() override;
  int firstControl() const override { return kComboBox1; }
  void command(int id, int notification) override;

  ClockForm& form_;
};

void ClockWindow::prepareControls() {
  for (std::string_view server : kTimeServers) comboBox(kComboBox1).addGbk(server);
  comboBox(kComboBox1).setTextGbk(form_.ComboBox1);
}

void ClockWindow::showState() {
  plain(kServerTime).setTextUtf8(form_.serverTimeText);
  plain(kLocalTime).setTextUtf8(form_.localTimeText);
  checkBox(kCheckBox1).setChecked(form_.CheckBox1);
}

void ClockWindow::command(int id, int notification) {
  switch (id) {
    case kButton1:
      form_.ComboBox1 = comboBox(kComboBox1).textGbk();
      form_.Button1Click();
      break;
    case kButton2:
      form_.Button2Click();
      break;
    case kCheckBox1:
      if (notification != BN_CLICKED) break;
      form_.CheckBox1 = checkBox(kCheckBox1).checked();
      form_.CheckBox1Click();
      break;
    default:
      break;
  }
}

}  // namespace

void registerClockView(Win32Ui& ui) { ui.registerViewOf<ClockForm, ClockWindow>(); }

}  // namespace orvane
