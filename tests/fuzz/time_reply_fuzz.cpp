// The time-protocol client on any reply: the server's data arrives in pieces
// of any size, time-outs and a closed connection between them, at any PC
// clock, tick count and time zone. The count is the first four bytes in
// network order; the time read from it is the one nearest the PC's clock;
// the fetch for the clock window never throws.

#include <cmath>
#include <deque>

#include "clocksync/time_client.h"
#include "fuzz_support.h"

namespace orvane::fuzz {
namespace {

// One thing the server does when the client waits for data.
struct Reply {
  enum class Kind { Data, TimeOut, Closed } kind = Kind::Data;
  std::string bytes;
};

class ScriptedServer : public SocketApi {
 public:
  ScriptedServer(bool reachable, std::deque<Reply> replies) : reachable_(reachable), replies_(std::move(replies)) {}

  std::optional<SocketHandle> connect(const std::string&, std::uint16_t port) override {
    require(port == 37 && open_ == 0, "the client connects elsewhere or twice");
    if (!reachable_) return {};
    ++open_;
    return SocketHandle{7};
  }
  std::optional<std::string> receive(SocketHandle socket, int) override {
    require(socket == 7 && open_ == 1, "the client reads from no open connection");
    if (replies_.empty()) return std::string();
    const Reply reply = replies_.front();
    replies_.pop_front();
    if (reply.kind == Reply::Kind::Closed) return {};
    return reply.bytes;
  }
  void close(SocketHandle socket) override {
    require(socket == 7 && open_ == 1, "the client closes no open connection");
    --open_;
  }
  bool closed() const { return open_ == 0; }

 private:
  bool reachable_;
  std::deque<Reply> replies_;
  int open_ = 0;
};

class ScriptedClock : public ClockApi {
 public:
  ScriptedClock(DateTime now, std::uint32_t tick, std::uint32_t step, TimeZoneState zone)
      : now_(now), tick_(tick), step_(step), zone_(zone) {}

  DateTime localNow() override { return now_; }
  DateTime utcNow() override { return now_; }
  std::uint32_t tickCount() override { return tick_ += step_; }
  TimeZoneState timeZone() override { return zone_; }
  bool setLocalTime(DateTime) override { return false; }
  bool setSystemTime(DateTime) override { return false; }
  void pauseThread(std::uint32_t) override {}

 private:
  DateTime now_;
  std::uint32_t tick_;
  std::uint32_t step_;
  TimeZoneState zone_;
};

std::uint32_t wordOf(FuzzInput& input) {
  std::uint32_t word = 0;
  for (int i = 0; i < 4; ++i) word = word << 8 | input.byte();
  return word;
}

// Replies: a byte 0 is a time-out, 255 the connection closed, any other n
// the next n % 8 bytes of the input as data (at least one).
std::deque<Reply> repliesOf(FuzzInput& input) {
  std::deque<Reply> replies;
  for (int count = input.byte() % 8; count > 0; --count) {
    const std::uint8_t kind = input.byte();
    if (kind == 0) replies.push_back({Reply::Kind::TimeOut, {}});
    if (kind == 255) replies.push_back({Reply::Kind::Closed, {}});
    if (kind == 0 || kind == 255) continue;
    std::string bytes;
    for (int n = 1 + kind % 8; n > 0; --n) bytes += static_cast<char>(input.byte());
    replies.push_back({Reply::Kind::Data, bytes});
  }
  return replies;
}

// What the client must make of the replies: the count of the first four
// data bytes; 0 when a time-out comes first; nothing when the connection
// closes first.
std::optional<std::uint32_t> expectedCount(const std::deque<Reply>& replies) {
  std::string data;
  for (const Reply& reply : replies) {
    if (reply.kind == Reply::Kind::Closed) return {};
    if (reply.kind == Reply::Kind::TimeOut) return 0;
    data += reply.bytes;
    if (data.size() >= 4) break;
  }
  if (data.size() < 4) return 0;
  std::uint32_t count = 0;
  for (int i = 0; i < 4; ++i) count = count << 8 | static_cast<unsigned char>(data[static_cast<std::size_t>(i)]);
  return count;
}

TimeZoneState zoneOf(FuzzInput& input) {
  TimeZoneState zone;
  zone.kind = static_cast<TimeZoneState::Kind>(input.byte() % 4);
  for (int* bias : {&zone.bias, &zone.standardBias, &zone.daylightBias})
    *bias = static_cast<int>(wordOf(input) % 1441) - 720;
  return zone;
}

// UTC minus local time in minutes; nothing for an invalid zone.
std::optional<int> biasOf(ScriptedClock clock) {
  try {
    return zoneBiasMinutes(clock);
  } catch (const TimeFetchError&) {
    return {};
  }
}

// The time read from a count is the count in the era nearest the PC's clock
// (both in seconds since 1900 UTC), plus half the round trip.
void checkTime(DateTime local, std::uint32_t count, DateTime now, int bias, std::int64_t delay) {
  const std::int64_t base = DateTime(TimeClient::kBaseDate).totalMilliseconds();
  const std::int64_t server = (local.totalMilliseconds() - base) / 1000 + bias * 60 - delay;
  const std::int64_t pc = (now.totalMilliseconds() - base) / 1000 + bias * 60;
  require((server - count) % (std::int64_t{1} << 32) == 0, "the time read is not the count sent");
  require(std::llabs(server - pc) <= (std::int64_t{1} << 31), "the time read is not the one nearest the PC's");
}

void check(FuzzInput& input) {
  const bool reachable = input.byte() % 8 != 0;
  // The PC's clock: any second from 1990 to about 2126.
  const DateTime now = DateTime::fromDate({1990, 1, 1}).addMilliseconds(std::int64_t{wordOf(input)} * 1000);
  const ScriptedClock clockAtStart(now, wordOf(input), wordOf(input) % 60'000, zoneOf(input));
  const std::deque<Reply> replies = repliesOf(input);
  const std::optional<std::uint32_t> count = reachable ? expectedCount(replies) : std::nullopt;
  const std::optional<int> bias = biasOf(clockAtStart);

  ScriptedClock clock = clockAtStart;
  ScriptedServer server(reachable, replies);
  TimeClient client(server, clock, "time.example");
  std::optional<DateTime> local;
  try {
    local = client.serverTimeAsLocal();
  } catch (const TimeFetchError&) {
    require(!count || (*count != 0 && !bias), "a fetch failed that had its count and time zone");
  }
  require(server.closed(), "the connection was left open");

  ScriptedClock againClock = clockAtStart;
  ScriptedServer again(reachable, replies);
  const DateTime utc = fetchUtcTime(again, againClock, "time.example");
  if (!local) return require(utc.value() == 0.0, "a failed fetch gave a time");
  require(count.has_value(), "a fetch with no count gave a time");
  if (*count == 0) return require(local->value() == 0.0, "a count of 0 did not give 0");
  checkTime(*local, *count, now, *bias, client.roundTripDelayMs() / 1000);
  require(utc == local->addMilliseconds(std::int64_t{*bias} * 60'000),
          "the UTC time is not the local one plus the bias");
}

}  // namespace

void checkInput(FuzzInput& input) { check(input); }

}  // namespace orvane::fuzz
