#pragma once
// The BIOS ROM image (physical memory F0000-FFFFF, 65,536 bytes) and the
// zero-terminated texts in it. The image is read the way the running
// Windows allows: on 9x/ME a copy of the low memory it maps into every
// process; on the NT family the physical-memory section, and when that is
// refused, a 16-bit program run through the command interpreter that writes
// segment F000h into a file.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace orvane {

inline constexpr std::uint32_t kBiosRomAddress = 0xF0000;
inline constexpr std::size_t kBiosRomSize = 0x10000;

using BiosRomImage = std::vector<std::uint8_t>;

// The text at a physical address: the bytes from there up to the first zero
// byte or the end of the image. Empty for an address outside F0000-FFFFF or
// an image that was not read.
std::string BiosRomString(const BiosRomImage& image, std::uint32_t address);

class BiosRom {
 public:
  explicit BiosRom(Platform& platform) : platform_(platform) {}

  // Fills `image` with the 65,536 bytes; false when the ROM could not be
  // read (the image is then all zero). Waits for the dump program as long
  // as it runs.
  bool DumpBiosRom(BiosRomImage& image);

 private:
  // 9x/ME: the low memory; NT family: the physical-memory section, or the
  // generic method when the section is refused.
  bool readByPlatform(BiosRomImage& image);
  // The generic method: "RomDump.com" in a fresh "~RomDmpN" directory of
  // the temporary directory, run as "%ComSpec% /C RomDump.com > Rom.dmp".
  bool dumpThroughCommandInterpreter(BiosRomImage& image);
  // The first "~RomDmp1", "~RomDmp2", ... that is not a directory, created;
  // empty when it could not be created.
  std::filesystem::path createDumpDirectory(const std::filesystem::path& temporary);
  bool runDumpProgram(const std::filesystem::path& directory, const std::string& interpreter, BiosRomImage& image);

  Platform& platform_;
};

}  // namespace orvane
