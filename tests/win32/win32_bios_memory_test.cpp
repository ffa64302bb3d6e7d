// The BIOS ROM's ways in on the real system: the low memory of 9x/ME and
// the physical-memory section; the pieces of the generic method (the
// temporary directory, ComSpec, a hidden process that is waited for,
// directories made and removed); and the generic method end to end through
// the real command interpreter, which leaves nothing behind in the
// temporary directory whatever it made of the 16-bit program.

#include "platform/win32/win32_bios_memory.h"

#include <gtest/gtest.h>

#include "platform/win32/win32_platform.h"
#include "test_support/temp_dir.h"
#include "wakeup/bios_rom.h"

namespace orvane {
namespace {

// The physical-memory section refused, as for a user without administrator
// rights.
class RefusedSection : public BiosMemoryApi {
 public:
  bool copyLinearRom(std::vector<std::uint8_t>&) override { return false; }
  SectionRead readPhysicalMemoryRom(std::vector<std::uint8_t>&) override { return SectionRead::AccessDenied; }
};

// Wherever the system maps it or not (Wine maps the low memory, Windows
// does not), reading never faults and an image that is read is whole.
TEST(Win32BiosMemoryTest, TheLowMemoryAndTheSectionGiveAWholeImageOrNone) {
  Win32BiosMemory memory;
  std::vector<std::uint8_t> linear;
  EXPECT_EQ(linear.size(), memory.copyLinearRom(linear) ? kBiosRomSize : 0u);
  std::vector<std::uint8_t> section;
  EXPECT_EQ(section.size(), memory.readPhysicalMemoryRom(section) == SectionRead::Read ? kBiosRomSize : 0u);
}

TEST(Win32BiosMemoryTest, AHiddenCommandIsWaitedForAndDirectoriesComeAndGo) {
  Win32Platform real{[] { return HWND{}; }};
  Platform& platform = real.platform();
  TempDir scratch;
  const std::filesystem::path directory = scratch.path() / "made";
  ASSERT_TRUE(platform.files.createDirectory(directory));
  EXPECT_TRUE(platform.files.directoryExists(directory));
  const std::string out = platform.files.pathText(directory / "out.txt");
  ASSERT_TRUE(platform.shell.runHidden(platform.system.environmentVariable("ComSpec") + " /C echo dumped> " + out));
  EXPECT_EQ(platform.files.readFile(directory / "out.txt"), "dumped\r\n");
  EXPECT_FALSE(platform.files.removeDirectory(directory)) << "not empty";
  platform.files.removeFile(directory / "out.txt");
  EXPECT_TRUE(platform.files.removeDirectory(directory));
  EXPECT_FALSE(platform.shell.runHidden("no-such-program-anywhere.exe"));
  EXPECT_TRUE(platform.files.directoryExists(platform.files.temporaryDirectory()));
}

TEST(Win32BiosMemoryTest, TheGenericMethodLeavesNoDumpDirectoryBehind) {
  Win32Platform real{[] { return HWND{}; }};
  RefusedSection refused;
  Platform& base = real.platform();
  Platform platform{base.system, base.files,   base.clock, base.power,   base.shell,     base.registry, base.services,
                    base.ports,  base.sockets, base.ras,   base.secrets, base.wakeTimer, refused};
  const std::filesystem::path temporary = platform.files.temporaryDirectory();
  const auto dumpDirectories = [&] {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(temporary)) {
      count += entry.path().filename().string().rfind("~RomDmp", 0) == 0;
    }
    return count;
  };
  const int before = dumpDirectories();
  BiosRomImage image;
  const bool read = BiosRom(platform).DumpBiosRom(image);
  EXPECT_EQ(image.size(), kBiosRomSize);
  EXPECT_TRUE(read || image == BiosRomImage(kBiosRomSize, 0));
  EXPECT_EQ(dumpDirectories(), before);
}

}  // namespace
}  // namespace orvane
