// The set-password window on Windows: a small fixed dialog captioned
// "设定密码", centred on its owner, with three fields that show "*" for each
// character and the default button "确定" (Enter); Esc and the close box
// close it without a change.

#include "app/set_password_window.h"

#include <windows.h>

#include "app/set_password_form.h"
#include "platform/win32/win32_dialog.h"

namespace orvane {

namespace {

const DialogFrame kFrame{"设定密码", 300, 156};

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

class SetPasswordWindow : public DialogView {
 public:
  SetPasswordWindow(SetPasswordForm& form, Win32Ui& ui) : DialogView(form, ui, kControls, kFrame), form_(form) {}

 private:
  void prepareControls() override {
    for (ControlId id : {kOld, kNew, kConfirm}) editField(id).hideCharacters();
  }
  int firstControl() const override { return kOld; }
  void command(int id, int notification) override;

  SetPasswordForm& form_;
};

void SetPasswordWindow::command(int id, int /*notification*/) {
  if (id != kOk) return;
  form_.oldPassword = editField(kOld).textGbk();
  form_.newPassword = editField(kNew).textGbk();
  form_.confirmation = editField(kConfirm).textGbk();
  form_.okClicked();
}

}  // namespace

void registerSetPasswordView(Win32Ui& ui) { ui.registerViewOf<SetPasswordForm, SetPasswordWindow>(); }

}  // namespace orvane
