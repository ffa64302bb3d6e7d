// The board detection: the model list and the identification rules choose
// the profile written to "wake.ini"; "et" is written before the rules; the
// driver is installed and started at the end on the NT family.

#include "wakeup/board_detection.h"

#include <map>

#include "storage/settings_keys.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

// The port driver as the detection sees it: a CMOS byte 86 to read (or an
// abandoned operation), and the calls it received.
class RecordingDriver : public BoardDetectionDriver {
 public:
  std::optional<std::uint8_t> readCmosByte(std::uint8_t index) override {
    reads.push_back(index);
    return cmosByte;
  }
  void installAndStartDriver() override { ++installs; }

  std::optional<std::uint8_t> cmosByte = 0;
  std::vector<int> reads;
  int installs = 0;
};

using Profile = std::vector<std::string>;  // "et11" … "et88", empty when absent

const Profile kNone{"", "", "", "", "", "", "", ""};
const Profile kProfile1{"89", "127", "90", "91", "127", "109", "110", ""};
const Profile kProfile2{"84", "85", "86", "87", "88", "125", "126", ""};
const Profile kProfile3{"85", "93", "79", "78", "77", "123", "124", ""};
const Profile kProfile4{"85", "86", "87", "88", "89", "123", "124", "101"};
const Profile kProfile5{"86", "87", "88", "89", "90", "123", "124", "101"};
const Profile kProfile6{"85", "95", "79", "78", "77", "123", "124", ""};
const Profile kProfile7{"64", "65", "66", "67", "68", "124", "125", "126"};

class BoardDetectionTest : public SimTest {
 protected:
  void setRom(const std::string& model, const std::string& identification) {
    BiosRomImage image(kBiosRomSize, 0);
    std::copy(model.begin(), model.end(), image.begin() + (kModelNameAddress - kBiosRomAddress));
    std::copy(identification.begin(), identification.end(),
              image.begin() + (kBiosIdentificationAddress - kBiosRomAddress));
    world.bios().setRom(image);
  }
  bool detect() { return BoardDetection(world.platform(), rom, driver).DetectBoardProfile(); }
  bool detect(const std::string& model, const std::string& identification) {
    setRom(model, identification);
    return detect();
  }
  Profile profile() {
    Profile values;
    for (const SettingKey& key : wake_ini::kBoardRegisters) values.push_back(wakeSettings(world.files()).read(key));
    return values;
  }
  std::string chosen() { return wakeSettings(world.files()).read(wake_ini::kBoardChosen); }

  BiosRom rom{world.platform()};
  RecordingDriver driver;
};

TEST_F(BoardDetectionTest, IdentificationRulesChooseTheProfile) {
  const std::map<std::string, Profile> cases{
      {"01/01/2004-i865PE-W83627-6A69K123C-00", kProfile2},   // rule B: the 11th of 19 is 9
      {"01/01/2004-i865PE-ITE8712-6A69K123C-00", kProfile2},  // rule A
      {"01/01/2004-i865PE-ITE8712-6A6LZBC1C-00", kProfile2},  // rule A: no later rule looked at
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
    std::filesystem::remove(dir.path() / "wake.ini");
    EXPECT_TRUE(detect("", identification));
    EXPECT_EQ(profile(), expected);
    EXPECT_EQ(chosen(), "1");
  }
  EXPECT_EQ(driver.installs, static_cast<int>(cases.size()));
  EXPECT_TRUE(driver.reads.empty());
}

TEST_F(BoardDetectionTest, ChipsetPReadsCmosByte86) {
  driver.cmosByte = 0xCF;
  EXPECT_TRUE(detect("", "01/01/2004-P4X400-W83627-6A6LABC1C-00"));
  EXPECT_EQ(profile(), kProfile4);
  std::filesystem::remove(dir.path() / "wake.ini");
  driver.cmosByte = 0xD0;
  EXPECT_TRUE(detect("", "2004-P-L"));  // a short code: positions before its start read from its start
  EXPECT_EQ(profile(), kProfile5);
  EXPECT_EQ(driver.reads, (std::vector<int>{86, 86}));
}

TEST_F(BoardDetectionTest, AnUnknownCodeOrAnAbandonedCmosReadEndsTheDetectionAfterEt) {
  EXPECT_FALSE(detect("", "01/01/2004-i845-W83627-6A6LZBC1C-00"));
  EXPECT_EQ(chosen(), "1");
  EXPECT_EQ(profile(), kNone);
  std::filesystem::remove(dir.path() / "wake.ini");
  driver.cmosByte.reset();
  EXPECT_FALSE(detect("Dell System GX270", "01/01/2004-P4X400-W83627-6A6LABC1C-00"));
  EXPECT_EQ(chosen(), "1");
  EXPECT_EQ(profile(), kProfile1);
  EXPECT_EQ(driver.installs, 0);
}

TEST_F(BoardDetectionTest, AListedModelKeepsProfile1UnlessARuleOverwritesIt) {
  EXPECT_TRUE(detect(" \tDell System GX270\r\n", "no rule"));
  EXPECT_EQ(profile(), kProfile1);
  std::filesystem::remove(dir.path() / "wake.ini");
  EXPECT_TRUE(detect("Dell System GX270", "01/01/2004-i865PE-W83627-6A69K123C-00"));
  EXPECT_EQ(profile(), kProfile2);
  std::filesystem::remove(dir.path() / "wake.ini");
  EXPECT_TRUE(detect("dell system gx270", ""));
  EXPECT_EQ(profile(), kNone) << "the comparison is case-sensitive";
}

TEST_F(BoardDetectionTest, AnUnreadableRomStillMarksTheDetectionDoneAndStartsTheDriver) {
  world.bios().setRom({});
  EXPECT_TRUE(detect());
  EXPECT_EQ(chosen(), "1");
  EXPECT_EQ(profile(), kNone);
  EXPECT_EQ(driver.installs, 1);
}

TEST_F(BoardDetectionTest, ADoneDetectionReadsNothingAndWindows9xStartsNoDriver) {
  writeProgramFile("wake.ini", "[wake]\r\net=1\r\n");
  EXPECT_TRUE(detect("", "01/01/2004-i865PE-W83627-6A69K123C-00"));
  EXPECT_TRUE(timesOf(world.log(), "ZwOpenSection").empty());
  EXPECT_EQ(profile(), kNone);
  std::filesystem::remove(dir.path() / "wake.ini");
  world.setPlatformId(1);
  EXPECT_TRUE(detect());
  EXPECT_EQ(profile(), kProfile2);
  EXPECT_EQ(driver.installs, 0);
}

}  // namespace
}  // namespace orvane
