#include "platform/sim/sim_network.h"

#include <algorithm>

#include "common/gbk.h"
#include "platform/sim/event_log.h"
#include "platform/sim/sim_time.h"

namespace orvane {

namespace {
constexpr std::uint32_t kErrorBufferTooSmall = 603;
constexpr std::uint32_t kErrorCannotFindPhonebookEntry = 623;
// 1900-01-01 00:00, where the Time Protocol's count begins, in days.
constexpr std::int64_t kTimeProtocolEpochDays = 2;

// The count in network byte order.
std::string bigEndian(std::uint32_t count) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<char>((count >> (24 - 8 * i)) & 0xFF);
  return bytes;
}
constexpr std::uint32_t kErrorCallNotImplemented = 120;
constexpr const char* kNoRasLibrary = "no rasapi32.dll";
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

void SimNetwork::loadPhonebook(const std::string& lines) {
  phonebook_.clear();
  std::size_t begin = 0;
  while (begin < lines.size()) {
    std::size_t end = lines.find('\n', begin);
    if (end == std::string::npos) end = lines.size();
    std::string name = lines.substr(begin, end - begin);
    if (!name.empty() && name.back() == '\r') name.pop_back();
    if (!name.empty()) phonebook_.push_back(name);
    begin = end + 1;
  }
}

std::uint32_t SimNetwork::enumEntries(RasEntryName* entries, std::uint32_t& bufferSize, std::uint32_t& count) {
  if (!rasAvailable_) {
    log_.add("RasEnumEntries -> " + std::string(kNoRasLibrary));
    return kErrorCallNotImplemented;
  }
  const auto needed = static_cast<std::uint32_t>(phonebook_.size() * sizeof(RasEntryName));
  count = static_cast<std::uint32_t>(phonebook_.size());
  if (bufferSize < needed) {
    bufferSize = needed;
    log_.add("RasEnumEntries -> error " + std::to_string(kErrorBufferTooSmall) + " entries=" + std::to_string(count));
    return kErrorBufferTooSmall;
  }
  for (std::size_t i = 0; i < phonebook_.size(); ++i) {
    entries[i].size = sizeof(RasEntryName);
    const std::string& name = phonebook_[i];
    const std::size_t length = std::min(name.size(), sizeof entries[i].entryName - 1);
    std::copy_n(name.begin(), length, entries[i].entryName);
    entries[i].entryName[length] = '\0';
  }
  log_.add("RasEnumEntries -> " + std::to_string(count));
  return 0;
}

std::uint32_t SimNetwork::dial(const RasDialParams& params) {
  if (!rasAvailable_) {
    log_.add("RasDial -> " + std::string(kNoRasLibrary));
    return kErrorCallNotImplemented;
  }
  const std::string entry(params.entryName);
  const bool known = std::find(phonebook_.begin(), phonebook_.end(), entry) != phonebook_.end();
  log_.add("RasDial entry=" + quotedGbk(entry) + " user=" + quotedGbk(params.userName) +
           " password-length=" + std::to_string(std::string(params.password).size()) +
           (known ? "" : " -> error " + std::to_string(kErrorCannotFindPhonebookEntry)));
  return known ? 0 : kErrorCannotFindPhonebookEntry;
}

std::uint32_t SimNetwork::createPhonebookEntry() {
  log_.add("RasCreatePhonebookEntry -> " + (rasAvailable_ ? std::string("0") : std::string(kNoRasLibrary)));
  return rasAvailable_ ? 0 : kErrorCallNotImplemented;
}

std::string SimNetwork::errorString(std::uint32_t code, std::size_t bufferSize) {
  if (!rasAvailable_) return {};
  std::string text = "RAS error " + std::to_string(code);
  log_.add("RasGetErrorString code=" + std::to_string(code) + " size=" + std::to_string(bufferSize));
  return text.substr(0, bufferSize == 0 ? 0 : bufferSize - 1);
}

}  // namespace orvane
