// The shutdown countdown on Windows: a fixed-size window with only a system
// menu, captioned with the application title, that puts itself above all
// other windows on every paint. "计算机将在 60 秒之后关闭..." (the seconds in
// bold), a progress bar of 0 to 600, the explanation, the hint, and the
// buttons "关闭"/"重启" and "取消" (Esc; the close box does the same).

#include "power/countdown_window.h"

#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_look.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_ui.h"
#include "power/countdown_form.h"

namespace orvane {

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;
constexpr UINT kKeepOnTop = SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE;

enum ControlId : int {
  kLabel3 = 103,
  kLabel1 = 101,
  kLabel2 = 102,
  kProgress = 110,
  kLabel4 = 104,
  kLabel5 = 105,
  kButton2 = 120,
  kBitBtn1 = IDCANCEL
};

// Sizes at 96 DPI.
constexpr int kClientWidth = 360;
constexpr int kClientHeight = 168;
constexpr int kMargin = 16;
constexpr int kWidth = kClientWidth - 2 * kMargin;
constexpr int kLineHeight = 20;

// The first line is one sentence of three labels (width 0 here), laid out
// from the widths of their texts. Texts left empty come from the model.
const ControlSpec kControls[] = {
    {kLabel3, L"STATIC", SS_LEFT, "计算机将在", kMargin, 16, 0, kLineHeight},
    {kLabel1, L"STATIC", SS_CENTER, "", 0, 16, 0, kLineHeight},
    {kLabel2, L"STATIC", SS_LEFT, "", 0, 16, 0, kLineHeight},
    {kProgress, PROGRESS_CLASSW, 0, "", kMargin, 44, kWidth, 18},
    {kLabel4, L"STATIC", SS_LEFT, "", kMargin, 72, kWidth, kLineHeight},
    {kLabel5, L"STATIC", SS_LEFT, "如果你不想关闭/重启计算机，请按下[取消]按钮。", kMargin, 96, kWidth, kLineHeight},
    {kButton2, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, "", 184, 128, 76, 26},
    {kBitBtn1, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, "取消", 268, 128, 76, 26},
};
constexpr ControlId kSentence[] = {kLabel3, kLabel1, kLabel2};

// The width of a control's text in its font, in pixels.
int textWidth(HWND control) {
  const std::wstring text = gbkToWide(windowTextGbk(control));
  HDC context = GetDC(control);
  HGDIOBJ previous = SelectObject(context, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(context, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(context, previous);
  ReleaseDC(control, context);
  return size.cx;
}

class CountdownWindow : public View {
 public:
  CountdownWindow(CountdownForm& form, Win32Ui& ui) : View(form, ui), form_(form) {}
  ~CountdownWindow() override {
    destroy();
    if (boldFont_ != nullptr) DeleteObject(boldFont_);
  }

  void create(HWND owner) override;
  void refresh() override;

 private:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void applyDpi();
  void flowSentence(unsigned dpi);
  void setText(ControlId id, const std::string& utf8) { SetWindowTextW(control(id), utf8ToWide(utf8).c_str()); }
  HWND control(ControlId id) const { return GetDlgItem(handle(), id); }

  CountdownForm& form_;
  MessageFont font_;
  HFONT boldFont_ = nullptr;
};

void CountdownWindow::create(HWND owner) {
  if (!createWindow({L"TForm4", ui().applicationTitle(), kStyle, kExStyle, owner})) return;
  createControls(handle(), kControls);
  SendMessageW(control(kProgress), PBM_SETRANGE32, 0, CountdownForm::kProgressMaximum);
  refresh();
  applyDpi();
  // Opened modally or not, the countdown is always shown.
  ShowWindow(handle(), SW_SHOWNORMAL);
}

void CountdownWindow::refresh() {
  setText(kLabel1, form_.Label1());
  setText(kLabel2, form_.Label2());
  setText(kLabel4, form_.Label4());
  setText(kButton2, form_.Button2());
  SendMessageW(control(kProgress), PBM_SETPOS, static_cast<WPARAM>(form_.progressPosition()), 0);
}

LRESULT CountdownWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      SetWindowPos(handle(), HWND_TOPMOST, 0, 0, 0, 0, kKeepOnTop);
      break;
    case WM_COMMAND:
      if (LOWORD(wParam) == kButton2) {
        form_.Button2Click();
        return 0;
      }
      break;
    case WM_DPICHANGED:
      applyDpi();
      return 0;
    default:
      break;
  }
  return View::onMessage(message, wParam, lParam);
}

void CountdownWindow::applyDpi() {
  const unsigned dpi = windowDpi(handle());
  HFONT font = font_.at(dpi);
  setChildFonts(handle(), font);
  LOGFONTW bold{};
  GetObjectW(font, sizeof bold, &bold);
  bold.lfWeight = FW_BOLD;
  if (boldFont_ != nullptr) DeleteObject(boldFont_);
  boldFont_ = CreateFontIndirectW(&bold);
  SendMessageW(control(kLabel1), WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_), TRUE);
  placeCentred(handle(), GetWindow(handle(), GW_OWNER), kClientWidth, kClientHeight);
  layoutControls(handle(), kControls);
  flowSentence(dpi);
}

void CountdownWindow::flowSentence(unsigned dpi) {
  RECT place{};
  GetWindowRect(control(kLabel3), &place);
  MapWindowPoints(nullptr, handle(), reinterpret_cast<POINT*>(&place), 2);
  int x = place.left;
  for (ControlId id : kSentence) {
    const int width = textWidth(control(id)) + scaled(2, dpi);
    MoveWindow(control(id), x, place.top, width, place.bottom - place.top, TRUE);
    x += width;
  }
}

}  // namespace

void registerCountdownView(Win32Ui& ui) {
  ui.registerView(CountdownForm::kWindowClass, [](Form& form, Win32Ui& owner) -> std::unique_ptr<View> {
    // The class name says which model it is.
    return std::make_unique<CountdownWindow>(static_cast<CountdownForm&>(form), owner);
  });
}

}  // namespace orvane
