#include "platform/sim/sim_hardware.h"

#include "platform/sim/event_log.h"

namespace orvane {

SimHardware::SimHardware(EventLog& log) : log_(log) {}

std::optional<ServiceHandle> SimHardware::openManager() { return kManager; }

std::optional<ServiceHandle> SimHardware::openService(ServiceHandle, const std::string& name) {
  const bool driver = name == kDriverService;
  if (driver ? driverState_ == SimDriverState::Absent : services_.count(name) == 0) {
    log_.add("OpenService name=" + name + " -> fail");
    return std::nullopt;
  }
  log_.add("OpenService name=" + name + " -> ok");
  handles_.push_back(name);
  return static_cast<ServiceHandle>(handles_.size() + 1);
}

std::optional<ServiceHandle> SimHardware::createKernelDriverService(ServiceHandle manager, const std::string& name,
                                                                    const std::string& binaryPath) {
  log_.add("CreateService name=" + name + " path=" + quoted(binaryPath));
  if (driverState_ == SimDriverState::AccessDenied) return std::nullopt;
  if (name == kDriverService && driverState_ == SimDriverState::Absent) driverState_ = SimDriverState::Stopped;
  return openService(manager, name);
}

std::string SimHardware::serviceName(ServiceHandle handle) const {
  const auto index = static_cast<std::size_t>(handle) - 2;
  return index < handles_.size() ? handles_[index] : std::string();
}

bool SimHardware::startService(ServiceHandle service) {
  const std::string name = serviceName(service);
  log_.add("StartService name=" + name);
  if (name == kDriverService) {
    if (driverState_ != SimDriverState::Stopped) return driverState_ == SimDriverState::Running;
    driverState_ = SimDriverState::Running;
    return true;
  }
  if (services_.count(name) == 0) return false;
  services_[name] = ServiceState::Running;
  return true;
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
  driverOpen_ = driverState_ == SimDriverState::Running;
  log_.add(std::string("CreateFile device=PortTalk") + (driverOpen_ ? "" : " -> failed"));
  return driverOpen_;
}

void SimHardware::closeDriver() { driverOpen_ = false; }

std::optional<std::uint8_t> SimHardware::driverReadPort(std::uint16_t port) {
  if (!driverOpen_) return std::nullopt;
  return readPort(port);
}

bool SimHardware::driverWritePort(std::uint16_t port, std::uint8_t value) {
  if (!driverOpen_) return false;
  writePort(port, value);
  return true;
}

std::uint8_t SimHardware::directReadPort(std::uint16_t port) { return readPort(port); }

void SimHardware::directWritePort(std::uint16_t port, std::uint8_t value) { writePort(port, value); }

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
