#pragma once
// The password prompt (window class "TForm12"): a borderless window with a
// background picture, centred on the main window and shown modally, with
// "请输入密码：", a field shown as "*", "确定" and "取消". It lives as long
// as the program and is shown again each time the password is asked for.
// Only "确定" with the right password lets the caller go on; every other way
// of closing it (Esc, Alt+F4, the taskbar) counts as "取消".

#include <optional>
#include <string>

#include "app/jpeg_picture.h"
#include "platform/files.h"
#include "platform/form.h"

namespace orvane {

class PasswordPromptForm : public Form {
 public:
  static constexpr const char* kWindowClass = "TForm12";
  // The background picture, shipped beside the executable.
  static constexpr const char* kPictureFile = "prompt.jpg";

  PasswordPromptForm(Ui& ui, FileSystem& files);

  const char* windowClass() const override { return kWindowClass; }
  void closeBox() override { cancelClicked(); }
  // Types the answer (UTF-8) into the field and presses "确定"; when the prompt is
  // still open after that, presses "取消".
  void answerScripted(const std::string& answer) override;

  // The field (GBK). Emptied each time the prompt is about to be shown.
  std::string entry;
  // Read when first asked for, as the prompt is rarely shown and the program
  // idle in the tray carries no decoded picture. Nothing when the picture is
  // missing or cannot be decoded.
  const std::optional<Picture>& picture();

  // The prompt-cancelled flag: cleared by the caller before the prompt may
  // be shown, set by "取消".
  bool cancelled() const { return cancelled_; }
  void prepare();

  // "确定" and the Enter key in the field: the right password closes the
  // prompt; a wrong one shows the platform box "密码错误！" and the prompt
  // stays for another try.
  void okClicked();
  void cancelClicked();

 private:
  FileSystem& files_;
  bool pictureRead_ = false;
  std::optional<Picture> picture_;
  bool cancelled_ = false;
};

}  // namespace orvane
