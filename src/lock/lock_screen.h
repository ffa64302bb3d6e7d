#pragma once
// The window of the companion lock program (window class "TLockScreen"). It
// stays open, and the computer locked, until the typed password, scrambled,
// equals the one stored under "Option"/"pword" of "\deskward.ini" (read
// afresh at each try; none stored accepts an empty entry). Its close box,
// Esc, Alt+F4 and close requests from other programs do nothing. Texts shown
// are UTF-8.

#include <string>

#include "platform/form.h"

namespace orvane {

class FileSystem;

class LockScreen : public Form {
 public:
  static constexpr const char* kWindowClass = "TLockScreen";
  static constexpr const char* kTitle = "计算机已锁定";
  static constexpr const char* kAskPassword = "请输入密码：";
  static constexpr const char* kWrongPassword = "密码错误，请重新输入：";
  static constexpr const char* kUnlockButton = "解锁";

  LockScreen(Ui& ui, FileSystem& files) : Form(ui), files_(files) {}

  const char* windowClass() const override { return kWindowClass; }
  void closeBox() override {}

  // "解锁" or Enter with the typed password (GBK): the right one closes the
  // window with the OK result; a wrong one changes the prompt.
  void unlockClicked(const std::string& typed);
  // The line above the password field.
  const char* prompt() const { return refused_ ? kWrongPassword : kAskPassword; }

 private:
  FileSystem& files_;
  bool refused_ = false;
};

}  // namespace orvane
