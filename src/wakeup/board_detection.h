#pragma once
// The board detection of the first start. Texts in the BIOS ROM (the system
// model name and the BIOS identification string) choose the board profile:
// the CMOS indices of the power-on alarm's registers and checksum, written
// as decimal texts to section "wake" of "\wake.ini", where the alarm reads
// them. "et" = "1" is written before the identification rules run, so a
// start that ends early (an unknown code, a driver that fails, a crash) does
// not detect again; removing "et" makes the next start detect again.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "wakeup/bios_rom.h"

namespace orvane {

// What the detection needs of the port driver.
class BoardDetectionDriver {
 public:
  virtual ~BoardDetectionDriver() = default;
  // One CMOS byte, read as a CMOS operation of its own; nothing when the
  // operation was abandoned because the driver could not be opened (its
  // install-failure handler has then run).
  virtual std::optional<std::uint8_t> readCmosByte(std::uint8_t index) = 0;
  // Installs the driver's service and starts it.
  virtual void installAndStartDriver() = 0;
};

// The physical addresses of the two texts.
inline constexpr std::uint32_t kModelNameAddress = 0xFE076;
inline constexpr std::uint32_t kBiosIdentificationAddress = 0xFEC71;

// The text with its leading and trailing blanks and control characters
// removed.
std::string trimmedModelName(std::string_view text);

class BoardDetection {
 public:
  BoardDetection(Platform& platform, BiosRom& rom, BoardDetectionDriver& driver)
      : platform_(platform), rom_(rom), driver_(driver) {}

  // Runs when "wake"/"et" is empty or absent, else does nothing. False when
  // it ended early: the identification matched no known code (rule E's
  // stop) or the driver could not be opened for the CMOS read; the rest of
  // the main window's start-up does not run then.
  bool DetectBoardProfile();

 private:
  // The identification rules on the BIOS identification string; false when
  // the detection ends there.
  bool applyIdentificationRules(const std::string& identification);

  Platform& platform_;
  BiosRom& rom_;
  BoardDetectionDriver& driver_;
};

}  // namespace orvane
