#pragma once
// The clock synchronisation as the main window composes it: the clock
// window behind the menu entries "网络原子钟对时", and the synchronisation
// once after start. In Timer3's one-shot tick, 29 seconds after start, it
// takes its turn after the parts added before it (the start-up service's
// stop): with "time"/"enabled" on, the UTC clock is set from the stored
// server when the fetch succeeds. Nothing is shown either way.

#include <vector>

#include "platform/main_window_part.h"
#include "platform/platform.h"
#include "platform/ui.h"

namespace orvane {

class ClockSync : public MainWindowPart {
 public:
  ClockSync(Platform& platform, Ui& ui) : platform_(platform), ui_(ui) {}

  std::vector<MainTimer> timers() const override { return {Timer3}; }
  void timerFired(MainTimer) override { synchroniseAfterStart(); }

  // "网络原子钟对时" of the menu bar and the tray menu.
  void openClockWindow();
  void synchroniseAfterStart();

 private:
  Platform& platform_;
  Ui& ui_;
};

}  // namespace orvane
