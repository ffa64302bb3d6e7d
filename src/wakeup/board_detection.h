#pragma once
// The board detection of the first start. Texts in the BIOS ROM (the system
// model name and the BIOS identification string) choose the board profile:
// the CMOS indices of the power-on alarm's registers and checksum, written
// as decimal texts to section "wake" of "\wake.ini", where the alarm reads
// them. "et" = "1" is written before the identification rules run, so a
// start that ends early (an unknown code, a driver that fails, a crash) does
// not detect again; removing "et" makes the next start detect again.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "wakeup/bios_rom.h"
#include "wakeup/cmos_access.h"
#include "wakeup/port_driver.h"

namespace orvane {

// The physical addresses of the two texts.
inline constexpr std::uint32_t kModelNameAddress = 0xFE076;
inline constexpr std::uint32_t kBiosIdentificationAddress = 0xFEC71;

// The text with its leading and trailing blanks and control characters
// removed.
std::string trimmedModelName(std::string_view text);

class BoardDetection {
 public:
  BoardDetection(Platform& platform, BiosRom& rom, CmosAccess& cmos, PortDriver& driver)
      : platform_(platform), rom_(rom), cmos_(cmos), driver_(driver) {}

  // Runs when "wake"/"et" is empty or absent, else does nothing. At its end,
  // on the NT family, the driver's service is installed and started. False
  // when it ended before that: the identification matched no known code
  // (rule E's stop), or the CMOS byte that a rule needs could not be read
  // (the driver did not open, and the program is restarting; or the read
  // failed, and no profile is chosen on a guess).
  bool DetectBoardProfile();

 private:
  // The identification rules on the BIOS identification string; false when
  // the detection ends there.
  bool applyIdentificationRules(const std::string& identification);

  Platform& platform_;
  BiosRom& rom_;
  CmosAccess& cmos_;
  PortDriver& driver_;
};

}  // namespace orvane
