#pragma once
// What the models need of the user interface: window timers, the shared
// message dialog, the error box, modal and modeless windows, the message
// loop and a trace of the program's own steps. The Win32 views implement it
// for real; the simulated Windows implements it with virtual time.
// All texts here are UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

class Form;

class TimerOwner {
 public:
  virtual ~TimerOwner() = default;
  virtual void timerFired(int timerId) = 0;
};

enum class MessageButtons { Ok, OkCancel };
// The answers of the shared message dialog: "确定" is 1, "取消" is 2.
enum class MessageAnswer { Ok = 1, Cancel = 2 };

class Ui {
 public:
  virtual ~Ui() = default;

  // Window timers with the semantics of SetTimer: starting a running timer
  // restarts its interval; they fire while modal windows are open too.
  virtual void startTimer(TimerOwner& owner, int timerId, int intervalMs) = 0;
  virtual void stopTimer(TimerOwner& owner, int timerId) = 0;

  // The main window's shared message dialog: caption "Orvane", information
  // icon, "确定" and, for questions, "取消".
  virtual MessageAnswer showMessage(const std::string& text, MessageButtons buttons) = 0;
  // The platform message box: caption "Orvane", exclamation icon, OK.
  virtual void showWarningBox(const std::string& text) = 0;
  // A plain message box: caption "Orvane", no icon, OK.
  virtual void showPlainMessage(const std::string& text) = 0;
  // The general error handler: shows what an OperationError carried.
  virtual void showError(const std::string& text) = 0;
  // The open-file dialog, starting with no file name, with this filter
  // (descriptions and patterns separated by "|", as "*.exe|*.exe"), the
  // read-only box hidden and only an existing file accepted
  // (OFN_HIDEREADONLY | OFN_FILEMUSTEXIST). The chosen file's full path
  // (GBK), or nothing when the user cancelled.
  virtual std::optional<std::string> chooseExistingFile(const std::string& filter) = 0;

  // Opens the form's window and runs it modally until the form closes; the
  // form's result. The caller owns the form.
  virtual int showModal(Form& form) = 0;
  // Opens the form's window and returns at once. The caller owns the form and
  // keeps it alive while its window is open.
  virtual void showModeless(Form& form) = 0;
  // A form's content changed: its window shows the new state.
  virtual void formChanged(Form& form) = 0;
  // The form is closing or being destroyed: its window goes away. Called
  // from Form's destructor too, so it must not call the form's virtual
  // functions.
  virtual void formClosed(Form& form) = 0;

  // Lets the window messages that are waiting run (and their timers fire).
  virtual void processMessages() = 0;
  // Ends the message loop: the program ends.
  virtual void quit() = 0;
  // A step of the program worth recording ("rebuild", "dodo row=3").
  virtual void trace(std::string_view event) = 0;
};

}  // namespace orvane
