// The reminder window on Windows: a fixed-size window captioned "提示信息"
// whose top-left corner lies at the cascade place the model gives, in screen
// pixels. The reminder shows in blue in a read-only text area that scrolls
// when the text is longer than it; under a separator line the footer
// "Orvane" and the default button "确定" (Enter); Esc and the close box close
// it too. Every paint puts it back above all other windows without
// activating, moving or sizing it.

#include "scheduler/reminder_window.h"

#include <windows.h>

#include <memory>

#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_look.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_ui.h"
#include "scheduler/reminder_form.h"

namespace orvane {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;
constexpr UINT kKeepOnTop = SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE;
constexpr COLORREF kTextColour = RGB(0, 0, 255);

// Sizes at 96 DPI.
constexpr int kClientWidth = 320;
constexpr int kClientHeight = 196;

enum ControlId : int { kText = 100, kSeparator, kFooter, kOk = IDOK };

const ControlSpec kControls[] = {
    {kText, L"EDIT", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL, "", 12, 12, 296, 120},
    {kSeparator, L"STATIC", SS_ETCHEDHORZ, "", 12, 146, 296, 2},
    {kFooter, L"STATIC", SS_LEFT | SS_CENTERIMAGE, ReminderForm::kFooter, 12, 158, 150, 28},
    {kOk, L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, ReminderForm::kOkCaption, 222, 158, 86, 28},
};

class ReminderWindow : public View {
 public:
  ReminderWindow(ReminderForm& form, Win32Ui& ui) : View(form, ui), form_(form) {}
  ~ReminderWindow() override { destroy(); }

  void create(HWND owner) override;
  void refresh() override;

 private:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT colourText(HDC context);
  void applyDpi();
  void showScrollBarWhenNeeded();
  HWND control(ControlId id) const { return GetDlgItem(handle(), id); }

  ReminderForm& form_;
  MessageFont font_;
  FocusKeeper focus_;
};

void ReminderWindow::create(HWND owner) {
  if (!createWindow({L"TForm5", utf8ToWide(ReminderForm::kTitle), kStyle, kExStyle, owner})) return;
  createControls(handle(), kControls);
  applyDpi();
  refresh();
}

void ReminderWindow::refresh() {
  SetWindowTextW(control(kText), gbkToWide(form_.text()).c_str());
  showScrollBarWhenNeeded();
}

LRESULT ReminderWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      SetWindowPos(handle(), HWND_TOPMOST, 0, 0, 0, 0, kKeepOnTop);
      break;
    case WM_CTLCOLORSTATIC:
      // A read-only text area asks for its colours as a static control does.
      if (reinterpret_cast<HWND>(lParam) == control(kText)) return colourText(reinterpret_cast<HDC>(wParam));
      break;
    case WM_COMMAND:
      if (LOWORD(wParam) == kOk) {
        form_.okClicked();
        return 0;
      }
      break;
    case WM_ACTIVATE:
      focus_.activated(handle(), wParam, control(kOk));
      return 0;
    case WM_DPICHANGED:
      applyDpi();
      showScrollBarWhenNeeded();
      return 0;
    default:
      break;
  }
  return View::onMessage(message, wParam, lParam);
}

LRESULT ReminderWindow::colourText(HDC context) {
  SetTextColor(context, kTextColour);
  SetBkColor(context, GetSysColor(COLOR_WINDOW));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

void ReminderWindow::applyDpi() {
  setChildFonts(handle(), font_.at(windowDpi(handle())));
  layoutControls(handle(), kControls);
  placeAt(handle(), {form_.offset(), form_.offset()}, kClientWidth, kClientHeight);
}

// The scroll bar shows only when the text has more lines than the area.
void ReminderWindow::showScrollBarWhenNeeded() {
  HWND text = control(kText);
  ShowScrollBar(text, SB_VERT, FALSE);
  HDC context = GetDC(text);
  HGDIOBJ previous = SelectObject(context, reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(context, &metrics);
  SelectObject(context, previous);
  ReleaseDC(text, context);
  RECT area{};
  SendMessageW(text, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
  const LRESULT lines = SendMessageW(text, EM_GETLINECOUNT, 0, 0);
  const int lineHeight = metrics.tmHeight > 0 ? metrics.tmHeight : 1;
  ShowScrollBar(text, SB_VERT, lines * lineHeight > area.bottom - area.top);
}

}  // namespace

void registerReminderView(Win32Ui& ui) {
  ui.registerView(ReminderForm::kWindowClass, [](Form& form, Win32Ui& owner) -> std::unique_ptr<View> {
    // The class name says which model it is.
    return std::make_unique<ReminderWindow>(static_cast<ReminderForm&>(form), owner);
  });
}

}  // namespace orvane
