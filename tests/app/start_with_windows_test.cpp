// Start with Windows on both platform families: the Run value "Tressil" of
// 9x/ME, the "autorun"/"run" wish with the current user's logon entry on the
// NT family, and the migration at start-up from the first to the second.

#include "app/start_with_windows.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "platform/sim/sim_world.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

const char* const kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class StartWithWindowsTest : public SimTest {
 protected:
  std::optional<std::string> machineRun() {
    return world.registry().readString(RegistryRoot::LocalMachine, kRun, "Tressil");
  }
  std::optional<std::string> userRun() {
    return world.registry().readString(RegistryRoot::CurrentUser, kRun, "Orvane");
  }
  std::optional<std::string> wakeIni() { return world.files().readFile(dir.path() / "wake.ini"); }
  std::string exe() { return world.files().executablePath(); }

  StartWithWindows start{world.platform()};
};

TEST_F(StartWithWindowsTest, NtFamilyKeepsTheWishInWakeIniAndALogonEntryOfTheUser) {
  EXPECT_FALSE(start.isOn());
  start.set(true);
  EXPECT_EQ(wakeIni(), "[autorun]\r\nrun=1\r\n");
  EXPECT_EQ(userRun(), "\"" + exe() + "\"");
  EXPECT_FALSE(machineRun());
  EXPECT_TRUE(start.isOn());

  start.set(false);
  EXPECT_EQ(wakeIni(), "[autorun]\r\nrun=0\r\n");
  EXPECT_FALSE(userRun());
  EXPECT_FALSE(start.isOn());
  EXPECT_TRUE(world.log().contains("RegDeleteValue key=\"HKCU\\" + std::string(kRun) + "\" value=\"Orvane\""));
}

TEST_F(StartWithWindowsTest, NtFamilyReadsOnlyTheExactTextOneAsOn) {
  for (const char* text : {"01", "true", "2", "", " 1x"}) {
    ASSERT_TRUE(world.files().writeFileFlushed(dir.path() / "wake.ini", std::string("[autorun]\r\nrun=") + text));
    EXPECT_FALSE(start.isOn()) << text;
  }
  ASSERT_TRUE(world.files().writeFileFlushed(dir.path() / "wake.ini", "[AUTORUN]\r\nRun = 1 \r\n"));
  EXPECT_TRUE(start.isOn());
}

TEST_F(StartWithWindowsTest, NtFamilyReportsARefusedLogonEntryByItsValueName) {
  world.registry().refuseWritesUnder(RegistryRoot::CurrentUser);
  try {
    start.set(true);
    FAIL() << "no error";
  } catch (const OperationError& error) {
    EXPECT_STREQ(error.what(), "Failed to set data for 'Orvane'");
  }
  EXPECT_EQ(wakeIni(), "[autorun]\r\nrun=1\r\n");
}

TEST_F(StartWithWindowsTest, MigrationTurnsALeftoverTressilIntoTheWishAndTheLogonEntry) {
  world.registry().preset(RegistryRoot::LocalMachine, kRun, "Tressil", "C:\\Old\\orvane.exe");
  start.migrate();
  EXPECT_FALSE(machineRun());
  EXPECT_EQ(wakeIni(), "[autorun]\r\nrun=1\r\n");
  EXPECT_EQ(userRun(), "\"" + exe() + "\"");
  EXPECT_TRUE(start.isOn());
}

TEST_F(StartWithWindowsTest, MigrationLeavesAnEmptyTressilAndAWishThatIsOff) {
  world.registry().preset(RegistryRoot::LocalMachine, kRun, "Tressil", "");
  start.migrate();
  EXPECT_EQ(machineRun(), "");
  EXPECT_FALSE(wakeIni());
  EXPECT_FALSE(userRun());
  EXPECT_FALSE(world.log().contains("RegSetValue"));
}

TEST_F(StartWithWindowsTest, MigrationPointsTheLogonEntryAtThisExecutableOnlyWhenItDiffers) {
  ASSERT_TRUE(world.files().writeFileFlushed(dir.path() / "wake.ini", "[autorun]\r\nrun=1\r\n"));
  world.registry().preset(RegistryRoot::CurrentUser, kRun, "Orvane", "\"D:\\Moved\\orvane.exe\"");
  start.migrate();
  EXPECT_EQ(userRun(), "\"" + exe() + "\"");
  EXPECT_EQ(world.log().count("RegSetValue"), 1);
  start.migrate();
  EXPECT_EQ(world.log().count("RegSetValue"), 1);
}

TEST_F(StartWithWindowsTest, MigrationToleratesARefusedLogonEntry) {
  world.registry().refuseWritesUnder(RegistryRoot::CurrentUser);
  world.registry().preset(RegistryRoot::LocalMachine, kRun, "Tressil", "C:\\Old\\orvane.exe");
  EXPECT_NO_THROW(start.migrate());
  EXPECT_TRUE(start.isOn());
}

TEST_F(StartWithWindowsTest, Windows9xUsesTheMachineRunValueAndNeverWakeIni) {
  world.setPlatformId(1);
  start.set(true);
  EXPECT_EQ(machineRun(), exe());
  EXPECT_TRUE(start.isOn());
  start.set(false);
  EXPECT_FALSE(machineRun());
  EXPECT_FALSE(start.isOn());
  EXPECT_FALSE(wakeIni());
  EXPECT_FALSE(userRun());
}

TEST_F(StartWithWindowsTest, Windows9xTakesAnyNonEmptyRunValueAsOnAndKeepsItAtStartUp) {
  world.setPlatformId(1);
  world.registry().preset(RegistryRoot::LocalMachine, kRun, "Tressil", "0");
  start.migrate();
  EXPECT_EQ(machineRun(), "0");
  EXPECT_TRUE(start.isOn());
}

TEST_F(StartWithWindowsTest, Windows9xDeletesTheStartUpServiceFileAtStartUp) {
  world.setPlatformId(1);
  ASSERT_TRUE(world.files().writeFileFlushed(dir.path() / "Velmora.exe", "MZ"));
  start.migrate();
  EXPECT_FALSE(world.files().fileExists(dir.path() / "Velmora.exe"));
}

TEST_F(StartWithWindowsTest, AnUnknownPlatformIsTreatedAsWindows9x) {
  world.setPlatformId(3);
  world.registry().refuseWritesUnder(RegistryRoot::LocalMachine);
  try {
    start.set(true);
    FAIL() << "no error";
  } catch (const OperationError& error) {
    EXPECT_STREQ(error.what(), "Failed to set data for 'Tressil'");
  }
  EXPECT_FALSE(wakeIni());
}

}  // namespace
}  // namespace orvane
