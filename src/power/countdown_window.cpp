// The shutdown countdown on Windows: a fixed-size window with only a system
// menu, captioned with the application title, that puts itself above all
// other windows on every paint. "计算机将在 60 秒之后关闭..." (the seconds in
// bold), a progress bar of 0 to 600, the explanation, the hint, and the
// buttons "关闭"/"重启" and "取消" (Esc; the close box does the same).

#include "power/countdown_window.h"

#include <windows.h>

#include <commctrl.h>

#include "platform/win32/win32_dialog.h"
#include "power/countdown_form.h"

namespace orvane {

namespace {

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
// Opened modally or not, the countdown is always shown.
const DialogFrame kFrame{nullptr,
                         kClientWidth,
                         kClientHeight,
                         Placement::CentredOnOwner,
                         Showing::AtOnce,
                         true,
                         WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN};

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

class CountdownWindow : public DialogView {
 public:
  CountdownWindow(CountdownForm& form, Win32Ui& ui) : DialogView(form, ui, kControls, kFrame), form_(form) {}
  // The window goes before the font that it shows.
  ~CountdownWindow() override { destroy(); }

 private:
  void prepareControls() override;
  void showState() override;
  void command(int id, int notification) override;
  void dpiApplied(unsigned dpi) override;

  CountdownForm& form_;
  BoldFont boldFont_;
};

// The texts are shown before the first layout, which flows the sentence
// from their widths.
void CountdownWindow::prepareControls() {
  ProgressBar(control(kProgress)).setRange(CountdownForm::kProgressMaximum);
  refresh();
}

void CountdownWindow::showState() {
  plain(kLabel1).setTextUtf8(form_.Label1());
  plain(kLabel2).setTextUtf8(form_.Label2());
  plain(kLabel4).setTextUtf8(form_.Label4());
  plain(kButton2).setTextUtf8(form_.Button2());
  ProgressBar(control(kProgress)).setPosition(form_.progressPosition());
}

void CountdownWindow::command(int id, int /*notification*/) {
  if (id == kButton2) form_.Button2Click();
}

// The seconds in bold; the first line's labels side by side, each as wide
// as its text.
void CountdownWindow::dpiApplied(unsigned dpi) {
  SendMessageW(control(kLabel1), WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.of(font().at(dpi))), TRUE);
  RECT line{};
  GetWindowRect(control(kLabel3), &line);
  MapWindowPoints(nullptr, handle(), reinterpret_cast<POINT*>(&line), 2);
  int x = line.left;
  for (ControlId id : kSentence) {
    const int width = textWidth(control(id)) + scaled(2, dpi);
    MoveWindow(control(id), x, line.top, width, line.bottom - line.top, TRUE);
    x += width;
  }
}

}  // namespace

void registerCountdownView(Win32Ui& ui) { ui.registerViewOf<CountdownForm, CountdownWindow>(); }

}  // namespace orvane
