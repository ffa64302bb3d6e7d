// The timed shutdown on Windows: a small fixed dialog captioned "定时关机",
// centred on its owner: the box "启用定时关机 (仅本次有效)", the choice of
// "指定时间：" with a time field or "计时：" with a number of "分钟", the
// default button "确定" (Enter) and a status bar of one panel. Esc and the
// close box close it; the model outlives the window, and every change of a
// control goes into it at once, so the window shows the same when reopened.

#include "power/timed_shutdown_window.h"

#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_look.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_ui.h"
#include "power/timed_shutdown_form.h"

namespace orvane {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int kClientWidth = 300;
constexpr int kClientHeight = 176;

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

class TimedShutdownWindow : public View {
 public:
  TimedShutdownWindow(TimedShutdownForm& form, Win32Ui& ui) : View(form, ui), form_(form) {}
  ~TimedShutdownWindow() override { destroy(); }

  void create(HWND owner) override;
  void refresh() override;

 private:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void gather();
  void applyDpi();
  HWND control(int id) const { return GetDlgItem(handle(), id); }
  bool checked(int id) const { return SendMessageW(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void setChecked(int id, bool on) { SendMessageW(control(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }

  TimedShutdownForm& form_;
  MessageFont font_;
  FocusKeeper focus_;
  bool refreshing_ = false;
};

void TimedShutdownWindow::create(HWND owner) {
  WindowSpec window;
  window.className = L"TForm10";
  window.title = utf8ToWide("定时关机");
  window.style = kStyle;
  window.exStyle = kExStyle;
  window.parent = owner;
  if (!createWindow(window)) return;
  createControls(handle(), kControls);
  CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, handle(),
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusBar1)), GetModuleHandleW(nullptr), nullptr);
  DateTime_SetFormat(control(kDateTimePicker1), L"HH:mm:ss");
  applyDpi();
  refresh();
}

void TimedShutdownWindow::refresh() {
  refreshing_ = true;
  setChecked(kCheckBox1, form_.CheckBox1);
  setChecked(kRadioButton1, form_.RadioButton1);
  setChecked(kRadioButton2, !form_.RadioButton1);
  SYSTEMTIME time{};
  GetLocalTime(&time);  // the field shows only the time of day
  time.wHour = static_cast<WORD>(form_.DateTimePicker1.hour);
  time.wMinute = static_cast<WORD>(form_.DateTimePicker1.minute);
  time.wSecond = static_cast<WORD>(form_.DateTimePicker1.second);
  time.wMilliseconds = 0;
  DateTime_SetSystemtime(control(kDateTimePicker1), GDT_VALID, &time);
  setWindowTextGbk(control(kSuiEdit1), form_.suiEdit1);
  SetWindowTextW(control(kStatusBar1), utf8ToWide(form_.StatusBar1()).c_str());
  refreshing_ = false;
}

void TimedShutdownWindow::gather() {
  if (refreshing_) return;
  form_.CheckBox1 = checked(kCheckBox1);
  SYSTEMTIME time{};
  DateTime_GetSystemtime(control(kDateTimePicker1), &time);
  form_.DateTimePicker1 = {time.wHour, time.wMinute, time.wSecond, 0};
  form_.suiEdit1 = windowTextGbk(control(kSuiEdit1));
}

LRESULT TimedShutdownWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == kSuiButton1) {
        gather();
        form_.suiButton1Click();
        return 0;
      }
      if (LOWORD(wParam) == kRadioButton1 || LOWORD(wParam) == kRadioButton2) {
        // The time field and the number field part the two radios into
        // groups of their own, so the choice is kept here.
        form_.RadioButton1 = LOWORD(wParam) == kRadioButton1;
        refresh();
      } else if (HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == EN_CHANGE) {
        gather();
      }
      break;
    case WM_NOTIFY:
      if (reinterpret_cast<const NMHDR*>(lParam)->code == DTN_DATETIMECHANGE) gather();
      break;
    case WM_DPICHANGED:
      applyDpi();
      return 0;
    case WM_ACTIVATE:
      focus_.activated(handle(), wParam, control(kCheckBox1));
      return 0;
    default:
      break;
  }
  return View::onMessage(message, wParam, lParam);
}

void TimedShutdownWindow::applyDpi() {
  setChildFonts(handle(), font_.at(windowDpi(handle())));
  layoutControls(handle(), kControls);
  placeCentred(handle(), GetWindow(handle(), GW_OWNER), kClientWidth, kClientHeight);
  // The status bar lies along the bottom of the client area at its own height.
  SendMessageW(control(kStatusBar1), WM_SIZE, 0, 0);
}

}  // namespace

void registerTimedShutdownView(Win32Ui& ui) {
  ui.registerView(TimedShutdownForm::kWindowClass, [](Form& form, Win32Ui& owner) -> std::unique_ptr<View> {
    // The class name says which model it is.
    return std::make_unique<TimedShutdownWindow>(static_cast<TimedShutdownForm&>(form), owner);
  });
}

}  // namespace orvane
