#include "platform/sim/sim_network.h"

#include <algorithm>

#include "common/gbk.h"
#include "platform/sim/event_log.h"
#include "platform/sim/sim_time.h"

namespace orvane {

namespace {
constexpr std::uint32_t kErrorCannotFindPhonebookEntry = 623;
// 1900-01-01 00:00, where the Time Protocol's count begins, in days.
constexpr std::int64_t kTimeProtocolEpochDays = 2;

// The count in network byte order.
std::string bigEndian(std::uint32_t count) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<char>((count >> (24 - 8 * i)) & 0xFF);
  return bytes;
}
}  // namespace

std::optional<SocketHandle> SimNetwork::connect(const std::string& host, std::uint16_t port) {
  auto server = servers_.find(host);
  const bool resolved = server != servers_.end();
  const bool accepted = resolved && server->second.kind != SimTimeServer::Kind::Refuse;
  log_.add("connect host=" + gbkToUtf8(host) + " port=" + std::to_string(port) + " -> " +
           (accepted   ? "ok"
            : resolved ? "refused"
                       : "unresolved"));
  if (!accepted) return std::nullopt;
  open_[nextSocket_] = answerOf(server->second);
  return nextSocket_++;
}

SimNetwork::Connection SimNetwork::answerOf(const SimTimeServer& server) const {
  Connection connection;
  if (server.kind == SimTimeServer::Kind::Silent) {
    connection.closesAfterLast = false;
    return connection;
  }
  // The server sends when the connection reaches it, half a round trip on.
  const std::int64_t sentAt = time_.tick() + roundTripMs_ / 2;
  const std::int64_t arrivesAt = time_.tick() + roundTripMs_;
  const std::string bytes =
      bigEndian(server.kind == SimTimeServer::Kind::Count ? server.count : countAt(server, sentAt));
  if (server.inTwoPieces) {
    connection.pieces.push_back({sentAt, bytes.substr(0, 2)});
    connection.pieces.push_back({arrivesAt, bytes.substr(2)});
  } else {
    connection.pieces.push_back({arrivesAt, bytes});
  }
  return connection;
}

std::uint32_t SimNetwork::countAt(const SimTimeServer& server, std::int64_t tick) const {
  const std::int64_t sinceEpochMs =
      server.utcAtStart.totalMilliseconds() + tick - kTimeProtocolEpochDays * DateTime::kMillisecondsPerDay;
  // The count is 32 bits wide and wraps, as servers send it.
  return static_cast<std::uint32_t>(std::max<std::int64_t>(sinceEpochMs, 0) / 1000);
}

std::optional<std::string> SimNetwork::receive(SocketHandle socket, int timeoutMs) {
  auto found = open_.find(socket);
  if (found == open_.end()) return std::nullopt;
  Connection& connection = found->second;
  if (connection.pieces.empty() && connection.closesAfterLast) return std::nullopt;
  const std::int64_t waitEnds = time_.tick() + timeoutMs;
  if (connection.pieces.empty() || connection.pieces.front().arrivesAt > waitEnds) {
    time_.sleep(timeoutMs);
    return std::string();
  }
  const Piece piece = connection.pieces.front();
  connection.pieces.erase(connection.pieces.begin());
  if (piece.arrivesAt > time_.tick()) time_.sleep(piece.arrivesAt - time_.tick());
  return piece.bytes;
}

void SimNetwork::close(SocketHandle socket) { open_.erase(socket); }

std::uint32_t SimNetwork::enumEntries(std::vector<std::string>& names) {
  names.assign(phonebook_.begin(),
               phonebook_.begin() + static_cast<long>(std::min<std::size_t>(16, phonebook_.size())));
  return 0;
}

std::uint32_t SimNetwork::dial(const RasDialRequest& request) {
  const bool known = std::find(phonebook_.begin(), phonebook_.end(), request.entryName) != phonebook_.end();
  log_.add("RasDial entry=" + quotedGbk(request.entryName) + " user=" + quotedGbk(request.userName) +
           (known ? "" : " -> failed"));
  return known ? 0 : kErrorCannotFindPhonebookEntry;
}

std::uint32_t SimNetwork::createPhonebookEntry() {
  log_.add("RasCreatePhonebookEntry");
  return 0;
}

}  // namespace orvane
