// The Win32 user interface: the program's timers keep firing while a modal
// window or a message box runs its own loop, a modal window disables the
// windows under it, an exception of a handler goes to the error box, and
// the end of the program ends a modal loop. Needs a display.

#include "platform/win32/win32_ui.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/errors.h"

namespace orvane {
namespace {

constexpr int kTimerId = 7;
constexpr int kIntervalMs = 10;

// The error box records instead of showing.
class RecordingUi : public Win32Ui {
 public:
  void showError(const std::string& text) override { errors.push_back(text); }
  std::vector<std::string> errors;
};

class PlainView : public View {
 public:
  PlainView(Form& form, Win32Ui& ui, bool visible) : View(form, ui), visible_(visible) {}

  void create(HWND owner) override {
    const DWORD style = WS_POPUP | (visible_ ? WS_VISIBLE : 0);
    createWindow({L"OrvaneTestWindow", L"test", style, 0, owner, 0, 0, 200, 100});
  }
  void refresh() override {}

 private:
  bool visible_;
};

// A window whose timer runs `onTick` with the number of ticks so far.
class TickingForm : public Form {
 public:
  TickingForm(Ui& ui, const char* windowClass, std::function<void(TickingForm&)> onTick)
      : Form(ui), windowClass_(windowClass), onTick_(std::move(onTick)) {}

  const char* windowClass() const override { return windowClass_; }
  void timerFired(int) override {
    ++ticks;
    onTick_(*this);
  }
  int ticks = 0;

 private:
  const char* windowClass_;
  std::function<void(TickingForm&)> onTick_;
};

struct CountingOwner : TimerOwner {
  void timerFired(int) override { ++ticks; }
  int ticks = 0;
};

class Win32UiTest : public testing::Test {
 protected:
  Win32UiTest() {
    ui.setApplicationTitle(L"Orvane");
    for (const char* windowClass : {"TModal", "TUnder"}) {
      const bool visible = std::string(windowClass) == "TUnder";
      ui.registerView(windowClass, [this, visible](Form& form, Win32Ui& owner) {
        auto view = std::make_unique<PlainView>(form, owner, visible);
        lastView = view.get();
        return view;
      });
    }
  }

  // Runs `form` modally with its timer started.
  int runModal(TickingForm& form) {
    ui.startTimer(form, kTimerId, kIntervalMs);
    return ui.showModal(form);
  }

  RecordingUi ui;
  PlainView* lastView = nullptr;
};

TEST_F(Win32UiTest, TimersOfOtherOwnersFireInsideAModalLoop) {
  CountingOwner mainWindowTimers;
  ui.startTimer(mainWindowTimers, kTimerId, kIntervalMs);
  TickingForm modal(ui, "TModal", [&](TickingForm& form) {
    if (mainWindowTimers.ticks >= 2 && form.ticks >= 2) form.close(Form::kResultOk);
  });

  EXPECT_EQ(runModal(modal), Form::kResultOk);
  EXPECT_GE(mainWindowTimers.ticks, 2);
  EXPECT_FALSE(modal.isOpen());
  ui.stopTimer(mainWindowTimers, kTimerId);
}

TEST_F(Win32UiTest, AModalWindowDisablesTheWindowsUnderItUntilItCloses) {
  TickingForm under(ui, "TUnder", [](TickingForm&) {});
  ui.showModeless(under);
  const HWND underWindow = lastView->handle();
  ASSERT_TRUE(IsWindowVisible(underWindow));
  bool enabledWhileModal = true;
  TickingForm modal(ui, "TModal", [&](TickingForm& form) {
    enabledWhileModal = IsWindowEnabled(underWindow);
    form.close(Form::kResultOk);
  });

  runModal(modal);
  EXPECT_FALSE(enabledWhileModal);
  EXPECT_TRUE(IsWindowEnabled(underWindow));
}

TEST_F(Win32UiTest, AModalWindowThatShowsItselfWhenCreatedStaysEnabled) {
  bool enabledWhileModal = false;
  TickingForm modal(ui, "TUnder", [&](TickingForm& form) {
    enabledWhileModal = IsWindowEnabled(lastView->handle());
    form.close(Form::kResultOk);
  });

  runModal(modal);
  EXPECT_TRUE(enabledWhileModal);
}

TEST_F(Win32UiTest, AnExceptionOfAHandlerGoesToTheErrorBoxAndTheLoopGoesOn) {
  TickingForm modal(ui, "TModal", [](TickingForm& form) {
    if (form.ticks == 1) throw OperationError("Unable to write to C:\\wake.ini");
    form.close(Form::kResultOk);
  });

  EXPECT_EQ(runModal(modal), Form::kResultOk);
  EXPECT_EQ(ui.errors, std::vector<std::string>{"Unable to write to C:\\wake.ini"});
}

TEST_F(Win32UiTest, TheEndOfTheProgramCancelsAModalWindow) {
  TickingForm modal(ui, "TModal", [&](TickingForm&) { ui.quit(); });

  EXPECT_EQ(runModal(modal), Form::kResultCancel);
  MSG message{};
  EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the program's loop sees the quit";
}

TEST_F(Win32UiTest, AWindowClassWithoutAViewIsAnError) {
  TickingForm unknown(ui, "TNowhere", [](TickingForm&) {});
  EXPECT_FALSE(ui.runHandler([&] { ui.showModal(unknown); }));
  ASSERT_EQ(ui.errors.size(), 1u);
  EXPECT_NE(ui.errors[0].find("TNowhere"), std::string::npos);
  EXPECT_FALSE(unknown.isOpen());
}

BOOL CALLBACK findMessageBox(HWND window, LPARAM found) {
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  if (std::wstring(className) != L"#32770" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// Answers the message box of this thread with a button, from a timer, which
// fires inside the box's own loop.
class MessageBoxAnswer : public TimerOwner {
 public:
  explicit MessageBoxAnswer(int button) : button_(button) {}
  void timerFired(int) override {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findMessageBox, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr) return;
    wchar_t text[32] = {};
    GetWindowTextW(box, text, 32);
    caption = text;
    PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button_), 0);
  }
  std::wstring caption;

 private:
  int button_;
};

TEST_F(Win32UiTest, TimersFireInsideTheMessageBoxWhichAnswersItsButtons) {
  for (const auto& [button, answer] :
       {std::pair{IDOK, MessageAnswer::Ok}, std::pair{IDCANCEL, MessageAnswer::Cancel}}) {
    MessageBoxAnswer user(button);
    ui.startTimer(user, kTimerId, kIntervalMs);
    EXPECT_EQ(ui.showMessage("缩小到托盘图标吗？", MessageButtons::OkCancel), answer);
    ui.stopTimer(user, kTimerId);
    EXPECT_EQ(user.caption, L"Orvane");
  }
}

}  // namespace
}  // namespace orvane
