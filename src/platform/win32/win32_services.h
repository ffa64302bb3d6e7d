#pragma once
// The service control manager on the real Windows, always on the local
// machine and its active database. Names are GBK.

#include "platform/ports.h"

namespace orvane {

class Win32Services : public ServiceApi {
 public:
  std::optional<ServiceHandle> openManager() override;
  std::optional<ServiceHandle> openService(ServiceHandle manager, const std::string& name) override;
  std::optional<ServiceHandle> createService(ServiceHandle manager, const ServiceDefinition& definition) override;
  bool startService(ServiceHandle service) override;
  bool stopService(ServiceHandle service) override;
  std::optional<ServiceState> queryServiceState(ServiceHandle service) override;
  void closeServiceHandle(ServiceHandle handle) override;
  std::uint32_t lastError() override;
};

}  // namespace orvane
