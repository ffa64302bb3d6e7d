// The reminder window on Windows: a fixed-size window captioned "提示信息"
// whose top-left corner lies at the cascade place the model gives, in screen
// pixels. The reminder shows in blue in a read-only text area that scrolls
// when the text is longer than it; under a separator line the footer
// "Orvane" and the default button "确定" (Enter); Esc and the close box close
// it too. Every paint puts it back above all other windows without
// activating, moving or sizing it.

#include "scheduler/reminder_window.h"

#include <windows.h>

#include <optional>

#include "platform/win32/win32_dialog.h"
#include "scheduler/reminder_form.h"

namespace orvane {

namespace {

constexpr COLORREF kTextColour = RGB(0, 0, 255);
const DialogFrame kFrame{ReminderForm::kTitle, 320, 196, Placement::CentredOnOwner, Showing::ByTheUi, true};

enum ControlId : int { kText = 100, kSeparator, kFooter, kOk = IDOK };

const ControlSpec kControls[] = {
    {kText, L"EDIT", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL, "", 12, 12, 296, 120},
    {kSeparator, L"STATIC", SS_ETCHEDHORZ, "", 12, 146, 296, 2},
    {kFooter, L"STATIC", SS_LEFT | SS_CENTERIMAGE, ReminderForm::kFooter, 12, 158, 150, 28},
    {kOk, L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, ReminderForm::kOkCaption, 222, 158, 86, 28},
};

class ReminderWindow : public DialogView {
 public:
  ReminderWindow(ReminderForm& form, Win32Ui& ui) : DialogView(form, ui, kControls, kFrame), form_(form) {}

 private:
  void showState() override;
  int firstControl() const override { return kOk; }
  void command(int id, int notification) override;
  // A read-only text area asks for its colours as a static control does.
  std::optional<StaticColours> coloursOf(HWND child) const override;
  // At the cascade place the model gives.
  void place() override;
  void dpiApplied(unsigned /*dpi*/) override { showScrollBarWhenNeeded(); }
  void showScrollBarWhenNeeded();

  ReminderForm& form_;
};

void ReminderWindow::showState() {
  plain(kText).setTextGbk(form_.text());
  showScrollBarWhenNeeded();
}

void ReminderWindow::command(int id, int /*notification*/) {
  if (id == kOk) form_.okClicked();
}

std::optional<StaticColours> ReminderWindow::coloursOf(HWND child) const {
  if (child != control(kText)) return std::nullopt;
  return StaticColours{kTextColour, COLOR_WINDOW};
}

void ReminderWindow::place() {
  placeAt(handle(), {form_.offset(), form_.offset()}, kFrame.clientWidth, kFrame.clientHeight);
}

// The scroll bar shows only when the text has more lines than the area.
void ReminderWindow::showScrollBarWhenNeeded() {
  HWND text = control(kText);
  ShowScrollBar(text, SB_VERT, FALSE);
  RECT area{};
  SendMessageW(text, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
  const LRESULT lines = SendMessageW(text, EM_GETLINECOUNT, 0, 0);
  const int height = lineHeight(text);
  ShowScrollBar(text, SB_VERT, lines * (height > 0 ? height : 1) > area.bottom - area.top);
}

}  // namespace

void registerReminderView(Win32Ui& ui) { ui.registerViewOf<ReminderForm, ReminderWindow>(); }

}  // namespace orvane
