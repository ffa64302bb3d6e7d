// Sockets on loopback: a connection receives what the server sends, a wait
// without data ends empty, the server's close reads as the end, and a port
// where nobody listens refuses the connection.

#include "platform/win32/win32_sockets.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <gtest/gtest.h>

namespace orvane {
namespace {

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

TEST(Win32SocketsTest, ReceivesWhatTheServerSendsUntilItCloses) {
  Win32Sockets sockets;
  LoopbackServer server;
  const auto connection = sockets.connect("localhost", server.port());
  ASSERT_TRUE(connection.has_value());
  const SOCKET accepted = server.accept();
  ASSERT_NE(accepted, INVALID_SOCKET);

  EXPECT_EQ(sockets.receive(*connection, 10), std::string()) << "nothing was sent yet";
  const char count[] = {'\xD4', '\xC3', '\xB2', '\xA1'};
  send(accepted, count, sizeof count, 0);
  EXPECT_EQ(sockets.receive(*connection, 2500), std::string(count, sizeof count));
  closesocket(accepted);
  EXPECT_EQ(sockets.receive(*connection, 2500), std::nullopt);
  sockets.close(*connection);
}

TEST(Win32SocketsTest, APortWithoutAServerRefusesTheConnection) {
  Win32Sockets sockets;
  LoopbackServer server;
  server.stopListening();
  EXPECT_EQ(sockets.connect("127.0.0.1", server.port()), std::nullopt);
}

}  // namespace
}  // namespace orvane
