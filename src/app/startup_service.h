#pragma once
// The companion start-up service "Velmora": the main window opens it at
// start and keeps the handles for the whole run, and stops it 29 seconds
// later (Timer3), waiting while it reports that it is stopping. Whatever
// shares Timer3 after it (the clock synchronisation) runs in the same tick.

#include <optional>
#include <vector>

#include "platform/main_window_part.h"
#include "platform/platform.h"

namespace orvane {

class StartupService : public MainWindowPart {
 public:
  static constexpr const char* kServiceName = "Velmora";

  StartupService(Platform& platform, Ui& ui) : platform_(platform), ui_(ui) {}

  std::vector<MainTimer> timers() const override { return {Timer3}; }
  void timerFired(MainTimer timer) override;
  void startUp() override;

 private:
  // While the service answers and reports that it is stopping, the waiting
  // window messages run (the other timers keep firing) and a second passes.
  void waitWhileStopping(ServiceHandle service);

  Platform& platform_;
  Ui& ui_;
  // Held until the program ends, never closed.
  std::optional<ServiceHandle> manager_;
  std::optional<ServiceHandle> service_;
};

}  // namespace orvane
