// The main window's own share of the running program against the simulated
// Windows: its tray entries and the working-set trimming of Timer5.

#include <gtest/gtest.h>

#include "app/program.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

class MainWindowTest : public SimTest {
 protected:
  void requirePassword() { ASSERT_TRUE(world.files().writeFileFlushed(lockPath(), "[Option]\r\nlock=1\r\n")); }
  std::filesystem::path lockPath() { return world.files().systemDirectory() / "deskward.ini"; }
  void chooseMenuEntry(const char* path) { program.findMenuEntry(path)->action(); }

  Program program{world.platform(), world.ui()};
  MainForm& form = program.mainForm();
};

TEST_F(MainWindowTest, TheTrayAddAsksForThePasswordWhenTheSettingsNeedIt) {
  requirePassword();
  world.ui().setAnswer("TForm12", "cancel");
  chooseMenuEntry("tray/添加新任务");
  EXPECT_TRUE(world.log().contains("open TForm12"));
  EXPECT_FALSE(world.log().contains("open TForm2 "));
  world.ui().setAnswer("TForm12", "");  // no password stored: the empty one is right
  chooseMenuEntry("tray/添加新任务");
  EXPECT_TRUE(world.log().contains("open TForm2 mode=\"New Scheduled Task\""));
}

TEST_F(MainWindowTest, TheTrayTaskListShowsTheMainWindowOnTheTaskPageWithoutTheOkButtons) {
  form.showPage(MainPage::Advanced);
  EXPECT_TRUE(form.advancedOkShown());
  chooseMenuEntry("tray/定时任务列表");
  EXPECT_TRUE(form.shown());
  EXPECT_EQ(form.page(), MainPage::Tasks);
  EXPECT_FALSE(form.powerOnOkShown() || form.advancedOkShown());
}

TEST_F(MainWindowTest, TheThirtySecondCheckTrimsTheWorkingSetOnTheNtFamilyOnly) {
  world.run(61, [this] { program.start(); });
  EXPECT_EQ(stampsOf(world.log(), "SetProcessWorkingSetSize min=-1 max=-1"),
            (std::vector<std::string>{"2026-12-07 10:00:30.000", "2026-12-07 10:01:00.000"}));

  SimWorld nine{dir.path() / "9x", dateTime("2026-12-07 10:00:00")};
  nine.setPlatformId(1);
  Program onNine{nine.platform(), nine.ui()};
  nine.run(61, [&] { onNine.start(); });
  EXPECT_EQ(nine.log().count("SetProcessWorkingSetSize"), 0);
}

}  // namespace
}  // namespace orvane
