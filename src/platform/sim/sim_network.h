#pragma once
// Simulated sockets and dial-up: time servers that answer with fixed bytes
// (or never), and a RAS phone book whose dials are recorded.

#include <map>
#include <string>
#include <vector>

#include "platform/ras.h"
#include "platform/sockets.h"

namespace orvane {

class EventLog;

class SimNetwork : public SocketApi, public RasApi {
 public:
  explicit SimNetwork(EventLog& log) : log_(log) {}

  // A server that sends these bytes and closes; an empty answer never
  // sends anything (the read times out).
  void addServer(const std::string& host, std::string answer) { servers_[host] = std::move(answer); }
  void setPhonebook(std::vector<std::string> entries) { phonebook_ = std::move(entries); }

  std::optional<SocketHandle> connect(const std::string& host, std::uint16_t port) override;
  std::optional<std::string> receive(SocketHandle socket, int timeoutMs) override;
  void close(SocketHandle socket) override;

  std::uint32_t enumEntries(std::vector<std::string>& names) override;
  std::uint32_t dial(const RasDialRequest& request) override;
  std::uint32_t createPhonebookEntry() override;
  std::string errorString(std::uint32_t code) override { return "RAS error " + std::to_string(code); }

 private:
  EventLog& log_;
  std::map<std::string, std::string> servers_;
  std::map<SocketHandle, std::string> open_;  // socket -> bytes not yet read
  SocketHandle nextSocket_ = 100;
  std::vector<std::string> phonebook_;
};

}  // namespace orvane
