#include "platform/win32/win32_services.h"
#include "platform/win32/win32_text.h"

#include <windows.h>

namespace orvane {

namespace {

SC_HANDLE handleOf(ServiceHandle handle) { return reinterpret_cast<SC_HANDLE>(handle); }

std::optional<ServiceHandle> opened(SC_HANDLE handle) {
  if (handle == nullptr) return std::nullopt;
  return reinterpret_cast<ServiceHandle>(handle);
}

}  // namespace

std::optional<ServiceHandle> Win32Services::openManager() {
  return opened(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
}

std::optional<ServiceHandle> Win32Services::openService(ServiceHandle manager, const std::string& name) {
  return opened(OpenServiceW(handleOf(manager), gbkToWide(name).c_str(), SERVICE_ALL_ACCESS));
}

std::optional<ServiceHandle> Win32Services::createService(ServiceHandle manager, const ServiceDefinition& definition) {
  return opened(CreateServiceW(handleOf(manager), gbkToWide(definition.name).c_str(),
                               gbkToWide(definition.displayName).c_str(), definition.access, definition.type,
                               definition.startType, definition.errorControl, gbkToWide(definition.binaryPath).c_str(),
                               nullptr, nullptr, nullptr, nullptr, nullptr));
}

bool Win32Services::startService(ServiceHandle service) { return StartServiceW(handleOf(service), 0, nullptr) != 0; }

bool Win32Services::stopService(ServiceHandle service) {
  SERVICE_STATUS status{};
  return ControlService(handleOf(service), SERVICE_CONTROL_STOP, &status) != 0;
}

std::optional<ServiceState> Win32Services::queryServiceState(ServiceHandle service) {
  SERVICE_STATUS status{};
  if (!QueryServiceStatus(handleOf(service), &status)) return std::nullopt;
  return static_cast<ServiceState>(status.dwCurrentState);
}

void Win32Services::closeServiceHandle(ServiceHandle handle) { CloseServiceHandle(handleOf(handle)); }

std::uint32_t Win32Services::lastError() { return GetLastError(); }

}  // namespace orvane
