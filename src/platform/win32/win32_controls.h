#pragma once
// Windows made of fixed controls: a table of controls with their places at
// 96 DPI, created as children of a window and laid out at the window's DPI,
// the window sized and centred on its owner, and the text of a field as GBK.

#include <windows.h>

#include <cstddef>
#include <string>

namespace orvane {

struct ControlSpec {
  int id;
  const wchar_t* className;
  DWORD style;              // besides WS_CHILD | WS_VISIBLE
  const char* text;         // UTF-8
  int x, y, width, height;  // at 96 DPI, in the parent's client area
};

void createControls(HWND parent, const ControlSpec* controls, std::size_t count);
void layoutControls(HWND parent, const ControlSpec* controls, std::size_t count);

template <std::size_t N>
void createControls(HWND parent, const ControlSpec (&controls)[N]) {
  createControls(parent, controls, N);
}
template <std::size_t N>
void layoutControls(HWND parent, const ControlSpec (&controls)[N]) {
  layoutControls(parent, controls, N);
}

// Gives the window a client area of this size at 96 DPI, scaled to its DPI,
// and centres it on `over` (its owner), or on its monitor's work area when
// there is none.
void placeCentred(HWND window, HWND over, int clientWidth, int clientHeight);
// The same size, with the window's top-left corner at this screen point.
void placeAt(HWND window, POINT topLeft, int clientWidth, int clientHeight);

// Keeps the keyboard focus among a window's controls across its
// deactivation, as a dialog does: the window hands it every WM_ACTIVATE;
// the first activation focuses `first`.
class FocusKeeper {
 public:
  void activated(HWND window, WPARAM state, HWND first);

 private:
  HWND saved_ = nullptr;
};

std::string windowTextGbk(HWND window);
// Sets the text only when it differs, so that a refresh does not disturb
// the caret of a field being typed in.
void setWindowTextGbk(HWND window, const std::string& gbk);

}  // namespace orvane
