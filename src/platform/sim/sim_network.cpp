#include "platform/sim/sim_network.h"

#include <algorithm>

#include "platform/sim/event_log.h"

namespace orvane {

namespace {
constexpr std::uint32_t kErrorCannotFindPhonebookEntry = 623;
}

std::optional<SocketHandle> SimNetwork::connect(const std::string& host, std::uint16_t port) {
  auto server = servers_.find(host);
  log_.add("connect host=" + quoted(host) + " port=" + std::to_string(port) +
           (server == servers_.end() ? " -> failed" : ""));
  if (server == servers_.end()) return std::nullopt;
  open_[nextSocket_] = server->second;
  return nextSocket_++;
}

std::optional<std::string> SimNetwork::receive(SocketHandle socket, int) {
  auto found = open_.find(socket);
  if (found == open_.end()) return std::nullopt;
  std::string bytes;
  bytes.swap(found->second);
  return bytes;
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
