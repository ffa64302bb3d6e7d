// deskward.exe, the companion lock program, and the Win32 view of its lock
// screen: one window that covers every monitor, stays above all other
// windows and keeps the keyboard focus, with the password field in the
// middle of the primary monitor. Its close box, Esc and Alt+F4 reach the
// model's close box, which refuses them; the end of the Windows session is
// not held up. While it runs, the keys that lead to other windows (the
// Windows keys, Alt+Tab, Alt+Esc, Ctrl+Esc) are swallowed.
//
// Other programs on the desktop cannot dismiss it either: a request to hide
// or move it is turned down as it arrives, and a guard timer shows, restores,
// covers and raises it again whatever got through; a quit message posted to
// its thread does not end the message loop, which runs until the right
// password closes the window; and a foreign holder of its single-instance
// name does not keep it from locking. What no ordinary program can prevent
// (Ctrl+Alt+Del, Task Manager or an administrator ending the process) is
// said in its help text, deskward.txt beside it.

#include <windows.h>

#include <string>

#include "lock/lock_guard.h"
#include "lock/lock_screen.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_look.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_ui.h"

namespace orvane {

namespace {

// Held while a lock screen runs, so that a second start does nothing.
const wchar_t kRunningMutex[] = L"OrvaneLockScreenRunning";
constexpr UINT_PTR kGuardTimer = 1;
constexpr UINT kGuardIntervalMs = 250;
constexpr COLORREF kBackgroundColour = RGB(16, 40, 72);
constexpr COLORREF kTextColour = RGB(255, 255, 255);

enum ControlId : int { kTitle = 100, kPrompt = 101, kPasswordField = 102, kUnlock = IDOK };

// The controls of the panel in the middle of the primary monitor, at 96 DPI
// relative to the panel's top left corner.
constexpr int kPanelWidth = 360;
constexpr int kPanelHeight = 128;
const ControlSpec kControls[] = {
    {kTitle, L"STATIC", SS_CENTER, LockScreen::kTitle, 0, 0, kPanelWidth, 56},
    {kPrompt, L"STATIC", SS_LEFT, LockScreen::kAskPassword, 0, 72, kPanelWidth, 24},
    {kPasswordField, L"EDIT", WS_BORDER | WS_TABSTOP | ES_PASSWORD | ES_AUTOHSCROLL, "", 0, 100, 260, 28},
    {kUnlock, L"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, LockScreen::kUnlockButton, 270, 100, 90, 28},
};

LRESULT CALLBACK keyboardHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    const bool alt = (key.flags & LLKHF_ALTDOWN) != 0;
    if (leadsAway({key.vkCode, alt, (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0})) return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class LockWindow : public View {
 public:
  LockWindow(LockScreen& form, Win32Ui& ui) : View(form, ui), form_(form) {}
  ~LockWindow() override {
    destroy();
    DeleteObject(background_);
  }

  void create(HWND owner) override;
  void refresh() override;

 private:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT paintBackground(HDC context);
  void applyFonts(unsigned dpi);
  void coverScreens();
  void keepInFront();
  void refuseHidingAndMoving(WINDOWPOS& change) const;
  HWND control(ControlId id) const { return GetDlgItem(handle(), id); }

  LockScreen& form_;
  HBRUSH background_ = CreateSolidBrush(kBackgroundColour);
  MessageFont font_;
  BoldFont titleFont_;
};

void LockWindow::create(HWND owner) {
  const DWORD exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;
  const std::wstring className = utf8ToWide(LockScreen::kWindowClass);
  if (!createWindow({className.c_str(), utf8ToWide(LockScreen::kTitle), WS_POPUP | WS_CLIPCHILDREN, exStyle, owner})) {
    return;
  }
  createControls(handle(), kControls);
  coverScreens();
  ShowWindow(handle(), SW_SHOWNORMAL);
  keepInFront();
  SetFocus(control(kPasswordField));
  SetTimer(handle(), kGuardTimer, kGuardIntervalMs, nullptr);
}

// After a wrong password: the new prompt, an empty field with the focus.
void LockWindow::refresh() {
  Control(control(kPrompt)).setTextUtf8(form_.prompt());
  Control(control(kPasswordField)).setTextUtf8("");
  SetFocus(control(kPasswordField));
  MessageBeep(MB_ICONEXCLAMATION);
}

LRESULT LockWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) != kUnlock) break;
      form_.unlockClicked(EditField(control(kPasswordField)).textGbk());
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) SetFocus(control(kPasswordField));
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_WINDOWPOSCHANGING:
      refuseHidingAndMoving(*reinterpret_cast<WINDOWPOS*>(lParam));
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_MINIMIZE || (wParam & 0xFFF0) == SC_MOVE || (wParam & 0xFFF0) == SC_SIZE) return 0;
      break;
    case WM_DESTROY:
      // Ends the lock program's message loop (see runLockScreen).
      PostQuitMessage(0);
      return 0;
    case WM_TIMER:
      keepInFront();
      return 0;
    case WM_DISPLAYCHANGE:
    case WM_DPICHANGED:
      coverScreens();
      return 0;
    case WM_ERASEBKGND:
      return paintBackground(reinterpret_cast<HDC>(wParam));
    case WM_CTLCOLORSTATIC:
      SetTextColor(reinterpret_cast<HDC>(wParam), kTextColour);
      SetBkColor(reinterpret_cast<HDC>(wParam), kBackgroundColour);
      return reinterpret_cast<LRESULT>(background_);
    default:
      break;
  }
  return View::onMessage(message, wParam, lParam);
}

LRESULT LockWindow::paintBackground(HDC context) {
  RECT area{};
  GetClientRect(handle(), &area);
  FillRect(context, &area, background_);
  return 1;
}

// The message font for all, twice as large and bold for the title.
void LockWindow::applyFonts(unsigned dpi) {
  HFONT font = font_.at(dpi);
  setChildFonts(handle(), font);
  SendMessageW(control(kTitle), WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_.of(font, 2)), TRUE);
}

// Covers the virtual screen (every monitor) and places the panel in the
// middle of the primary monitor.
void LockWindow::coverScreens() {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  SetWindowPos(handle(), HWND_TOPMOST, left, top, GetSystemMetrics(SM_CXVIRTUALSCREEN),
               GetSystemMetrics(SM_CYVIRTUALSCREEN), SWP_NOACTIVATE);
  const unsigned dpi = windowDpi(handle());
  const int panelLeft = (GetSystemMetrics(SM_CXSCREEN) - scaled(kPanelWidth, dpi)) / 2 - left;
  const int panelTop = (GetSystemMetrics(SM_CYSCREEN) - scaled(kPanelHeight, dpi)) / 2 - top;
  for (const ControlSpec& each : kControls) {
    MoveWindow(GetDlgItem(handle(), each.id), panelLeft + scaled(each.x, dpi), panelTop + scaled(each.y, dpi),
               scaled(each.width, dpi), scaled(each.height, dpi), TRUE);
  }
  applyFonts(dpi);
}

// While locked, a change that would hide the window, lower it or take it off
// the virtual screen keeps it shown, topmost and in place; the window's own destruction
// after the right password hides it as usual.
void LockWindow::refuseHidingAndMoving(WINDOWPOS& change) const {
  if (!form_.isOpen()) return;
  change.flags &= ~static_cast<UINT>(SWP_HIDEWINDOW);
  change.hwndInsertAfter = HWND_TOPMOST;
  change.x = GetSystemMetrics(SM_XVIRTUALSCREEN);
  change.y = GetSystemMetrics(SM_YVIRTUALSCREEN);
  change.cx = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  change.cy = GetSystemMetrics(SM_CYVIRTUALSCREEN);
}

// Shown, restored, covering every monitor, topmost and in the foreground,
// whatever another program did since. A program that is not in the
// foreground may only take it while its input is joined to that of the
// foreground window's thread.
void LockWindow::keepInFront() {
  if (!IsWindowVisible(handle())) ShowWindow(handle(), SW_SHOWNORMAL);
  if (IsIconic(handle())) ShowWindow(handle(), SW_RESTORE);
  SetWindowPos(handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  HWND foreground = GetForegroundWindow();
  if (foreground == handle()) return;
  const DWORD ours = GetCurrentThreadId();
  const DWORD theirs = foreground == nullptr ? ours : GetWindowThreadProcessId(foreground, nullptr);
  const bool joined = theirs != ours && AttachThreadInput(ours, theirs, TRUE);
  SetForegroundWindow(handle());
  BringWindowToTop(handle());
  SetFocus(control(kPasswordField));
  if (joined) AttachThreadInput(ours, theirs, FALSE);
}

// The path of a process's program file, empty when it cannot be read.
std::wstring programPathOf(DWORD process) {
  HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
  if (handle == nullptr) return {};
  wchar_t path[MAX_PATH] = {};
  DWORD length = MAX_PATH;
  const bool read = QueryFullProcessImageNameW(handle, 0, path, &length) != 0;
  CloseHandle(handle);
  return read ? std::wstring(path, length) : std::wstring();
}

// Whether a lock window of this very program file is on the desktop: only
// that makes a second start unnecessary; anyone can create the name.
bool ourLockWindowExists() {
  wchar_t ownPath[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, ownPath, MAX_PATH);
  const std::wstring own(ownPath, length);
  for (HWND window = FindWindowExW(nullptr, nullptr, L"TLockScreen", nullptr); window != nullptr;
       window = FindWindowExW(nullptr, window, L"TLockScreen", nullptr)) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() && lstrcmpiW(programPathOf(process).c_str(), own.c_str()) == 0) return true;
  }
  return false;
}

// Runs the lock screen until the right password closes it. Its own message
// loop goes on through quit messages that other programs post: it ends only
// once the window is gone.
int runLockScreen() {
  HANDLE running = CreateMutexW(nullptr, TRUE, kRunningMutex);
  const bool nameHeld = running != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
  if (anotherLockRuns(nameHeld, ourLockWindowExists, [](unsigned milliseconds) { Sleep(milliseconds); })) {
    CloseHandle(running);
    return 0;
  }
  Win32Ui ui;
  ui.registerViewOf<LockScreen, LockWindow>();
  Win32Files files;
  LockScreen screen(ui, files);
  HHOOK hook = SetWindowsHookExW(WH_KEYBOARD_LL, keyboardHook, GetModuleHandleW(nullptr), 0);
  ui.runHandler([&] { ui.showModeless(screen); });
  while (screen.isOpen()) ui.runMessageLoop();
  if (hook != nullptr) UnhookWindowsHookEx(hook);
  if (running != nullptr) CloseHandle(running);
  return 0;
}

}  // namespace

}  // namespace orvane

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return orvane::runLockScreen(); }
