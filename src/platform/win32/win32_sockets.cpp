#include "platform/win32/win32_sockets.h"

#include <winsock2.h>
#include <ws2tcpip.h>

namespace orvane {

namespace {

SOCKET socketOf(SocketHandle handle) { return static_cast<SOCKET>(handle); }

// The first address of the list that accepts a connection, or INVALID_SOCKET.
SOCKET connectFirst(const addrinfo* addresses) {
  for (const addrinfo* address = addresses; address != nullptr; address = address->ai_next) {
    SOCKET connection = socket(address->ai_family, address->ai_socktype, address->ai_protocol);
    if (connection == INVALID_SOCKET) continue;
    if (::connect(connection, address->ai_addr, static_cast<int>(address->ai_addrlen)) == 0) return connection;
    closesocket(connection);
  }
  return INVALID_SOCKET;
}

}  // namespace

Win32Sockets::Win32Sockets() {
  WSADATA data{};
  started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

Win32Sockets::~Win32Sockets() {
  if (started_) WSACleanup();
}

std::optional<SocketHandle> Win32Sockets::connect(const std::string& host, std::uint16_t port) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  addrinfo* addresses = nullptr;
  if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &addresses) != 0) return std::nullopt;
  const SOCKET connection = connectFirst(addresses);
  freeaddrinfo(addresses);
  if (connection == INVALID_SOCKET) return std::nullopt;
  return static_cast<SocketHandle>(connection);
}

std::optional<std::string> Win32Sockets::receive(SocketHandle socket, int timeoutMs) {
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(socketOf(socket), &readable);
  timeval timeout{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
  const int ready = select(0, &readable, nullptr, nullptr, &timeout);
  if (ready == 0) return std::string();
  if (ready < 0) return std::nullopt;
  char buffer[1024];
  const int received = recv(socketOf(socket), buffer, sizeof buffer, 0);
  if (received <= 0) return std::nullopt;
  return std::string(buffer, static_cast<std::size_t>(received));
}

void Win32Sockets::close(SocketHandle socket) { closesocket(socketOf(socket)); }

}  // namespace orvane
