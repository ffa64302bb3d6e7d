// The board detection as the main window's start-up step, against the
// simulated ROM, CMOS and driver: the model list and the identification
// rules choose the profile written to "wake.ini"; "et" is written before the
// rules; the driver is installed and started at the end on the NT family.

#include "wakeup/board_detection.h"

#include <map>

#include "storage/settings_keys.h"
#include "wakeup/wakeup_fixture.h"

namespace orvane::test {
namespace {

using Profile = std::vector<std::string>;  // "et11" … "et88", empty when absent

const Profile kNone{"", "", "", "", "", "", "", ""};
const Profile kProfile1{"89", "127", "90", "91", "127", "109", "110", ""};
const Profile kProfile2{"84", "85", "86", "87", "88", "125", "126", ""};
const Profile kProfile3{"85", "93", "79", "78", "77", "123", "124", ""};
const Profile kProfile4{"85", "86", "87", "88", "89", "123", "124", "101"};
const Profile kProfile5{"86", "87", "88", "89", "90", "123", "124", "101"};
const Profile kProfile6{"85", "95", "79", "78", "77", "123", "124", ""};
const Profile kProfile7{"64", "65", "66", "67", "68", "124", "125", "126"};

class BoardDetectionTest : public WakeupTest {
 protected:
  void setRom(const std::string& model, const std::string& identification) {
    BiosRomImage image(kBiosRomSize, 0);
    std::copy(model.begin(), model.end(), image.begin() + (kModelNameAddress - kBiosRomAddress));
    std::copy(identification.begin(), identification.end(),
              image.begin() + (kBiosIdentificationAddress - kBiosRomAddress));
    world.bios().setRom(image);
  }
  // The detection as the main window's start-up step; true when it ran to
  // its end.
  bool detect() {
    wakeup.startUp();
    return !wakeup.endedStartUp();
  }
  bool detect(const std::string& model, const std::string& identification) {
    setRom(model, identification);
    return detect();
  }
  void forget() { std::filesystem::remove(dir.path() / "wake.ini"); }
  Profile profile() {
    Profile values;
    for (const SettingKey& key : wake_ini::kBoardRegisters) values.push_back(wakeSettings(world.files()).read(key));
    return values;
  }
  std::string chosen() { return wakeSettings(world.files()).read(wake_ini::kBoardChosen); }
  std::size_t driverStarts() { return eventsOf({"StartService name=PortTalk"}).size(); }
  std::size_t cmosReads() { return eventsOf({"CmosRead index=86"}).size(); }
};

TEST_F(BoardDetectionTest, IdentificationRulesChooseTheProfile) {
  const std::map<std::string, Profile> cases{
      {"01/01/2004-i865PE-W83627-6A69K123C-00", kProfile2},   // rule B: the 11th of 19 is 9
      {"01/01/2004-i865PE-ITE8712-6A69K123C-00", kProfile2},  // rule A
      {"01/01/2004-P4X400-ITE8712-6A6LZBC1C-00", kProfile2},  // rule A: no later rule looked at
      {"01/01/2004-P4X400-W83627-2A6LABC1C-00", kProfile3},   // rule C
      {"01/01/2004-i845-W83627-6A6LABC1C-00", kProfile6},     // rule E: A
      {"01/01/2004-i845-W83627-6A6LTBC1C-00", kProfile6},     // rule E: T
      {"01/01/2004-i845-W83627-6A6IABC1C-00", kProfile7},     // rule F
      {"01/01/2004-i845-W83627-6A6XABC1C-00", kNone},         // no rule
      {"2004-i8-9", kProfile2},                               // n = 1: position 1 stands for n - 8
      {"2004-i8-", kNone},                                    // empty code
      {"", kNone},
  };
  for (const auto& [identification, expected] : cases) {
    SCOPED_TRACE(identification);
    forget();
    EXPECT_TRUE(detect("", identification));
    EXPECT_EQ(profile(), expected);
    EXPECT_EQ(chosen(), "1");
  }
  EXPECT_EQ(eventsOf({"CreateService name=PortTalk"}).size(), cases.size());
  EXPECT_EQ(driverStarts(), cases.size());
  EXPECT_EQ(cmosReads(), 0u);
}

TEST_F(BoardDetectionTest, ChipsetPReadsCmosByte86) {
  setCmos({{86, 0xCF}});
  EXPECT_TRUE(detect("", "01/01/2004-P4X400-W83627-6A6LABC1C-00"));
  EXPECT_EQ(profile(), kProfile4);
  forget();
  setCmos({{86, 0xD0}});
  EXPECT_TRUE(detect("", "2004-P-L"));  // a short code: positions before its start read from its start
  EXPECT_EQ(profile(), kProfile5);
  EXPECT_EQ(cmosReads(), 2u);
  EXPECT_TRUE(eventsOf({"CmosWrite"}).empty());
}

TEST_F(BoardDetectionTest, AnUnknownCodeOrAFailedCmosReadEndsTheDetectionAfterEt) {
  EXPECT_FALSE(detect("", "01/01/2004-i845-W83627-6A6LZBC1C-00"));
  EXPECT_EQ(chosen(), "1");
  EXPECT_EQ(profile(), kNone);
  forget();
  world.hardware().setDriverState(SimDriverState::Broken);
  EXPECT_FALSE(detect("Dell System GX270", "01/01/2004-P4X400-W83627-6A6LABC1C-00"));
  EXPECT_EQ(chosen(), "1");
  EXPECT_EQ(profile(), kProfile1) << "no profile chosen on the port's stale byte";
  EXPECT_EQ(driverStarts(), 0u);
}

// The restarted copy finds "et" and does not reach for the driver again.
TEST_F(BoardDetectionTest, ADriverThatCannotBeReachedRestartsTheProgramOnce) {
  world.hardware().setDriverState(SimDriverState::AccessDenied);
  world.run(1, [&] { EXPECT_FALSE(detect("", "01/01/2004-P4X400-W83627-6A6LABC1C-00")); });
  EXPECT_EQ(eventsOf({"ShellExecute"}).size(), 1u);
  EXPECT_EQ(chosen(), "1");
  SimWorld restarted(dir.path(), dateTime("2026-12-07 10:00:10"));
  restarted.hardware().setDriverState(SimDriverState::AccessDenied);
  WakeupSystem again(restarted.platform(), restarted.ui(), power);
  again.startUp();
  EXPECT_FALSE(again.endedStartUp());
  EXPECT_TRUE(restarted.log().events().empty());
}

TEST_F(BoardDetectionTest, AListedModelKeepsProfile1UnlessARuleOverwritesIt) {
  EXPECT_TRUE(detect(" \tDell System GX270\r\n", "no rule"));
  EXPECT_EQ(profile(), kProfile1);
  forget();
  EXPECT_TRUE(detect("Dell System GX270", "01/01/2004-i865PE-W83627-6A69K123C-00"));
  EXPECT_EQ(profile(), kProfile2);
  forget();
  EXPECT_TRUE(detect("dell system gx270", ""));
  EXPECT_EQ(profile(), kNone) << "the comparison is case-sensitive";
}

TEST_F(BoardDetectionTest, AnUnreadableRomStillMarksTheDetectionDoneAndStartsTheDriver) {
  world.bios().setRom({});
  EXPECT_TRUE(detect());
  EXPECT_EQ(chosen(), "1");
  EXPECT_EQ(profile(), kNone);
  EXPECT_EQ(driverStarts(), 1u);
}

TEST_F(BoardDetectionTest, ADoneDetectionReadsNothingAndWindows9xReachesNoDriver) {
  writeProgramFile("wake.ini", "[wake]\r\net=1\r\n");
  EXPECT_TRUE(detect("", "01/01/2004-i865PE-W83627-6A69K123C-00"));
  EXPECT_TRUE(world.log().events().empty()) << "no ROM read, no driver call";
  EXPECT_EQ(profile(), kNone);
  forget();
  world.setPlatformId(1);
  setCmos({{86, 0xD0}});
  EXPECT_TRUE(detect("", "01/01/2004-P4X400-W83627-6A6LABC1C-00"));
  EXPECT_EQ(profile(), kProfile5) << "the port read directly";
  EXPECT_TRUE(eventsOf({"CreateFile", "OpenSCManager", "CreateService"}).empty());
}

}  // namespace
}  // namespace orvane::test
