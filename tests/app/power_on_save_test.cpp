// The values of "开机设定" in the main window's options save: their keys in
// order, the wizard's decision, and the start with Windows they bring.

#include <gtest/gtest.h>

#include "app/program.h"
#include "common/gbk.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

using Fields = DailyScheduleFields;

class PowerOnSaveTest : public SimTest {
 protected:
  std::string fileUtf8(const char* name) { return gbkToUtf8(programFile(name).value_or("<missing>")); }
  MainForm& main() { return program.mainForm(); }

  Program program{world.platform(), world.ui()};
};

TEST_F(PowerOnSaveTest, TheSaveWritesItsKeysInOrderAndOpensTheWizardOnlyForAChangedPowerOnText) {
  writeProgramFile("wake.ini", "[power]\r\nh=07\r\nm=0\r\ns=0\r\n");
  world.run(2, [this] { program.start(); });
  DailySchedule& schedule = main().dailyPower().dailySchedule();
  std::vector<std::string> steps;
  schedule.saveSteps().computeNextWake = [&] { steps.push_back("wake:" + fileUtf8("wake.ini")); };
  schedule.saveSteps().openPowerOnWizard = [&] { steps.push_back("wizard"); };
  Fields& fields = schedule.fields();
  fields.everyDay = true;
  fields.weekdays[6] = true;  // "星期日", disabled but saved
  fields.powerOn = {"7", "0", "0"};
  fields.shutdown = {"22", "30", "0"};
  world.ui().runHandler([&] { main().saveOptions(); });
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_EQ(steps[0],
            "wake:[power]\r\nh=07\r\nm=0\r\ns=0\r\n[wake]\r\net=1\r\n[test]\r\ntest=0\r\n");  // before the save
  EXPECT_EQ(steps[1], "wizard");
  // New keys go to the end of their section, so their order is the order
  // of the writes; "autorun" and "tray" of the other tab follow.
  EXPECT_EQ(fileUtf8("wake.ini")
                .rfind("[power]\r\nh=7\r\nm=0\r\ns=0\r\nevreyday=1\r\nw2=0\r\nw3=0\r\nw4=0\r\nw5=0\r\n"
                       "w6=0\r\nw7=0\r\nw1=1\r\n[wake]\r\net=1\r\n[test]\r\ntest=0\r\n[close]\r\nh=22\r\nm=30\r\ns="
                       "0\r\n[autorun]",
                       0),
            0u);
  EXPECT_TRUE(main().advancedPage().options().startWithWindows);

  // The same texts again, another shutdown time and no box: no wizard, and
  // "随系统启动" stays as the user set it.
  steps.clear();
  fields.everyDay = fields.weekdays[6] = false;
  fields.shutdown = {"0", "0", "0"};
  main().advancedPage().options().startWithWindows = false;
  world.ui().runHandler([&] { main().saveOptions(); });
  EXPECT_EQ(steps.size(), 1u);
  EXPECT_FALSE(main().advancedPage().options().startWithWindows);
  EXPECT_NE(fileUtf8("wake.ini").find("[close]\r\nh=0\r\nm=0\r\ns=0\r\n"), std::string::npos);
}

}  // namespace
}  // namespace orvane
