// Sockets on loopback: a connection receives what the server sends, a wait
// without data ends empty, the server's close reads as the end, and a port
// where nobody listens refuses the connection.

#include "platform/win32/win32_sockets.h"

#include <gtest/gtest.h>

#include "test_support/loopback_server.h"

namespace orvane {
namespace {

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
