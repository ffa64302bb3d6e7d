// The "高级选项" page through the main window: what a start shows, the
// options save in its order with a refused write ending it at that step,
// the tray entry "随系统启动", and the behaviour of both platform families.

#include <gtest/gtest.h>

#include "app/program.h"
#include "common/errors.h"
#include "common/gbk.h"
#include "platform/sim/sim_world.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

const char* const kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char* const kWinlogon = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
// What a first start writes (the board detection marks itself done, the
// check after start ends any test run) and what the save of "开机设定"
// writes first, with nothing of it set.
const std::string kFirstStartWrites = "[wake]\r\net=1\r\n[test]\r\ntest=0\r\n";
const std::string kPowerOnSave = kFirstStartWrites +
                                 "[power]\r\nevreyday=0\r\nw2=0\r\nw3=0\r\nw4=0\r\nw5=0\r\nw6=0\r\nw7=0\r\nw1=0\r\n"
                                 "[close]\r\nh=0\r\nm=0\r\ns=0\r\n";

class OptionsSaveTest : public SimTest {
 protected:
  void start() {
    world.run(1, [this] { program.start(); });
  }
  std::optional<std::string> file(const char* name) { return world.files().readFile(dir.path() / name); }
  std::optional<std::string> lockFile() {
    return world.files().readFile(world.files().systemDirectory() / "deskward.ini");
  }
  std::optional<std::string> winlogon(const char* value) {
    return world.registry().readString(RegistryRoot::LocalMachine, kWinlogon, value);
  }
  // Every box of the page ticked, with an auto-logon user.
  void tickEverything() {
    AdvancedOptions& options = page().options();
    options.startWithWindows = options.startInTray = options.lockAtStart = options.settingsNeedPassword = true;
    options.autoLogon = true;
    options.userName = "user";
    options.password = "pw";
  }
  // Runs the save as the general error handler does; the error's text.
  std::string saveOptions() {
    try {
      main().saveOptions();
      return "";
    } catch (const OperationError& error) {
      return error.what();
    }
  }
  MainForm& main() { return program.mainForm(); }
  AdvancedPage& page() { return main().advancedPage(); }
  bool trayEntryChecked() { return program.findMenuEntry("tray/随系统启动")->checked; }
  std::string systemPath(const char* name) { return gbkToUtf8(world.files().systemDirectoryText()) + "\\" + name; }
  std::string programPath(const char* name) { return gbkToUtf8(world.files().programDirectoryText()) + "\\" + name; }

  Program program{world.platform(), world.ui()};
};

TEST_F(OptionsSaveTest, AFirstStartShowsEveryOptionOffAndWritesOnlyTheDetectionMarkAndTestRunReset) {
  start();
  const AdvancedOptions& options = page().options();
  EXPECT_FALSE(options.startWithWindows || options.startInTray || options.lockAtStart || options.settingsNeedPassword ||
               options.autoLogon);
  EXPECT_TRUE(options.autoLogonAvailable);
  EXPECT_FALSE(options.autoLogonFieldsEnabled);
  EXPECT_EQ(options.userName, "");
  EXPECT_EQ(options.password, "");
  EXPECT_FALSE(trayEntryChecked());
  EXPECT_TRUE(main().shown());
  EXPECT_EQ(file("wake.ini"), kFirstStartWrites);
  EXPECT_FALSE(lockFile());
  EXPECT_FALSE(world.log().contains("RegSetValue"));
  EXPECT_FALSE(world.log().contains("ShellExecute"));
  EXPECT_FALSE(world.log().contains("open TForm12"));
}

TEST_F(OptionsSaveTest, FlagsOtherThanExactlyOneStartEverythingOff) {
  ASSERT_TRUE(world.files().writeFileFlushed(dir.path() / "wake.ini", "[autorun]\r\nrun=01\r\n[tray]\r\ntray=yes\r\n"));
  ASSERT_TRUE(world.files().writeFileFlushed(world.files().systemDirectory() / "deskward.ini",
                                             "[Option]\r\nrun=1.\r\nlock=true\r\npword=x\r\n"));
  world.registry().preset(RegistryRoot::LocalMachine, kWinlogon, "AutoAdminLogon", "01");
  start();
  const AdvancedOptions& options = page().options();
  EXPECT_FALSE(options.startWithWindows || options.startInTray || options.lockAtStart || options.settingsNeedPassword ||
               options.autoLogon);
  EXPECT_FALSE(trayEntryChecked());
  EXPECT_TRUE(main().shown());
  EXPECT_FALSE(world.log().contains("ShellExecute"));
  EXPECT_FALSE(world.log().contains("open TForm12"));
}

TEST_F(OptionsSaveTest, TheSaveWritesItsStepsInOrderAndSendsTheWindowToTheTray) {
  start();
  tickEverything();
  EXPECT_EQ(saveOptions(), "");
  // "autorun" comes before "tray": a new section goes to the end of the file.
  EXPECT_EQ(file("wake.ini"), kPowerOnSave + "[autorun]\r\nrun=1\r\n[tray]\r\ntray=1\r\n");
  EXPECT_EQ(lockFile(), "[Option]\r\nrun=1\r\nlock=1\r\n");
  std::vector<std::string> registryEvents;
  for (const auto& event : world.log().events()) {
    if (event.rfind("Reg", 0) == 0 || event.rfind("Lsa", 0) == 0)
      registryEvents.push_back(event.substr(0, event.find(" data=")));
  }
  EXPECT_EQ(registryEvents,
            (std::vector<std::string>{
                "RegSetValue key=\"HKCU\\" + std::string(kRun) + "\" value=\"Orvane\"",
                "RegSetValue key=\"HKLM\\" + std::string(kWinlogon) + "\" value=\"AutoAdminLogon\"",
                "RegSetValue key=\"HKLM\\" + std::string(kWinlogon) + "\" value=\"DefaultUserName\"",
                "LsaStorePrivateData name=\"DefaultPassword\"",
                "RegDeleteValue key=\"HKLM\\" + std::string(kWinlogon) + "\" value=\"DefaultPassword\" -> missing",
            }));
  EXPECT_TRUE(trayEntryChecked());
  EXPECT_FALSE(main().shown());
}

TEST_F(OptionsSaveTest, ARefusedWakeIniEndsTheSaveAtStartWithWindows) {
  start();
  tickEverything();
  world.files().refuseWritesTo(dir.path() / "wake.ini");
  EXPECT_EQ(saveOptions(), "Unable to write to " + programPath("wake.ini"));
  EXPECT_FALSE(world.log().contains("RegSetValue"));
  EXPECT_FALSE(lockFile());
  EXPECT_FALSE(trayEntryChecked());
  EXPECT_TRUE(main().shown());
}

TEST_F(OptionsSaveTest, AFullDiskKeepsWakeIniWholeAndEndsTheSave) {
  start();
  const auto before = file("wake.ini");
  tickEverything();
  world.files().failWritesAfter(before->size() / 2);
  EXPECT_EQ(saveOptions(), "Unable to write to " + programPath("wake.ini"));
  EXPECT_EQ(file("wake.ini"), before);
  EXPECT_FALSE(world.log().contains("RegSetValue"));
}

TEST_F(OptionsSaveTest, ARefusedMachineKeyEndsTheSaveAtTheAutoLogon) {
  start();
  tickEverything();
  world.registry().refuseWritesUnder(RegistryRoot::LocalMachine);
  EXPECT_EQ(saveOptions(), "Failed to set data for 'AutoAdminLogon'");
  EXPECT_EQ(file("wake.ini"), kPowerOnSave + "[autorun]\r\nrun=1\r\n");
  EXPECT_TRUE(trayEntryChecked());
  EXPECT_FALSE(lockFile());
  EXPECT_TRUE(main().shown());
}

TEST_F(OptionsSaveTest, ARefusedLockFileEndsTheSaveAfterTheTrayFlag) {
  start();
  tickEverything();
  world.files().refuseWritesTo(world.files().systemDirectory() / "deskward.ini");
  EXPECT_EQ(saveOptions(), "Unable to write to " + systemPath("deskward.ini"));
  EXPECT_EQ(file("wake.ini"), kPowerOnSave + "[autorun]\r\nrun=1\r\n[tray]\r\ntray=1\r\n");
  EXPECT_EQ(winlogon("AutoAdminLogon"), "1");
  EXPECT_TRUE(main().shown());
}

TEST_F(OptionsSaveTest, TheNextStartShowsWhatWasSavedAndStartsTheLockProgram) {
  start();
  tickEverything();
  ASSERT_EQ(saveOptions(), "");
  Program next(world.platform(), world.ui());
  world.run(1, [&] { next.start(); });
  const AdvancedOptions& options = next.mainForm().advancedPage().options();
  EXPECT_TRUE(options.startWithWindows && options.startInTray && options.lockAtStart && options.settingsNeedPassword &&
              options.autoLogon && options.autoLogonFieldsEnabled);
  EXPECT_EQ(options.userName, "user");
  EXPECT_EQ(options.password, "pw");
  EXPECT_TRUE(next.findMenuEntry("tray/随系统启动")->checked);
  EXPECT_FALSE(next.mainForm().shown());
  EXPECT_EQ(world.log().count("ShellExecute verb=open file=\"" + programPath("deskward.exe") + "\""), 1);
}

TEST_F(OptionsSaveTest, TheAutoLogonBoxEnablesItsLabelsAndFields) {
  start();
  page().options().autoLogon = true;
  page().autoLogonClicked();
  EXPECT_TRUE(page().options().autoLogonFieldsEnabled);
  page().options().autoLogon = false;
  page().autoLogonClicked();
  EXPECT_FALSE(page().options().autoLogonFieldsEnabled);
}

TEST_F(OptionsSaveTest, TheTrayEntryFlipsTheWishAndThePageFollows) {
  start();
  MenuItem* entry = program.findMenuEntry("tray/随系统启动");
  entry->action();
  EXPECT_TRUE(entry->checked);
  EXPECT_TRUE(page().options().startWithWindows);
  EXPECT_EQ(file("wake.ini"), kFirstStartWrites + "[autorun]\r\nrun=1\r\n");
  EXPECT_TRUE(world.registry().readString(RegistryRoot::CurrentUser, kRun, "Orvane"));
  entry->action();
  EXPECT_FALSE(entry->checked);
  EXPECT_FALSE(page().options().startWithWindows);
  EXPECT_EQ(file("wake.ini"), kFirstStartWrites + "[autorun]\r\nrun=0\r\n");
  EXPECT_FALSE(world.registry().readString(RegistryRoot::CurrentUser, kRun, "Orvane"));
  EXPECT_TRUE(main().shown());
}

TEST_F(OptionsSaveTest, Windows9xDisablesTheAutoLogonAndUsesTheMachineRunValue) {
  world.setPlatformId(1);
  world.system().setUserName("\xC0\xEE\xCB\xC4");  // "李四"
  world.registry().preset(RegistryRoot::LocalMachine, kWinlogon, "AutoAdminLogon", "1");
  start();
  const AdvancedOptions& options = page().options();
  EXPECT_FALSE(options.autoLogonAvailable);
  EXPECT_FALSE(options.autoLogon);
  EXPECT_FALSE(options.autoLogonFieldsEnabled);
  EXPECT_EQ(options.userName, "\xC0\xEE\xCB\xC4");
  tickEverything();
  page().autoLogonClicked();
  EXPECT_FALSE(page().options().autoLogonFieldsEnabled);
  ASSERT_EQ(saveOptions(), "");
  EXPECT_EQ(world.registry().readString(RegistryRoot::LocalMachine, kRun, "Tressil"), world.files().executablePath());
  EXPECT_EQ(file("wake.ini"), kPowerOnSave + "[tray]\r\ntray=1\r\n");
  EXPECT_FALSE(world.log().contains("RegSetValue key=\"HKLM\\" + std::string(kWinlogon)));
  EXPECT_FALSE(world.log().contains("LsaStorePrivateData"));
}

}  // namespace
}  // namespace orvane
