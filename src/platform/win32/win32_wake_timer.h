#pragma once
// The wake-up timer on the real Windows. The thread TWakeFromSleep sets the
// named auto-reset waitable timer and waits on it; when the timer signals,
// it posts a message to a hidden message window of the GUI thread, where the
// expiry handler runs, so the wake thread never touches the program's state.
// One thread waits at a time: a new arming ends the waiting one first, so
// each expiry is handed on exactly once and no waiting threads pile up.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/wake_timer.h"

namespace orvane {

// The wake-up thread: it starts running once constructed.
class TWakeFromSleep {
 public:
  // `due`: an absolute due time (a UTC FILETIME, positive); `notify`
  // receives `message` when the timer signals.
  TWakeFromSleep(const std::wstring& name, LARGE_INTEGER due, HWND notify, UINT message);
  // A thread still waiting cancels its timer and ends; this waits for it.
  ~TWakeFromSleep();
  TWakeFromSleep(const TWakeFromSleep&) = delete;
  TWakeFromSleep& operator=(const TWakeFromSleep&) = delete;

 private:
  static DWORD WINAPI run(void* self);
  // The thread body: create (or open) the timer, set it with the resume flag
  // on, wait for it or for the end, close it, and on expiry notify.
  void Execute();

  std::wstring name_;
  LARGE_INTEGER due_;
  HWND notify_;
  UINT message_;
  HANDLE stop_;
  HANDLE thread_ = nullptr;
};

class Win32WakeTimer : public WakeTimerApi {
 public:
  // Runs the expiry handler: the program's general error handler.
  using HandlerRunner = std::function<void(const std::function<void()>&)>;

  explicit Win32WakeTimer(HandlerRunner runHandler);
  ~Win32WakeTimer() override;
  Win32WakeTimer(const Win32WakeTimer&) = delete;
  Win32WakeTimer& operator=(const Win32WakeTimer&) = delete;

  // The local due time becomes UTC by the time zone's rules for that date.
  void arm(const std::string& name, DateTime due, std::function<void()> expired) override;
  void disarm() override;

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND messageWindow();

  HandlerRunner runHandler_;
  HWND window_ = nullptr;  // made by the first arming, on the GUI thread
  std::unique_ptr<TWakeFromSleep> thread_;
  std::function<void()> expired_;
};

}  // namespace orvane
