#pragma once
// The PortTalk kernel driver, through which the NT family reaches I/O ports:
// its service, installed and started on demand, and its device with the
// one-byte read and write requests. Every user opens the device, works and
// closes it within one call on the GUI thread.

#include <cstdint>
#include <optional>

#include "platform/platform.h"
#include "platform/ui.h"
#include "wakeup/driver_install_failure.h"

namespace orvane {

class PortDriver {
 public:
  PortDriver(Platform& platform, Ui& ui, DriverInstallFailure& installFailure);

  // Opens the device; when it does not open, starts (and if need be
  // installs) the service and tries once more.
  bool OpenPortDriver();
  void ClosePortDriver();
  // One byte from a port; nothing when the request failed (its error in
  // lastError).
  std::optional<std::uint8_t> InPortByte(std::uint16_t port);
  // One byte to a port; false when the request failed.
  bool OutPortByte(std::uint16_t port, std::uint8_t value);
  std::uint32_t lastError() { return platform_.ports.lastError(); }

  // Opens the driver's service, creating it when it does not exist (at most
  // eleven opens), and starts it. True when the service runs, also when it
  // was running already. No rights to the service control manager: a
  // message and false. No service after the opens ran out: the
  // install-failure handler runs.
  bool StartPortDriver();
  // Creates the driver's service from its fixed definition. True when the
  // service exists afterwards (made now, or there already).
  bool InstallPortDriver();

 private:
  Platform& platform_;
  Ui& ui_;
  DriverInstallFailure& installFailure_;
};

}  // namespace orvane
