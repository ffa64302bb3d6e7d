#pragma once
// Blocking TCP client connections through WinSock 2. The library is started
// for the life of this object.

#include "platform/sockets.h"

namespace orvane {

class Win32Sockets : public SocketApi {
 public:
  Win32Sockets();
  ~Win32Sockets() override;
  Win32Sockets(const Win32Sockets&) = delete;
  Win32Sockets& operator=(const Win32Sockets&) = delete;

  // Resolves the host and connects to its first address that accepts, with
  // the system's own connect time-out.
  std::optional<SocketHandle> connect(const std::string& host, std::uint16_t port) override;
  std::optional<std::string> receive(SocketHandle socket, int timeoutMs) override;
  void close(SocketHandle socket) override;

 private:
  bool started_ = false;
};

}  // namespace orvane
