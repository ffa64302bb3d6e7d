// The wizard's pages, its lists and "测试", and both finishes with what they
// write and what they ask of the CMOS alarm.

#include "wakeup/power_on_wizard_form.h"

#include "common/errors.h"
#include "power/countdown_request.h"
#include "wakeup/power_on_wizard_fixture.h"

namespace orvane {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class WizardFormTest : public test::WizardTest {
 protected:
  // A wizard as the power-on settings open it at `when`; the test presses
  // its buttons.
  PowerOnWizardForm& open(const char* when = "2026-12-07 10:00:00") {
    wizard_.reset();
    start(when, 0);
    wizard_ = std::make_unique<PowerOnWizardForm>(world().ui(), world().platform(), request, alarm);
    wizard_->opened();
    return *wizard_;
  }
  // "测试" checked at `when` on a board with this profile.
  TimeFields testTime(const char* when, const char* profile = "84") {
    put(std::string("[wake]\r\net11=") + profile + "\r\n");
    PowerOnWizardForm& wizard = open(when);
    wizard.CheckBox1 = true;
    wizard.CheckBox1Click();
    return wizard.automaticTime;
  }

  PowerOnWizardForm& wizard() { return *wizard_; }

  CountdownRequest request;

 private:
  std::unique_ptr<PowerOnWizardForm> wizard_;
};

TEST_F(WizardFormTest, NextLeadsToTheAutomaticTimeOnlyOnABoardWithAProfile) {
  put("[power]\r\nh=07\r\nm=5\r\n");
  PowerOnWizardForm& wizard = open();
  EXPECT_EQ(wizard.describe(), "page=1");
  EXPECT_EQ(wizard.automaticTime, (TimeFields{"07", "5", ""}));
  EXPECT_EQ(wizard.manualTime, wizard.automaticTime);
  wizard.suiButton7Click();
  EXPECT_EQ(wizard.page(), WizardPage::Unsupported);
  wizard.suiButton9Click();
  EXPECT_EQ(wizard.page(), WizardPage::ManualTime);
  wizard.suiButton3Click();
  put("[wake]\r\net11=84\r\n");
  wizard.suiButton7Click();
  EXPECT_EQ(wizard.page(), WizardPage::AutomaticTime);
  wizard.suiButton5Click();
  wizard.RadioButton1 = false;
  wizard.suiButton7Click();
  EXPECT_EQ(wizard.page(), WizardPage::ManualTime);
  EXPECT_THAT(events("page "), ElementsAre("page TForm1 3", "page TForm1 4", "page TForm1 1", "page TForm1 2",
                                           "page TForm1 1", "page TForm1 4"));
}

TEST_F(WizardFormTest, TheTestBoxFillsTenMinutesAheadAndUncheckingRestoresTheStoredTime) {
  EXPECT_EQ(testTime("2026-12-07 10:55:30"), (TimeFields{"11", "5", "30"}));
  EXPECT_EQ(testTime("2026-12-07 10:45:30"), (TimeFields{"10", "55", "30"}));
  EXPECT_EQ(testTime("2026-12-07 23:55:00"), (TimeFields{"0", "5", "0"}));
  put("[wake]\r\net11=84\r\n[power]\r\nh=06\r\nm=30\r\ns=00\r\n");
  PowerOnWizardForm& wizard = open();
  wizard.CheckBox1 = true;
  wizard.CheckBox1Click();
  wizard.CheckBox1 = false;
  wizard.CheckBox1Click();
  EXPECT_EQ(wizard.automaticTime, (TimeFields{"06", "30", "00"}));
  wizard.suiButton6Click();
  EXPECT_EQ(wakeIni(), "[wake]\r\net11=84\r\n[power]\r\nh=06\r\nm=30\r\ns=00\r\n[test]\r\ntest=0\r\n");
}

TEST_F(WizardFormTest, TheAutomaticFinishStoresTheTimeAsTheListsShowItAndSetsTheAlarm) {
  put("[wake]\r\net11=84\r\n");
  PowerOnWizardForm& wizard = open();
  wizard.automaticTime = {"06", "30", "00"};
  wizard.suiButton6Click();
  EXPECT_EQ(wakeIni(), "[wake]\r\net11=84\r\n[test]\r\ntest=0\r\n[power]\r\nh=06\r\nm=30\r\ns=00\r\n");
  EXPECT_THAT(alarm.calls, ElementsAre("set 6:30"));
  EXPECT_FALSE(wizard.isOpen());
  EXPECT_TRUE(request.CountdownNote.empty());
}

TEST_F(WizardFormTest, ATestStoresItsStateAndTimeAndTheRestartNote) {
  testTime("2026-12-07 10:55:30", "89");
  wizard().suiButton6Click();
  EXPECT_EQ(wakeIni(),
            "[wake]\r\net11=89\r\n[test]\r\ntest=2\r\nh=11\r\nm=5\r\ns=30\r\n[power]\r\nh=11\r\nm=5\r\ns=30\r\n");
  EXPECT_EQ(request.CountdownNote, "测试中...请重新启动（不是关闭）计算机。");
  testTime("2026-12-07 10:45:30", "84");
  wizard().suiButton6Click();
  EXPECT_NE(wakeIni().find("[test]\r\ntest=1\r\nh=10\r\nm=55\r\ns=30\r\n"), std::string::npos);
  EXPECT_THAT(alarm.calls, ElementsAre("set 11:5", "set 10:55"));
}

TEST_F(WizardFormTest, ZeroOrAnEmptyListClearsTheAlarm) {
  put("[wake]\r\net11=84\r\n");
  for (const TimeFields& time : {TimeFields{"0", "0", "0"}, TimeFields{"00", "00", "00"}, TimeFields{"7", "", "0"}}) {
    PowerOnWizardForm& wizard = open();
    wizard.automaticTime = time;
    wizard.suiButton6Click();
  }
  EXPECT_THAT(alarm.calls, ElementsAre("clear", "clear", "clear"));
  EXPECT_NE(wakeIni().find("[power]\r\nh=7\r\nm=\r\ns=0\r\n"), std::string::npos);
}

TEST_F(WizardFormTest, ATextThatIsNotATimeIsRefusedBeforeAnythingIsWritten) {
  put("[wake]\r\net11=84\r\n");
  PowerOnWizardForm& wizard = open();
  const auto refusal = [&](const TimeFields& time) {
    wizard.automaticTime = time;
    try {
      wizard.suiButton6Click();
    } catch (const OperationError& error) {
      return std::string(error.what());
    }
    return std::string("accepted");
  };
  EXPECT_EQ(refusal({"7x", "00", "00"}), "'7x' is not a valid integer value");
  EXPECT_EQ(refusal({"", "30", "-1"}), "'-1' is not a valid integer value");
  EXPECT_EQ(refusal({"24", "0", "0"}), "'24' is not between 0 and 23");
  EXPECT_EQ(refusal({"x", "", "y"}), "'y' is not a valid integer value");
  EXPECT_EQ(refusal({"6", "60", "0"}), "'60' is not between 0 and 59");
  EXPECT_EQ(wakeIni(), "[wake]\r\net11=84\r\n");
  EXPECT_THAT(alarm.calls, IsEmpty());
  EXPECT_TRUE(wizard.isOpen());
}

TEST_F(WizardFormTest, TheManualFinishStoresTheTimeAndOpensTheHelpPageWithoutTheAlarm) {
  PowerOnWizardForm& wizard = open();
  wizard.manualTime = {"6", "30", "x"};
  wizard.suiButton4Click();
  EXPECT_EQ(wakeIni(), "[power]\r\nh=6\r\nm=30\r\ns=x\r\n");
  EXPECT_THAT(events("HtmlHelp"), ElementsAre("HtmlHelp file=\"" + world().files().programDirectoryText() +
                                              "\\help.chm\" topic=\"power.html\" command=0"));
  EXPECT_THAT(alarm.calls, IsEmpty());
  EXPECT_FALSE(wizard.isOpen());
}

}  // namespace
}  // namespace orvane
