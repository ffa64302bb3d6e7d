// A Win32 program that does nothing but sit in the notification area with a
// one-second timer, as orvane.exe does when it is idle in the tray: the
// baseline that scripts/bench.sh --idle compares orvane.exe with.

#include <windows.h>

// After windows.h, which it needs.
#include <shellapi.h>

namespace {

constexpr UINT kTimer = 1;
constexpr UINT kTimerMilliseconds = 1000;

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = windowProcedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"EmptyTray";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowW(L"EmptyTray", L"Empty tray", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 320, 200,
                              nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;

  NOTIFYICONDATAW icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = window;
  icon.uID = 1;
  icon.uFlags = NIF_ICON | NIF_TIP;
  icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  lstrcpynW(icon.szTip, L"Empty tray", ARRAYSIZE(icon.szTip));
  Shell_NotifyIconW(NIM_ADD, &icon);
  SetTimer(window, kTimer, kTimerMilliseconds, nullptr);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  Shell_NotifyIconW(NIM_DELETE, &icon);
  return 0;
}
