#pragma once
// The command line of orvane-sim.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/date_time.h"

namespace orvane {

struct SimEvent {
  double atSeconds = 0;
  // "set-clock …", "sleep …", "menu …", "press …", "select …", "type …",
  // "show TRasDialerForm"
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
  bool rasAvailable = true;  // --ras absent: no rasapi32.dll
  std::vector<SimEvent> events;
  std::vector<std::pair<std::string, std::string>> answers;
  bool help = false;
};

// Nothing (with `error` set) when the arguments are not understood.
std::optional<SimOptions> parseSimCommandLine(const std::vector<std::string>& arguments, std::string& error);
const char* simUsage();

}  // namespace orvane
