#include "platform/win32/win32_wake_timer.h"

#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_text.h"

namespace orvane {

namespace {

constexpr UINT kExpiredMessage = WM_APP + 1;
constexpr const wchar_t* kWindowClass = L"OrvaneWakeTimer";

// The absolute due time of SetWaitableTimer for a local moment, converted by
// the time zone's rules for that date; false when the moment does not
// convert.
bool absoluteDueOf(DateTime local, LARGE_INTEGER& due) {
  const SYSTEMTIME localTime = toSystemTime(local);
  SYSTEMTIME utc{};
  FILETIME file{};
  if (!TzSpecificLocalTimeToSystemTime(nullptr, &localTime, &utc) || !SystemTimeToFileTime(&utc, &file)) return false;
  due.LowPart = file.dwLowDateTime;
  due.HighPart = static_cast<LONG>(file.dwHighDateTime);
  return true;
}

}  // namespace

TWakeFromSleep::TWakeFromSleep(const std::wstring& name, LARGE_INTEGER due, HWND notify, UINT message)
    : name_(name), due_(due), notify_(notify), message_(message), stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  thread_ = CreateThread(nullptr, 0, run, this, 0, nullptr);
}

TWakeFromSleep::~TWakeFromSleep() {
  SetEvent(stop_);
  if (thread_ != nullptr) {
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
  }
  CloseHandle(stop_);
}

DWORD WINAPI TWakeFromSleep::run(void* self) {
  static_cast<TWakeFromSleep*>(self)->Execute();
  return 0;
}

void TWakeFromSleep::Execute() {
  HANDLE timer = CreateWaitableTimerW(nullptr, FALSE, name_.c_str());
  if (timer == nullptr) return;
  // Resume flag on: the system leaves standby or hibernation at the due time
  // (where it cannot, the timer still signals, and the call says so in the
  // last error).
  SetWaitableTimer(timer, &due_, 0, nullptr, nullptr, TRUE);
  const HANDLE waitFor[] = {timer, stop_};
  const DWORD result = WaitForMultipleObjects(2, waitFor, FALSE, INFINITE);
  if (result != WAIT_OBJECT_0) CancelWaitableTimer(timer);
  CloseHandle(timer);
  if (result == WAIT_OBJECT_0) PostMessageW(notify_, message_, 0, 0);
}

Win32WakeTimer::Win32WakeTimer(HandlerRunner runHandler) : runHandler_(std::move(runHandler)) {}

Win32WakeTimer::~Win32WakeTimer() {
  thread_.reset();
  if (window_ != nullptr) DestroyWindow(window_);
}

void Win32WakeTimer::arm(const std::string& name, DateTime due, std::function<void()> expired) {
  thread_.reset();
  LARGE_INTEGER absolute{};
  if (!absoluteDueOf(due, absolute)) return;
  expired_ = std::move(expired);
  thread_ = std::make_unique<TWakeFromSleep>(gbkToWide(name), absolute, messageWindow(), kExpiredMessage);
}

void Win32WakeTimer::disarm() { thread_.reset(); }

HWND Win32WakeTimer::messageWindow() {
  if (window_ != nullptr) return window_;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassW(&windowClass);
  window_ = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  return window_;
}

LRESULT CALLBACK Win32WakeTimer::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kExpiredMessage) return DefWindowProcW(window, message, wParam, lParam);
  auto* self = reinterpret_cast<Win32WakeTimer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self != nullptr && self->expired_) {
    // A copy: the handler arms the timer again, which replaces expired_.
    const std::function<void()> expired = self->expired_;
    self->runHandler_(expired);
  }
  return 0;
}

}  // namespace orvane
