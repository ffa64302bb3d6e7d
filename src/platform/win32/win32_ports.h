#pragma once
// Port I/O on the real Windows: the PortTalk driver's device with its two
// one-byte requests, and the BIOS ROM through the physical-memory section.
//
// The direct port instructions of Windows 9x/ME cannot run here: this is a
// 64-bit program, and a 64-bit Windows (like every NT-family system) faults
// on port instructions in user mode. The direct path therefore reads 0xFF,
// what an unconnected port returns, and writes nothing; the program takes it
// only when the platform identifier is not the NT family's, which a 64-bit
// Windows never reports.

#include <windows.h>

#include "platform/ports.h"

namespace orvane {

class Win32Ports : public PortApi {
 public:
  Win32Ports() = default;
  ~Win32Ports() override;
  Win32Ports(const Win32Ports&) = delete;
  Win32Ports& operator=(const Win32Ports&) = delete;

  bool openDriver() override;
  void closeDriver() override;
  std::optional<std::uint8_t> driverReadPort(std::uint16_t port) override;
  bool driverWritePort(std::uint16_t port, std::uint8_t value) override;
  std::uint8_t directReadPort(std::uint16_t port) override;
  void directWritePort(std::uint16_t port, std::uint8_t value) override;
  // The physical-memory method only; when the section is refused the image
  // stays empty (the fallback of the 9x family, a 16-bit dump program, does
  // not run on a 64-bit Windows).
  std::vector<std::uint8_t> readBiosRom() override;

 private:
  HANDLE driver_ = INVALID_HANDLE_VALUE;
};

}  // namespace orvane
