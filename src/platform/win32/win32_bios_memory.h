#pragma once
// The BIOS ROM area on the real Windows: the physical-memory section of the
// NT family, and the low linear memory that Windows 9x/ME maps into every
// process. On a system that does not map it (every NT-family system) the
// linear copy finds the memory missing and fails instead of faulting.

#include "platform/bios_memory.h"

namespace orvane {

class Win32BiosMemory : public BiosMemoryApi {
 public:
  bool copyLinearRom(std::vector<std::uint8_t>& image) override;
  SectionRead readPhysicalMemoryRom(std::vector<std::uint8_t>& image) override;
};

}  // namespace orvane
