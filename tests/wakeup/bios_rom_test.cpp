// Reading the BIOS ROM image and the texts in it: the low memory of 9x/ME,
// the physical-memory section, and the dump program run through the command
// interpreter when the section is refused.

#include "wakeup/bios_rom.h"

#include "test_support/sim_test.h"
#include "wakeup/rom_dump_program.h"

namespace orvane {
namespace {

BiosRomImage romWithText(std::uint32_t address, const std::string& text) {
  BiosRomImage rom(kBiosRomSize, 0x11);
  std::copy(text.begin(), text.end(), rom.begin() + (address - kBiosRomAddress));
  return rom;
}

TEST(BiosRomString, ReadsUpToTheZeroOrTheImageEndAndNothingOutsideTheRange) {
  BiosRomImage rom = romWithText(0xF0000, std::string("first\0", 6));
  EXPECT_EQ(BiosRomString(rom, 0xF0000), "first");
  EXPECT_EQ(BiosRomString(rom, 0xF0003), "st");
  rom.back() = 'Z';
  EXPECT_EQ(BiosRomString(rom, 0xFFFFF), "Z");
  EXPECT_EQ(BiosRomString(rom, 0xFFFFD), std::string("\x11\x11Z")) << "no zero before the end";
  EXPECT_EQ(BiosRomString(rom, 0xEFFFF), "");
  EXPECT_EQ(BiosRomString(rom, 0x100000), "");
  EXPECT_EQ(BiosRomString(BiosRomImage(), 0xF0000), "") << "an image that was not read";
}

class BiosRomTest : public SimTest {
 protected:
  BiosRomTest() {
    world.bios().setRom(rom);
    world.system().setEnvironmentVariable("ComSpec", "C:\\WINDOWS\\system32\\cmd.exe");
  }

  // The section refused, as for a user without administrator rights; the
  // temporary directory is DIR/temp.
  void refuseSection() {
    world.bios().setSectionDenied(true);
    std::filesystem::create_directory(temp());
    world.files().setTemporaryDirectory(temp());
  }
  std::filesystem::path temp() const { return dir.path() / "temp"; }
  std::string windowsPath(const std::filesystem::path& path) { return world.files().toWindowsPath(path); }
  bool dump() { return BiosRom(world.platform()).DumpBiosRom(image); }
  bool ranAProcess() { return !timesOf(world.log(), "CreateProcess").empty(); }

  BiosRomImage rom = romWithText(0xFE076, "model");
  BiosRomImage image;
};

TEST_F(BiosRomTest, TheNtFamilyReadsThePhysicalMemorySection) {
  ASSERT_TRUE(dump());
  EXPECT_EQ(image, rom);
  EXPECT_FALSE(ranAProcess());
}

TEST_F(BiosRomTest, AFailedSectionFailsWithAZeroImageAndNoOtherMethod) {
  world.bios().setRom({});
  refuseSection();
  world.bios().setSectionDenied(false);
  EXPECT_FALSE(dump());
  EXPECT_EQ(image, BiosRomImage(kBiosRomSize, 0));
  EXPECT_FALSE(ranAProcess());
}

TEST_F(BiosRomTest, Windows9xCopiesTheLowMemory) {
  world.setPlatformId(1);
  ASSERT_TRUE(dump());
  EXPECT_EQ(image, rom);
  EXPECT_EQ(timesOf(world.log(), "ZwOpenSection").size(), 0u);
  world.bios().setRom({});
  EXPECT_FALSE(dump());
}

TEST_F(BiosRomTest, ARefusedSectionRunsTheDumpProgramInAFreshDirectoryAndCleansUp) {
  refuseSection();
  std::filesystem::create_directory(temp() / "~RomDmp1");
  ASSERT_TRUE(dump());
  EXPECT_EQ(image, rom);
  const std::filesystem::path directory = temp() / "~RomDmp2";
  const std::string expected = "C:\\WINDOWS\\system32\\cmd.exe /C " + windowsPath(directory / "RomDump.com") + " > " +
                               windowsPath(directory / "Rom.dmp");
  EXPECT_EQ(timesOf(world.log(), "CreateProcess cmd=" + quotedGbk(expected) + " show=0").size(), 1u);
  EXPECT_EQ(world.shell().lastDosProgram(), std::string(kRomDumpProgram.begin(), kRomDumpProgram.end()));
  EXPECT_FALSE(std::filesystem::exists(directory));
  EXPECT_TRUE(std::filesystem::exists(temp() / "~RomDmp1")) << "a directory that was there stays";
}

TEST_F(BiosRomTest, TheDumpFailsWhenItsOutputIsShortAndStillCleansUp) {
  refuseSection();
  world.bios().setRom({});  // the program writes nothing
  EXPECT_FALSE(dump());
  EXPECT_EQ(image, BiosRomImage(kBiosRomSize, 0));
  EXPECT_TRUE(ranAProcess());
  EXPECT_TRUE(std::filesystem::is_empty(temp()));
}

TEST_F(BiosRomTest, TheDumpNeedsATemporaryDirectoryAComSpecAndAWholeProgramFile) {
  refuseSection();
  world.system().setEnvironmentVariable("ComSpec", "");
  EXPECT_FALSE(dump());
  world.system().setEnvironmentVariable("ComSpec", "cmd.exe");
  world.files().setTemporaryDirectory({});
  EXPECT_FALSE(dump());
  world.files().setTemporaryDirectory(temp());
  world.files().refuseWritesTo(temp() / "~RomDmp1" / "RomDump.com");
  EXPECT_FALSE(dump());
  EXPECT_FALSE(ranAProcess());
  EXPECT_TRUE(std::filesystem::is_empty(temp()));
}

}  // namespace
}  // namespace orvane
