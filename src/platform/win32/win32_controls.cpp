#include "platform/win32/win32_controls.h"

#include "platform/win32/win32_look.h"
#include "platform/win32/win32_text.h"

namespace orvane {

void createControls(HWND parent, const ControlSpec* controls, std::size_t count) {
  for (std::size_t index = 0; index < count; ++index) {
    const ControlSpec& each = controls[index];
    CreateWindowExW(0, each.className, utf8ToWide(each.text).c_str(), WS_CHILD | WS_VISIBLE | each.style, 0, 0, 0, 0,
                    parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(each.id)), GetModuleHandleW(nullptr), nullptr);
  }
}

void layoutControls(HWND parent, const ControlSpec* controls, std::size_t count) {
  const unsigned dpi = windowDpi(parent);
  for (std::size_t index = 0; index < count; ++index) {
    const ControlSpec& each = controls[index];
    MoveWindow(GetDlgItem(parent, each.id), scaled(each.x, dpi), scaled(each.y, dpi), scaled(each.width, dpi),
               scaled(each.height, dpi), TRUE);
  }
}

namespace {

// The outer size of the window for a client area of this size at 96 DPI,
// scaled to the window's DPI.
SIZE frameSize(HWND window, int clientWidth, int clientHeight) {
  const unsigned dpi = windowDpi(window);
  RECT frame{0, 0, scaled(clientWidth, dpi), scaled(clientHeight, dpi)};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
  return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace

void placeCentred(HWND window, HWND over, int clientWidth, int clientHeight) {
  const SIZE size = frameSize(window, clientWidth, clientHeight);
  RECT area{};
  if (over == nullptr || !GetWindowRect(over, &area)) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    area = monitor.rcWork;
  }
  SetWindowPos(window, nullptr, area.left + (area.right - area.left - size.cx) / 2,
               area.top + (area.bottom - area.top - size.cy) / 2, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void placeAt(HWND window, POINT topLeft, int clientWidth, int clientHeight) {
  const SIZE size = frameSize(window, clientWidth, clientHeight);
  SetWindowPos(window, nullptr, topLeft.x, topLeft.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FocusKeeper::activated(HWND window, WPARAM state, HWND first) {
  if (LOWORD(state) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window, focus)) saved_ = focus;
    return;
  }
  SetFocus(saved_ != nullptr && IsWindow(saved_) ? saved_ : first);
}

std::string windowTextGbk(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied));
  return wideToGbk(text);
}

void setWindowTextGbk(HWND window, const std::string& gbk) {
  if (windowTextGbk(window) != gbk) SetWindowTextW(window, gbkToWide(gbk).c_str());
}

}  // namespace orvane
