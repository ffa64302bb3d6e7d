#pragma once
// Simulated sockets and dial-up: time servers that answer the Time Protocol
// from a clock of their own or with a fixed count, stay silent or refuse
// the connection, on a network with a set round trip; and a RAS phone book
// whose listings and dials are recorded. A read blocks the caller in virtual
// time, as a blocking socket blocks the GUI thread: no timer fires
// meanwhile. The phone book answers as the service does: a buffer too small
// for all of its entries gets nothing but the size and count it would need.
// Without rasapi32.dll every RAS call fails with ERROR_CALL_NOT_IMPLEMENTED.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "common/date_time.h"
#include "platform/ras.h"
#include "platform/sockets.h"

namespace orvane {

class EventLog;
class SimTime;

// What a simulated time server does when a client connects.
struct SimTimeServer {
  enum class Kind {
    Clock,   // sends the seconds since 1900 of its UTC clock, then closes
    Count,   // sends `count`, then closes
    Silent,  // accepts and never sends
    Refuse,  // refuses the connection
  };
  Kind kind = Kind::Silent;
  // Clock: its UTC clock when the run starts; it advances with virtual time.
  DateTime utcAtStart;
  std::uint32_t count = 0;
  // The four bytes arrive two by two, the first pair after half the round
  // trip, as on a link that splits the answer.
  bool inTwoPieces = false;
};

class SimNetwork : public SocketApi, public RasApi {
 public:
  static constexpr int kDefaultRoundTripMs = 100;

  SimNetwork(EventLog& log, SimTime& time) : log_(log), time_(time) {}

  // A host that is not added does not resolve.
  void addServer(const std::string& host, const SimTimeServer& server) { servers_[host] = server; }
  // The time from the connection until the whole answer has arrived.
  void setRoundTrip(int milliseconds) { roundTripMs_ = milliseconds; }
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
  // Bytes on their way to the client: each piece arrives at its tick.
  struct Piece {
    std::int64_t arrivesAt;
    std::string bytes;
  };
  struct Connection {
    std::vector<Piece> pieces;  // in order of arrival
    bool closesAfterLast = true;
  };

  Connection answerOf(const SimTimeServer& server) const;
  std::uint32_t countAt(const SimTimeServer& server, std::int64_t tick) const;

  EventLog& log_;
  SimTime& time_;
  std::map<std::string, SimTimeServer> servers_;
  std::map<SocketHandle, Connection> open_;
  SocketHandle nextSocket_ = 100;
  int roundTripMs_ = kDefaultRoundTripMs;
  std::vector<std::string> phonebook_;
  bool rasAvailable_ = true;
};

}  // namespace orvane
