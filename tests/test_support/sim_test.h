#pragma once
// The shared ground of the tests against the simulated Windows: a SimWorld
// in a fresh program directory (its "system" subdirectory plays the system
// directory), date-time texts, the program's files, and the time stamps of
// the log's lines.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/date_time.h"
#include "platform/sim/sim_world.h"
#include "test_support/temp_dir.h"

namespace orvane {

// A date-time text ("2026-12-07 10:00:00") that the test knows is valid.
inline DateTime dateTime(const char* text) { return parseDateTime(text).value(); }

// The stamps ("2026-12-07 10:00:05.000") of the log lines whose event is
// exactly `event`.
inline std::vector<std::string> stampsOf(const EventLog& log, std::string_view event) {
  std::vector<std::string> stamps;
  for (const std::string& line : log.lines()) {
    if (std::string_view(line).substr(24) == event) stamps.push_back(line.substr(0, 23));
  }
  return stamps;
}

// The times of day ("10:01:01") of the log lines whose event starts with
// `event`.
inline std::vector<std::string> timesOf(const EventLog& log, std::string_view event) {
  std::vector<std::string> times;
  for (const std::string& line : log.lines()) {
    if (line.compare(24, event.size(), event) == 0) times.push_back(line.substr(11, 8));
  }
  return times;
}

// The stamp of the first log line whose event starts with `event`; empty
// when there is none.
inline std::string firstStampOf(const EventLog& log, std::string_view event) {
  for (const std::string& line : log.lines()) {
    if (line.compare(24, event.size(), event) == 0) return line.substr(0, 23);
  }
  return {};
}

class SimTest : public testing::Test {
 protected:
  explicit SimTest(const char* start = "2026-12-07 10:00:00") : world(dir.path(), dateTime(start)) {}

  // A file beside the executable, or in the system directory, as the
  // program would find it.
  void writeProgramFile(const std::string& name, std::string_view bytes) {
    ASSERT_TRUE(world.files().writeFileFlushed(dir.path() / name, bytes));
  }
  std::optional<std::string> programFile(const std::string& name) { return world.files().readFile(dir.path() / name); }
  std::optional<std::string> systemFile(const std::string& name) {
    return world.files().readFile(world.files().systemDirectory() / name);
  }

  TempDir dir;
  SimWorld world;
};

}  // namespace orvane
