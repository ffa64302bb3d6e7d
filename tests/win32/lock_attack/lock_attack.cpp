// A test-only program that plays another program on the desktop trying to
// get rid of the lock screen of deskward.exe, and checks the lock afterwards.
//   lock_attack hide | minimize | move | quit | close
//       hides, minimises or moves and lowers the lock window, posts a quit
//       message to its thread, or posts it a close request;
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

HWND lockWindow() {
  HWND window = FindWindowW(kLockClass, nullptr);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  // The squatter's own window of that class does not count.
  if (process == GetCurrentProcessId()) window = FindWindowExW(nullptr, window, kLockClass, nullptr);
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

int attack(const char* how) {
  HWND window = lockWindow();
  if (window == nullptr) return problem("no lock window");
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
  } else {
    return problem("unknown attack");
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "check") == 0) return check();
  if (argc == 3 && std::strcmp(argv[1], "squat") == 0) return squat(std::atoi(argv[2]));
  if (argc == 2) return attack(argv[1]);
  return problem("usage: lock_attack hide|minimize|move|quit|close|check | squat SECONDS");
}
