#pragma once
// The clock window (window class "TForm9", "网络原子钟对时"): the user picks
// or types a time server, fetches its time ("获取时间") and sets the PC's
// local clock to it ("校正"); "运行时自动同步" switches the synchronisation
// after start. Made anew each time it opens and shown modally. While it is
// open, its timer advances both shown times by a second each second.
//
// "校正" uses only a time fetched in this window: a time fetched in an
// earlier opening has not advanced while the window was closed.

#include <string>

#include "common/date_time.h"
#include "platform/form.h"
#include "platform/platform.h"

namespace orvane {

class ClockForm : public Form {
 public:
  static constexpr const char* kWindowClass = "TForm9";
  static constexpr const char* kCaption = "网络原子钟对时";
  static constexpr const char* kNotAvailable = "N/A";
  static constexpr int Timer1 = 1;
  static constexpr int kTimer1IntervalMs = 1000;

  ClockForm(Platform& platform, Ui& ui) : Form(ui), platform_(platform) {}
  ~ClockForm() override;

  const char* windowClass() const override { return kWindowClass; }
  std::string describe() const override;
  // "[server HOST ]STEP[+STEP]", each step "fetch" ("获取时间") or
  // "correct" ("校正"); the window is closed afterwards if still open.
  // Anything else presses the close box.
  void answerScripted(const std::string& answer) override;
  void timerFired(int timerId) override;

  // Fills the window and shows it modally.
  void showModally();
  // The window opens: it is filled from the settings and the clock, and its
  // timer starts.
  void FormShow();

  // The controls: the server box's text (GBK), the two shown times and the
  // box "运行时自动同步".
  std::string ComboBox1;
  std::string serverTimeText = kNotAvailable;
  std::string localTimeText = kNotAvailable;
  bool CheckBox1 = false;

  // "获取时间": fetches the time of the server in the box.
  void Button1Click();
  // "校正": sets the local clock a second ahead of the shown server time and
  // closes the window; without a good time fetched here, says so.
  void Button2Click();
  // "运行时自动同步": stored at once.
  void CheckBox1Click();
  // Every second: both times advance by a second.
  void Timer1Timer();

 private:
  bool runScriptStep(const std::string& step);

  Platform& platform_;
  DateTime serverTime_;
  DateTime pcTime_;
  bool fetchedHere_ = false;
};

// A date-time as the window shows it: the date, three blanks, the time.
std::string clockWindowText(DateTime value);

}  // namespace orvane
