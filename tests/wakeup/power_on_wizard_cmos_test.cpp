// The wizard's finishes against the simulated CMOS: the automatic finish
// programs the alarm bytes and asks for the restart, clears the alarm for
// 0:0:0, and touches nothing when a list text is refused; the manual finish
// never reaches the CMOS.

#include "common/errors.h"
#include "wakeup/power_on_wizard_form.h"
#include "wakeup/wakeup_fixture.h"

namespace orvane {
namespace {

using Events = std::vector<std::string>;

class WizardCmosTest : public test::WakeupTest {
 protected:
  WizardCmosTest() {
    setProfile({"84", "85", "86", "87", "88", "125", "126"});
    setCmos({{84, 0x00}, {85, 0x05}, {86, 0x07}, {87, 0x00}, {125, 0x12}, {126, 0x34}});
    wizard.opened();
  }
  Events cmosAndQuestions() { return eventsOf({"CmosRead", "CmosWrite", "message"}); }

  PowerOnWizardForm wizard{world.ui(), world.platform(), power.countdownRequest(), wakeup.alarm()};
};

TEST_F(WizardCmosTest, TheAutomaticFinishSetsTheAlarmBytesAndAsksForTheRestart) {
  wizard.automaticTime = {"06", "30", "00"};
  wizard.suiButton6Click();
  EXPECT_EQ(cmosWrites(), (Events{"84=1", "85=0", "86=6", "87=30", "88=0", "125=18", "126=77"}));
  EXPECT_EQ(eventsOf({"message"}), (Events{"message \"必须重启一次计算机才能使设置生效！\" -> 确定"}));
  EXPECT_EQ(programFile("wake.ini").value_or(""),
            "[wake]\r\net=1\r\net11=84\r\net21=85\r\net31=86\r\net41=87\r\net51=88\r\net61=125\r\net71=126\r\n"
            "[test]\r\ntest=0\r\n[power]\r\nh=06\r\nm=30\r\ns=00\r\n");
}

TEST_F(WizardCmosTest, ZeroClearsTheEnableByteAndARefusedTextReachesNoCmos) {
  wizard.automaticTime = {"6", "3O", "0"};
  EXPECT_THROW(wizard.suiButton6Click(), OperationError);
  EXPECT_EQ(cmosAndQuestions(), Events{});
  wizard.automaticTime = {"00", "0", "00"};
  wizard.suiButton6Click();
  EXPECT_EQ(cmosWrites(), (Events{"84=0", "125=18", "126=52"}));
  EXPECT_EQ(eventsOf({"message"}), (Events{"message \"定时开机功能已经取消！\" -> 确定"}));
}

TEST_F(WizardCmosTest, TheManualFinishNeverReachesTheCmos) {
  wizard.manualTime = {"06", "30", "00"};
  wizard.suiButton4Click();
  EXPECT_EQ(cmosAndQuestions(), Events{});
  EXPECT_EQ(world.hardware().cmos()[84], 0);
}

}  // namespace
}  // namespace orvane
