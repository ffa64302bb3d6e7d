#include "platform/main_window_part.h"

#include <algorithm>

#include "platform/form.h"

namespace orvane {

namespace {
const MainTimerSpec* specOf(int timerId) {
  for (const auto& spec : kMainTimers) {
    if (spec.id == timerId) return &spec;
  }
  return nullptr;
}
}  // namespace

void MainWindowParts::startTimer(MainTimer timer) { ui_.startTimer(window_, timer, specOf(timer)->intervalMs); }

void MainWindowParts::stopTimer(MainTimer timer) { ui_.stopTimer(window_, timer); }

void MainWindowParts::startUp() {
  for (const auto& spec : kMainTimers) {
    if (spec.runsFromStart) startTimer(spec.id);
  }
  for (MainWindowPart* part : parts_) part->startUp();
}

void MainWindowParts::timerFired(int timerId) {
  const MainTimerSpec* spec = specOf(timerId);
  if (spec == nullptr) return;
  if (spec->oneShot) stopTimer(spec->id);
  for (MainWindowPart* part : parts_) {
    const std::vector<MainTimer> timers = part->timers();
    if (std::find(timers.begin(), timers.end(), spec->id) != timers.end()) part->timerFired(spec->id);
  }
}

void MainWindowParts::windowChanged() { ui_.formChanged(window_); }

}  // namespace orvane
