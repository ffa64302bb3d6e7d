// The set-password window on Windows: a small fixed dialog captioned
// "设定密码", centred on its owner, with three fields that show "*" for each
// character and the default button "确定" (Enter); Esc and the close box
// close it without a change.

#include "app/set_password_window.h"

#include <windows.h>

#include <memory>

#include "app/set_password_form.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_look.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_ui.h"

namespace orvane {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int kClientWidth = 300;
constexpr int kClientHeight = 156;

enum ControlId : int { kOldLabel = 100, kOld, kNewLabel, kNew, kConfirmLabel, kConfirm, kOk = IDOK };

constexpr DWORD kField = ES_AUTOHSCROLL | ES_PASSWORD | WS_BORDER | WS_TABSTOP;

const ControlSpec kControls[] = {
    {kOldLabel, L"STATIC", SS_RIGHT, "旧密码：", 12, 19, 96, 20},
    {kOld, L"EDIT", kField, "", 112, 16, 170, 24},
    {kNewLabel, L"STATIC", SS_RIGHT, "新密码：", 12, 51, 96, 20},
    {kNew, L"EDIT", kField, "", 112, 48, 170, 24},
    {kConfirmLabel, L"STATIC", SS_RIGHT, "确认新密码：", 12, 83, 96, 20},
    {kConfirm, L"EDIT", kField, "", 112, 80, 170, 24},
    {kOk, L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, "确定", 112, 116, 86, 28},
};

class SetPasswordWindow : public View {
 public:
  SetPasswordWindow(SetPasswordForm& form, Win32Ui& ui) : View(form, ui), form_(form) {}
  ~SetPasswordWindow() override { destroy(); }

  void create(HWND owner) override;
  void refresh() override {}

 private:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void applyDpi();
  std::string field(ControlId id) const { return windowTextGbk(GetDlgItem(handle(), id)); }

  SetPasswordForm& form_;
  MessageFont font_;
  FocusKeeper focus_;
};

void SetPasswordWindow::create(HWND owner) {
  WindowSpec window;
  window.className = L"TForm6";
  window.title = utf8ToWide("设定密码");
  window.style = kStyle;
  window.exStyle = kExStyle;
  window.parent = owner;
  if (!createWindow(window)) return;
  createControls(handle(), kControls);
  for (ControlId id : {kOld, kNew, kConfirm}) SendDlgItemMessageW(handle(), id, EM_SETPASSWORDCHAR, L'*', 0);
  applyDpi();
}

LRESULT SetPasswordWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && LOWORD(wParam) == kOk) {
    form_.oldPassword = field(kOld);
    form_.newPassword = field(kNew);
    form_.confirmation = field(kConfirm);
    form_.okClicked();
    return 0;
  }
  if (message == WM_DPICHANGED) {
    applyDpi();
    return 0;
  }
  if (message == WM_ACTIVATE) {
    focus_.activated(handle(), wParam, GetDlgItem(handle(), kOld));
    return 0;
  }
  return View::onMessage(message, wParam, lParam);
}

void SetPasswordWindow::applyDpi() {
  setChildFonts(handle(), font_.at(windowDpi(handle())));
  layoutControls(handle(), kControls);
  placeCentred(handle(), GetWindow(handle(), GW_OWNER), kClientWidth, kClientHeight);
}

}  // namespace

void registerSetPasswordView(Win32Ui& ui) { ui.registerViewOf<SetPasswordForm, SetPasswordWindow>(); }

}  // namespace orvane
