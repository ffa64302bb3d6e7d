#include "platform/sim/sim_bios_memory.h"

#include "platform/sim/event_log.h"

namespace orvane {

namespace {
constexpr std::size_t kRomSize = 0x10000;
}  // namespace

void SimBiosMemory::setRom(std::vector<std::uint8_t> rom) {
  rom_ = rom.size() == kRomSize ? std::move(rom) : std::vector<std::uint8_t>();
}

bool SimBiosMemory::copyLinearRom(std::vector<std::uint8_t>& image) {
  log_.add(std::string("copy linear=0xF0000 size=65536") + (rom_.empty() ? " -> fault" : ""));
  if (rom_.empty()) return false;
  image = rom_;
  return true;
}

SectionRead SimBiosMemory::readPhysicalMemoryRom(std::vector<std::uint8_t>& image) {
  const char* outcome = sectionDenied_ ? "denied" : rom_.empty() ? "failed" : "ok";
  log_.add(std::string("ZwOpenSection name=\"\\Device\\PhysicalMemory\" -> ") + outcome);
  if (sectionDenied_) return SectionRead::AccessDenied;
  if (rom_.empty()) return SectionRead::Failed;
  image = rom_;
  return SectionRead::Read;
}

}  // namespace orvane
