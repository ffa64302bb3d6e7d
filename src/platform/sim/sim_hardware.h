#pragma once
// Simulated services and ports: the service control manager with named
// services and their states, the port driver's service and device, 128
// bytes of CMOS behind ports 0x70/0x71.

#include <array>
#include <map>
#include <string>
#include <vector>

#include "platform/ports.h"

namespace orvane {

class EventLog;

// The port driver's service: running (its device opens), stopped (it
// starts when asked), absent (not installed; creating it leaves it
// stopped), access denied (no administrator rights: the service control
// manager refuses access and the device does not open), or broken (the
// device opens but every port request fails with error 31).
enum class SimDriverState { Absent, Stopped, Running, AccessDenied, Broken };

class SimHardware : public ServiceApi, public PortApi {
 public:
  static constexpr std::uint16_t kCmosIndexPort = 0x70;
  static constexpr std::uint16_t kCmosDataPort = 0x71;

  explicit SimHardware(EventLog& log);

  void setDriverState(SimDriverState state) { driverState_ = state; }
  SimDriverState driverState() const { return driverState_; }
  void addService(const std::string& name, ServiceState state) { services_[name] = state; }
  // After a stop request the service reports SERVICE_STOP_PENDING to this
  // many status queries before it reports SERVICE_STOPPED.
  void setStopPendingQueries(const std::string& name, int queries) { stopPendingQueries_[name] = queries; }
  void setCmos(const std::array<std::uint8_t, 128>& bytes) { cmos_ = bytes; }
  // After this many more good reads (or writes) of the data port 0x71, the
  // next one fails with error 1117 (ERROR_IO_DEVICE); the ones after it
  // succeed again.
  void failDataReadAfter(int goodReads) { readsBeforeFault_ = goodReads; }
  void failDataWriteAfter(int goodWrites) { writesBeforeFault_ = goodWrites; }
  const std::array<std::uint8_t, 128>& cmos() const { return cmos_; }

  // ServiceApi
  std::optional<ServiceHandle> openManager() override;
  std::optional<ServiceHandle> openService(ServiceHandle manager, const std::string& name) override;
  std::optional<ServiceHandle> createService(ServiceHandle manager, const ServiceDefinition& definition) override;
  bool startService(ServiceHandle service) override;
  bool stopService(ServiceHandle service) override;
  std::optional<ServiceState> queryServiceState(ServiceHandle service) override;
  void closeServiceHandle(ServiceHandle) override {}

  // PortApi
  bool openDriver() override;
  void closeDriver() override;
  std::optional<std::uint8_t> driverReadPort(std::uint16_t port) override;
  bool driverWritePort(std::uint16_t port, std::uint8_t value) override;
  std::optional<std::uint8_t> directReadPort(std::uint16_t port) override;
  bool directWritePort(std::uint16_t port, std::uint8_t value) override;
  // Shared by both interfaces, as GetLastError is.
  std::uint32_t lastError() override { return lastError_; }

 private:
  static constexpr ServiceHandle kManager = 1;
  static constexpr const char* kDriverService = "PortTalk";

  std::string serviceName(ServiceHandle handle) const;
  bool driverServiceExists() const;
  bool startDriverService();
  bool driverRequestFails();
  // Whether this request to the data port is the one armed to fail.
  bool dataRequestFails(std::uint16_t port, int& requestsBeforeFault);
  std::uint8_t readPort(std::uint16_t port);
  void writePort(std::uint16_t port, std::uint8_t value);

  EventLog& log_;
  SimDriverState driverState_ = SimDriverState::Running;
  bool driverOpen_ = false;
  std::uint32_t lastError_ = 0;
  std::map<std::string, ServiceState> services_;
  std::map<std::string, int> stopPendingQueries_;
  std::vector<std::string> handles_;  // service handle N names handles_[N - 2]
  std::array<std::uint8_t, 128> cmos_{};
  std::uint8_t cmosIndex_ = 0;
  int readsBeforeFault_ = -1;  // none armed
  int writesBeforeFault_ = -1;
};

}  // namespace orvane
