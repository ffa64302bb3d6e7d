#include "platform/main_window_part.h"

#include <algorithm>

#include "platform/form.h"

namespace orvane {

namespace {
const MainTimerDefinition* definitionOf(int timerId) {
  for (const auto& entry : kMainTimers) {
    if (entry.id == timerId) return &entry;
  }
  return nullptr;
}
}  // namespace

void MainWindowParts::startTimer(MainTimer timer) { ui_.startTimer(window_, timer, definitionOf(timer)->intervalMs); }

void MainWindowParts::stopTimer(MainTimer timer) { ui_.stopTimer(window_, timer); }

void MainWindowParts::startUp() {
  for (const auto& entry : kMainTimers) {
    if (entry.runsFromStart) startTimer(entry.id);
  }
  for (MainWindowPart* part : parts_) {
    part->startUp();
    if (part->endedStartUp()) return;
  }
}

void MainWindowParts::timerFired(int timerId) {
  const MainTimerDefinition* entry = definitionOf(timerId);
  if (entry == nullptr) return;
  if (entry->oneShot) stopTimer(entry->id);
  for (MainWindowPart* part : parts_) {
    const std::vector<MainTimer> timers = part->timers();
    if (std::find(timers.begin(), timers.end(), entry->id) != timers.end()) part->timerFired(entry->id);
  }
}

void MainWindowParts::windowChanged() { ui_.formChanged(window_); }

}  // namespace orvane
