#pragma once
// The simulated user interface: windows are recorded as they open and close,
// message boxes and windows are answered from a script, and modal windows
// run a nested loop of virtual time, as a modal message loop does.
//
// Default answers: a message box answers its first button ("确定"); a window
// gets Form::answerByDefault (most press their close box); an open-file
// dialog is cancelled. An answer for "message" answers every question; an
// answer for "file" (a path, UTF-8) is chosen in every open-file dialog; an
// answer for a window class is handed to each window of that class as it
// opens.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/ui.h"

namespace orvane {

class EventLog;
class SimTime;

class SimUi : public Ui {
 public:
  SimUi(SimTime& time, EventLog& log) : time_(time), log_(log) {}

  void setAnswer(const std::string& what, const std::string& answer) { answers_[what] = answer; }
  // The general error handler: runs a handler and shows what an
  // OperationError ended it with, as the error box does.
  void runHandler(const std::function<void()>& handler);
  bool quitRequested() const { return quit_; }
  // The run is over: windows destroyed from now on (the program's objects
  // going away) stay on screen in the simulated world, so their closing is
  // not recorded. A new run records again.
  void setRunOver(bool over) { over_ = over; }
  // The open windows, oldest first, and the newest of a class.
  std::vector<Form*> openForms() const;
  Form* findOpenForm(const std::string& windowClass) const;

  void startTimer(TimerOwner& owner, int timerId, int intervalMs) override;
  void stopTimer(TimerOwner& owner, int timerId) override;
  MessageAnswer showMessage(const std::string& text, MessageButtons buttons) override;
  void showWarningBox(const std::string& text) override;
  void showPlainMessage(const std::string& text) override { showWarningBox(text); }
  void showError(const std::string& text) override;
  std::optional<std::string> chooseExistingFile(const std::string& filter) override;
  int showModal(Form& form) override;
  void showModeless(Form& form) override;
  void formChanged(Form&) override {}
  void formClosed(Form& form) override;
  void processMessages() override;
  void quit() override;
  void trace(std::string_view event) override;

 private:
  void open(Form& form);

  SimTime& time_;
  EventLog& log_;
  std::map<std::string, std::string> answers_;
  struct OpenForm {
    Form* form;
    std::string windowClass;  // kept: a closing form may be half destroyed
  };
  std::vector<OpenForm> openForms_;
  bool quit_ = false;
  bool over_ = false;
};

}  // namespace orvane
