#pragma once
// The power-on wizard (window class "TForm1", title "Orvane"), a fixed
// modal dialog centred on the main window whose four pages share one place:
// 1 the choice of "自动设置" or "手动设置"; 2 the time of the automatic set-up
// with "测试"; 3 the note that the board has no profile; 4 the time to enter
// in the BIOS set-up by hand. The lists of hours, minutes and seconds take
// typed text too, so their texts are kept as typed (GBK).
//
// The automatic finish stores the time in "\wake.ini" and programs the CMOS
// alarm; with "测试" it also starts a test run across a restart and a
// power-off (see power_on_test_run.h). The manual finish stores the time and
// opens the help page that explains the BIOS set-up.

#include <string>

#include "dailypower/daily_schedule.h"
#include "platform/form.h"
#include "platform/platform.h"

namespace orvane {

class PowerOnAlarmApi;
struct CountdownRequest;

enum class WizardPage { Choice = 1, AutomaticTime = 2, Unsupported = 3, ManualTime = 4 };

class PowerOnWizardForm : public Form {
 public:
  static constexpr const char* kWindowClass = "TForm1";

  // The lists of both time pages show the stored power-on time; no test.
  PowerOnWizardForm(Ui& ui, Platform& platform, CountdownRequest& request, PowerOnAlarmApi& alarm);

  const char* windowClass() const override { return kWindowClass; }
  // page=N
  std::string describe() const override;
  // "auto HH:MM:SS", "auto-test", "manual HH:MM:SS" go through the pages
  // and press "完成" (a time is typed into the lists as given); "cancel"
  // and anything else press "取消". A finish that is refused closes the
  // window.
  void answerScripted(const std::string& answer) override;

  WizardPage page() const { return page_; }

  bool RadioButton1 = true;  // "自动设置"; else RadioButton2 "手动设置"
  TimeFields automaticTime;  // ComboBox4, ComboBox5, ComboBox6
  bool CheckBox1 = false;    // "测试"; its warning shows while it is checked
  TimeFields manualTime;     // ComboBox3, ComboBox2, ComboBox1

  // Page 1: "取消" closes; "下一步 >" goes to page 4 for "手动设置", else to
  // page 2 on a board with a profile ("wake"/"et11" not empty), else page 3.
  void BitBtn1Click() { close(kResultCancel); }
  void suiButton7Click();
  // "< 上一步" of pages 2, 3 and 4, and "下一步 >" of page 3.
  void suiButton5Click() { showPage(WizardPage::Choice); }
  void suiButton8Click() { showPage(WizardPage::Choice); }
  void suiButton3Click() { showPage(WizardPage::Choice); }
  void suiButton9Click() { showPage(WizardPage::ManualTime); }
  // "测试" clicked (CheckBox1 holds its new state): checked, the lists show
  // the time ten minutes from now and the test is marked ("2" on the board
  // profile 89, whose test powers off at once, else "1"); unchecked, the
  // stored time again and no test.
  void CheckBox1Click();
  // "完成" of page 2: the automatic set-up. Every text is checked first: one
  // that is neither empty nor a number of its range is refused through the
  // error handler (OperationError) with nothing written and the window left
  // open. Then the test keys, the power-on time, and the alarm: cleared for
  // an empty text or 0:0:0, else set to the hour and minute.
  void suiButton6Click();
  // "完成" of page 4: the power-on time as typed, then the help page on the
  // BIOS set-up. The CMOS is not touched.
  void suiButton4Click();

 private:
  void showPage(WizardPage page);
  // The power-on time of "\wake.ini", empty for a missing key.
  TimeFields storedTime() const;

  Platform& platform_;
  CountdownRequest& request_;
  PowerOnAlarmApi& alarm_;
  WizardPage page_ = WizardPage::Choice;
  // "0" none, "1" test with a restart, "2" test with a power-off at once.
  std::string testFlag_ = "0";
};

}  // namespace orvane
