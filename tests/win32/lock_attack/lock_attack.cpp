// A test-only program that plays another program on the desktop trying to
// get rid of the lock screen of deskward.exe (or of another window, named by
// its class), and checks the lock afterwards.
//   lock_attack hide | minimize | move | quit | close | syscommand [CLASS]
//       hides, minimises or moves and lowers the window, posts a quit
//       message to its thread, posts it a close request, or posts it the
//       system menu's "close" (WM_SYSCOMMAND SC_CLOSE);
//   lock_attack cover SECONDS
//       shows a topmost window of its own over the whole screen, brings it
//       to the foreground and keeps it for that long;
//   lock_attack squat SECONDS
//       holds the lock's single-instance name, with a window of the lock's
//       class of its own, for that long;
//   lock_attack check
//       exits 0 when the lock window is shown, not minimised, covering the
//       virtual screen, topmost, in the foreground and with the keyboard
//       focus in its password field; else names what is wrong and exits 1.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const wchar_t kLockClass[] = L"TLockScreen";

HWND lockWindow(const wchar_t* windowClass = kLockClass) {
  HWND window = FindWindowW(windowClass, nullptr);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  // The squatter's own window of that class does not count.
  if (process == GetCurrentProcessId()) window = FindWindowExW(nullptr, window, windowClass, nullptr);
  return window;
}

int problem(const char* what) {
  std::printf("lock_attack: %s\n", what);
  return 1;
}

bool coversVirtualScreen(HWND window) {
  RECT area{};
  GetWindowRect(window, &area);
  return area.left <= GetSystemMetrics(SM_XVIRTUALSCREEN) && area.top <= GetSystemMetrics(SM_YVIRTUALSCREEN) &&
         area.right - area.left >= GetSystemMetrics(SM_CXVIRTUALSCREEN) &&
         area.bottom - area.top >= GetSystemMetrics(SM_CYVIRTUALSCREEN);
}

bool focusInPasswordField(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) || info.hwndFocus == nullptr) return false;
  wchar_t className[32] = {};
  GetClassNameW(info.hwndFocus, className, 32);
  return GetAncestor(info.hwndFocus, GA_ROOT) == window && lstrcmpiW(className, L"Edit") == 0 &&
         (GetWindowLongW(info.hwndFocus, GWL_STYLE) & ES_PASSWORD) != 0;
}

int check() {
  HWND window = lockWindow();
  if (window == nullptr) return problem("no lock window");
  if (!IsWindowVisible(window)) return problem("the lock window is hidden");
  if (IsIconic(window)) return problem("the lock window is minimised");
  if (!coversVirtualScreen(window)) return problem("the lock window does not cover the screen");
  if ((GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0) return problem("the lock window is not topmost");
  if (GetForegroundWindow() != window) return problem("the lock window is not in the foreground");
  if (!focusInPasswordField(window)) return problem("the password field has no keyboard focus");
  return 0;
}

int squat(int seconds) {
  CreateMutexW(nullptr, TRUE, L"OrvaneLockScreenRunning");
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kLockClass;
  RegisterClassW(&windowClass);
  CreateWindowExW(0, kLockClass, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  Sleep(static_cast<DWORD>(seconds) * 1000);
  return 0;
}

// A window of this program's own, topmost, over the whole screen and in the
// foreground, kept with its messages running for that long.
int cover(int seconds) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"LockAttackCover";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName, L"", WS_POPUP | WS_VISIBLE,
                                GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                                GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN), nullptr,
                                nullptr, windowClass.hInstance, nullptr);
  SetForegroundWindow(window);
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
  MSG message{};
  while (GetTickCount64() < end) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(50);
  }
  return 0;
}

int attack(const char* how, const wchar_t* windowClass) {
  HWND window = lockWindow(windowClass);
  if (window == nullptr) return problem("no such window");
  if (std::strcmp(how, "hide") == 0) {
    ShowWindow(window, SW_HIDE);
  } else if (std::strcmp(how, "minimize") == 0) {
    ShowWindow(window, SW_MINIMIZE);
  } else if (std::strcmp(how, "move") == 0) {
    SetWindowPos(window, HWND_BOTTOM, 4000, 4000, 10, 10, SWP_NOACTIVATE);
  } else if (std::strcmp(how, "quit") == 0) {
    PostThreadMessageW(GetWindowThreadProcessId(window, nullptr), WM_QUIT, 0, 0);
  } else if (std::strcmp(how, "close") == 0) {
    PostMessageW(window, WM_CLOSE, 0, 0);
  } else if (std::strcmp(how, "syscommand") == 0) {
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  } else {
    return problem("unknown attack");
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "check") == 0) return check();
  if (argc == 3 && std::strcmp(argv[1], "squat") == 0) return squat(std::atoi(argv[2]));
  if (argc == 3 && std::strcmp(argv[1], "cover") == 0) return cover(std::atoi(argv[2]));
  if (argc == 2) return attack(argv[1], kLockClass);
  if (argc == 3) {
    wchar_t windowClass[64] = {};
    MultiByteToWideChar(CP_ACP, 0, argv[2], -1, windowClass, 63);
    return attack(argv[1], windowClass);
  }
  return problem(
      "usage: lock_attack hide|minimize|move|quit|close|syscommand [CLASS] | check | squat SECONDS | cover SECONDS");
}
