#include "platform/win32/win32_ui.h"

#include <commdlg.h>

#include <algorithm>
#include <stdexcept>

#include "platform/win32/win32_common_controls.h"
#include "platform/win32/win32_library.h"
#include "platform/win32/win32_text.h"

namespace orvane {

namespace {

struct Disabling {
  HWND modal;
  std::vector<HWND> disabled;
};

BOOL CALLBACK disableIfShown(HWND window, LPARAM state) {
  auto& disabling = *reinterpret_cast<Disabling*>(state);
  if (window != disabling.modal && IsWindowVisible(window) && IsWindowEnabled(window)) {
    EnableWindow(window, FALSE);
    disabling.disabled.push_back(window);
  }
  return TRUE;
}

// Disables the visible, enabled top-level windows of this thread but the
// modal window itself (which may have shown itself already), as a modal
// window does with the windows under it; the windows it disabled.
std::vector<HWND> disableThreadWindows(HWND modal) {
  Disabling disabling{modal, {}};
  EnumThreadWindows(GetCurrentThreadId(), disableIfShown, reinterpret_cast<LPARAM>(&disabling));
  return disabling.disabled;
}

}  // namespace

// The hidden message-only window that receives the timers' WM_TIMER.
class Win32Ui::TimerWindow : public Win32Window {
 public:
  explicit TimerWindow(Win32Ui& ui) : Win32Window(ui) { createWindow({L"OrvaneTimers", L"", 0, 0, HWND_MESSAGE}); }
  ~TimerWindow() override { destroy(); }

 private:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_TIMER) return Win32Window::onMessage(message, wParam, lParam);
    ui().timerElapsed(wParam);
    return 0;
  }
};

LRESULT View::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)) {
    form_.closeBox();
    return 0;
  }
  return Win32Window::onMessage(message, wParam, lParam);
}

Win32Ui::Win32Ui() : timerWindow_(std::make_unique<TimerWindow>(*this)) {}

Win32Ui::~Win32Ui() = default;

void Win32Ui::registerView(const std::string& windowClass, ViewFactory factory) {
  factories_[windowClass] = std::move(factory);
}

bool Win32Ui::runHandler(const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const std::exception& error) {
    // OperationError is how an operation that the platform refused ends its
    // handler; anything else is shown the same way rather than let loose in
    // the system's code that called the handler.
    showError(error.what());
    return false;
  }
}

int Win32Ui::runMessageLoop() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    dispatch(message);
    retired_.clear();
  }
  return static_cast<int>(message.wParam);
}

void Win32Ui::closeAllWindows() {
  while (!views_.empty()) {
    Form& form = *views_.back().form;
    if (form.isOpen()) {
      form.close(Form::kResultNone);
    } else {
      formClosed(form);
    }
  }
  retired_.clear();
}

void Win32Ui::startTimer(TimerOwner& owner, int timerId, int intervalMs) {
  const auto key = std::make_pair(static_cast<const TimerOwner*>(&owner), timerId);
  auto found = timerIds_.find(key);
  const UINT_PTR nativeId = found != timerIds_.end() ? found->second : nextTimerId_++;
  timerIds_[key] = nativeId;
  timers_[nativeId] = {&owner, timerId};
  SetTimer(timerWindow_->handle(), nativeId, static_cast<UINT>(std::max(intervalMs, 0)), nullptr);
}

void Win32Ui::stopTimer(TimerOwner& owner, int timerId) {
  auto found = timerIds_.find({&owner, timerId});
  if (found == timerIds_.end()) return;
  KillTimer(timerWindow_->handle(), found->second);
  timers_.erase(found->second);
  timerIds_.erase(found);
}

void Win32Ui::stopTimersOf(const TimerOwner& owner) {
  for (auto it = timerIds_.begin(); it != timerIds_.end();) {
    if (it->first.first != &owner) {
      ++it;
      continue;
    }
    KillTimer(timerWindow_->handle(), it->second);
    timers_.erase(it->second);
    it = timerIds_.erase(it);
  }
}

void Win32Ui::timerElapsed(UINT_PTR nativeId) {
  auto found = timers_.find(nativeId);
  if (found == timers_.end()) {
    KillTimer(timerWindow_->handle(), nativeId);
    return;
  }
  const auto [owner, timerId] = found->second;
  owner->timerFired(timerId);
}

int Win32Ui::messageBox(const std::string& text, UINT style) {
  return MessageBoxW(activeOwner(), utf8ToWide(text).c_str(), applicationTitle_.c_str(), style | MB_SETFOREGROUND);
}

MessageAnswer Win32Ui::showMessage(const std::string& text, MessageButtons buttons) {
  const UINT style = MB_ICONINFORMATION | (buttons == MessageButtons::OkCancel ? MB_OKCANCEL : MB_OK);
  return messageBox(text, style) == IDOK ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

void Win32Ui::showWarningBox(const std::string& text) { messageBox(text, MB_ICONEXCLAMATION | MB_OK); }

void Win32Ui::showPlainMessage(const std::string& text) { messageBox(text, MB_OK); }

void Win32Ui::showError(const std::string& text) { messageBox(text, MB_ICONERROR | MB_OK); }

// comdlg32 is loaded when the dialog is first opened rather than at start:
// it pulls in the printing and shell libraries, which an idle program in the
// tray does not need.
std::optional<std::string> Win32Ui::chooseExistingFile(const std::string& filter) {
  static const auto getOpenFileName = libraryFunction<decltype(GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
  if (getOpenFileName == nullptr) return std::nullopt;
  // The dialog wants the filter's parts separated, and ended, by NULs.
  std::wstring parts = utf8ToWide(filter);
  std::replace(parts.begin(), parts.end(), L'|', L'\0');
  parts.append(2, L'\0');
  std::wstring file(32768, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = activeOwner();
  dialog.lpstrFilter = parts.c_str();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
  if (!getOpenFileName(&dialog)) return std::nullopt;
  file.resize(file.find(L'\0'));
  return wideToGbk(file);
}

View& Win32Ui::open(Form& form, HWND owner) {
  auto factory = factories_.find(form.windowClass());
  if (factory == factories_.end()) {
    throw std::logic_error(std::string("no view for the window class ") + form.windowClass());
  }
  views_.push_back({&form, factory->second(form, *this), {}});
  View& view = *views_.back().view;
  form.opened();
  if (view.makesCommonControls()) loadCommonControls();
  view.create(owner);
  if (view.handle() == nullptr) {
    form.close(Form::kResultNone);
    throw std::runtime_error(std::string("the window ") + form.windowClass() + " could not be created");
  }
  return view;
}

int Win32Ui::showModal(Form& form) {
  View& view = open(form, activeOwner());
  findView(form)->disabled = disableThreadWindows(view.handle());
  ShowWindow(view.handle(), SW_SHOWNORMAL);
  SetForegroundWindow(view.handle());
  MSG message{};
  while (form.isOpen()) {
    const BOOL received = GetMessageW(&message, nullptr, 0, 0);
    if (received <= 0) {
      // The program ends while the window is open: the message loop of the
      // program still has to see the quit message; the window closes as
      // cancelled.
      if (received == 0) PostQuitMessage(static_cast<int>(message.wParam));
      form.close(Form::kResultCancel);
      break;
    }
    dispatch(message);
  }
  return form.result();
}

void Win32Ui::showModeless(Form& form) { open(form, mainWindow_); }

void Win32Ui::formChanged(Form& form) {
  auto found = findView(form);
  if (found != views_.end()) found->view->refresh();
}

void Win32Ui::formClosed(Form& form) {
  stopTimersOf(form);
  auto found = findView(form);
  if (found == views_.end()) return;
  OpenView closing = std::move(*found);
  views_.erase(found);
  // The windows under a modal window come back before it goes, so that the
  // activation returns to them.
  for (HWND window : closing.disabled) EnableWindow(window, TRUE);
  closing.view->destroy();
  retired_.push_back(std::move(closing.view));
}

void Win32Ui::processMessages() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    dispatch(message);
  }
}

void Win32Ui::quit() { PostQuitMessage(0); }

void Win32Ui::trace(std::string_view event) { OutputDebugStringW((utf8ToWide(event) + L"\n").c_str()); }

std::vector<Win32Ui::OpenView>::iterator Win32Ui::findView(const Form& form) {
  return std::find_if(views_.begin(), views_.end(), [&](const OpenView& open) { return open.form == &form; });
}

bool Win32Ui::isViewWindow(HWND window) const {
  return std::any_of(views_.begin(), views_.end(), [&](const OpenView& open) { return open.view->handle() == window; });
}

HWND Win32Ui::activeOwner() const {
  HWND active = GetActiveWindow();
  return active != nullptr && isViewWindow(active) ? active : mainWindow_;
}

void Win32Ui::dispatch(MSG& message) {
  // Tab, Enter and Esc work in every window of the program as in a dialog.
  HWND root = message.hwnd == nullptr ? nullptr : GetAncestor(message.hwnd, GA_ROOT);
  if (root != nullptr && isViewWindow(root) && IsDialogMessageW(root, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

}  // namespace orvane
