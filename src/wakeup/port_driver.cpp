#include "wakeup/port_driver.h"

namespace orvane {

namespace {

constexpr const char* kServiceName = "PortTalk";
constexpr int kServiceOpenAttempts = 11;

// A demand-start kernel driver with normal error control, its file in the
// system's drivers directory (the path is relative to the Windows
// directory). The program never copies the file: its installer does.
ServiceDefinition driverService() {
  ServiceDefinition definition;
  definition.name = kServiceName;
  definition.displayName = kServiceName;
  definition.access = 0xF01FF;  // SERVICE_ALL_ACCESS
  definition.type = 1;          // SERVICE_KERNEL_DRIVER
  definition.startType = 3;     // SERVICE_DEMAND_START
  definition.errorControl = 1;  // SERVICE_ERROR_NORMAL
  definition.binaryPath = "System32\\Drivers\\PortTalk.sys";
  return definition;
}

constexpr const char* kNoManagerRights =
    "PortTalk: Authority does not visit Service Control Manager, \r\nCannot install and start PortTalk , please use "
    "administrators to install. ";

}  // namespace

PortDriver::PortDriver(Platform& platform, Ui& ui, DriverInstallFailure& installFailure)
    : platform_(platform), ui_(ui), installFailure_(installFailure) {}

bool PortDriver::OpenPortDriver() {
  if (platform_.ports.openDriver()) return true;
  StartPortDriver();
  return platform_.ports.openDriver();
}

void PortDriver::ClosePortDriver() { platform_.ports.closeDriver(); }

std::optional<std::uint8_t> PortDriver::InPortByte(std::uint16_t port) { return platform_.ports.driverReadPort(port); }

bool PortDriver::OutPortByte(std::uint16_t port, std::uint8_t value) {
  return platform_.ports.driverWritePort(port, value);
}

bool PortDriver::StartPortDriver() {
  ServiceApi& services = platform_.services;
  const auto manager = services.openManager();
  if (!manager && services.lastError() == win_error::kAccessDenied) {
    ui_.showPlainMessage(kNoManagerRights);
    return false;
  }
  std::optional<ServiceHandle> service;
  for (int attempt = 0; manager && !service && attempt < kServiceOpenAttempts; ++attempt) {
    service = services.openService(*manager, kServiceName);
    if (service) continue;
    const std::uint32_t error = services.lastError();
    if (error == win_error::kAccessDenied || error == win_error::kInvalidName) {
      services.closeServiceHandle(*manager);
      return false;
    }
    if (error == win_error::kServiceDoesNotExist) InstallPortDriver();
  }
  if (manager) services.closeServiceHandle(*manager);
  if (!service) {
    installFailure_.Button1Click();
    return false;
  }
  const bool started = services.startService(*service) || services.lastError() == win_error::kServiceAlreadyRunning;
  services.closeServiceHandle(*service);
  return started;
}

bool PortDriver::InstallPortDriver() {
  if (platform_.files.systemDirectoryText().empty()) return false;
  ServiceApi& services = platform_.services;
  const auto manager = services.openManager();
  if (!manager) return false;
  const auto service = services.createService(*manager, driverService());
  const bool exists = service.has_value() || services.lastError() == win_error::kServiceExists;
  if (service) services.closeServiceHandle(*service);
  services.closeServiceHandle(*manager);
  return exists;
}

}  // namespace orvane
