#include "wakeup/cmos_access.h"

#include <string>

namespace orvane {

namespace {
constexpr std::uint16_t kIndexPort = 0x70;
constexpr std::uint16_t kDataPort = 0x71;
}  // namespace

CmosAccess::CmosAccess(Platform& platform, Ui& ui, PortDriver& driver, DriverInstallFailure& installFailure)
    : platform_(platform), ui_(ui), driver_(driver), installFailure_(installFailure) {}

std::optional<std::vector<std::uint8_t>> CmosAccess::read(const std::vector<std::uint8_t>& indices) {
  std::vector<std::uint8_t> values;
  if (!withPorts([&] { return readAll(indices, values); })) return std::nullopt;
  return values;
}

bool CmosAccess::write(const std::vector<CmosByte>& bytes) {
  return withPorts([&] { return writeAll(bytes); });
}

bool CmosAccess::update(const std::vector<std::uint8_t>& indices,
                        const std::function<std::vector<CmosByte>(const std::vector<std::uint8_t>&)>& change) {
  return withPorts([&] {
    std::vector<std::uint8_t> values;
    return readAll(indices, values) && writeAll(change(values));
  });
}

bool CmosAccess::withPorts(const std::function<bool()>& work) {
  throughDriver_ = isNtFamily(platform_.system);
  if (!throughDriver_) return work();
  if (!driver_.OpenPortDriver()) {
    driver_.InstallPortDriver();
    installFailure_.Button1Click();
    return false;
  }
  const bool done = work();
  driver_.ClosePortDriver();
  return done;
}

bool CmosAccess::readAll(const std::vector<std::uint8_t>& indices, std::vector<std::uint8_t>& values) {
  for (const std::uint8_t index : indices) {
    const auto value = CmosRead(index);
    if (!value) return false;
    values.push_back(*value);
  }
  return true;
}

bool CmosAccess::writeAll(const std::vector<CmosByte>& bytes) {
  for (const CmosByte& byte : bytes) {
    if (!CmosWrite(byte.index, byte.value)) return false;
  }
  return true;
}

std::optional<std::uint8_t> CmosAccess::CmosRead(std::uint8_t index) {
  if (!outPort(kIndexPort, index)) return std::nullopt;
  return inPort(kDataPort);
}

bool CmosAccess::CmosWrite(std::uint8_t index, std::uint8_t value) {
  return outPort(kIndexPort, index) && outPort(kDataPort, value);
}

std::optional<std::uint8_t> CmosAccess::inPort(std::uint16_t port) {
  const auto value = throughDriver_ ? driver_.InPortByte(port) : platform_.ports.directReadPort(port);
  if (!value) reportPortError();
  return value;
}

bool CmosAccess::outPort(std::uint16_t port, std::uint8_t value) {
  const bool done = throughDriver_ ? driver_.OutPortByte(port, value) : platform_.ports.directWritePort(port, value);
  if (!done) reportPortError();
  return done;
}

void CmosAccess::reportPortError() {
  ui_.showPlainMessage("Outputting data from PortTalk error:" + std::to_string(platform_.ports.lastError()));
}

}  // namespace orvane
