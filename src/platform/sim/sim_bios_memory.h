#pragma once
// The simulated BIOS ROM: the 65,536 bytes of F0000-FFFFF, or none (the ROM
// cannot be read). The low linear memory of Windows 9x/ME, the physical-
// memory section and the 16-bit dump program run through the command
// interpreter (SimShell) all show the same bytes. A test can make the
// section refuse access, as it does for a user without administrator rights.

#include <cstdint>
#include <vector>

#include "platform/bios_memory.h"

namespace orvane {

class EventLog;

class SimBiosMemory : public BiosMemoryApi {
 public:
  explicit SimBiosMemory(EventLog& log) : log_(log) {}

  // An image of any other size than 65,536 bytes counts as none.
  void setRom(std::vector<std::uint8_t> rom);
  const std::vector<std::uint8_t>& rom() const { return rom_; }
  void setSectionDenied(bool denied) { sectionDenied_ = denied; }

  bool copyLinearRom(std::vector<std::uint8_t>& image) override;
  SectionRead readPhysicalMemoryRom(std::vector<std::uint8_t>& image) override;

 private:
  EventLog& log_;
  std::vector<std::uint8_t> rom_;
  bool sectionDenied_ = false;
};

}  // namespace orvane
