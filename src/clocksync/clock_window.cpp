// The clock window on Windows: a small fixed dialog captioned
// "网络原子钟对时", centred on the screen, with only a close box: the server
// box (a drop-down list that takes any typed host), the server's time and
// the local time, "获取时间", "校正" and "运行时自动同步". The server box is
// filled once when the window opens; what the user picks or types is read
// when a button is pressed.

#include "clocksync/clock_window.h"

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>

#include "clocksync/clock_form.h"
#include "clocksync/time_servers.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_look.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_ui.h"

namespace orvane {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int kClientWidth = 360;
constexpr int kClientHeight = 186;

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

class ClockWindow : public View {
 public:
  ClockWindow(ClockForm& form, Win32Ui& ui) : View(form, ui), form_(form) {}
  ~ClockWindow() override { destroy(); }

  void create(HWND owner) override;
  void refresh() override;

 private:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void applyDpi();
  HWND control(int id) const { return GetDlgItem(handle(), id); }

  ClockForm& form_;
  MessageFont font_;
  FocusKeeper focus_;
};

void ClockWindow::create(HWND owner) {
  WindowSpec window;
  window.className = L"TForm9";
  window.title = utf8ToWide(ClockForm::kCaption);
  window.style = kStyle;
  window.exStyle = kExStyle;
  window.parent = owner;
  if (!createWindow(window)) return;
  createControls(handle(), kControls);
  for (std::string_view server : kTimeServers) {
    SendMessageW(control(kComboBox1), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(gbkToWide(std::string(server)).c_str()));
  }
  setWindowTextGbk(control(kComboBox1), form_.ComboBox1);
  applyDpi();
  refresh();
}

void ClockWindow::refresh() {
  SetWindowTextW(control(kServerTime), utf8ToWide(form_.serverTimeText).c_str());
  SetWindowTextW(control(kLocalTime), utf8ToWide(form_.localTimeText).c_str());
  SendMessageW(control(kCheckBox1), BM_SETCHECK, form_.CheckBox1 ? BST_CHECKED : BST_UNCHECKED, 0);
}

LRESULT ClockWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kButton1:
          form_.ComboBox1 = windowTextGbk(control(kComboBox1));
          form_.Button1Click();
          return 0;
        case kButton2:
          form_.Button2Click();
          return 0;
        case kCheckBox1:
          if (HIWORD(wParam) != BN_CLICKED) break;
          form_.CheckBox1 = SendMessageW(control(kCheckBox1), BM_GETCHECK, 0, 0) == BST_CHECKED;
          form_.CheckBox1Click();
          return 0;
        default:
          break;
      }
      break;
    case WM_DPICHANGED:
      applyDpi();
      return 0;
    case WM_ACTIVATE:
      focus_.activated(handle(), wParam, control(kComboBox1));
      return 0;
    default:
      break;
  }
  return View::onMessage(message, wParam, lParam);
}

void ClockWindow::applyDpi() {
  setChildFonts(handle(), font_.at(windowDpi(handle())));
  layoutControls(handle(), kControls);
  placeCentred(handle(), nullptr, kClientWidth, kClientHeight);
}

}  // namespace

void registerClockView(Win32Ui& ui) { ui.registerViewOf<ClockForm, ClockWindow>(); }

}  // namespace orvane
