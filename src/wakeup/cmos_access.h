#pragma once
// The CMOS bytes, one at a time through the clock chip's index port 0x70
// and data port 0x71: on the NT family through the port driver, opened for
// each batch of bytes; on Windows 9x/ME with the port instructions
// themselves. The platform is looked at anew for every batch.
//
// A batch never goes on with a value it did not get: when a byte cannot be
// read, nothing is written; when a byte cannot be written, the bytes after
// it are not written either. Either way the port's error is shown once
// ("Outputting data from PortTalk error:N") and the batch reports failure.
// When the driver does not open, the driver's service is installed, the
// install-failure handler runs (message, restart of the program) and no
// byte is touched.

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/platform.h"
#include "platform/ui.h"
#include "wakeup/driver_install_failure.h"
#include "wakeup/port_driver.h"

namespace orvane {

struct CmosByte {
  std::uint8_t index;
  std::uint8_t value;
};

class CmosAccess {
 public:
  CmosAccess(Platform& platform, Ui& ui, PortDriver& driver, DriverInstallFailure& installFailure);

  // The bytes at `indices`, in that order, within one opening of the
  // driver; nothing when the batch failed.
  std::optional<std::vector<std::uint8_t>> read(const std::vector<std::uint8_t>& indices);
  // The bytes written in order within one opening of the driver; false when
  // the batch failed.
  bool write(const std::vector<CmosByte>& bytes);
  // Reads `indices`, hands their values to `change` and writes the bytes it
  // gives, all within one opening of the driver.
  bool update(const std::vector<std::uint8_t>& indices,
              const std::function<std::vector<CmosByte>(const std::vector<std::uint8_t>&)>& change);

 private:
  // Runs `work` with the ports ready: on the NT family between opening and
  // closing the driver, or not at all when it does not open.
  bool withPorts(const std::function<bool()>& work);
  bool readAll(const std::vector<std::uint8_t>& indices, std::vector<std::uint8_t>& values);
  bool writeAll(const std::vector<CmosByte>& bytes);
  std::optional<std::uint8_t> CmosRead(std::uint8_t index);
  bool CmosWrite(std::uint8_t index, std::uint8_t value);
  std::optional<std::uint8_t> inPort(std::uint16_t port);
  bool outPort(std::uint16_t port, std::uint8_t value);
  void reportPortError();

  Platform& platform_;
  Ui& ui_;
  PortDriver& driver_;
  DriverInstallFailure& installFailure_;
  bool throughDriver_ = false;
};

}  // namespace orvane
