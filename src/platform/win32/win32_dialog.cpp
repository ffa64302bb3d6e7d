#include "platform/win32/win32_dialog.h"

#include "platform/win32/win32_text.h"

namespace orvane {

namespace {

constexpr UINT kKeepOnTop = SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE;

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

DialogView::DialogView(Form& form, Win32Ui& ui, ControlTable controls, const DialogFrame& frame)
    : View(form, ui), controls_(controls), frame_(frame) {}

DialogView::~DialogView() { destroy(); }

std::wstring DialogView::title() const {
  return frame_.caption != nullptr ? utf8ToWide(frame_.caption) : ui().applicationTitle();
}

void DialogView::create(HWND owner) {
  const std::wstring className = utf8ToWide(form().windowClass());
  const DWORD exStyle = frame_.exStyle | (frame_.staysOnTop ? WS_EX_TOPMOST : 0);
  if (!createWindow({className.c_str(), title(), frame_.style, exStyle, owner})) return;
  createControls(handle(), controls_);
  prepareControls();
  applyDpi();
  refresh();
  if (frame_.showing == Showing::ByTheUi) return;
  ShowWindow(handle(), SW_SHOWNORMAL);
  if (frame_.showing == Showing::AtOnceInFront) SetForegroundWindow(handle());
}

void DialogView::refresh() {
  const bool outer = !refreshing_;
  refreshing_ = true;
  showState();
  if (outer) refreshing_ = false;
}

void DialogView::place() {
  HWND over = nullptr;
  if (frame_.placement == Placement::CentredOnOwner) over = GetWindow(handle(), GW_OWNER);
  if (frame_.placement == Placement::CentredOnMainWindow) over = ui().mainWindow();
  placeCentred(handle(), over, frame_.clientWidth, frame_.clientHeight);
}

void DialogView::applyDpi() {
  const unsigned dpi = windowDpi(handle());
  setChildFonts(handle(), font_.at(dpi));
  layoutControls(handle(), controls_);
  place();
  dpiApplied(dpi);
}

LRESULT DialogView::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) break;
      if (!refreshing_) command(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NOTIFY:
      notified(*reinterpret_cast<const NMHDR*>(lParam));
      return 0;
    case WM_CTLCOLORSTATIC:
      if (auto colours = coloursOf(reinterpret_cast<HWND>(lParam))) {
        SetTextColor(reinterpret_cast<HDC>(wParam), colours->text);
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(colours->background));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(colours->background));
      }
      break;
    case WM_PAINT:
      if (frame_.staysOnTop) SetWindowPos(handle(), HWND_TOPMOST, 0, 0, 0, 0, kKeepOnTop);
      break;
    case WM_DPICHANGED:
      applyDpi();
      return 0;
    case WM_ACTIVATE:
      if (firstControl() == 0) break;
      focus_.activated(handle(), wParam, control(firstControl()));
      return 0;
    default:
      break;
  }
  return View::onMessage(message, wParam, lParam);
}

}  // namespace orvane
