#pragma once
// The look shared by the program's windows: the DPI of a window, lengths
// given at 96 DPI scaled to it, the system's message font at that DPI, its
// bold variant, and texts measured in a control's font.
// The program is aware of the DPI of each monitor, so its windows lay
// themselves out again when they move to a monitor of another DPI.

#include <windows.h>

namespace orvane {

// The window's DPI where the system knows it per window, else the screen's.
unsigned windowDpi(HWND window);
// A length given at 96 DPI, at `dpi`.
int scaled(int length, unsigned dpi);

// The system's message font (the font of message boxes) at one DPI at a
// time; the font is made anew when the DPI changes.
class MessageFont {
 public:
  MessageFont() = default;
  ~MessageFont();
  MessageFont(const MessageFont&) = delete;
  MessageFont& operator=(const MessageFont&) = delete;

  HFONT at(unsigned dpi);

 private:
  HFONT font_ = nullptr;
  unsigned dpi_ = 0;
};

// A bold variant of a font, made anew from each font it is given and kept
// until the next one.
class BoldFont {
 public:
  BoldFont() = default;
  ~BoldFont();
  BoldFont(const BoldFont&) = delete;
  BoldFont& operator=(const BoldFont&) = delete;

  // The variant of `font`, `scale` times as high.
  HFONT of(HFONT font, int scale = 1);

 private:
  HFONT font_ = nullptr;
};

// Measured in a control's own font: the width of its text, and the height
// of one line, in pixels.
int textWidth(HWND control);
int lineHeight(HWND control);

// The program's icons: resource 1, and resource 2 that the tray shows while a
// mouse button is held on its icon.
constexpr int kProgramIcon = 1;
constexpr int kPressedTrayIcon = 2;

// One of the program's icons in the size nearest to `size` pixels, or the
// system's application icon where the executable has none. Shared: it is
// never destroyed.
HICON programIcon(int size, int resourceId = kProgramIcon);

// Gives the font to every child window of `parent`.
void setChildFonts(HWND parent, HFONT font);

}  // namespace orvane
