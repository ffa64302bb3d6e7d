// The main window's own share of the running program against the simulated
// Windows: its menus and tray entries, the close question, the end of the
// session, uninstall, the tray start and the working-set trimming of Timer5.

#include <gtest/gtest.h>

#include "app/maker.h"
#include "app/program.h"
#include "common/gbk.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

class MainWindowTest : public SimTest {
 protected:
  void requirePassword() { ASSERT_TRUE(world.files().writeFileFlushed(lockPath(), "[Option]\r\nlock=1\r\n")); }
  std::filesystem::path lockPath() { return world.files().systemDirectory() / "deskward.ini"; }
  void chooseMenuEntry(const char* path) { program.findMenuEntry(path)->action(); }
  void start() {
    world.run(1, [this] { program.start(); });
  }
  std::string programPath(const char* name) { return gbkToUtf8(world.files().programDirectoryText()) + "\\" + name; }
  std::string shellOpen(const std::string& file) { return "ShellExecute verb=open file=\"" + file + "\" dir=\"\""; }

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

TEST_F(MainWindowTest, TheCloseQuestionSendsTheWindowToTheTrayOrEndsTheProgram) {
  start();
  program.closeMainWindow();
  EXPECT_EQ(world.log().events().back(), "hide TForm3");
  EXPECT_TRUE(world.log().contains("message \"缩小到托盘图标吗？\" -> 确定"));
  EXPECT_FALSE(world.log().contains("exit"));

  chooseMenuEntry("tray/开关定时设置");
  world.ui().setAnswer("message", "取消");
  program.closeMainWindow();
  EXPECT_TRUE(world.log().contains("message \"缩小到托盘图标吗？\" -> 取消"));
  EXPECT_TRUE(world.ui().quitRequested());
}

TEST_F(MainWindowTest, TheEndOfTheSessionIsAnsweredAtOnceAndNeverAsks) {
  start();
  EXPECT_TRUE(form.WMQueryEndSession());
  program.closeMainWindow();
  EXPECT_EQ(world.log().count("query-end-session -> 1"), 1);
  EXPECT_FALSE(world.log().contains("message"));
  EXPECT_TRUE(world.ui().quitRequested());
}

TEST_F(MainWindowTest, TheShellEntriesOfBothMenusAndUninstall) {
  start();
  const std::string help = shellOpen(programPath("help.chm"));
  const std::string powerOptions = "WinExec cmd=\"RunDLL32.exe Shell32.dll,Control_RunDLL PowerCfg.cpl\" show=1";
  for (const auto& [path, event] : std::vector<std::pair<std::string, std::string>>{
           {"帮助(&H)/帮助内容", help},
           {"tray/帮助", help},
           {"工具(&T)/电源管理选项", powerOptions},
           {"tray/电源管理", powerOptions},
           {"帮助(&H)/意见反馈", shellOpen(maker::feedbackMailLink())},
           {std::string("帮助(&H)/") + maker::kSiteCaption, shellOpen(maker::kSiteAddress)},
           {"帮助(&H)/关于本软件", "open TForm7"},
           {"tray/关于本软件", "open TForm7"},
       }) {
    chooseMenuEntry(path.c_str());
    EXPECT_EQ(world.log().events().back(), event) << path;
  }
  EXPECT_EQ(program.findMenuEntry("帮助(&H)/帮助内容")->shortcut, "F1");
  EXPECT_FALSE(world.ui().quitRequested());
  writeProgramFile("wake.ini", "[wake]\r\net11=112\r\n");
  chooseMenuEntry("工具(&T)/卸载本软件");
  const std::vector<std::string> events = world.log().events();
  EXPECT_EQ(std::vector<std::string>(events.end() - 4, events.end()),
            (std::vector<std::string>{"CmosWrite index=0 value=0", "message \"定时开机功能已经取消！\" -> 确定",
                                      shellOpen(programPath("unins000.exe")), "exit"}));
  EXPECT_TRUE(world.log().contains("CmosWrite index=112 value=0"));
}

TEST_F(MainWindowTest, ATrayStartShowsOnlyTheIconUntilTheDoubleClick) {
  writeProgramFile("wake.ini", "[tray]\r\ntray=1\r\n");
  form.showPage(MainPage::Advanced);
  start();
  EXPECT_FALSE(form.shown());
  EXPECT_FALSE(world.log().contains("show TForm3"));
  program.trayDoubleClick();
  EXPECT_TRUE(form.shown());
  EXPECT_EQ(form.page(), MainPage::PowerOn);
  EXPECT_EQ(world.log().count("show TForm3"), 1);
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
