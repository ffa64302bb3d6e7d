#include "platform/win32/win32_sockets.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include "platform/win32/win32_library.h"

namespace orvane {

namespace {

constexpr const wchar_t* kLibrary = L"ws2_32.dll";

// The functions of ws2_32.dll, looked up once, on first use.
struct WinSock {
  decltype(::WSAStartup)* startup = libraryFunction<decltype(::WSAStartup)>(kLibrary, "WSAStartup");
  decltype(::WSACleanup)* cleanup = libraryFunction<decltype(::WSACleanup)>(kLibrary, "WSACleanup");
  decltype(::getaddrinfo)* resolve = libraryFunction<decltype(::getaddrinfo)>(kLibrary, "getaddrinfo");
  decltype(::freeaddrinfo)* freeAddresses = libraryFunction<decltype(::freeaddrinfo)>(kLibrary, "freeaddrinfo");
  decltype(::socket)* open = libraryFunction<decltype(::socket)>(kLibrary, "socket");
  decltype(::connect)* connect = libraryFunction<decltype(::connect)>(kLibrary, "connect");
  decltype(::select)* select = libraryFunction<decltype(::select)>(kLibrary, "select");
  decltype(::recv)* receive = libraryFunction<decltype(::recv)>(kLibrary, "recv");
  decltype(::closesocket)* close = libraryFunction<decltype(::closesocket)>(kLibrary, "closesocket");

  bool complete() const {
    return startup && cleanup && resolve && freeAddresses && open && connect && select && receive && close;
  }
};

const WinSock& winSock() {
  static const WinSock functions;
  return functions;
}

SOCKET socketOf(SocketHandle handle) { return static_cast<SOCKET>(handle); }

// The first address of the list that accepts a connection, or INVALID_SOCKET.
SOCKET connectFirst(const WinSock& ws, const addrinfo* addresses) {
  for (const addrinfo* address = addresses; address != nullptr; address = address->ai_next) {
    SOCKET connection = ws.open(address->ai_family, address->ai_socktype, address->ai_protocol);
    if (connection == INVALID_SOCKET) continue;
    if (ws.connect(connection, address->ai_addr, static_cast<int>(address->ai_addrlen)) == 0) return connection;
    ws.close(connection);
  }
  return INVALID_SOCKET;
}

}  // namespace

Win32Sockets::~Win32Sockets() {
  if (started_) winSock().cleanup();
}

bool Win32Sockets::start() {
  if (started_) return true;
  if (!winSock().complete()) return false;
  WSADATA data{};
  started_ = winSock().startup(MAKEWORD(2, 2), &data) == 0;
  return started_;
}

std::optional<SocketHandle> Win32Sockets::connect(const std::string& host, std::uint16_t port) {
  if (!start()) return std::nullopt;
  const WinSock& ws = winSock();
  const auto redirect = redirected_.find(port);
  if (redirect != redirected_.end()) port = redirect->second;
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  addrinfo* addresses = nullptr;
  if (ws.resolve(host.c_str(), std::to_string(port).c_str(), &hints, &addresses) != 0) return std::nullopt;
  const SOCKET connection = connectFirst(ws, addresses);
  ws.freeAddresses(addresses);
  if (connection == INVALID_SOCKET) return std::nullopt;
  return static_cast<SocketHandle>(connection);
}

std::optional<std::string> Win32Sockets::receive(SocketHandle socket, int timeoutMs) {
  const WinSock& ws = winSock();
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(socketOf(socket), &readable);
  timeval timeout{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
  const int ready = ws.select(0, &readable, nullptr, nullptr, &timeout);
  if (ready == 0) return std::string();
  if (ready < 0) return std::nullopt;
  char buffer[1024];
  const int received = ws.receive(socketOf(socket), buffer, sizeof buffer, 0);
  if (received <= 0) return std::nullopt;
  return std::string(buffer, static_cast<std::size_t>(received));
}

void Win32Sockets::close(SocketHandle socket) { winSock().close(socketOf(socket)); }

}  // namespace orvane
