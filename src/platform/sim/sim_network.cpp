#include "platform/sim/sim_network.h"

#include <algorithm>

#include "platform/sim/event_log.h"

namespace orvane {

namespace {
constexpr std::uint32_t kErrorBufferTooSmall = 603;
constexpr std::uint32_t kErrorCannotFindPhonebookEntry = 623;
constexpr std::uint32_t kErrorCallNotImplemented = 120;
constexpr const char* kNoRasLibrary = "no rasapi32.dll";
}  // namespace

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
