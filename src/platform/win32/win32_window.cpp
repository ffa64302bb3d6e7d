#include "platform/win32/win32_window.h"

#include "platform/win32/win32_look.h"
#include "platform/win32/win32_ui.h"

namespace orvane {

namespace {

void registerClass(const wchar_t* className, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &windowClass)) return;
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hIcon = programIcon(GetSystemMetrics(SM_CXICON));
  windowClass.hIconSm = programIcon(GetSystemMetrics(SM_CXSMICON));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = className;
  RegisterClassExW(&windowClass);
}

}  // namespace

Win32Window::~Win32Window() { destroy(); }

void Win32Window::destroy() {
  if (handle_ != nullptr) DestroyWindow(handle_);
}

bool Win32Window::createWindow(const WindowSpec& window) {
  registerClass(window.className, procedure);
  CreateWindowExW(window.exStyle, window.className, window.title.c_str(), window.style, window.x, window.y,
                  window.width, window.height, window.parent, nullptr, GetModuleHandleW(nullptr), this);
  return handle_ != nullptr;
}

LRESULT Win32Window::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(handle_, message, wParam, lParam);
}

LRESULT CALLBACK Win32Window::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    created->handle_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  LRESULT result = 0;
  self->ui_.runHandler([&] { result = self->onMessage(message, wParam, lParam); });
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->handle_ = nullptr;
  }
  return result;
}

}  // namespace orvane
