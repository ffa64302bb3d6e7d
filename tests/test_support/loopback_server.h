#pragma once
// A server socket for the Windows tests, listening on 127.0.0.1 on a port of
// the system's choice. WinSock is started for its lifetime.

#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstdint>

namespace orvane {

// A server socket listening on 127.0.0.1, on a port of the system's choice.
class LoopbackServer {
 public:
  LoopbackServer() {
    WSADATA data{};
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener_, 1);
    int size = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
  }
  ~LoopbackServer() {
    stopListening();
    WSACleanup();
  }
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  std::uint16_t port() const { return port_; }
  SOCKET accept() { return ::accept(listener_, nullptr, nullptr); }
  void stopListening() {
    if (listener_ != INVALID_SOCKET) closesocket(listener_);
    listener_ = INVALID_SOCKET;
  }

 private:
  SOCKET listener_ = INVALID_SOCKET;
  std::uint16_t port_ = 0;
};

}  // namespace orvane
