#pragma once
// Simulated sockets and dial-up: time servers that answer with fixed bytes
// (or never), and a RAS phone book whose listings and dials are recorded.
// The phone book answers as the service does: a buffer too small for all
// of its entries gets nothing but the size and count it would need. Without
// rasapi32.dll every RAS call fails with ERROR_CALL_NOT_IMPLEMENTED.

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
  // Entry names, GBK.
  void setPhonebook(std::vector<std::string> entries) { phonebook_ = std::move(entries); }
  // One entry name per line (GBK, CR LF or LF), as DIR/phonebook.txt holds them.
  void loadPhonebook(const std::string& lines);
  // False: the system has no rasapi32.dll.
  void setRasAvailable(bool available) { rasAvailable_ = available; }

  std::optional<SocketHandle> connect(const std::string& host, std::uint16_t port) override;
  std::optional<std::string> receive(SocketHandle socket, int timeoutMs) override;
  void close(SocketHandle socket) override;

  std::uint32_t enumEntries(RasEntryName* entries, std::uint32_t& bufferSize, std::uint32_t& count) override;
  // Logged with the password's length, never the password.
  std::uint32_t dial(const RasDialParams& params) override;
  std::uint32_t createPhonebookEntry() override;
  std::string errorString(std::uint32_t code, std::size_t bufferSize) override;

 private:
  EventLog& log_;
  std::map<std::string, std::string> servers_;
  std::map<SocketHandle, std::string> open_;  // socket -> bytes not yet read
  SocketHandle nextSocket_ = 100;
  std::vector<std::string> phonebook_;
  bool rasAvailable_ = true;
};

}  // namespace orvane
