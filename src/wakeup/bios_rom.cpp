#include "wakeup/bios_rom.h"

#include <algorithm>

#include "wakeup/rom_dump_program.h"

namespace orvane {

namespace {

constexpr const char* kDumpDirectoryPrefix = "~RomDmp";
constexpr const char* kDumpProgramName = "RomDump.com";
constexpr const char* kDumpFileName = "Rom.dmp";

}  // namespace

std::string BiosRomString(const BiosRomImage& image, std::uint32_t address) {
  if (image.size() != kBiosRomSize || address < kBiosRomAddress || address - kBiosRomAddress >= kBiosRomSize) {
    return {};
  }
  const auto start = image.begin() + (address - kBiosRomAddress);
  return std::string(start, std::find(start, image.end(), std::uint8_t{0}));
}

bool BiosRom::DumpBiosRom(BiosRomImage& image) {
  image.assign(kBiosRomSize, 0);
  if (readByPlatform(image) && image.size() == kBiosRomSize) return true;
  image.assign(kBiosRomSize, 0);
  return false;
}

bool BiosRom::readByPlatform(BiosRomImage& image) {
  if (!isNtFamily(platform_.system)) return platform_.bios.copyLinearRom(image);
  switch (platform_.bios.readPhysicalMemoryRom(image)) {
    case SectionRead::Read:
      return true;
    case SectionRead::AccessDenied:
      return dumpThroughCommandInterpreter(image);
    case SectionRead::Failed:
      return false;
  }
  return false;
}

bool BiosRom::dumpThroughCommandInterpreter(BiosRomImage& image) {
  const std::filesystem::path temporary = platform_.files.temporaryDirectory();
  const std::string interpreter = platform_.system.environmentVariable("ComSpec");
  if (temporary.empty() || interpreter.empty()) return false;
  const std::filesystem::path directory = createDumpDirectory(temporary);
  if (directory.empty()) return false;
  const bool read = runDumpProgram(directory, interpreter, image);
  platform_.files.removeFile(directory / kDumpFileName);
  platform_.files.removeFile(directory / kDumpProgramName);
  platform_.files.removeDirectory(directory);
  return read;
}

std::filesystem::path BiosRom::createDumpDirectory(const std::filesystem::path& temporary) {
  for (int counter = 1;; ++counter) {
    const std::filesystem::path directory = temporary / (kDumpDirectoryPrefix + std::to_string(counter));
    if (platform_.files.directoryExists(directory)) continue;
    return platform_.files.createDirectory(directory) ? directory : std::filesystem::path();
  }
}

bool BiosRom::runDumpProgram(const std::filesystem::path& directory, const std::string& interpreter,
                             BiosRomImage& image) {
  FileSystem& files = platform_.files;
  const std::filesystem::path program = directory / kDumpProgramName;
  const std::filesystem::path dump = directory / kDumpFileName;
  // A program file that was not written whole is removed with the directory.
  const std::string_view code(reinterpret_cast<const char*>(kRomDumpProgram.data()), kRomDumpProgram.size());
  if (!files.writeFileFlushed(program, code)) return false;
  if (!platform_.shell.runHidden(interpreter + " /C " + files.pathText(program) + " > " + files.pathText(dump))) {
    return false;
  }
  const std::optional<std::string> bytes = files.readFile(dump);
  if (!bytes || bytes->size() < kBiosRomSize) return false;
  std::copy_n(bytes->begin(), kBiosRomSize, image.begin());
  return true;
}

}  // namespace orvane
