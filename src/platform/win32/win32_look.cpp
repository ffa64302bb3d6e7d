#include "platform/win32/win32_look.h"

#include <string>

#include "platform/win32/win32_library.h"

namespace orvane {

namespace {

constexpr unsigned kBaseDpi = 96;

typedef UINT(WINAPI DpiForWindowFunction)(HWND window);
typedef BOOL(WINAPI ParametersForDpiFunction)(UINT action, UINT parameter, void* value, UINT update, UINT dpi);

unsigned screenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<unsigned>(dpi) : kBaseDpi;
}

// The message font as the system describes it at `dpi`.
LOGFONTW messageFontAt(unsigned dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  auto* forDpi = libraryFunction<ParametersForDpiFunction>(L"user32.dll", "SystemParametersInfoForDpi");
  if (forDpi != nullptr && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
    return metrics.lfMessageFont;
  }
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  metrics.lfMessageFont.lfHeight =
      MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi), static_cast<int>(screenDpi()));
  return metrics.lfMessageFont;
}

// The device context of a control with the control's font selected.
class ControlContext {
 public:
  explicit ControlContext(HWND control)
      : control_(control),
        context_(GetDC(control)),
        previous_(SelectObject(context_, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)))) {}
  ~ControlContext() {
    SelectObject(context_, previous_);
    ReleaseDC(control_, context_);
  }
  ControlContext(const ControlContext&) = delete;
  ControlContext& operator=(const ControlContext&) = delete;

  HDC get() const { return context_; }

 private:
  HWND control_;
  HDC context_;
  HGDIOBJ previous_;
};

BOOL CALLBACK setFont(HWND child, LPARAM font) {
  SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
  return TRUE;
}

}  // namespace

unsigned windowDpi(HWND window) {
  auto* forWindow = libraryFunction<DpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
  const unsigned dpi = forWindow != nullptr && window != nullptr ? forWindow(window) : 0;
  return dpi != 0 ? dpi : screenDpi();
}

int scaled(int length, unsigned dpi) { return MulDiv(length, static_cast<int>(dpi), static_cast<int>(kBaseDpi)); }

MessageFont::~MessageFont() {
  if (font_ != nullptr) DeleteObject(font_);
}

HFONT MessageFont::at(unsigned dpi) {
  if (font_ != nullptr && dpi == dpi_) return font_;
  const LOGFONTW description = messageFontAt(dpi);
  HFONT previous = font_;
  font_ = CreateFontIndirectW(&description);
  dpi_ = dpi;
  // The windows that showed the previous font get the new one before they
  // paint again.
  if (previous != nullptr) DeleteObject(previous);
  return font_;
}

BoldFont::~BoldFont() {
  if (font_ != nullptr) DeleteObject(font_);
}

HFONT BoldFont::of(HFONT font, int scale) {
  LOGFONTW bold{};
  GetObjectW(font, sizeof bold, &bold);
  bold.lfHeight *= scale;
  bold.lfWeight = FW_BOLD;
  if (font_ != nullptr) DeleteObject(font_);
  font_ = CreateFontIndirectW(&bold);
  return font_;
}

int textWidth(HWND control) {
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
  ControlContext context(control);
  SIZE size{};
  GetTextExtentPoint32W(context.get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

int lineHeight(HWND control) {
  ControlContext context(control);
  TEXTMETRICW metrics{};
  GetTextMetricsW(context.get(), &metrics);
  return metrics.tmHeight;
}

HICON programIcon(int size, int resourceId) {
  HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId), IMAGE_ICON, size, size, LR_SHARED);
  return icon != nullptr ? static_cast<HICON>(icon) : LoadIconW(nullptr, IDI_APPLICATION);
}

void setChildFonts(HWND parent, HFONT font) { EnumChildWindows(parent, setFont, reinterpret_cast<LPARAM>(font)); }

}  // namespace orvane
