#include "platform/win32/win32_ports.h"

namespace orvane {

namespace {

// The driver's device type is 40000 (0x9C40), its requests are buffered
// with any access: functions 0x904 (read a byte) and 0x905 (write a byte).
constexpr DWORD kReadPortByte = 0x9C402410;
constexpr DWORD kWritePortByte = 0x9C402414;

}  // namespace

Win32Ports::~Win32Ports() { closeDriver(); }

bool Win32Ports::openDriver() {
  closeDriver();
  driver_ = CreateFileW(L"\\\\.\\PortTalk", GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  return driver_ != INVALID_HANDLE_VALUE;
}

void Win32Ports::closeDriver() {
  if (driver_ != INVALID_HANDLE_VALUE) CloseHandle(driver_);
  driver_ = INVALID_HANDLE_VALUE;
}

std::optional<std::uint8_t> Win32Ports::driverReadPort(std::uint16_t port) {
  // The port goes out little-endian in the first two bytes; the answer comes
  // back in the first byte of the same buffer.
  std::uint8_t buffer[2] = {static_cast<std::uint8_t>(port & 0xFF), static_cast<std::uint8_t>(port >> 8)};
  DWORD returned = 0;
  if (!DeviceIoControl(driver_, kReadPortByte, buffer, 2, buffer, 1, &returned, nullptr)) {
    lastError_ = GetLastError();
    return std::nullopt;
  }
  return buffer[0];
}

bool Win32Ports::driverWritePort(std::uint16_t port, std::uint8_t value) {
  std::uint8_t buffer[3] = {static_cast<std::uint8_t>(port & 0xFF), static_cast<std::uint8_t>(port >> 8), value};
  DWORD returned = 0;
  if (DeviceIoControl(driver_, kWritePortByte, buffer, 3, nullptr, 0, &returned, nullptr)) return true;
  lastError_ = GetLastError();
  return false;
}

#if defined(__i386__)
// Each instruction is followed by an x87 FWAIT, a short delay that gives the
// clock chip time between selecting an index and using the data port.
std::optional<std::uint8_t> Win32Ports::directReadPort(std::uint16_t port) {
  std::uint8_t value = 0;
  asm volatile("inb %w1, %b0\n\tfwait" : "=a"(value) : "Nd"(port));
  return value;
}

bool Win32Ports::directWritePort(std::uint16_t port, std::uint8_t value) {
  asm volatile("outb %b0, %w1\n\tfwait" : : "a"(value), "Nd"(port));
  return true;
}
#else
std::optional<std::uint8_t> Win32Ports::directReadPort(std::uint16_t) {
  lastError_ = ERROR_CALL_NOT_IMPLEMENTED;
  return std::nullopt;
}

bool Win32Ports::directWritePort(std::uint16_t, std::uint8_t) {
  lastError_ = ERROR_CALL_NOT_IMPLEMENTED;
  return false;
}
#endif

}  // namespace orvane
