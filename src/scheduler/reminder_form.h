#pragma once
// The reminder window (window class "TForm5"), titled "提示信息": the text of
// a message task in blue in a scrollable area, a footer "Orvane" under a
// separator line, and "确定", which closes it. It has no timer of its own:
// it stays until the user closes it. Successive windows cascade down and to
// the right, and each stays above all other windows without taking the
// activation from them.

#include <string>

#include "platform/form.h"

namespace orvane {

class Reminders;

class ReminderForm : public Form {
 public:
  static constexpr const char* kWindowClass = "TForm5";
  static constexpr const char* kTitle = "提示信息";
  static constexpr const char* kFooter = "Orvane";
  static constexpr const char* kOkCaption = "确定";

  // Creation: the oldest waiting reminder, at the next cascade place.
  ReminderForm(Ui& ui, Reminders& reminders);

  const char* windowClass() const override { return kWindowClass; }
  // text="…" (UTF-8, line breaks written as \r\n).
  std::string describe() const override;
  // Unanswered, a reminder stays open as it does for a user who is away.
  void answerByDefault() override {}

  // The reminder (GBK): the task's time, CR LF, the message.
  const std::string& text() const { return text_; }
  // The screen coordinate of the window's left and top edges.
  int offset() const { return offset_; }

  void okClicked() { close(kResultOk); }

 private:
  std::string text_;
  int offset_;
};

}  // namespace orvane
