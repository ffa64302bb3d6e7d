#pragma once
// Port I/O on the real Windows: the PortTalk driver's device with its two
// one-byte requests and the direct port instructions of Windows 9x/ME.
//
// The direct port instructions are compiled into the 32-bit build only,
// the one that can run on Windows 9x/ME. The x86_64 build leaves that path
// to it: a 64-bit Windows is always of the NT family, whose user mode
// faults on port instructions, so there the direct requests fail with
// ERROR_CALL_NOT_IMPLEMENTED and nothing is read or written.

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
  std::optional<std::uint8_t> directReadPort(std::uint16_t port) override;
  bool directWritePort(std::uint16_t port, std::uint8_t value) override;
  std::uint32_t lastError() override { return lastError_; }

 private:
  HANDLE driver_ = INVALID_HANDLE_VALUE;
  DWORD lastError_ = 0;
};

}  // namespace orvane
