#pragma once
// The user interface on the real Windows.
//
// - Timers are SetTimer timers of one hidden message window, one per owner
//   and timer id. WM_TIMER goes to that window through whatever message loop
//   runs, so the timers keep firing while a modal window, a message box or a
//   menu is open.
// - Each window class ("TForm4") has a view factory registered with
//   registerView; a view creates the window of a Form and shows its state.
//   A modal window disables the program's other visible windows and runs a
//   nested message loop until its form closes.
// - Every handler (window messages, timers, menu entries) runs through
//   runHandler, the program's general error handler.

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/form.h"
#include "platform/ui.h"
#include "platform/win32/win32_window.h"

namespace orvane {

class Win32Ui;

// The window of one Form.
class View : public Win32Window {
 public:
  // Creates the window, owned by `owner` (a page: the child of `owner`),
  // showing the form's state; a view whose form decides its visibility
  // shows or hides itself, a modal one is shown by the Ui.
  virtual void create(HWND owner) = 0;
  // The form's state changed.
  virtual void refresh() = 0;
  // Whether create() makes common controls, for which the Ui loads them
  // first (see loadCommonControls); a view that makes them later loads them
  // itself.
  virtual bool makesCommonControls() const { return true; }

 protected:
  View(Form& form, Win32Ui& ui) : Win32Window(ui), form_(form) {}
  Form& form() const { return form_; }
  // The close box (WM_CLOSE) and Esc (IDCANCEL) press the form's close box.
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  Form& form_;
};

using ViewFactory = std::function<std::unique_ptr<View>(Form& form, Win32Ui& ui)>;

class Win32Ui : public Ui {
 public:
  Win32Ui();
  ~Win32Ui() override;
  Win32Ui(const Win32Ui&) = delete;
  Win32Ui& operator=(const Win32Ui&) = delete;

  void registerView(const std::string& windowClass, ViewFactory factory);
  // The view `Window(Model&, Win32Ui&)` for the window class of `Model`
  // (its kWindowClass): the class name says which model a form is.
  template <typename Model, typename Window>
  void registerViewOf() {
    registerView(Model::kWindowClass, [](Form& form, Win32Ui& owner) -> std::unique_ptr<View> {
      return std::make_unique<Window>(static_cast<Model&>(form), owner);
    });
  }

  // The caption of the main window and of the message boxes, and the tray
  // icon's hint.
  void setApplicationTitle(std::wstring title) { applicationTitle_ = std::move(title); }
  const std::wstring& applicationTitle() const { return applicationTitle_; }

  // The main window, which owns the message boxes and the program's other
  // windows; null until it is created.
  void setMainWindow(HWND window) { mainWindow_ = window; }
  HWND mainWindow() const { return mainWindow_; }

  // The program's general error handler: runs a handler; an OperationError
  // (or any other exception) ends it and its text is shown with showError.
  // False when the handler ended that way.
  bool runHandler(const std::function<void()>& handler);

  // The program's message loop, until quit(); the exit code.
  int runMessageLoop();
  // Closes every open window, the last opened first (the tray icon goes
  // with the main window).
  void closeAllWindows();

  void startTimer(TimerOwner& owner, int timerId, int intervalMs) override;
  void stopTimer(TimerOwner& owner, int timerId) override;
  MessageAnswer showMessage(const std::string& text, MessageButtons buttons) override;
  void showWarningBox(const std::string& text) override;
  void showPlainMessage(const std::string& text) override;
  void showError(const std::string& text) override;
  std::optional<std::string> chooseExistingFile(const std::string& filter) override;
  int showModal(Form& form) override;
  void showModeless(Form& form) override;
  void formChanged(Form& form) override;
  void formClosed(Form& form) override;
  void processMessages() override;
  void quit() override;
  void trace(std::string_view event) override;

 private:
  class TimerWindow;
  struct OpenView {
    Form* form;
    std::unique_ptr<View> view;
    std::vector<HWND> disabled;  // the windows a modal view disabled
  };

  void timerElapsed(UINT_PTR nativeId);
  void stopTimersOf(const TimerOwner& owner);
  View& open(Form& form, HWND owner);
  std::vector<OpenView>::iterator findView(const Form& form);
  bool isViewWindow(HWND window) const;
  // The window that owns a new modal window or message box: the program's
  // active window, else the main window.
  HWND activeOwner() const;
  void dispatch(MSG& message);
  int messageBox(const std::string& text, UINT style);

  std::unique_ptr<TimerWindow> timerWindow_;
  std::map<std::pair<const TimerOwner*, int>, UINT_PTR> timerIds_;
  std::map<UINT_PTR, std::pair<TimerOwner*, int>> timers_;
  UINT_PTR nextTimerId_ = 1;
  std::map<std::string, ViewFactory> factories_;
  std::vector<OpenView> views_;
  // Views whose windows are destroyed; they go once no handler of theirs
  // can still be running, between two messages of the main loop.
  std::vector<std::unique_ptr<View>> retired_;
  HWND mainWindow_ = nullptr;
  std::wstring applicationTitle_;
};

}  // namespace orvane
