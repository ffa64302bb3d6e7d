#pragma once
// The command line of orvane-sim.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/date_time.h"
#include "platform/clock.h"
#include "platform/sim/sim_network.h"

namespace orvane {

struct SimEvent {
  double atSeconds = 0;
  std::string text;  // "set-clock …", "sleep …", "menu …", "press …", "select …", "type …"
};

struct SimOptions {
  std::string directory;
  DateTime start;
  double runSeconds = 0;
  int platformId = 2;
  int jitterMs = 0;
  // 2: the program starts as a second copy while a first one runs.
  int instance = 1;
  std::vector<SimEvent> events;
  std::vector<std::pair<std::string, std::string>> answers;
  std::vector<std::pair<std::string, SimTimeServer>> timeServers;  // host (GBK) and server
  int roundTripMs = SimNetwork::kDefaultRoundTripMs;
  std::optional<TimeZoneState> timeZone;
  bool help = false;
};

// Nothing (with `error` set) when the arguments are not understood.
std::optional<SimOptions> parseSimCommandLine(const std::vector<std::string>& arguments, std::string& error);
const char* simUsage();

}  // namespace orvane
