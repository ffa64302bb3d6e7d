#include "platform/main_window_part.h"

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

void MainWindowParts::add(MainWindowPart& part) {
  parts_.push_back(&part);
  for (const MainTimer timer : part.timers()) turns_.at(timer).push_back(&part);
}

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
  for (MainWindowPart* part : turns_[entry->id]) part->timerFired(entry->id);
}

void MainWindowParts::windowChanged() { ui_.formChanged(window_); }

}  // namespace orvane
