// The dated power-on editor on Windows: a fixed dialog centred on the main
// window with "指定日期：" and a date picker "yyyy-MM-dd" with up-down arrows,
// "开机状态：" with the radios "禁用" and "启用", "备注：" with a multi-line
// box (Enter breaks the line) and "确定". The close box and Esc discard the
// input.

#include "dailypower/power_on_date_window.h"

#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "dailypower/power_on_date_form.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_look.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_ui.h"

namespace orvane {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int kClientWidth = 340;
constexpr int kClientHeight = 250;

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

class PowerOnDateWindow : public View {
 public:
  PowerOnDateWindow(PowerOnDateForm& form, Win32Ui& ui) : View(form, ui), form_(form) {}
  ~PowerOnDateWindow() override { destroy(); }

  void create(HWND owner) override;
  void refresh() override;

 private:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void gather();
  void applyDpi();
  HWND control(int id) const { return GetDlgItem(handle(), id); }

  PowerOnDateForm& form_;
  MessageFont font_;
  FocusKeeper focus_;
  HWND owner_ = nullptr;
};

void PowerOnDateWindow::create(HWND owner) {
  owner_ = owner;
  WindowSpec window;
  window.className = L"TForm8";
  window.title = utf8ToWide(PowerOnDateForm::kCaption);
  window.style = kStyle;
  window.exStyle = kExStyle;
  window.parent = owner;
  if (!createWindow(window)) return;
  createControls(handle(), kControls);
  DateTime_SetFormat(control(kDate), L"yyyy-MM-dd");
  applyDpi();
  refresh();
}

void PowerOnDateWindow::refresh() {
  SYSTEMTIME date{};
  date.wYear = static_cast<WORD>(form_.date.year);
  date.wMonth = static_cast<WORD>(form_.date.month);
  date.wDay = static_cast<WORD>(form_.date.day);
  DateTime_SetSystemtime(control(kDate), GDT_VALID, &date);
  CheckRadioButton(handle(), kDisabled, kEnabled, form_.enabled ? kEnabled : kDisabled);
  setWindowTextGbk(control(kRemark), form_.remark);
}

void PowerOnDateWindow::gather() {
  SYSTEMTIME date{};
  DateTime_GetSystemtime(control(kDate), &date);
  form_.date = {date.wYear, date.wMonth, date.wDay};
  form_.enabled = IsDlgButtonChecked(handle(), kEnabled) == BST_CHECKED;
  form_.remark = windowTextGbk(control(kRemark));
}

LRESULT PowerOnDateWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) != kOk || HIWORD(wParam) != BN_CLICKED) break;
      gather();
      form_.Button2Click();
      return 0;
    case WM_DPICHANGED:
      applyDpi();
      return 0;
    case WM_ACTIVATE:
      focus_.activated(handle(), wParam, control(kDate));
      return 0;
    default:
      break;
  }
  return View::onMessage(message, wParam, lParam);
}

void PowerOnDateWindow::applyDpi() {
  setChildFonts(handle(), font_.at(windowDpi(handle())));
  layoutControls(handle(), kControls);
  placeCentred(handle(), owner_, kClientWidth, kClientHeight);
}

}  // namespace

void registerPowerOnDateView(Win32Ui& ui) {
  ui.registerView(PowerOnDateForm::kWindowClass, [](Form& form, Win32Ui& owner) -> std::unique_ptr<View> {
    // The class name says which model it is.
    return std::make_unique<PowerOnDateWindow>(static_cast<PowerOnDateForm&>(form), owner);
  });
}

}  // namespace orvane
