// The port driver against the real service control manager and device
// namespace (Wine's, in the test's own prefix): the service is created with
// its fixed definition, a driver whose file is missing does not start, and
// a CMOS operation whose device does not open ends in the install-failure
// handler once: message, restart, end. The user interface and the shell
// are the simulated ones, so the restart is recorded, not run.

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/win32_ports.h"
#include "platform/win32/win32_services.h"
#include "test_support/sim_test.h"
#include "wakeup/cmos_access.h"

namespace orvane {
namespace {

constexpr wchar_t kService[] = L"PortTalk";

// The service's configuration as the manager keeps it; empty when it does
// not exist.
struct ServiceConfig {
  DWORD type = 0, startType = 0, errorControl = 0;
  std::wstring binaryPath, displayName;
};

class PortDriverWindowsTest : public SimTest {
 protected:
  PortDriverWindowsTest() { removeService(); }
  ~PortDriverWindowsTest() override { removeService(); }

  static void removeService() {
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (manager == nullptr) return;
    if (SC_HANDLE service = OpenServiceW(manager, kService, SERVICE_ALL_ACCESS)) {
      DeleteService(service);
      CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
  }

  static std::optional<ServiceConfig> config() {
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    SC_HANDLE service = manager == nullptr ? nullptr : OpenServiceW(manager, kService, SERVICE_QUERY_CONFIG);
    std::optional<ServiceConfig> found;
    std::vector<BYTE> buffer(8192);
    DWORD needed = 0;
    if (service != nullptr && QueryServiceConfigW(service, reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer.data()),
                                                  static_cast<DWORD>(buffer.size()), &needed)) {
      const auto* query = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer.data());
      found = ServiceConfig{query->dwServiceType, query->dwStartType, query->dwErrorControl, query->lpBinaryPathName,
                            query->lpDisplayName};
    }
    if (service != nullptr) CloseServiceHandle(service);
    if (manager != nullptr) CloseServiceHandle(manager);
    return found;
  }

  Win32Services services;
  Win32Ports ports;
  Platform& sim = world.platform();
  Platform platform{sim.system, sim.files,   sim.clock, sim.power,   sim.shell,     sim.registry, services,
                    ports,      sim.sockets, sim.ras,   sim.secrets, sim.wakeTimer, sim.bios};
  DriverInstallFailure installFailure{platform, world.ui()};
  PortDriver driver{platform, world.ui(), installFailure};
};

TEST_F(PortDriverWindowsTest, InstallingCreatesTheServiceFromItsDefinitionOnceAndKeepsIt) {
  ASSERT_TRUE(driver.InstallPortDriver());
  const auto made = config();
  ASSERT_TRUE(made.has_value());
  EXPECT_EQ(made->type, static_cast<DWORD>(SERVICE_KERNEL_DRIVER));
  EXPECT_EQ(made->startType, static_cast<DWORD>(SERVICE_DEMAND_START));
  EXPECT_EQ(made->errorControl, static_cast<DWORD>(SERVICE_ERROR_NORMAL));
  EXPECT_EQ(made->binaryPath, L"System32\\Drivers\\PortTalk.sys");
  EXPECT_EQ(made->displayName, L"PortTalk");
  // A second install meets the existing service and counts it as there.
  EXPECT_TRUE(driver.InstallPortDriver());
  EXPECT_EQ(services.lastError(), static_cast<std::uint32_t>(ERROR_SERVICE_EXISTS));
}

TEST_F(PortDriverWindowsTest, ADeviceThatNeverOpensEndsInOneRestart) {
  CmosAccess cmos(platform, world.ui(), driver, installFailure);
  EXPECT_FALSE(cmos.read({84}).has_value());
  EXPECT_FALSE(cmos.write({{84, 1}}));
  EXPECT_TRUE(config().has_value());  // made on the way, and its start failed: the file is missing
  EXPECT_EQ(world.log().count("message \"Install PortDriver ERROR.\\rPlease run again.\""), 1);
  EXPECT_EQ(world.log().count("ShellExecute verb=open"), 1);
  EXPECT_EQ(world.log().count("exit"), 1);
  EXPECT_TRUE(world.ui().quitRequested());
}

}  // namespace
}  // namespace orvane
