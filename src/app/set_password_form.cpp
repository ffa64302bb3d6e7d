#include "app/set_password_form.h"

#include "common/gbk.h"
#include "storage/lock_settings.h"
#include "storage/password_scramble.h"

namespace orvane {

void SetPasswordForm::okClicked() {
  if (!passwordMatches(oldPassword, readStoredPassword(files_))) {
    ui().showMessage("旧密码输入错误！", MessageButtons::Ok);
    return;
  }
  if (newPassword != confirmation) {
    ui().showMessage("两次输入的新密码不相同！", MessageButtons::Ok);
    return;
  }
  const MessageAnswer answer =
      ui().showMessage("忘记密码可能导致无法进入系统，请小心保管你的新密码。确定要更改吗？", MessageButtons::OkCancel);
  if (answer == MessageAnswer::Ok) {
    IniSettings settings = lockSettings(files_);
    settings.write(deskward_ini::kPassword, scramblePassword(newPassword));
  }
  close(answer == MessageAnswer::Ok ? kResultOk : kResultCancel);
}

void SetPasswordForm::answerScripted(const std::string& answer) {
  const std::size_t first = answer.find('|');
  const std::size_t second = first == std::string::npos ? first : answer.find('|', first + 1);
  if (second != std::string::npos && answer.find('|', second + 1) == std::string::npos) {
    oldPassword = utf8ToGbk(answer.substr(0, first));
    newPassword = utf8ToGbk(answer.substr(first + 1, second - first - 1));
    confirmation = utf8ToGbk(answer.substr(second + 1));
    okClicked();
  }
  if (isOpen()) closeBox();
}

}  // namespace orvane
