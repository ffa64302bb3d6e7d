#pragma once
// Blocking TCP client connections through WinSock 2. The library is loaded
// from ws2_32.dll and started when the first connection is made, so a
// program that never connects does not load it.

#include <cstdint>
#include <map>

#include "platform/sockets.h"

namespace orvane {

class Win32Sockets : public SocketApi {
 public:
  Win32Sockets() = default;
  ~Win32Sockets() override;
  Win32Sockets(const Win32Sockets&) = delete;
  Win32Sockets& operator=(const Win32Sockets&) = delete;

  // Resolves the host and connects to its first address that accepts, with
  // the system's own connect time-out. Nothing when the host does not
  // resolve, no address accepts, or WinSock 2 is not available.
  std::optional<SocketHandle> connect(const std::string& host, std::uint16_t port) override;
  std::optional<std::string> receive(SocketHandle socket, int timeoutMs) override;
  void close(SocketHandle socket) override;

  // For tests, whose servers listen on a port of the system's choice:
  // connections to `port` go to `replacement` instead.
  void redirectPort(std::uint16_t port, std::uint16_t replacement) { redirected_[port] = replacement; }

 private:
  bool start();

  bool started_ = false;
  std::map<std::uint16_t, std::uint16_t> redirected_;
};

}  // namespace orvane
