#pragma once
// The set-password window (window class "TForm6", caption "设定密码"),
// opened modally and anew by "设定密码" on the "高级选项" page: old password,
// new password and its confirmation, each shown as "*", and "确定". The
// password is stored scrambled in "Option"/"pword" of "\deskward.ini",
// where the lock program reads it too. Field texts are GBK.

#include <string>

#include "platform/files.h"
#include "platform/form.h"

namespace orvane {

class SetPasswordForm : public Form {
 public:
  static constexpr const char* kWindowClass = "TForm6";

  SetPasswordForm(Ui& ui, FileSystem& files) : Form(ui), files_(files) {}

  const char* windowClass() const override { return kWindowClass; }

  // The fields "旧密码：", "新密码：" and "确认新密码：".
  std::string oldPassword;
  std::string newPassword;
  std::string confirmation;

  // "确定": the old password must match the stored one (an empty field
  // when none was set) and the new one its confirmation, else a message and
  // the window stays open; otherwise the question, and with "确定" the new
  // password is stored. The window then closes after either answer. A
  // refused write throws OperationError; the window and the old password stay.
  void okClicked();
  // A scripted answer "OLD|NEW|AGAIN" (UTF-8) fills the three fields and
  // presses "确定"; a refused entry, or an answer without exactly three
  // fields, then closes the window as its close box does.
  void answerScripted(const std::string& answer) override;

 private:
  FileSystem& files_;
};

}  // namespace orvane
