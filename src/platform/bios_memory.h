#pragma once
// The BIOS ROM area of physical memory (F0000-FFFFF) as the system lets a
// program read it directly: the low linear memory that Windows 9x/ME maps
// into every process, and the physical-memory section of the NT family.
// The third way, a 16-bit program run through the command interpreter, is
// made of files, the environment and a process (files.h, system.h, shell.h).

#include <cstdint>
#include <vector>

namespace orvane {

enum class SectionRead { Read, AccessDenied, Failed };

class BiosMemoryApi {
 public:
  virtual ~BiosMemoryApi() = default;
  // Copies the 65,536 bytes at linear address F0000 into `image` (65,536
  // bytes); false when that memory cannot be read.
  virtual bool copyLinearRom(std::vector<std::uint8_t>& image) = 0;
  // Opens "\Device\PhysicalMemory" through ntdll (ZwOpenSection) for
  // reading, maps a read-only view of 65,536 bytes at offset F0000 and
  // copies it into `image`. AccessDenied when the section is refused with
  // STATUS_ACCESS_DENIED; Failed for any other failure, with the last error
  // set (the status converted by RtlNtStatusToDosError, or
  // ERROR_CALL_NOT_IMPLEMENTED when ntdll lacks the functions).
  virtual SectionRead readPhysicalMemoryRom(std::vector<std::uint8_t>& image) = 0;
};

}  // namespace orvane
