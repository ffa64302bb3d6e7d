#pragma once
// The simulated Windows' record of what the program did: one line per
// platform call, window, message box or program step, stamped with the
// virtual local time ("2026-12-07 10:00:05.000 dodo row=1"). UTF-8.

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "common/log_text.h"

namespace orvane {

class EventLog {
 public:
  using Clock = std::function<std::string()>;  // the time stamp of "now"

  explicit EventLog(Clock clock) : clock_(std::move(clock)) {}

  void add(std::string_view event);
  // Also copy every line to this stream as it is added (orvane-sim's stdout).
  void echoTo(std::ostream* stream) { echo_ = stream; }

  const std::vector<std::string>& lines() const { return lines_; }
  // The lines without their time stamps, for tests.
  std::vector<std::string> events() const;
  bool contains(std::string_view eventPrefix) const;
  int count(std::string_view eventPrefix) const;

 private:
  Clock clock_;
  std::ostream* echo_ = nullptr;
  std::vector<std::string> lines_;
};

}  // namespace orvane
