#pragma once
// The command line of orvane-sim.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/date_time.h"
#include "platform/sim/sim_hardware.h"
#include "platform/clock.h"
#include "platform/sim/sim_network.h"

namespace orvane {

struct SimEvent {
  double atSeconds = 0;
  // "set-clock …", "sleep …", "menu …", "press …", "select …", "type …",
  // "set-alarm HH:MM", "clear-alarm", "show TRasDialerForm"
  std::string text;
};

struct SimOptions {
  std::string directory;
  DateTime start;
  double runSeconds = 0;
  int platformId = 2;
  int jitterMs = 0;
  // 2: the program starts as a second copy while a first one runs.
  int instance = 1;
  SimDriverState portDriver = SimDriverState::Running;
  bool rasAvailable = true;  // --ras absent: no rasapi32.dll
  std::vector<SimEvent> events;
  std::vector<std::pair<std::string, std::string>> answers;
  std::vector<std::pair<std::string, SimTimeServer>> timeServers;  // host (GBK) and server
  int roundTripMs = SimNetwork::kDefaultRoundTripMs;
  std::optional<TimeZoneState> timeZone;
  bool help = false;
};

// "set-alarm HH:MM": the hour and minute, when the text is such a time.
std::optional<std::pair<int, int>> parseAlarmTime(const std::string& text);

// Nothing (with `error` set) when the arguments are not understood.
std::optional<SimOptions> parseSimCommandLine(const std::vector<std::string>& arguments, std::string& error);
const char* simUsage();

}  // namespace orvane
