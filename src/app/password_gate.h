#pragma once
// Where the password is asked for: each time the main window becomes
// visible and before the tray's "添加新任务" opens the task editor, but only
// while "更改设置需输入设定密码" is on ("Option"/"lock" of "\deskward.ini",
// read afresh each time). Owns the long-lived prompt "TForm12".

#include "app/password_prompt_form.h"

namespace orvane {

class PasswordGate {
 public:
  PasswordGate(Ui& ui, FileSystem& files) : ui_(ui), files_(files), prompt_(ui, files) {}

  // Clears the prompt-cancelled flag, then shows the prompt when the
  // settings need the password. True when it was not due or was answered
  // with the right password.
  bool passes();
  // The prompt-cancelled flag as the last prompt left it.
  bool cancelled() const { return prompt_.cancelled(); }
  PasswordPromptForm& prompt() { return prompt_; }

 private:
  Ui& ui_;
  FileSystem& files_;
  PasswordPromptForm prompt_;
};

}  // namespace orvane
