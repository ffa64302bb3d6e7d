#pragma once
// Sockets: a plain blocking TCP client connection.

#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

using SocketHandle = std::uintptr_t;

class SocketApi {
 public:
  virtual ~SocketApi() = default;
  virtual std::optional<SocketHandle> connect(const std::string& host, std::uint16_t port) = 0;
  // Waits up to timeoutMs for incoming data; the bytes received, empty on
  // time-out, nothing when the connection failed or closed.
  virtual std::optional<std::string> receive(SocketHandle socket, int timeoutMs) = 0;
  virtual void close(SocketHandle socket) = 0;
};

}  // namespace orvane
