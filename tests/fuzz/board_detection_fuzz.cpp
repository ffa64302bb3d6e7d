// The BIOS ROM text extraction and the board detection on any ROM image: a
// text is the image's bytes from its address up to the first zero byte; the
// detection marks itself done, never writes the CMOS, and whatever profile
// it chooses is whole and keeps the alarm off the clock's own registers.

#include <algorithm>

#include "fresh_world.h"
#include "fuzz_support.h"
#include "storage/settings_keys.h"
#include "wakeup/board_detection.h"
#include "wakeup/driver_install_failure.h"

namespace orvane::fuzz {
namespace {

// CMOS bytes 0 to 13 are the real-time clock's registers.
constexpr int kFirstFreeCmosIndex = 14;
constexpr int kCmosSize = 128;

void checkText(const BiosRomImage& image, std::uint32_t address) {
  const std::string text = BiosRomString(image, address);
  if (address < kBiosRomAddress || address >= kBiosRomAddress + kBiosRomSize) {
    require(text.empty(), "a text outside the ROM is not empty");
    return;
  }
  const auto start = image.begin() + (address - kBiosRomAddress);
  const auto end = std::find(start, image.end(), std::uint8_t{0});
  require(text == std::string(start, end), "a ROM text is not the bytes up to the first zero");
}

// The image: the model name and the identification at their addresses.
BiosRomImage imageOf(FuzzInput& input) {
  BiosRomImage image(kBiosRomSize, 0);
  for (const std::uint32_t address : {kModelNameAddress, kBiosIdentificationAddress}) {
    const std::string_view text = input.part();
    const auto at = image.begin() + (address - kBiosRomAddress);
    std::copy_n(text.begin(), std::min<std::size_t>(text.size(), image.end() - at), at);
  }
  return image;
}

// A CMOS index as the profile stores it: a decimal text of a free register.
std::optional<int> freeIndex(const std::string& text) {
  if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos) return {};
  const int index = std::stoi(text);
  if (index < kFirstFreeCmosIndex || index >= kCmosSize) return {};
  return index;
}

void checkProfile(FileSystem& files) {
  const IniSettings settings = wakeSettings(files);
  require(settings.read(wake_ini::kBoardChosen) == "1", "the detection is not marked done");
  std::vector<std::optional<int>> indices;
  for (const SettingKey& key : wake_ini::kBoardRegisters) indices.push_back(freeIndex(settings.read(key)));
  const bool none = settings.read(wake_ini::kBoardRegisters[0]).empty();
  for (std::size_t role = 0; role < 7; ++role) {
    require(none == settings.read(wake_ini::kBoardRegisters[role]).empty(), "a profile is written in part");
    require(none || indices[role], "a profile names a clock register or no index");
  }
  const std::string extra = settings.read(wake_ini::kBoardRegisters[7]);
  require(extra.empty() || indices[7], "the extra register is a clock register or no index");
  require(none || *indices[6] == *indices[5] + 1, "the checksum's two bytes are not adjacent");
}

void checkDetection(FuzzInput& input) {
  FreshWorld world;
  const std::uint8_t setup = input.byte();
  world->setPlatformId(setup % 2 == 0 ? 2 : 1);
  constexpr SimDriverState kStates[] = {SimDriverState::Running, SimDriverState::Stopped, SimDriverState::Absent,
                                        SimDriverState::Broken};
  world->hardware().setDriverState(kStates[setup / 2 % 4]);
  std::array<std::uint8_t, kCmosSize> cmos{};
  cmos[86] = input.byte();
  world->hardware().setCmos(cmos);
  const BiosRomImage image = imageOf(input);
  world->bios().setRom(image);
  checkText(image, kModelNameAddress);
  checkText(image, kBiosIdentificationAddress);
  checkText(image, 0xF0000u + static_cast<std::uint32_t>(input.byte()) * 257u);

  Platform& platform = world->platform();
  DriverInstallFailure installFailure(platform, world->ui());
  PortDriver driver(platform, world->ui(), installFailure);
  CmosAccess cmosAccess(platform, world->ui(), driver, installFailure);
  BiosRom rom(platform);
  BoardDetection detection(platform, rom, cmosAccess, driver);
  detection.DetectBoardProfile();
  checkProfile(world->files());
  require(world->hardware().cmos() == cmos, "the detection changed the CMOS");
  const std::size_t events = world->log().events().size();
  require(detection.DetectBoardProfile() && world->log().events().size() == events,
          "a detection marked done runs again");
}

}  // namespace

void checkInput(FuzzInput& input) { checkDetection(input); }

}  // namespace orvane::fuzz
