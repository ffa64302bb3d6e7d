#pragma once
// Services and port I/O: the service control manager, the port driver's
// device and the direct port instructions of Windows 9x/ME.

#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

using ServiceHandle = std::uintptr_t;

enum class ServiceState { Stopped = 1, StartPending = 2, StopPending = 3, Running = 4 };

// The Windows error codes that the callers of these interfaces tell apart.
namespace win_error {
inline constexpr std::uint32_t kAccessDenied = 5;
inline constexpr std::uint32_t kGeneralFailure = 31;
inline constexpr std::uint32_t kCallNotImplemented = 120;
inline constexpr std::uint32_t kInvalidName = 123;
inline constexpr std::uint32_t kServiceAlreadyRunning = 1056;
inline constexpr std::uint32_t kServiceDoesNotExist = 1060;
inline constexpr std::uint32_t kServiceExists = 1073;
}  // namespace win_error

// What CreateServiceA is given: the service's names, the access asked for
// the returned handle, its type, start type and error control, and its
// binary's path. No load order group, tag, dependencies, account or
// password.
struct ServiceDefinition {
  std::string name;
  std::string displayName;
  std::uint32_t access = 0;
  std::uint32_t type = 0;
  std::uint32_t startType = 0;
  std::uint32_t errorControl = 0;
  std::string binaryPath;
};

class ServiceApi {
 public:
  virtual ~ServiceApi() = default;
  // The local machine's active database with all access; nothing when it
  // is refused (lastError tells why).
  virtual std::optional<ServiceHandle> openManager() = 0;
  // OpenServiceA with all access.
  virtual std::optional<ServiceHandle> openService(ServiceHandle manager, const std::string& name) = 0;
  virtual std::optional<ServiceHandle> createService(ServiceHandle manager, const ServiceDefinition& definition) = 0;
  virtual bool startService(ServiceHandle service) = 0;
  virtual bool stopService(ServiceHandle service) = 0;  // ControlService(SERVICE_CONTROL_STOP)
  virtual std::optional<ServiceState> queryServiceState(ServiceHandle service) = 0;
  virtual void closeServiceHandle(ServiceHandle handle) = 0;
  // The error of the last call that failed (GetLastError).
  virtual std::uint32_t lastError() = 0;
};

class PortApi {
 public:
  virtual ~PortApi() = default;
  // The port driver's device: open, one-byte requests, close. A failed
  // request leaves its error in lastError.
  virtual bool openDriver() = 0;
  virtual void closeDriver() = 0;
  virtual std::optional<std::uint8_t> driverReadPort(std::uint16_t port) = 0;
  virtual bool driverWritePort(std::uint16_t port, std::uint8_t value) = 0;
  // Direct port instructions (Windows 9x/ME only), each followed by one
  // processor wait cycle. They fail, with the error in lastError, in a
  // build that cannot issue them.
  virtual std::optional<std::uint8_t> directReadPort(std::uint16_t port) = 0;
  virtual bool directWritePort(std::uint16_t port, std::uint8_t value) = 0;
  // The error of the last request that failed (GetLastError).
  virtual std::uint32_t lastError() = 0;
};

}  // namespace orvane
