// The password prompt on Windows: a borderless window centred on the main
// window, its background the shipped picture (a dark blue when it is
// missing), the label "请输入密码：" drawn on it in white, a field that shows
// "*" for each character, and "确定" (the default button: Enter in the field)
// and "取消" (Esc). Alt+F4 and a close from the taskbar cancel as well.

#include "app/password_prompt_window.h"

#include <windows.h>

#include <optional>
#include <vector>

#include "app/password_prompt_form.h"
#include "platform/win32/win32_dialog.h"
#include "platform/win32/win32_text.h"

namespace orvane {

namespace {

// The picture's own size; the window takes it at 96 DPI.
const DialogFrame kFrame{nullptr,
                         360,
                         190,
                         Placement::CentredOnMainWindow,
                         Showing::ByTheUi,
                         false,
                         WS_POPUP | WS_CLIPCHILDREN,
                         WS_EX_CONTROLPARENT};
constexpr COLORREF kPlainBackground = RGB(20, 50, 79);
constexpr COLORREF kLabelColour = RGB(255, 255, 255);
constexpr COLORREF kEdgeColour = RGB(92, 140, 170);
constexpr RECT kLabel{140, 50, 340, 72};

enum ControlId : int { kEntry = 100, kOk = IDOK, kCancel = IDCANCEL };

const ControlSpec kControls[] = {
    {kEntry, L"EDIT", ES_AUTOHSCROLL | ES_PASSWORD | WS_BORDER | WS_TABSTOP, "", 140, 76, 196, 24},
    {kOk, L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, "确定", 160, 130, 82, 28},
    {kCancel, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, "取消", 254, 130, 82, 28},
};

// The picture as a top-down 24-bit DIB: blue, green, red, rows padded to
// four bytes.
struct Dib {
  BITMAPINFO info{};
  std::vector<std::uint8_t> bits;
};

Dib toDib(const Picture& picture) {
  Dib dib;
  dib.info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  dib.info.bmiHeader.biWidth = picture.width;
  dib.info.bmiHeader.biHeight = -picture.height;
  dib.info.bmiHeader.biPlanes = 1;
  dib.info.bmiHeader.biBitCount = 24;
  dib.info.bmiHeader.biCompression = BI_RGB;
  const auto width = static_cast<std::size_t>(picture.width);
  const std::size_t stride = (width * 3 + 3) & ~std::size_t{3};
  dib.bits.assign(stride * static_cast<std::size_t>(picture.height), 0);
  for (std::size_t y = 0; y < static_cast<std::size_t>(picture.height); ++y) {
    for (std::size_t x = 0; x < width; ++x) {
      const std::uint8_t* rgb = &picture.rgb[(y * width + x) * 3];
      std::uint8_t* bgr = &dib.bits[y * stride + x * 3];
      bgr[0] = rgb[2];
      bgr[1] = rgb[1];
      bgr[2] = rgb[0];
    }
  }
  return dib;
}

// FillRect or FrameRect in one colour.
using RectPainter = int(WINAPI*)(HDC, const RECT*, HBRUSH);
void paintRect(HDC context, const RECT& rect, COLORREF colour, RectPainter painter) {
  HBRUSH brush = CreateSolidBrush(colour);
  painter(context, &rect, brush);
  DeleteObject(brush);
}

class PasswordPromptWindow : public DialogView {
 public:
  PasswordPromptWindow(PasswordPromptForm& form, Win32Ui& ui) : DialogView(form, ui, kControls, kFrame), form_(form) {
    if (form.picture()) dib_ = toDib(*form.picture());
  }

 private:
  void prepareControls() override { editField(kEntry).hideCharacters(); }
  void showState() override { editField(kEntry).setTextGbk(form_.entry); }
  int firstControl() const override { return kEntry; }
  void command(int id, int notification) override;
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void paint();
  void paintBackground(HDC context, const RECT& client);
  void paintLabel(HDC context);

  PasswordPromptForm& form_;
  std::optional<Dib> dib_;
};

LRESULT PasswordPromptWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      paint();
      return 0;
    default:
      return DialogView::onMessage(message, wParam, lParam);
  }
}

void PasswordPromptWindow::command(int id, int /*notification*/) {
  if (id != kOk) return;
  form_.entry = editField(kEntry).textGbk();
  form_.okClicked();
  if (!form_.isOpen()) return;
  SetFocus(control(kEntry));
  editField(kEntry).selectAll();
}

void PasswordPromptWindow::paint() {
  PAINTSTRUCT paint{};
  HDC context = BeginPaint(handle(), &paint);
  RECT client{};
  GetClientRect(handle(), &client);
  paintBackground(context, client);
  paintLabel(context);
  EndPaint(handle(), &paint);
}

void PasswordPromptWindow::paintBackground(HDC context, const RECT& client) {
  if (dib_) {
    SetStretchBltMode(context, HALFTONE);
    StretchDIBits(context, 0, 0, client.right, client.bottom, 0, 0, dib_->info.bmiHeader.biWidth,
                  -dib_->info.bmiHeader.biHeight, dib_->bits.data(), &dib_->info, DIB_RGB_COLORS, SRCCOPY);
  } else {
    paintRect(context, client, kPlainBackground, FillRect);
  }
  paintRect(context, client, kEdgeColour, FrameRect);
}

void PasswordPromptWindow::paintLabel(HDC context) {
  const unsigned dpi = windowDpi(handle());
  RECT label{scaled(kLabel.left, dpi), scaled(kLabel.top, dpi), scaled(kLabel.right, dpi), scaled(kLabel.bottom, dpi)};
  HGDIOBJ previous = SelectObject(context, font().at(dpi));
  SetBkMode(context, TRANSPARENT);
  SetTextColor(context, kLabelColour);
  DrawTextW(context, utf8ToWide("请输入密码：").c_str(), -1, &label, DT_LEFT | DT_BOTTOM | DT_SINGLELINE);
  SelectObject(context, previous);
}

}  // namespace

void registerPasswordPromptView(Win32Ui& ui) { ui.registerViewOf<PasswordPromptForm, PasswordPromptWindow>(); }

}  // namespace orvane
