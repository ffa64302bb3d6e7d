#pragma once
// The model of one window: its state and one method per handler. A view
// (Win32) or the simulator shows it through Ui; the model never touches
// Windows itself. Every window class keeps its resource name ("TForm4").

#include <string>

#include "platform/ui.h"

namespace orvane {

class Form : public TimerOwner {
 public:
  static constexpr int kResultNone = 0;
  static constexpr int kResultOk = 1;
  static constexpr int kResultCancel = 2;

  explicit Form(Ui& ui) : ui_(ui) {}
  ~Form() override;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  virtual const char* windowClass() const = 0;
  // Extra key=value pairs for the log line that records the window opening.
  virtual std::string describe() const { return {}; }

  // The close box, Alt+F4 or Esc: by default the cancel result.
  virtual void closeBox() { close(kResultCancel); }
  // A scripted answer for this window (orvane-sim --answer CLASS=ANSWER).
  // "cancel" and anything the form does not understand press its close box.
  virtual void answerScripted(const std::string& answer);
  // What a scripted run does when no answer names this window: by default
  // the close box; a window that is meant to stay open overrides this.
  virtual void answerByDefault() { closeBox(); }

  void timerFired(int) override {}

  // Called by the Ui when the form's window opens.
  void opened();
  void close(int result);
  bool isOpen() const { return open_; }
  int result() const { return result_; }

 protected:
  Ui& ui() const { return ui_; }
  // The state changed: the window shows it.
  void changed() { ui_.formChanged(*this); }

 private:
  Ui& ui_;
  bool open_ = false;
  int result_ = kResultNone;
};

}  // namespace orvane
