#pragma once
// Services and port I/O: the service control manager, the port driver's
// device and the direct port instructions of Windows 9x/ME, and the BIOS ROM.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

using ServiceHandle = std::uintptr_t;

enum class ServiceState { Stopped = 1, StartPending = 2, StopPending = 3, Running = 4 };

class ServiceApi {
 public:
  virtual ~ServiceApi() = default;
  virtual std::optional<ServiceHandle> openManager() = 0;
  virtual std::optional<ServiceHandle> openService(ServiceHandle manager, const std::string& name) = 0;
  virtual std::optional<ServiceHandle> createKernelDriverService(ServiceHandle manager, const std::string& name,
                                                                 const std::string& binaryPath) = 0;
  virtual bool startService(ServiceHandle service) = 0;
  virtual bool stopService(ServiceHandle service) = 0;  // ControlService(SERVICE_CONTROL_STOP)
  virtual std::optional<ServiceState> queryServiceState(ServiceHandle service) = 0;
  virtual void closeServiceHandle(ServiceHandle handle) = 0;
};

class PortApi {
 public:
  virtual ~PortApi() = default;
  // The port driver's device: open, one-byte requests, close.
  virtual bool openDriver() = 0;
  virtual void closeDriver() = 0;
  virtual std::optional<std::uint8_t> driverReadPort(std::uint16_t port) = 0;
  virtual bool driverWritePort(std::uint16_t port, std::uint8_t value) = 0;
  // Direct port instructions (Windows 9x/ME only).
  virtual std::uint8_t directReadPort(std::uint16_t port) = 0;
  virtual void directWritePort(std::uint16_t port, std::uint8_t value) = 0;
  // Physical memory F0000-FFFFF (the BIOS ROM); empty when it cannot be read.
  virtual std::vector<std::uint8_t> readBiosRom() = 0;
};

}  // namespace orvane
