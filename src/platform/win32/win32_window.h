#pragma once
// A window whose messages go to a C++ object. Every message runs inside the
// program's general error handler (Win32Ui::runHandler), so an operation
// that fails with an exception in any handler of any window ends that
// handler and is shown in the error box, and no exception ever unwinds
// through the system's own code.

#include <windows.h>

#include <string>

namespace orvane {

class Win32Ui;

// What a window is made with, in this order:
//     createWindow({className, title, style, exStyle, parent});
// with the position and size left at 0 when the window sets them itself.
struct WindowSpec {
  const wchar_t* className = nullptr;  // registered on first use
  std::wstring title;
  DWORD style = 0;
  DWORD exStyle = 0;
  HWND parent = nullptr;  // the parent of a child window, the owner of a top-level one
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

class Win32Window {
 public:
  virtual ~Win32Window();
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  // Null before the window is created and once it is destroyed.
  HWND handle() const { return handle_; }
  // Destroys the window now; the object stays until its owner drops it.
  void destroy();

 protected:
  explicit Win32Window(Win32Ui& ui) : ui_(ui) {}

  Win32Ui& ui() const { return ui_; }
  // Creates the window; false when the system refused.
  bool createWindow(const WindowSpec& window);
  // A message for the window; the system's default processing unless a
  // window overrides it.
  virtual LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  Win32Ui& ui_;
  HWND handle_ = nullptr;
};

}  // namespace orvane
