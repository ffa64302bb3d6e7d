#include "platform/sim/sim_hardware.h"

#include "platform/sim/event_log.h"

namespace orvane {

SimHardware::SimHardware(EventLog& log) : log_(log) {}

std::optional<ServiceHandle> SimHardware::openManager() {
  if (driverState_ == SimDriverState::AccessDenied) {
    log_.add("OpenSCManager -> denied");
    lastError_ = win_error::kAccessDenied;
    return std::nullopt;
  }
  log_.add("OpenSCManager -> ok");
  return kManager;
}

bool SimHardware::driverServiceExists() const {
  return driverState_ != SimDriverState::Absent && driverState_ != SimDriverState::AccessDenied;
}

std::optional<ServiceHandle> SimHardware::openService(ServiceHandle, const std::string& name) {
  const bool exists = name == kDriverService ? driverServiceExists() : services_.count(name) != 0;
  if (!exists) {
    lastError_ = win_error::kServiceDoesNotExist;
    log_.add("OpenService name=" + name + " -> fail");
    return std::nullopt;
  }
  log_.add("OpenService name=" + name + " -> ok");
  handles_.push_back(name);
  return static_cast<ServiceHandle>(handles_.size() + 1);
}

std::optional<ServiceHandle> SimHardware::createService(ServiceHandle, const ServiceDefinition& definition) {
  log_.add("CreateService name=" + definition.name + " type=" + std::to_string(definition.type) +
           " start=" + std::to_string(definition.startType) + " error=" + std::to_string(definition.errorControl) +
           " path=" + quoted(definition.binaryPath));
  const bool driver = definition.name == kDriverService;
  if (driver ? driverServiceExists() : services_.count(definition.name) != 0) {
    lastError_ = win_error::kServiceExists;
    return std::nullopt;
  }
  if (driver) {
    driverState_ = SimDriverState::Stopped;
  } else {
    services_[definition.name] = ServiceState::Stopped;
  }
  handles_.push_back(definition.name);
  return static_cast<ServiceHandle>(handles_.size() + 1);
}

std::string SimHardware::serviceName(ServiceHandle handle) const {
  const auto index = static_cast<std::size_t>(handle) - 2;
  return index < handles_.size() ? handles_[index] : std::string();
}

bool SimHardware::startDriverService() {
  if (driverState_ != SimDriverState::Stopped) {
    lastError_ = win_error::kServiceAlreadyRunning;
    return false;
  }
  driverState_ = SimDriverState::Running;
  return true;
}

bool SimHardware::startService(ServiceHandle service) {
  const std::string name = serviceName(service);
  bool started = false;
  if (name == kDriverService) {
    started = startDriverService();
  } else if (services_.count(name) != 0) {
    started = services_[name] != ServiceState::Running;
    if (!started) lastError_ = win_error::kServiceAlreadyRunning;
    services_[name] = ServiceState::Running;
  }
  log_.add("StartService name=" + name + " -> " + (started ? "ok" : std::to_string(lastError_)));
  return started;
}

bool SimHardware::stopService(ServiceHandle service) {
  const std::string name = serviceName(service);
  auto found = services_.find(name);
  const bool stops = found != services_.end() && found->second == ServiceState::Running;
  log_.add("ControlService name=" + name + " control=1 -> " + (stops ? "ok" : "fail"));
  if (stops) found->second = stopPendingQueries_[name] > 0 ? ServiceState::StopPending : ServiceState::Stopped;
  return stops;
}

std::optional<ServiceState> SimHardware::queryServiceState(ServiceHandle service) {
  const std::string name = serviceName(service);
  auto found = services_.find(name);
  if (found == services_.end()) return std::nullopt;
  const ServiceState reported = found->second;
  if (reported == ServiceState::StopPending && --stopPendingQueries_[name] <= 0) {
    found->second = ServiceState::Stopped;
  }
  return reported;
}

bool SimHardware::openDriver() {
  driverOpen_ = driverState_ == SimDriverState::Running || driverState_ == SimDriverState::Broken;
  log_.add(std::string("CreateFile name=\"\\\\.\\PortTalk\" -> ") + (driverOpen_ ? "ok" : "fail"));
  return driverOpen_;
}

void SimHardware::closeDriver() { driverOpen_ = false; }

bool SimHardware::driverRequestFails() {
  if (driverOpen_ && driverState_ != SimDriverState::Broken) return false;
  lastError_ = win_error::kGeneralFailure;
  return true;
}

// ERROR_IO_DEVICE, what a port request that the device refuses reports.
constexpr std::uint32_t kIoDeviceError = 1117;

bool SimHardware::dataRequestFails(std::uint16_t port, int& requestsBeforeFault) {
  if (port != kCmosDataPort || requestsBeforeFault < 0) return false;
  if (requestsBeforeFault-- > 0) return false;
  lastError_ = kIoDeviceError;
  return true;
}

std::optional<std::uint8_t> SimHardware::driverReadPort(std::uint16_t port) {
  if (driverRequestFails()) return std::nullopt;
  return directReadPort(port);
}

bool SimHardware::driverWritePort(std::uint16_t port, std::uint8_t value) {
  if (driverRequestFails()) return false;
  return directWritePort(port, value);
}

std::optional<std::uint8_t> SimHardware::directReadPort(std::uint16_t port) {
  if (dataRequestFails(port, readsBeforeFault_)) return std::nullopt;
  return readPort(port);
}

bool SimHardware::directWritePort(std::uint16_t port, std::uint8_t value) {
  if (dataRequestFails(port, writesBeforeFault_)) return false;
  writePort(port, value);
  return true;
}

std::uint8_t SimHardware::readPort(std::uint16_t port) {
  if (port != kCmosDataPort) return 0xFF;
  const std::uint8_t value = cmos_[cmosIndex_ & 0x7F];
  log_.add("CmosRead index=" + std::to_string(cmosIndex_) + " value=" + std::to_string(value));
  return value;
}

void SimHardware::writePort(std::uint16_t port, std::uint8_t value) {
  if (port == kCmosIndexPort) {
    cmosIndex_ = value;
  } else if (port == kCmosDataPort) {
    cmos_[cmosIndex_ & 0x7F] = value;
    log_.add("CmosWrite index=" + std::to_string(cmosIndex_) + " value=" + std::to_string(value));
  }
}

}  // namespace orvane
